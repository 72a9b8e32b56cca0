#pragma once
// The logic of the two contour dialogs. The overview (CONTOURS) shows every
// plotted parameter's contour summary with a button per slot and works on a
// pending copy of ContourSettings; the editor (CONTOURX) changes one slot of
// that copy: automatic or user-defined levels, seven levels and their colours.
// Only the overview's Accept copies the pending copy into ContourSettings.
//
// Slots are passed 1-based (1 to 5), as the dialogs number them; the arrays
// are 0-based (levels[slot - 1][position - 1]).

#include <array>
#include <cstdint>

#include "app/color_tables.h"
#include "app/window_style.h"
#include "areadata/plot_parameter_table.h"
#include "base/callback_result.h"
#include "base/text.h"
#include "platform/console.h"
#include "plotsettings/contour_levels.h"
#include "plotsettings/contour_settings.h"
#include "plotsettings/parameter_selection.h"

namespace qor {

/// The overview's working copy of ContourSettings, and each slot's two-line
/// summary block as the overview shows it.
struct PendingContours {
    std::array<std::int32_t, 5> levelCount{};
    std::array<LevelArray, 5> levels{};
    std::array<ColourArray, 5> colors{};
    std::array<Text<160>, 5> lines;
};

/// The state of the open editor.
struct ContourEditor {
    std::int32_t slot = 1;  ///< 1 to 5
    /// A copy of the slot's name: the angle names become "ANGLE " in it only.
    Text<6> name;
    double rangeLow = 0.0;  ///< minimum x scale of the parameter; 0 when not in the table
    double rangeHigh = 0.0;
    /// The level count being edited: 0 automatic, otherwise user-defined.
    std::int32_t method = 0;
    std::array<double, 10> levelInputs{};  ///< bound to the level boxes, position order
    /// Item numbers of the colour lists: item n stands for colour n - 2.
    std::array<std::int32_t, 10> colorChoices{};
    Text<12> methodText;
};

/// The lowest and highest value a level box accepts.
inline constexpr double lowest_level_input = -999.0;
inline constexpr double highest_level_input = 999.0;

/// Fills the pending copy from ContourSettings (all five slots) and builds
/// the summary block of every slot that holds a parameter (SET_CONT on a copy
/// of the slot's name, so the selection is not touched).
void contours_prepare(const PlotParameterTable& table, const ContourSettings& contours,
                      const ParameterSelection& parameters, Console& console,
                      PendingContours& pending);

/// "AUTO scaled " for method 0, "USER defined" otherwise.
void SET_CONTOUR_METHOD(std::int32_t method, Text<12>& text);

/// What CONTOURX does before it shows the editor for slot (1 to 5): the
/// name's range from the plot parameter table, the method from the pending
/// copy, and the boxes and colour lists filled from the automatic levels
/// (method 0) or from the pending slot.
void contour_editor_prepare(const PlotParameterTable& table, const DefaultColours& defaults,
                            const ParameterSelection& parameters, const PendingContours& pending,
                            std::int32_t slot, Console& console, ContourEditor& editor);

/// "Values assigned are:": switches between automatic and user-defined
/// levels. Switching to user-defined (count 7) keeps what the boxes show;
/// switching to automatic fills levels 1 to 7 and the colours from the
/// automatic levels. The editor stays open: returns 1.
int CONTOURX_METHOD(const PlotParameterTable& table, const DefaultColours& defaults,
                    Console& console, ContourEditor& editor);

/// The editor's Accept. For user-defined levels the seven levels must not
/// decrease from position 1 up (equal neighbours pass); otherwise the order
/// error is returned with keepOpen 1 and nothing changes. When they pass (or
/// for automatic levels) the pending slot takes the method as its level count
/// and, for user-defined levels, all ten levels and colours; its summary block
/// is rebuilt and the editor closes (keepOpen 0).
CallbackResult CONTOURX_OK(const PlotParameterTable& table, const DefaultColours& defaults,
                           Console& console, ContourEditor& editor, PendingContours& pending);

/// The editor's Cancel: the pending copy is unchanged. Returns 0.
int CONTOURX_NO();

/// The editor's "Auto": the pending slot switches to automatic levels (its
/// stored levels and colours stay) and its block is rebuilt. Returns 0.
int CONTOURX_AUTO(const PlotParameterTable& table, const DefaultColours& defaults, Console& console,
                  const ContourEditor& editor, PendingContours& pending);

/// The overview's Accept: each slot takes the pending level count and the
/// pending levels and colours of positions 1 to that count (the others keep
/// theirs); the contour summary is rebuilt. Returns 0.
int CONTOURS_OK(const PlotParameterTable& table, const PendingContours& pending,
                ParameterSelection& parameters, ContourSettings& contours, Console& console);

/// The overview's Cancel: ContourSettings is unchanged. Returns 0.
int CONTOURS_NO();

/// The message of levels out of order.
Message contour_order_error();

/// The overview's summary boxes: width in characters and the size factor of
/// their fixed-pitch font.
struct ContourOverviewLayout {
    int boxWidth = 80;
    double sizeFactor = 1.0;
};
ContourOverviewLayout contour_overview_layout(const ScreenSize& screen);

/// Lines the editor's colour lists show when opened: the whole window colour
/// list, or 13 on small screens (640 pixels or less, or 800 with large text).
int contour_colour_lines(const ColorTables& tables, const ScreenSize& screen);

}  // namespace qor
