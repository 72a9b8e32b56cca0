// qortool show: prints what the main window shows for a grid file: the file
// summary, the comment lines, the title and the layer, parameter and contour
// summaries.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_window.h"
#include "app/session.h"
#include "areadata/file_summary.h"
#include "platform/console.h"
#include "programs/qortool/commands.h"
#include "programs/qortool/grid_resolution.h"

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
        "Contours:     then the contour summary's lines\n"
        "A summary's carriage return + line feed starts a new line; its empty last\n"
        "lines are not printed.\n"
        "\n"
        "Lines the program writes to its standard output window (the diagnostics of\n"
        "the automatic levels) go to standard error.\n"
        "\n"
        "Exit status 0 when the file was read; 1 when it could not be used, with the\n"
        "reason (a reader's message) on standard error; 2 for a usage error.\n",
        out);
}

// The standard output window's lines (diagnostics of the automatic levels,
// start-up's messages) go to standard error, so that standard output carries
// only what the window shows.
class ErrorConsole : public Console {
  public:
    void write_line(std::string_view line) override {
        std::fwrite(line.data(), 1, line.size(), stderr);
        std::fputc('\n', stderr);
        pending_.emplace_back(line);
    }

  protected:
    void present(const std::vector<std::string>&, std::string_view message, bool) override {
        message = trim_right(message);
        if (message.empty()) return;
        std::fwrite(message.data(), 1, message.size(), stderr);
        std::fputc('\n', stderr);
    }
};

int usage_error(const std::string& text) {
    std::fprintf(stderr, "qortool show: %s\n", text.c_str());
    usage(stderr);
    return 2;
}

void print_line(std::string_view line) {
    line = trim_right(line);
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

// A summary text split at its carriage return + line feed pairs, without the
// empty lines at its end.
std::vector<std::string_view> summary_lines(std::string_view text) {
    std::vector<std::string_view> result;
    for (;;) {
        std::size_t end = text.find("\r\n");
        result.push_back(trim_right(text.substr(0, end)));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 2);
    }
    while (!result.empty() && result.back().empty()) result.pop_back();
    return result;
}

void print_summary(const char* heading, std::string_view text) {
    print_line(heading);
    for (std::string_view line : summary_lines(text)) print_line(line);
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
    print_summary("Layers:", session.layers.summaryText.view());
    print_summary("Parameters:", session.parameters.summaryText.view());
    print_summary("Contours:", session.contours.summaryText.view());
    std::fflush(stdout);
    return 0;
}

}  // namespace qor::tool
