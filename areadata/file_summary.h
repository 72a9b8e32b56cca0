#pragma once
// What the main window shows about the current grid file: the grid size, the
// grid's type and the comment lines of its requirement file. The window and
// qortool show the same texts.

#include <optional>
#include <string>
#include <vector>

#include "app/path_state.h"
#include "areadata/grid_file.h"
#include "areadata/requirement_file.h"

namespace qor {

/// Points per row and rows, each as a 2-character integer, with "x" between:
/// "37x37"; a value that does not fit shows as "**".
std::string grid_size_text(const GridFile& grid);

/// The 20-character projection name of the requirement file's grid size code
/// (the last entry of the list with that code); none when no entry has it.
std::optional<std::string> grid_type_text(const ProjectionList& projections,
                                          const RequirementFile& requirement);

/// The comment lines as the main window lists them, in order: comments that
/// begin with "Season" or "Zones" are left out, one that begins with "INFO"
/// shows as "CIRAF: " and its characters 15 to 44, any other up to its last
/// character that is neither blank nor NUL.
std::vector<std::string> shown_comments(const RequirementFile& requirement);

}  // namespace qor
