#pragma once
// The logic of the Layers dialog: the colour of each map layer, the contour
// drawing style and the city file, each chosen from its list.
//
// The dialog is bound to LayerSettings' working fields: choices (the item of
// each layer's list, 1-based), cityFiles, cityFileCount and cityChoice.

#include <array>
#include <string>
#include <vector>

#include "app/color_tables.h"
#include "app/path_state.h"
#include "app/window_style.h"
#include "plotsettings/layer_settings.h"

namespace qor {

/// Layer numbers (1 to 6) as the dialog's rows count them.
inline constexpr std::int32_t cities_layer = 4;
inline constexpr std::int32_t contours_layer = 6;

/// Item number of code in the list of layer (1 to 6): the city list for layer
/// 4, the contour list for layer 6, the window colour list for the others.
/// 1 when the list does not hold the code.
std::int32_t IWINCOLOR_IDX(const ColorTables& tables, const Text<6>& code, std::int32_t layer);

/// The layer's list: its codes and the names the dialog shows, in list order.
struct LayerList {
    std::vector<Text<6>> codes;
    std::vector<std::string> names;
};
LayerList layer_list(const ColorTables& tables, std::int32_t layer);

/// The city files of the package's USERDB directory (RECEIVE.*): at most 50
/// bare names in ascending order, blank-padded to 12.
void RFILES(const PathState& paths, std::array<Text<12>, 50>& names, std::int32_t& count);

/// What LAYERSCB does before it shows the dialog: lists the city files, upper-
/// cases the stored city file and selects it when listed, and selects each
/// layer's stored code in its list.
void layers_prepare(const PathState& paths, const ColorTables& tables, LayerSettings& layers);

/// Accept: each layer takes the code of its chosen item (a layer whose choice
/// no item stands for keeps its code); the chosen city file, or "RECEIVE.CTY"
/// when none is chosen; the layer summary is rebuilt. Returns 0.
int LAYERS_OK(const ColorTables& tables, LayerSettings& layers);

/// Cancel: nothing changes. Returns 0.
int LAYERS_NO();

/// Default: grid "0=Blck", countries "4=Blue", CIRAF zones and cities
/// "Ignore", main beam "1=Red ", contours "0=BLCK" (a code missing from its
/// list gives the list's first item), city file "RECEIVE.CTY", whatever the
/// dialog shows; the summary is rebuilt. Returns 0.
int LAYERS_DEFAULT(const ColorTables& tables, LayerSettings& layers);

/// Lines the window colour lists show when opened: the whole list, or 12 on
/// small screens (640 pixels or less, or 800 with large text).
int layer_colour_lines(const ColorTables& tables, const ScreenSize& screen);

}  // namespace qor
