// Long work reports how far it has come, and hears whether to go on.
#pragma once

#include <functional>

namespace trochograph {

// Called with the share of the work done, 0 to 1; false asks the work to stop.
using ProgressReport = std::function<bool(double done)>;

}  // namespace trochograph
