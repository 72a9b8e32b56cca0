#pragma once
// Each slot's automatic or user-defined contour levels and colours.

#include <array>
#include <cstdint>

#include "base/text.h"

namespace qor {

/// A level position that holds no level.
constexpr float empty_level = -999.0f;

struct ContourSettings {
    std::array<std::int32_t, 5> levelCount{};              ///< [slot]: 0 automatic, else defined
    std::array<std::array<float, 10>, 5> levels{};         ///< [slot][position], ascending
    std::array<std::array<std::int32_t, 10>, 5> colors{};  ///< [slot][position], 0 to 15
    std::array<std::int32_t, 7> defaultColors{10, 9, 14, 13, 3, 7, 15};
    Text<800> summaryText;  ///< five 160-character blocks
};

}  // namespace qor
