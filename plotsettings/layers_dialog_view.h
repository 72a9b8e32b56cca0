#pragma once
// The Layers dialog of the main window.

#include "app/color_tables.h"
#include "app/path_state.h"
#include "plotsettings/layer_settings.h"

class QWidget;

namespace qor {

/// Shows the Layers dialog modally over parent; Accept and Default store the
/// layer colours and the city file and repaint the layer summary of parent.
/// Returns 1 (the main window stays open).
int LAYERSCB(const PathState& paths, const ColorTables& tables, WindowSettings& settings,
             LayerSettings& layers, QWidget* parent);

}  // namespace qor
