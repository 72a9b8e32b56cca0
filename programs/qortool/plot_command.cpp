// qortool plot: plots a grid file without the window, with the same action as
// the main window's "Plot to" menu: the requirement file rewritten from the
// settings read, zonegrfx.dat written, the map program started.

#include <cstdio>
#include <optional>
#include <string>

#include "app/main_window.h"
#include "app/session.h"
#include "plotout/plot_launch.h"
#include "programs/qortool/commands.h"
#include "programs/qortool/grid_resolution.h"

namespace qor::tool {

namespace {

void usage(std::FILE* out) {
    std::fputs(
        "usage: qortool plot --window|--printer|--dos GRIDFILE [--run RUNDIR]\n"
        "\n"
        "Reads GRIDFILE, its requirement file and the plot parameter file as the\n"
        "main window does, rewrites the requirement file, writes zonegrfx.dat into\n"
        "the run directory and starts the map program there without waiting:\n"
        "  --window   bin_win\\terrapix.exe, drawing in a window\n"
        "  --printer  bin_win\\terrapix.exe, printing\n"
        "  --dos      bin\\terradox.exe, drawing on the DOS screen\n"
        "RUNDIR defaults to the directory RUN beside the file's AREADATA or AREA_INV.\n"
        "Exit status 0 when the map program was started, 1 otherwise.\n",
        out);
}

int usage_error(const std::string& text) {
    std::fprintf(stderr, "qortool plot: %s\n", text.c_str());
    usage(stderr);
    return 2;
}

int fail(const std::string& text) {
    std::fprintf(stderr, "qortool plot: %s\n", text.c_str());
    return 1;
}

}  // namespace

int plot_command(const Arguments& arguments) {
    std::optional<PlotTarget> target;
    std::string grid_file;
    std::string run_directory;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::optional<PlotTarget> named;
        if (argument == "--help" || argument == "-h") {
            usage(stdout);
            return 0;
        }
        if (argument == "--window") named = PlotTarget::window;
        if (argument == "--printer") named = PlotTarget::printer;
        if (argument == "--dos") named = PlotTarget::dos_screen;
        if (named) {
            if (target) return usage_error("give one of --window, --printer and --dos");
            target = named;
        } else if (argument == "--run") {
            if (i + 1 >= arguments.size()) return usage_error("--run needs a directory");
            run_directory = arguments[++i];
        } else if (argument.size() > 1 && argument[0] == '-') {
            return usage_error("unknown option " + argument);
        } else if (grid_file.empty()) {
            grid_file = argument;
        } else {
            return usage_error("one grid file only");
        }
    }
    if (!target) return usage_error("give one of --window, --printer and --dos");
    if (grid_file.empty()) return usage_error("no grid file given");

    Session session;
    if (std::optional<std::string> failure = open_grid_file(session, grid_file, run_directory)) {
        return fail(*failure);
    }
    std::optional<Message> message;
    // A failed start has already written its lines to standard output.
    if (!plot_to(plot_records(session), *session.console, *target, message)) {
        return fail(message ? message_text(*message) : "the map program could not be started");
    }
    std::printf("%s\n", qor::plot_command(session.paths, *target).text.c_str());
    return 0;
}

}  // namespace qor::tool
