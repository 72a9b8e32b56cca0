#pragma once
// "Create catalog": lists the requirement files of the current data
// sub-directory, keeps the real ones, summarises each and writes the catalog
// with one line per file in name order, reporting progress as it goes.

#include <functional>
#include <string>
#include <vector>

#include "app/path_state.h"
#include "base/message.h"
#include "catalog/catalog_windows.h"
#include "platform/paths.h"

namespace qor {

/// The File menu item: "Create catalog of *." + the model's first three
/// characters + " files".
std::string create_catalog_label(const PathState& paths);

/// Menu callback: creates the catalog of PathState.SubDir for PathState.Model,
/// ending with the confirmation box or the failure box. The catalog file is
/// replaced atomically: when it cannot be written the old one stays whole.
/// Changes no field of PathState or CatalogList. Always returns 1.
int CREATECB(const PathState& paths, CatalogWindows& windows);

/// The catalog file's content for the listed names: line 1 (60 characters,
/// sort name "Requirement Number"), the 93-character heading, one
/// 94-character line per name. progress is called after each file with its
/// number (1-based).
std::string catalog_creation_content(const PathState& paths, const std::vector<Text<12>>& names,
                                     const std::function<void(int)>& progress = {});

/// The requirement files of a sub-directory, at most 2000, in ascending name
/// order: entries matching "*." + the model's first three characters in the
/// current data root that are files holding a line "Months   :".
std::vector<Text<12>> GET_FILES(const PathState& paths, const Text<20>& subDir);

/// The directory GET_FILES lists: package root, PathState.DataDir, "\" and the
/// trimmed sub-directory, "\". The process's current directory is left as it
/// is: the listing, the validation and the reading use full paths, and the
/// map programs are started in the run directory.
std::string SET_AREADATA_DIR(const PathState& paths, const Text<20>& subDir);

/// Keeps only the entries that are files containing a line that begins with
/// "Months   :", in their order.
void VALIDATE_FILES(std::vector<DirectoryEntry>& entries);

/// The percentage text after file i of n: the nearest integer to 100 * (i / n)
/// in single precision (halves away from zero), I3 and "%".
Text<4> progress_percentage(int i, int n);

/// The boxes ending a creation.
Message catalog_created_message(const PathState& paths, const std::string& path,
                                const Text<4>& count);
Message catalog_create_failed_message(const std::string& path);

}  // namespace qor
