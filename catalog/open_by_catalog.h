#pragma once
// "Open (by catalog)": the catalog of the current sub-directory shown as a
// requirement list that can be re-sorted four ways, then the grid-file step
// for the requirement accepted.

#include <string>

#include "app/path_state.h"
#include "base/message.h"
#include "catalog/catalog_file.h"
#include "catalog/catalog_windows.h"

namespace qor {

/// File menu "Open (by catalog)". 0 when a grid file was chosen (PathState.
/// FileName set, NewFileChosen 1: the main window closes and is rebuilt), else 1.
/// Closing the requirement window by "&Exit" ends the command with nothing
/// chosen, whatever line was highlighted.
int OPCAT_CB(PathState& paths, CatalogList& catalog, CatalogWindows& windows);

/// "&Accept" of the requirement window: copies the highlighted line into
/// CatalogList.SelectedLine when one is highlighted. Returns 0.
int REQ_SELECTED(CatalogList& catalog);

/// A selection event of the requirement list; itemChosen is 1 for a double
/// click (the choice of an item), 0 for a change of the highlighted line.
/// Returns 1 - itemChosen, after REQ_SELECTED for a double click.
int REQ_DOUBLE_CLICK(CatalogList& catalog, int itemChosen);

/// The four items of "Sort by:": read the catalog afresh, sort it by the
/// command's sort name, rewrite the file, set RequirementIndex to -1. Return 0.
int SORT_R(const PathState& paths, CatalogList& catalog, CatalogWindows& windows);
int SORT_FTL(const PathState& paths, CatalogList& catalog, CatalogWindows& windows);
int SORT_LFT(const PathState& paths, CatalogList& catalog, CatalogWindows& windows);
int SORT_LTF(const PathState& paths, CatalogList& catalog, CatalogWindows& windows);

/// The sort command of a key (1 to 4), as SORT_R to SORT_LTF.
int sort_command(const PathState& paths, CatalogList& catalog, CatalogWindows& windows, int key);

/// The box for a catalog that cannot be opened, or read, or rewritten.
Message catalog_open_error(const std::string& path);
Message catalog_read_error(const std::string& path);
Message catalog_write_error(const std::string& path, const std::string& reason);

/// The box for a failed read: OPEN ERROR or READ ERROR.
Message catalog_error(CatalogReadOutcome outcome, const std::string& path);

/// "%" + height written with two digits + ".106^lb".
std::string requirement_list_format(int height);
/// Lines the requirement list shows at once for a catalog of count lines.
int requirement_list_height(int count, int screenWidth);

}  // namespace qor
