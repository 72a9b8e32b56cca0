#pragma once
// The settings files of the package's database directory, read at start-up:
// colors.dat (DOS colour list), colors.win (dialog colour lists), setup.ini
// (window settings); and setup.ini's writer.

#include <string>

#include "app/color_tables.h"
#include "app/path_state.h"
#include "base/fixed_record.h"
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
/// Scroll sizes beyond the setup dialog's limits are brought within them.
void R_SETUP(const PathState& paths, WindowSettings& settings);

/// The largest scroll window the setup dialog accepts.
inline constexpr std::int32_t max_scroll_columns = 160;
inline constexpr std::int32_t max_scroll_rows = 70;

/// The three setup.ini lines for the settings, each with its line end.
std::string setup_file_text(const WindowSettings& settings);

/// The same readers on a reader already open on the file's content; shown_path
/// names the file in what is written to the console.
void read_dos_colour_lines(LineReader& file, const std::string& shown_path, ColorTables& tables,
                           Console& console);
void read_window_colour_lines(LineReader& file, const std::string& shown_path, ColorTables& tables,
                              Console& console);
void read_setup_lines(LineReader& file, WindowSettings& settings);

}  // namespace qor
