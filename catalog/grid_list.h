#pragma once
// The grid files of one requirement (one catalog line), the grid-file window
// that offers them, and "New Group", which offers them again for the
// requirement accepted last.

#include "app/path_state.h"
#include "base/message.h"
#include "catalog/catalog_list.h"
#include "catalog/catalog_windows.h"

namespace qor {

/// The heading above the grid-file lines.
inline constexpr std::string_view grid_list_heading = "Filename    =Plot Title";

/// Fills CatalogList.GridCount (the hour count in column 36 of the line: a
/// digit, or 0 for a blank or anything else) and one grid-file line per hour:
/// the grid file name (12 characters), "=" and the first 77 characters of the
/// grid file's second line, or "=(file not calculated)" when the file is
/// missing or has fewer than two lines.
void READ_GRIDS(const PathState& paths, CatalogList& catalog, const Text<94>& line);

/// "&Accept" of the grid-file window. Returns 0.
int GRID_SELECTED(CatalogList& catalog);

/// A selection event of the grid-file list (itemChosen 1 for a double click).
/// Returns 1 - itemChosen.
int GRID_DOUBLE_CLICK(CatalogList& catalog, int itemChosen);

enum class GridStep {
    from_catalog,  ///< a single grid file is taken without showing the window
    new_group,     ///< the window is always shown
};

/// The grid-file step for a catalog line: lists its grid files, lets the user
/// choose one and makes it the current grid file. 0 when a file was chosen
/// (PathState.FileName = SubDir\name, NewFileChosen = 1), else 1. Closing the
/// window by "&Exit" chooses nothing.
int grid_file_step(PathState& paths, CatalogList& catalog, CatalogWindows& windows,
                   const Text<94>& line, GridStep variant);

/// Menu "&New Group": the grid-file step for the requirement accepted last.
/// 0 when a grid file was chosen, else 1 with NewFileChosen cleared.
int NEW_GROUP_CB(PathState& paths, CatalogList& catalog, CatalogWindows& windows);

/// "No initial grid file has been selected".
Message no_group_message();
/// "Grid file has not been calculated", naming SubDir\name.
Message grid_not_calculated_message(const PathState& paths, const Text<12>& gridName);

}  // namespace qor
