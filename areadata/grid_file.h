#pragma once
// The header and the value range of each parameter of the current grid file.

#include <array>
#include <cstdint>

#include "base/text.h"

namespace qor {

struct GridFile {
    Text<40> modelVersion;     ///< line 1
    Text<75> title;            ///< line 2: the plot title
    std::int32_t columns = 0;  ///< grid points per row
    std::int32_t rows = 0;     ///< number of rows
    std::array<Text<6>, 30> parameterNames;
    std::int32_t parameterCount = 0;  ///< names before the first blank name
    std::array<float, 30> minimum{};  ///< smallest valid value; 9999999.0 when none
    std::array<float, 30> maximum{};  ///< largest valid value; -9999999.0 when none
};

/// A grid value at or below this marks a point without a value.
constexpr float missing_value_limit = -998.9f;

}  // namespace qor
