#pragma once
// Conversions between the colour forms: DOS colour names, the one-character
// codes and their labels, and the texts written for the map program.

#include <array>
#include <cstdint>
#include <string_view>

#include "app/color_tables.h"
#include "base/fixed_record.h"
#include "base/text.h"

namespace qor {

/// Code of the first DOS colour list entry whose first or second name equals
/// name (first name tested first); -1 when none.
std::int32_t ICOLDOS(const ColorTables& tables, const Text<6>& name);

/// The first or (mode != 0) second name of the first entry with the code;
/// "Ignore" when none has it.
void COL_DOS(const ColorTables& tables, Text<6>& out, std::int32_t code, std::int32_t mode);

/// Replaces code by its 6-character label from the Cities (kind 4), Contours
/// (kind 6) or sixteen-colour (any other kind) table; "Ignore" when none matches.
void COLORTAB(std::int32_t kind, Text<6>& code);

/// Parses the Colours line text (after its 10-character label) into the layer
/// colours and the city file; in the new form it reads the Cities line from
/// the file itself.
void COL_FMT(const ColorTables& tables, LineReader& file, std::string_view colours,
             std::array<Text<6>, 6>& colors, Text<12>& cityFile);

/// The five layer names (Grid, Countries, Zones, Cities, MainBeam) and the
/// contour style text written for the map program.
void COL_CVT(const ColorTables& tables, const std::array<Text<6>, 6>& colors,
             std::array<Text<6>, 5>& names, Text<20>& contourText);

}  // namespace qor
