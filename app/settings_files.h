#pragma once
// The settings files of the package's database directory, read at start-up:
// colors.dat (DOS colour list), colors.win (dialog colour lists), setup.ini
// (window settings); and setup.ini's writer.

#include <string>

#include "app/color_tables.h"
#include "app/path_state.h"
#include "platform/console.h"

namespace qor {

/// Loads the DOS colour list from colors.dat; an empty list when the file is
/// missing. A line whose colour number is not a number ends the list and is
/// reported on the console.
void DOSCOLR(const PathState& paths, ColorTables& tables, Console& console);
/// Loads the window, city and contour colour lists from colors.win. A missing
/// or unreadable file stops the program through the console.
void WINCOLR(const PathState& paths, ColorTables& tables, Console& console);
/// Loads the window settings from setup.ini; the defaults when it is missing.
void R_SETUP(const PathState& paths, WindowSettings& settings);

/// The three setup.ini lines for the settings, each with its line end.
std::string setup_file_text(const WindowSettings& settings);

}  // namespace qor
