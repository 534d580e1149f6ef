// A scrolled page fitted to the width it is seen in, so that it scrolls up and down only.
#pragma once

#include <QSize>

class QWidget;

namespace trochograph {

// Fits `page`, laid out `content` large, into a viewport `seen` large, less `scrollBarWidth`
// when the page is taller than it: prose wraps within that width and pushes what lies below
// it down; a page of prose and pictures that is still too wide becomes one column of them,
// `gap` apart, each picture no wider than the column. Returns the page's new size.
QSize fitPageToWidth(QWidget& page, QSize content, QSize seen, int scrollBarWidth, int gap);

}  // namespace trochograph
