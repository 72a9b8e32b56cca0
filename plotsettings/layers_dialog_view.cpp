#include "plotsettings/layers_dialog_view.h"

#include "plotsettings/layers_dialog.h"
#include "plotsettings/settings_dialog_view.h"
#include "toolkit/window_builder.h"

namespace qor {

namespace {

struct LayerRow {
    const char* label;
    const char* help;
};

constexpr LayerRow rows[] = {
    {"Grid        = ", "Select color for GRID layer."},
    {"Countries   = ", "Select color for COUNTRIES layer."},
    {"CIRAF Zones = ",
     "Select color for CIRAF ZONES layer.\nIf Magenta is selected, the lines will be thicker."},
    {"Cities      = ", "Select color for CITIES layer."},
    {"Main Beam   = ", "Select color for TRANSMITTER MAIN BEAM layer."},
    {"Contours    = ", "Select color for CONTOURS layer."},
};

}  // namespace

int LAYERSCB(const PathState& paths, const ColorTables& tables, WindowSettings& settings,
             LayerSettings& layers, QWidget* parent) {
    layers_prepare(paths, tables, layers);
    const int colour_lines = layer_colour_lines(tables, dialog_screen());

    WindowBuilder b(parent, "LAYERSCB");
    auto storing = [&tables, &layers, parent](int (*action)(const ColorTables&, LayerSettings&)) {
        return [&tables, &layers, parent, action] {
            const int result = action(tables, layers);
            repaint_in(parent, "LayerSettings.summaryText");
            return result;
        };
    };

    b.caption("Change COLORS for plot LAYERS").background(BACKGRND(settings));
    b.button("Accept", "LAYERS_OK", storing(LAYERS_OK), ButtonKind::default_button)
        .button("Cancel", "LAYERS_NO", [] { return LAYERS_NO(); });
    b.button("Default", "LAYERS_DEFAULT", storing(LAYERS_DEFAULT))
        .help("Set DEFAULT colors for LAYERS");

    b.newline(2);
    for (std::int32_t layer = 1; layer <= 6; ++layer) {
        const LayerRow& row = rows[layer - 1];
        // A tall gap between the rows: a line break in a large font.
        if (layer > 1) b.font("Courier").text_size(2.3).newline().standard_font();
        b.font("Courier").text(row.label).standard_font();
        const bool window_colours = layer != cities_layer && layer != contours_layer;
        b.control_background("white")
            .drop_down(QString("choices(%1)").arg(layer), layer_list(tables, layer).names,
                       layers.choices[static_cast<std::size_t>(layer - 1)], {},
                       window_colours ? colour_lines : 0)
            .help(row.help);
        if (layer == cities_layer) {
            std::vector<std::string> files;
            for (std::int32_t i = 0; i < layers.cityFileCount; ++i) {
                files.emplace_back(layers.cityFiles[static_cast<std::size_t>(i)].view());
            }
            b.text(" ").control_background("white");
            b.drop_down("cityChoice", files, layers.cityChoice)
                .help("Select CITY file to plot (from ..\\USERDB\\RECEIVE.*). ");
        }
    }

    b.newline(3).help_area().newline(2);
    b.run_modal();
    return 1;
}

}  // namespace qor
