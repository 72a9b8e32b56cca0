#pragma once
// The colours of the map layers and the city file.

#include <array>
#include <cstdint>

#include "base/text.h"

namespace qor {

/// Layer positions in LayerSettings::colors.
enum LayerIndex {
    layer_grid = 0,
    layer_countries,
    layer_zones,
    layer_cities,
    layer_main_beam,
    layer_contours
};

struct LayerSettings {
    std::array<Text<6>, 6> colors;  ///< Grid, Countries, CIRAF Zones, Cities, Main Beam, Contours
    Text<12> cityFile;              ///< city file to plot, e.g. "RECEIVE.CTY"
    Text<160> summaryText;          ///< the layer summary of the main window, two display lines
    // Working fields of the Layers dialog.
    std::array<std::int32_t, 6> choices{};
    std::array<Text<12>, 50> cityFiles;
    std::int32_t cityFileCount = 0;
    std::int32_t cityChoice = 0;
};

}  // namespace qor
