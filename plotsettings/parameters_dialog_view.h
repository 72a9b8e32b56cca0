#pragma once
// The Parameters dialog of the main window.

#include "app/color_tables.h"
#include "areadata/plot_parameter_table.h"
#include "platform/console.h"
#include "plotsettings/contour_settings.h"
#include "plotsettings/parameter_selection.h"

class QWidget;

namespace qor {

/// Shows the Parameters dialog modally over parent; Accept and Default store
/// the slots and repaint the parameter and contour summaries of parent.
/// Returns 1 (the main window stays open).
int PARAMSCB(const PlotParameterTable& table, WindowSettings& settings,
             ParameterSelection& parameters, ContourSettings& contours, Console& console,
             QWidget* parent);

}  // namespace qor
