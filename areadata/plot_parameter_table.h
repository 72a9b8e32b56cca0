#pragma once
// The plottable parameters the current grid carries, with scale, level rule
// and range.

#include <array>
#include <cstdint>

#include "base/text.h"

namespace qor {

struct PlotParameterEntry {
    Text<70> line;                  ///< name (6 characters) and description
    float scale = 0;                ///< factor for plotting grid values
    std::int32_t method = 0;        ///< automatic level rule
    std::int32_t valueCount = 0;    ///< rule values given (at most 6)
    std::array<float, 6> values{};  ///< rule values
    float minimum = 0;              ///< range in the current grid, grid units
    float maximum = 0;
};

struct PlotParameterTable {
    std::int32_t count = 0;                      ///< 0 to 40
    std::array<PlotParameterEntry, 40> entries;  ///< entries[0] is entry 1
};

}  // namespace qor
