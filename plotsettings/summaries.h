#pragma once
// The summary texts of the main window: parameters, layers and contours.

#include <cstdint>

#include "app/session.h"
#include "plotsettings/contour_levels.h"

namespace qor {

/// Five 10-character cells, one per slot: two blanks, the name, two blanks.
void SET_PARAMS(const ParameterSelection& selection, Text<50>& text);

/// The heading line and the converted layer names (two display lines).
void SET_LAYERS(const Session& session, const LayerSettings& layers, Text<160>& text);

/// One slot's 160-character block (written at block[0..159]). slot is 1-based.
/// name may be rewritten to "ANGLE " by the automatic levels; user-defined
/// levels are sorted in place.
void SET_CONT(Session& session, int slot, Text<6>& name, std::int32_t count, LevelArray& levels,
              const ColourArray& colors, char* block);

/// Rebuilds the whole 800-character contour summary from ParameterSelection
/// and ContourSettings.
void SET_CONTOURS(Session& session, Text<800>& text);

}  // namespace qor
