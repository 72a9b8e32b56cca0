#pragma once
// Opening a grid file named on qortool's command line, the way the program
// opens one: the run directory and the settings files as at start-up, the
// file accepted as "Open (by file)" accepts it, then the readers and the
// summaries the main window builds. The commands that work on one grid file
// (show, plot) share it, so that they see what the window would show.

#include <optional>
#include <string>

#include "app/session.h"
#include "base/message.h"

namespace qor::tool {

/// Makes grid_file (a native path, relative to the current directory or
/// absolute) the session's current file and reads it. The run directory is
/// run_directory when given, else the directory RUN beside the file's data
/// root. Returns the text to report when the file cannot be used.
std::optional<std::string> open_grid_file(Session& session, const std::string& grid_file,
                                          const std::string& run_directory);

/// A message as a shell shows it: the caption, the text lines that are not
/// blank, and the button label unless it is only "OK" or "Cancel".
std::string message_text(const Message& message);

}  // namespace qor::tool
