#pragma once
// The logic of the Parameters dialog: which parameters of the plot parameter
// table are plotted, at most five, in table order. A parameter that stays
// plotted keeps its contour settings when it moves to another slot.
//
// The dialog is bound to ParameterSelection's working fields: selected (one
// flag per table entry) and activeText.

#include <string>
#include <vector>

#include "app/window_style.h"
#include "areadata/plot_parameter_table.h"
#include "platform/console.h"
#include "plotsettings/contour_settings.h"
#include "plotsettings/parameter_selection.h"

namespace qor {

/// Index (1-based) of the first table entry whose name is name; 0 when none.
std::int32_t IPARAMS(const PlotParameterTable& table, const Text<6>& name);

/// The names of the first five selected entries, in table order, each in a
/// 10-character cell (two blanks, the name, two blanks).
void SET_X_PARAMS(const PlotParameterTable& table, const ParameterSelection& parameters,
                  Text<50>& text);

/// The list's items, one per table entry: the first 60 characters of its line,
/// then its minimum and maximum times its scale as F8.2.
std::vector<std::string> parameter_list_items(const PlotParameterTable& table);

/// What PARAMSCB does before it shows the dialog: the flags of the slots'
/// parameters set, every other flag cleared, activeText filled.
void params_prepare(const PlotParameterTable& table, ParameterSelection& parameters);

/// The list's selection changed: activeText is refilled. Returns 1.
int PARAMS_ACTION(const PlotParameterTable& table, ParameterSelection& parameters);

/// Accept: the first five selected entries in table order fill the slots; a
/// parameter that was plotted before takes its level count, levels and colours
/// along, a new one starts on automatic levels. Nothing selected plots "DBU"
/// alone. The parameter and contour summaries are rebuilt. Returns 0.
int PARAMS_OK(const PlotParameterTable& table, ParameterSelection& parameters,
              ContourSettings& contours, Console& console);

/// Cancel: nothing changes. Returns 0.
int PARAMS_NO();

/// Default: "DBU" alone on automatic levels, whatever the list shows; the
/// summaries are rebuilt. Returns 0.
int PARAMS_DEFAULT(const PlotParameterTable& table, ParameterSelection& parameters,
                   ContourSettings& contours, Console& console);

/// The list's width in characters and the size factor of its fixed-pitch font.
struct ParameterListLayout {
    int width = 80;
    double sizeFactor = 1.0;
};
ParameterListLayout parameter_list_layout(const ScreenSize& screen);

}  // namespace qor
