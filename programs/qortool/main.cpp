// qortool: the QOR_PLOT core from a shell, for scripts and batch work.

#include <cstdio>
#include <cstring>
#include <string>

#include "programs/qortool/commands.h"

namespace {

void usage(std::FILE* out) {
    std::fputs(
        "usage: qortool COMMAND ...\n"
        "\n"
        "commands:\n"
        "  show GRIDFILE [--run RUNDIR]\n"
        "      print what the main window shows for a grid file\n"
        "  plot --window|--printer|--dos GRIDFILE [--run RUNDIR]\n"
        "      rewrite the requirement file, write zonegrfx.dat, start the map program\n"
        "  set GRIDFILE [--run RUNDIR] OPTION...\n"
        "      change the plotted parameters, contour levels and layers as the\n"
        "      settings dialogs do, and rewrite the requirement file\n"
        "  catalog RUNDIR MODEL SUBDIR create|list|sort KEY|grids N\n"
        "      create, list or sort the catalog of a data sub-directory, or list the\n"
        "      grid files of catalog entry N\n"
        "  map GRIDFILE --out DIR [--format png|svg|pdf|geojson] [--all-hours]\n"
        "      draw the map of every plotted parameter (and every hour) into files\n"
        "\n"
        "'qortool COMMAND --help' describes a command.\n",
        out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        usage(stderr);
        return 2;
    }
    std::string command = argv[1];
    qor::tool::Arguments arguments(argv + 2, argv + argc);
    if (command == "--help" || command == "-h" || command == "help") {
        usage(stdout);
        return 0;
    }
    if (command == "show") return qor::tool::show_command(arguments);
    if (command == "plot") return qor::tool::plot_command(arguments);
    if (command == "set") return qor::tool::set_command(arguments);
    if (command == "catalog") return qor::tool::catalog_command(arguments);
    if (command == "map") return qor::tool::map_command(arguments);
    std::fprintf(stderr, "qortool: unknown command '%s'\n", command.c_str());
    usage(stderr);
    return 2;
}
