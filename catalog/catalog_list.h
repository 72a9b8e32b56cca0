#pragma once
// The open catalog: its lines, sort order, selections and the grid-file lines
// of the selected requirement.

#include <array>
#include <cstdint>

#include "base/text.h"

namespace qor {

constexpr int catalog_capacity = 2000;

struct CatalogList {
    Text<94> Header;        ///< line 2 of the open catalog
    Text<94> SelectedLine;  ///< entry line of the requirement last accepted
    std::int32_t Count = 0;
    std::array<Text<94>, catalog_capacity> Lines;        ///< Lines[0] is line 1
    std::array<std::int32_t, catalog_capacity> Order{};  ///< 1-based line numbers
    std::int32_t RequirementIndex = 0;  ///< 0 none, 1..Count chosen, -1 after a sort
    std::int32_t GridCount = 0;
    std::array<Text<90>, 9> GridLines;
    std::int32_t GridIndex = 0;
};

}  // namespace qor
