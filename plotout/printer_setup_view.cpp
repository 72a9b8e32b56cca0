#include "plotout/printer_setup_view.h"

#include "app/window_style.h"
#include "plotout/printer_setup.h"
#include "toolkit/message_action.h"
#include "toolkit/window_builder.h"

namespace qor {

int PRINTER_SETUP(const PathState& paths, WindowSettings& settings, PrinterPlacement& placement,
                  QWidget* parent) {
    PrinterSetupCopy copy = printer_setup_begin(paths, settings, placement);

    WindowBuilder b(parent, "PRINTER_SETUP");
    Window* window = b.window();

    b.caption("Change Area Coverage Printer SETUP information");
    b.background(BACKGRND(settings));
    // A file that cannot be written is reported over the dialog before it closes.
    const auto accept = [&paths, &placement, &copy] {
        return PRINTER_SETUP_OK(paths, placement, copy);
    };
    const auto defaults = [&paths, &placement] { return PRINTER_SETUP_DEFAULT(paths, placement); };
    b.button("Accept", "PRINTER_SETUP_OK", showing_message(window, accept),
             ButtonKind::default_button)
        .button("Cancel", "PRINTER_SETUP_NO", [] { return PRINTER_SETUP_NO(); });
    b.button("Default", "PRINTER_SETUP_DEFAULT", showing_message(window, defaults))
        .help("Default (Draw Border, Scale=1.0, Offset=0,0)");

    // The labels were padded for a fixed-pitch font: a tab position lines the
    // fields up in the proportional one.
    b.tab_width(10);
    b.newline(2).text("Border:   ").tab();
    b.control_background("white")
        .list_box(
            "border",
            [] {
                return std::vector<std::string>{"Draw Border", "Do Not Draw Border"};
            },
            copy.border, 2, 20)
        .help("Do you want a border drawn around the map?");

    b.newline(3).text("Scale:     ").tab();
    b.control_background("white")
        .real_box("scale", copy.scale, 0.0, 1.0)
        .help("Relative size to scale output (Maximum=1.0)");

    b.newline(2).text("X-offset: ").tab();
    b.control_background("white")
        .real_box("xOffset", copy.xOffset, -10.0, 10.0)
        .help("X origin offset")
        .text(" inches");

    b.newline(2).text("Y-offset: ").tab();
    b.control_background("white")
        .real_box("yOffset", copy.yOffset, -10.0, 10.0)
        .help("Y origin offset")
        .text(" inches");

    b.newline(4).help_area();
    b.run_modal();
    return 1;
}

}  // namespace qor
