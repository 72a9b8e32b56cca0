#pragma once
// The requirement file's map projection code, comments and the trailing lines
// kept for writing back.

#include <array>
#include <cstdint>

#include "base/text.h"

namespace qor {

struct RequirementFile {
    std::int32_t gridSize = 0;       ///< map projection code from the Gridsize line
    std::int32_t lineCount = 0;      ///< 0 to 30
    std::array<Text<80>, 30> lines;  ///< the kept lines
    std::int32_t commentCount = 0;   ///< 0 to 10
    std::array<Text<80>, 10> comments;
};

}  // namespace qor
