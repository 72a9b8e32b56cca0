#pragma once
// One instance of each of the system's records for the whole run. Routines take
// the session (or the records they use) by reference; a test builds its own.

#include <memory>

#include "app/color_tables.h"
#include "app/path_state.h"
#include "areadata/grid_file.h"
#include "areadata/plot_parameter_table.h"
#include "areadata/requirement_file.h"
#include "catalog/catalog_list.h"
#include "platform/console.h"
#include "plotout/printer_placement.h"
#include "plotsettings/contour_settings.h"
#include "plotsettings/layer_settings.h"
#include "plotsettings/parameter_selection.h"

namespace qor {

struct Session {
    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    PathState paths;
    ProjectionList projections;
    ColorTables colors;
    WindowSettings window;
    GridFile grid;
    RequirementFile requirement;
    PlotParameterTable plotParameters;
    ParameterSelection parameters;
    LayerSettings layers;
    ContourSettings contours;
    PrinterPlacement printer;
    CatalogList catalog;

    /// The standard output window; a plain console unless the program sets another.
    Console* console = &default_console;

  private:
    Console default_console;
};

}  // namespace qor
