#include "app/setup_dialog_view.h"

#include "app/main_window.h"
#include "app/setup_dialog.h"
#include "toolkit/message_action.h"
#include "toolkit/window_builder.h"

namespace qor {

namespace {

template <std::size_t Width, std::size_t Count>
std::vector<std::string> items_of(const std::array<Text<Width>, Count>& list) {
    std::vector<std::string> items;
    for (const Text<Width>& entry : list) items.emplace_back(entry.trimmed());
    return items;
}

}  // namespace

int SETUPCB(Session& session, QWidget* parent) {
    PathState& paths = session.paths;
    WindowSettings& settings = session.window;
    Console& console = *session.console;
    setup_prepare(settings);

    WindowBuilder dialog(parent, "SETUPCB");
    Window* window = dialog.window();
    // Accept and Default close the dialog even when setup.ini cannot be
    // written; the user is told, and the settings hold until the program ends.
    auto saving = [&paths, &settings, &console,
                   window](CallbackResult (*action)(PathState&, WindowSettings&, Console&)) {
        return showing_message(window, [&paths, &settings, &console, action] {
            return action(paths, settings, console);
        });
    };
    const std::vector<std::string> colours = items_of(setup_colour_list());

    dialog.caption("Change SETUP colors and fonts").background(BACKGRND(settings));
    dialog.button("Accept", "SETUP_OK", saving(SETUP_OK), ButtonKind::default_button)
        .button("Cancel", "SETUP_NO", [] { return SETUP_NO(); });
    dialog.button("Default", "SETUP_DEFAULT", saving(SETUP_DEFAULT))
        .help("Default colors: MAIN(yellow)  INPUT(green)\nScroll: FONT(default)  77wide x 26high");

    dialog.newline(2).text("Background: ");
    dialog.control_background("white")
        .drop_down("MainChoice", colours, settings.MainChoice)
        .help("Background color of MAIN window");
    dialog.text("   ");
    dialog.control_background("white")
        .drop_down("InputChoice", colours, settings.InputChoice)
        .help("Background color of data input windows");

    dialog.newline(3).text("Scroll: ");
    dialog.control_background("white")
        .drop_down("FontChoice", items_of(setup_font_list()), settings.FontChoice)
        .help(
            "Font used by SCROLL to view data results\n"
            "    640x480 VGA screens may require a font other than default");
    dialog.text("    ");
    dialog.control_background("white")
        .integer_box("ColumnsEntry", settings.ColumnsEntry, 0, 160, 3)
        .help("Number of horizontal characters in scroll window (60-160)");
    dialog.text("    ");
    dialog.control_background("white")
        .integer_box("RowsEntry", settings.RowsEntry, 0, 70, 3)
        .help("Number of  vertical  characters in scroll window (10-70)");

    dialog.newline(5).help_area().newline(2);
    dialog.run_modal();
    return 1;
}

}  // namespace qor
