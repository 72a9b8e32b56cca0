#pragma once
// Accepting a grid file chosen by name in the file-open dialog.

#include <optional>
#include <string_view>

#include "app/path_state.h"
#include "base/callback_result.h"
#include "base/message.h"

namespace qor {

/// Stores a path returned by the file-open dialog in PathState.ChosenFile, in
/// the package form (a native POSIX path has its slashes turned into
/// backslashes), cut or blank-padded to its 128 characters.
void choose_file(PathState& paths, std::string_view dialog_path);

/// Decides whether PathState.ChosenFile can become the current grid file.
/// ChosenFile is upper-cased in place. An accepted file sets DataDir, FileName
/// and NewFileChosen and closes the main window (keepOpen 0), which is rebuilt;
/// a rejected one leaves them as they were and keeps the main window open
/// (keepOpen 1) with the message the user must be shown.
CallbackResult OPENDATA(PathState& paths);

/// The message for a file whose suffix names no prediction program's grid file.
Message suffix_message(std::string_view path);
/// The message for a file that does not lie in a sub-directory of a data root.
Message subdirectory_message(std::string_view data_root, std::string_view path);
/// The message for a file whose sub-directory and name together do not fit
/// the 30 characters of PathState.FileName.
Message long_name_message(std::string_view path);

}  // namespace qor
