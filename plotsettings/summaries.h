#pragma once
// The summary texts of the main window: parameters, layers and contours.

#include <cstdint>

#include "app/color_tables.h"
#include "plotsettings/contour_levels.h"
#include "plotsettings/contour_settings.h"
#include "plotsettings/layer_settings.h"
#include "plotsettings/parameter_selection.h"

namespace qor {

/// Five 10-character cells, one per slot: two blanks, the name, two blanks.
void SET_PARAMS(const ParameterSelection& selection, Text<50>& text);

/// The heading line and the converted layer names (two display lines).
void SET_LAYERS(const ColorTables& tables, const LayerSettings& layers, Text<160>& text);

/// One slot's 160-character block (written at block[0..159]). slot is 1-based.
/// The range and the automatic levels come from the plot parameter table (a
/// parameter it lacks is reported on the console). name may be rewritten to
/// "ANGLE " by the automatic levels; user-defined levels are sorted in place.
void SET_CONT(const PlotParameterTable& table, const DefaultColours& defaults, Console& console,
              int slot, Text<6>& name, std::int32_t count, LevelArray& levels,
              const ColourArray& colors, char* block);

/// Rebuilds the whole 800-character contour summary from the selection's
/// names and the contour settings (SET_CONT for each slot).
void SET_CONTOURS(const PlotParameterTable& table, ParameterSelection& selection,
                  ContourSettings& contours, Console& console, Text<800>& text);

}  // namespace qor
