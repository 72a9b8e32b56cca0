#pragma once
// Border, scale and offsets for printed maps (print_a.ini).

#include <cstdint>

namespace qor {

struct PrinterPlacement {
    std::int32_t border = 1;  ///< 1 draw a border, 2 do not
    float scale = 1.0f;       ///< relative size, 0 to 1.0
    float xOffset = 0.0f;     ///< inches, -10 to 10
    float yOffset = 0.0f;
};

}  // namespace qor
