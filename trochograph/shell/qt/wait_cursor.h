// The cursor shown while the program is busy. The system's wait cursor is animated, and
// Qt 6.4's Wayland plugin can crash on animated cursors, so on Wayland a still hourglass
// stands in for it.
#pragma once

#include <QCursor>

namespace trochograph {

QCursor waitCursor();

}  // namespace trochograph
