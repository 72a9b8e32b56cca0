#pragma once
// The up to five plotted parameter slots.

#include <array>
#include <cstdint>

#include "base/text.h"

namespace qor {

struct ParameterSelection {
    std::int32_t count = 0;        ///< active slots written to the requirement file
    std::array<Text<6>, 5> names;  ///< names[0] is slot 1; blank for an empty slot
    Text<50> summaryText;          ///< the parameter summary of the main window
    // Working fields of the Parameters dialog.
    std::array<std::int32_t, 40> selected{};
    Text<50> activeText;
};

}  // namespace qor
