#pragma once
// Writing the current plot settings back into the requirement file of the
// current grid file, where the map program reads them.

#include <optional>
#include <string>

#include "app/color_tables.h"
#include "app/path_state.h"
#include "areadata/grid_file.h"
#include "areadata/requirement_file.h"
#include "base/message.h"
#include "plotsettings/contour_settings.h"
#include "plotsettings/layer_settings.h"
#include "plotsettings/parameter_selection.h"

namespace qor {

/// The records a plot reads: where the current grid file and the run
/// directory are, the grid (its title goes into the plot request), the colour
/// tables that translate the layer colours, the plot settings, and the
/// requirement file's kept lines.
struct PlotRecords {
    const PathState& paths;
    const ColorTables& colors;
    const GridFile& grid;
    const RequirementFile& requirement;
    const ParameterSelection& parameters;
    const LayerSettings& layers;
    const ContourSettings& contours;
};

/// The requirement file's text as WRITMAIN writes it: the regenerated header
/// lines (Model, Colors in the new form, Cities, Nparms, one Parameter line per
/// plotted parameter with only its real levels), then every kept line without
/// its trailing blanks, each line ended with the platform's line end. Returns
/// the message to show instead when a level does not fit its field.
std::optional<Message> requirement_file_text(const PlotRecords& plot, std::string& text);

/// Replaces the requirement file with requirement_file_text. On failure
/// nothing on disk changes and the message to show is returned; the map
/// program must not be started then.
std::optional<Message> WRITMAIN(const PlotRecords& plot);

}  // namespace qor
