#pragma once
// The seven colours automatic contour levels receive, from colors.con.

#include "app/path_state.h"
#include "plotsettings/contour_settings.h"

namespace qor {

/// Loads ContourSettings.defaultColors from database\colors.con; the built-in
/// colours 10, 9, 14, 13, 3, 7, 15 when the file is missing, too short or not
/// made of integers.
void COLORDEF(const PathState& paths, ContourSettings& contours);

}  // namespace qor
