#pragma once
// The three readers the main window calls, in this order, for the current grid
// file: the grid file, its requirement file, the plot parameter file. Each
// returns nothing on success and the message to show on failure.

#include <optional>
#include <string>

#include "app/color_tables.h"
#include "app/path_state.h"
#include "areadata/grid_file.h"
#include "areadata/plot_parameter_table.h"
#include "areadata/requirement_file.h"
#include "base/fixed_record.h"
#include "base/message.h"
#include "plotsettings/contour_settings.h"
#include "plotsettings/layer_settings.h"
#include "plotsettings/parameter_selection.h"

namespace qor {

/// Reads the current grid file's header and each parameter's value range.
std::optional<Message> READGRID(const PathState& paths, GridFile& grid);

/// Reads the requirement file of the current grid file into the plot settings:
/// the model (PathState.Model), the layer colours and city file (the colour
/// tables translate the colour names), the plotted parameters and their
/// contour levels, and the lines kept for writing back. A refused file changes
/// none of them.
std::optional<Message> READMAIN(PathState& paths, const ColorTables& tables, LayerSettings& layers,
                                ParameterSelection& parameters, ContourSettings& contours,
                                RequirementFile& requirement);

/// Reads the current prediction program's plot parameter file, keeping the
/// parameters the grid carries, with the grid's value ranges.
std::optional<Message> READGPH(const PathState& paths, const GridFile& grid,
                               PlotParameterTable& table);

/// The same three readers on a reader already open on the file's content (a
/// file, or text in memory); paths only names the file in the messages.
std::optional<Message> read_grid_lines(LineReader& file, const PathState& paths, GridFile& grid);
std::optional<Message> read_requirement_lines(LineReader& file, PathState& paths,
                                              const ColorTables& tables, LayerSettings& layers,
                                              ParameterSelection& parameters,
                                              ContourSettings& contours,
                                              RequirementFile& requirement);
std::optional<Message> read_plot_parameter_lines(LineReader& file, const PathState& paths,
                                                 const GridFile& grid, PlotParameterTable& table);

/// The requirement file's package path for the current grid file ("" when the
/// grid file name has no suffix that names a prediction program).
std::string requirement_path(const PathState& paths);

/// The current grid file's package path.
std::string grid_path(const PathState& paths);

}  // namespace qor
