#include "app/main_window_view.h"

#include "app/about_box_view.h"
#include "app/help_contents_view.h"
#include "app/main_window.h"
#include "app/setup_dialog_view.h"
#include "areadata/file_summary.h"
#include "areadata/open_data.h"
#include "catalog/catalog_creation.h"
#include "catalog/catalog_windows_view.h"
#include "catalog/grid_list.h"
#include "catalog/open_by_catalog.h"
#include "plotout/plot_launch.h"
#include "plotout/printer_setup_view.h"
#include "plotsettings/contour_dialogs_view.h"
#include "plotsettings/layers_dialog_view.h"
#include "plotsettings/parameters_dialog_view.h"
#include "plotsettings/title_dialog_view.h"
#include "toolkit/message_action.h"
#include "toolkit/screen_metrics.h"
#include "toolkit/window_builder.h"

namespace qor {

namespace {

constexpr std::string_view red = "red";
constexpr std::string_view black = "black";
constexpr std::string_view default_colour = "";

ScreenSize current_screen() {
    return ScreenSize{screen_width(), ITEXTSIZ()};
}

// A plot action's message (a file that could not be written) is shown over
// the main window, which stays open.
Callback plot_action(Session& session, Window* window,
                     CallbackResult (*action)(const PlotRecords&, Console&)) {
    return showing_message(
        window, [&session, action] { return action(plot_records(session), *session.console); });
}

Callback open_by_file(Session& session, Window* window, const MainWindowFrame& frame) {
    std::vector<std::pair<std::string, std::string>> filters;
    for (const FileFilter& filter : frame.filters)
        filters.emplace_back(filter.label, filter.patterns);
    const std::string start = frame.startFolder + "\\" + frame.startPattern;
    // A file that cannot be plotted is refused with a message over the main
    // window, which stays open.
    auto open = showing_message(window, [&session] { return OPENDATA(session.paths); });
    return [&session, window, filters, start, open] {
        const std::optional<std::string> chosen =
            open_file_dialog(window, "Select GRID file to plot", filters, start);
        if (!chosen) return 1;
        choose_file(session.paths, *chosen);
        return open();
    };
}

// A catalog command with its windows shown over the main window; it closes the
// main window (0) when it has made another grid file current.
Callback catalog_command(Session& session, Window* window,
                         int (*command)(PathState&, CatalogList&, CatalogWindows&)) {
    return [&session, window, command] {
        QtCatalogWindows windows(window);
        return command(session.paths, session.catalog, windows);
    };
}

// Lays out a message as text lines above its button, as the last element of
// the window.
void message_as_button(WindowBuilder& b, const Message& message) {
    for (const MessageLine& line : message.lines) {
        b.newline();
        if (line.centred) b.centre();
        for (const TextRun& run : line.runs) b.colour(std::string_view(run.colour)).text(run.text);
        b.colour(default_colour);
    }
    b.newline().centre();
    b.colour(std::string_view(message.buttonColour))
        .button(
            message.button, "READ_FAILED", [] { return 0; }, ButtonKind::default_button);
    b.colour(default_colour);
}

}  // namespace

int SCREEN(Session& session, const Text<6>& model, const Text<8>& browse, const Text<20>& sub) {
    const MainWindowFrame frame = main_window_frame(session, model, browse, sub, current_screen());
    // The "Plot to" menu is greyed by this state while no file is loaded.
    const std::int32_t plot_menu_state = frame.plotMenuState;

    WindowBuilder b(nullptr, "SCREEN");
    Window* window = b.window();
    b.caption(frame.caption);

    b.menu("&File", "FileMenu",
           {{"Open (by catalog)", "OPCAT_CB", catalog_command(session, window, OPCAT_CB), true},
            {frame.createCatalogItem, "CREATECB",
             [&session, window] {
                 QtCatalogWindows windows(window);
                 return CREATECB(session.paths, windows);
             },
             true},
            {"|", "", {}, true},
            {"Open (by file)", "OPENDATA", open_by_file(session, window, frame), true},
            {"|", "", {}, true},
            {"&Setup", "SETUPCB", [&session, window] { return SETUPCB(session, window); }, true},
            {"|", "", {}, true},
            {"E&xit", "EXIT", [] { return 0; }, true}});

    std::vector<MenuItem> plot_items = {
        {"&Window", "TOWINDOW", plot_action(session, window, TOWINDOW), true},
        {"&Printer", "TOPRINTER", plot_action(session, window, TOPRINTER), true}};
    if (frame.dosScreenOffered) {
        plot_items.push_back(
            {"&DOS screen", "TOSCREEN", plot_action(session, window, TOSCREEN), true});
    }
    plot_items.push_back({"&Setup printer", "PRINTER_SETUP",
                          [&session, window] {
                              return PRINTER_SETUP(session.paths, session.window, session.printer,
                                                   window);
                          },
                          true});
    b.menu("&Plot to", "PlotMenu", std::move(plot_items), &plot_menu_state);

    b.menu_action("&New Group", "NEW_GROUP_CB", catalog_command(session, window, NEW_GROUP_CB));
    b.menu(
        "&Help", "HelpMenu",
        {{"&About QOR Plot", "ABOUT", [&session, window] { return ABOUT(session, window); }, true},
         {"|", "", {}, true},
         {"&Contents", "HELP_CONTENTS",
          [window, help = frame.helpFile] {
              open_help_contents(help, window);
              return 1;
          },
          true}});
    b.background(frame.background);

    if (frame.fileLoaded) {
        b.style(frame.noBorder, frame.maximise);
        if (const std::optional<Message> failure = load_current_file(session)) {
            message_as_button(b, *failure);
            b.run_modal();
            return 0;
        }

        const std::vector<SummaryLine> summary = file_summary(session);
        for (const SummaryLine& line : summary) {
            b.newline().text(line.label).tab().colour(red).text(line.value).colour(black);
            if (line.type) b.text("    Type : ").colour(red).text(*line.type).colour(black);
        }

        if (session.requirement.commentCount > 0) {
            b.text(" ").font("Courier New").text_size(frame.textScale);
            for (const std::string& comment : shown_comments(session.requirement)) {
                b.newline().text("  ").tab().text(" ").tab().text(comment);
            }
            b.standard_font();
        }

        b.newline()
            .button("&Title", "TITLECB",
                    [&session, window] { return TITLECB(session.grid, session.window, window); })
            .help("Change TITLE of plot");
        b.text(" ").font("Courier New").text_size(frame.textScale).text(" ");
        b.static_text("GridFile.title", session.grid.title, 75).standard_font();

        b.newline()
            .button("&Layers", "LAYERSCB",
                    [&session, window] {
                        return LAYERSCB(session.paths, session.colors, session.window,
                                        session.layers, window);
                    })
            .help("Change colors for plot LAYERS");
        b.font("Courier New").text_size(frame.textScale);
        b.static_text("LayerSettings.summaryText", session.layers.summaryText, 80, 2)
            .standard_font();
        b.newline();

        b.newline()
            .button("&Parameters", "PARAMSCB",
                    [&session, window] {
                        return PARAMSCB(session.plotParameters, session.window, session.parameters,
                                        session.contours, *session.console, window);
                    })
            .help("Change PARAMETERS to plot");
        b.static_text("ParameterSelection.summaryText", session.parameters.summaryText, 50);

        b.newline()
            .button("&Contours", "CONTOURS",
                    [&session, window] {
                        return CONTOURS({session.plotParameters, session.colors, session.window,
                                         session.parameters, session.contours, *session.console},
                                        window);
                    })
            .help("Change CONTOUR levels and colors to plot");
        b.font("Courier New").text_size(frame.textScale).text(" ");
        b.static_text("ContourSettings.summaryText", session.contours.summaryText,
                      frame.contourWidth, 10)
            .standard_font();
        b.newline(9);
    }

    b.newline(2).help_area();
    b.run_modal();
    return session.paths.NewFileChosen != 0 ? 1 : 0;
}

}  // namespace qor
