#pragma once
// Writing the current plot settings back into the requirement file of the
// current grid file, where the map program reads them.

#include <optional>
#include <string>

#include "base/message.h"
#include "app/session.h"

namespace qor {

/// The requirement file's text as WRITMAIN writes it: the regenerated header
/// lines (Model, Colors in the new form, Cities, Nparms, one Parameter line per
/// plotted parameter with only its real levels), then every kept line without
/// its trailing blanks, each line ended with the platform's line end. Returns
/// the message to show instead when a level does not fit its field.
std::optional<Message> requirement_file_text(const Session& session, std::string& text);

/// Replaces the requirement file with requirement_file_text. On failure
/// nothing on disk changes and the message to show is returned; the map
/// program must not be started then.
std::optional<Message> WRITMAIN(const Session& session);

}  // namespace qor
