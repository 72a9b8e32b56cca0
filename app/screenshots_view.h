#pragma once
// Pictures of the program's windows for its documentation, taken by the
// program itself when asked through the environment:
//   QOR_SCREENSHOT_DIR      folder the PNG pictures go to (nothing happens without it)
//   QOR_SCREENSHOT_ACTIONS  comma-separated objectNames of menu actions whose
//                           windows are pictured too, e.g. "PRINTER_SETUP,ABOUT"
//   QOR_SCREENSHOT_OPEN     a grid file opened (as by "Open (by file)") after
//                           the window without a file has been pictured
// Once everything is pictured the main window is closed, so the program ends.

#include <string>

#include "app/session.h"

namespace qor {

class Window;

/// When asked through the environment, pictures the main window as name.png
/// once it is shown, then opens each listed action's window (toolkit windows
/// picture themselves under their objectName, other dialogs are pictured here
/// the same way) and closes it again, then opens the file or closes the window.
void schedule_screenshots(Session& session, Window* window, const std::string& name);

}  // namespace qor
