// The settings dialogs reached from the main window's buttons with
// SAMPLE01.HG1 loaded, at both screen widths their layout rules tell apart:
// Title, Layers, Parameters, the contour overview, the editor on an automatic
// and on a user-defined slot, and the editor's message for levels out of order.

#include "tests/screenshots/scenes.h"

namespace qor::screenshots {

namespace {

Scene settings_dialogs(int width) {
    const QString size = QString::number(width);
    return {.name = "settings-dialogs-" + std::to_string(width),
            .steps =
                {
                    {"SCREEN", "", trigger("OPENDATA")},
                    {"fileOpenDialog", "", choose_file("AREADATA/SAMPLE_001/SAMPLE01.HG1")},
                    {"SCREEN", "", trigger("TITLECB")},
                    {"TITLECB", "title_dialog_" + size, close_window()},
                    {"SCREEN", "", trigger("LAYERSCB")},
                    {"LAYERSCB", "layers_dialog_" + size, close_window()},
                    {"SCREEN", "", trigger("PARAMSCB")},
                    {"PARAMSCB", "parameters_dialog_" + size, close_window()},
                    {"SCREEN", "", trigger("CONTOURS")},
                    {"CONTOURS", "contour_overview_" + size, trigger("CONTOUR1")},
                    {"CONTOURX", "contour_editor_auto_" + size, close_window()},
                    {"CONTOURS", "", trigger("CONTOUR2")},
                    {"CONTOURX", "contour_editor_" + size, type_text("levelInputs(5)", "25")},
                    {"CONTOURX", "", trigger("CONTOURX_OK")},
                    {"messageBox", "contour_order_error_" + size, close_window()},
                    {"CONTOURX", "", close_window()},
                    {"CONTOURS", "", close_window()},
                },
            .screen = ScreenMetrics{width, 16}};
}

}  // namespace

std::vector<Scene> settings_scenes() {
    return {settings_dialogs(1024), settings_dialogs(800)};
}

}  // namespace qor::screenshots
