#pragma once
// The seven colours automatic contour levels receive, from colors.con.

#include "app/session.h"

namespace qor {

/// Loads ContourSettings.defaultColors from database\colors.con; the built-in
/// colours 10, 9, 14, 13, 3, 7, 15 when the file is missing, too short or not
/// made of integers.
void COLORDEF(Session& session);

}  // namespace qor
