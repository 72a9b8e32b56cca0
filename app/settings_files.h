#pragma once
// The settings files of the package's database directory, read at start-up:
// colors.dat (DOS colour list), colors.win (dialog colour lists), setup.ini
// (window settings); and setup.ini's writer.

#include "base/message.h"
#include "app/session.h"
#include "platform/paths.h"

namespace qor {

/// Loads the DOS colour list from colors.dat; an empty list when the file is missing.
void DOSCOLR(Session& session);
/// Loads the window, city and contour colour lists from colors.win. A missing
/// or unreadable file stops the program through the console.
void WINCOLR(Session& session);
/// Loads the window settings from setup.ini; the defaults when it is missing.
void R_SETUP(Session& session);

/// The three setup.ini lines for the settings, each with its line end.
std::string setup_file_text(const WindowSettings& settings);

}  // namespace qor
