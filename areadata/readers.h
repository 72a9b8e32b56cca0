#pragma once
// The three readers the main window calls, in this order, for the current grid
// file: the grid file, its requirement file, the plot parameter file. Each
// returns nothing on success and the message to show on failure.

#include <optional>
#include <string>

#include "base/message.h"
#include "app/session.h"

namespace qor {

/// Reads the current grid file's header and each parameter's value range.
std::optional<Message> READGRID(Session& session);

/// Reads the requirement file of the current grid file into the plot settings.
std::optional<Message> READMAIN(Session& session);

/// Reads the current prediction program's plot parameter file, keeping the
/// parameters the grid carries.
std::optional<Message> READGPH(Session& session);

/// The requirement file's package path for the current grid file ("" when the
/// grid file name has no suffix that names a prediction program).
std::string requirement_path(const PathState& paths);

/// The current grid file's package path.
std::string grid_path(const PathState& paths);

}  // namespace qor
