#include "files/save_error.h"

namespace trochograph {

const std::array<const char*, 3> saveerror = {
    "Error opening file.",
    "Not enough memory to buffer image lines.",
    "Error writing to file.",
};

}  // namespace trochograph
