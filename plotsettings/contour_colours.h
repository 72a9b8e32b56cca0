#pragma once
// The seven colours automatic contour levels receive, from colors.con.

#include "app/path_state.h"
#include "base/fixed_record.h"
#include "plotsettings/contour_settings.h"

namespace qor {

/// Loads ContourSettings.defaultColors from database\colors.con; the built-in
/// colours 10, 9, 14, 13, 3, 7, 15 when the file is missing, too short, not
/// made of integers, or names a colour outside the sixteen (0 to 15).
void COLORDEF(const PathState& paths, ContourSettings& contours);
/// The same from a reader already open on colors.con's content.
void read_contour_colour_lines(LineReader& file, ContourSettings& contours);

}  // namespace qor
