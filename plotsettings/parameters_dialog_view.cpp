#include "plotsettings/parameters_dialog_view.h"

#include <span>

#include "plotsettings/parameters_dialog.h"
#include "plotsettings/settings_dialog_view.h"
#include "toolkit/window_builder.h"

namespace qor {

int PARAMSCB(const PlotParameterTable& table, WindowSettings& settings,
             ParameterSelection& parameters, ContourSettings& contours, Console& console,
             QWidget* parent) {
    params_prepare(table, parameters);
    const ParameterListLayout layout = parameter_list_layout(dialog_screen());
    const std::vector<std::string> items = parameter_list_items(table);

    WindowBuilder b(parent, "PARAMSCB");
    Window* window = b.window();
    // Accept and Default change the slots: the main window's two summaries
    // that show them are repainted.
    auto storing = [&table, &parameters, &contours, &console,
                    parent](int (*action)(const PlotParameterTable&, ParameterSelection&,
                                          ContourSettings&, Console&)) {
        return [&table, &parameters, &contours, &console, parent, action] {
            const int result = action(table, parameters, contours, console);
            repaint_in(parent, "ParameterSelection.summaryText");
            repaint_in(parent, "ContourSettings.summaryText");
            return result;
        };
    };

    b.caption("Change PARAMETERS to plot").background(BACKGRND(settings));
    b.button("Accept", "PARAMS_OK", storing(PARAMS_OK), ButtonKind::default_button)
        .button("Cancel", "PARAMS_NO", [] { return PARAMS_NO(); });
    b.button("Default", "PARAMS_DEFAULT", storing(PARAMS_DEFAULT))
        .help("DBU only (must have at least 1 parameter)");

    b.newline(2).text("Active Parameters=").colour("red");
    b.static_text("activeText", parameters.activeText, 50).colour("black");

    b.newline(2).font("Courier New").text_size(layout.sizeFactor);
    b.text("Name     Description                                          Minimum Maximum");
    b.newline().control_background("white");
    b.multi_list_box(
         "selected", [items] { return items; },
         std::span<std::int32_t>(parameters.selected.data(), items.size()), 18, layout.width,
         [&table, &parameters, window] {
             const int result = PARAMS_ACTION(table, parameters);
             window->update("activeText");
             return result;
         })
        .help("The first 5 from above list will be selected.");

    // The list's own height takes the place of the line breaks that pass
    // below it.
    b.standard_font().newline(4).help_area().newline(2);
    b.run_modal();
    return 1;
}

}  // namespace qor
