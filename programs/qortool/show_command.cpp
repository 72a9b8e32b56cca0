// qortool show: prints what the main window shows for a grid file: the file
// summary, the comment lines, the title and the layer, parameter and contour
// summaries.

#include <cstdio>
#include <optional>
#include <string>

#include "app/main_window.h"
#include "app/session.h"
#include "areadata/file_summary.h"
#include "programs/qortool/commands.h"
#include "programs/qortool/grid_resolution.h"
#include "programs/qortool/tool_output.h"

namespace qor::tool {

namespace {

void usage(std::FILE* out) {
    std::fputs(
        "usage: qortool show GRIDFILE [--run RUNDIR]\n"
        "\n"
        "Reads GRIDFILE, its requirement file and the plot parameter file as the\n"
        "main window does and prints what the window shows. RUNDIR defaults to the\n"
        "directory RUN beside the file's AREADATA or AREA_INV directory.\n"
        "\n"
        "Output (every line without its trailing blanks):\n"
        "  File name : SUBDIR\\NAME.HG1\n"
        "  Model/Ver : the grid file's model and version\n"
        "  Grid size : columns x rows, 2 characters each, then \"    Type : \" and\n"
        "              the projection name when the requirement file's code has one\n"
        "Comments:     then one line per shown comment, indented by two blanks\n"
        "              (Season and Zones comments hidden, INFO shown as CIRAF: ...)\n"
        "Title:        then the title, indented by two blanks\n"
        "Layers:       then the layer summary's lines\n"
        "Parameters:   then the parameter summary\n"
        "Contours:     then the contour summary's ten lines, two per slot (name,\n"
        "              method and levels; range and colours), blank for an empty slot\n"
        "A summary's carriage return + line feed starts a new line.\n"
        "\n"
        "Lines the program writes to its standard output window (the diagnostics of\n"
        "the automatic levels) go to standard error.\n"
        "\n"
        "Exit status 0 when the file was read; 1 when it could not be used, with the\n"
        "reason (a reader's message) on standard error; 2 for a usage error.\n",
        out);
}

int usage_error(const std::string& text) {
    std::fprintf(stderr, "qortool show: %s\n", text.c_str());
    usage(stderr);
    return 2;
}

}  // namespace

int show_command(const Arguments& arguments) {
    std::string grid_file;
    std::string run_directory;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            usage(stdout);
            return 0;
        }
        if (argument == "--run") {
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
    if (grid_file.empty()) return usage_error("no grid file given");

    Session session;
    ErrorConsole console;
    session.console = &console;
    if (std::optional<std::string> failure = open_grid_file(session, grid_file, run_directory)) {
        std::fprintf(stderr, "%s\n", failure->c_str());
        return 1;
    }

    for (const SummaryLine& line : file_summary(session)) {
        std::string text = line.label + " " + line.value;
        if (line.type) text += "    Type : " + *line.type;
        print_line(text);
    }
    print_line("Comments:");
    for (const std::string& comment : shown_comments(session.requirement)) {
        print_line("  " + comment);
    }
    print_line("Title:");
    print_line("  " + std::string(session.grid.title.trimmed()));
    print_settings_summaries(session);
    std::fflush(stdout);
    return 0;
}

}  // namespace qor::tool
