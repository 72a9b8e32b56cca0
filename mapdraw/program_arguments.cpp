#include "mapdraw/program_arguments.h"

#include <algorithm>
#include <cstdio>

#include "app/path_state.h"
#include "platform/paths.h"

namespace qor::map {

namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::string program_name(const std::string& argv0) {
    std::string name = argv0.substr(argv0.find_last_of("/\\") + 1);
    name = lower(name);
    if (name.size() > 4 && name.ends_with(".exe")) name.resize(name.size() - 4);
    return name;
}

std::string map_usage() {
    return "usage: terrapix RUNDIR DATAROOT REQUEST [p]\n"
           "       terrapix --full-screen RUNDIR DATAROOT REQUEST\n"
           "       terradox REQUEST\n"
           "       terrapix --export FILE [--param N] [--size WxH] [--terminator]\n"
           "                [--safe-palette] [--projection C] RUNDIR DATAROOT REQUEST\n"
           "\n"
           "Draws the map of a plot request (REQUEST, normally zonegrfx.dat in RUNDIR):\n"
           "the grid file it names below RUNDIR's package in DATAROOT (AREADATA or\n"
           "AREA_INV), with the settings of the grid's requirement file. It opens a map\n"
           "window; with p it prints through the print dialog (a PDF file where the system\n"
           "has no printer). terradox, started in the run directory, shows the map full\n"
           "screen (Escape leaves).\n"
           "\n"
           "  --export FILE   write the map to FILE and exit; the kind comes from the\n"
           "                  ending: .png, .svg, .pdf (one page per plotted parameter),\n"
           "                  .geojson (the contour bands as polygons)\n"
           "  --param N       the plotted parameter N (1 to 5) only; the first by default\n"
           "                  (a PDF holds them all)\n"
           "  --size WxH      picture size in pixels for PNG and SVG (default 1600x900)\n"
           "  --terminator    shade the night side for the run's month and hour\n"
           "  --safe-palette  shade the bands in a colour-blind-safe palette\n"
           "  --projection C  draw in projection C (0, 1, 21 to 24) instead of the\n"
           "                  requirement file's\n"
           "  --full-screen   show the map full screen, as terradox does\n";
}

int parse_map_arguments(const std::vector<std::string>& arguments, const std::string& program,
                        const std::string& current_directory, MapArguments& parsed,
                        std::string& error) {
    parsed = MapArguments{};
    if (program == "terradox") parsed.mode = MapMode::full_screen;
    bool full_screen = false;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto value = [&]() -> const std::string* {
            if (i + 1 >= arguments.size()) return nullptr;
            return &arguments[++i];
        };
        if (argument == "--help" || argument == "-h") {
            return 1;
        } else if (argument == "--export") {
            const std::string* v = value();
            if (v == nullptr || v->empty()) {
                error = "--export needs a file name";
                return 2;
            }
            parsed.export_file = *v;
        } else if (argument == "--param") {
            const std::string* v = value();
            if (v == nullptr || v->size() != 1 || (*v)[0] < '1' || (*v)[0] > '5') {
                error = "--param needs a parameter number from 1 to 5";
                return 2;
            }
            parsed.parameter = (*v)[0] - '0';
        } else if (argument == "--size") {
            const std::string* v = value();
            int w = 0, h = 0;
            char extra = 0;
            if (v == nullptr || std::sscanf(v->c_str(), "%dx%d%c", &w, &h, &extra) != 2 ||
                w < 200 || h < 150 || w > 20000 || h > 20000) {
                error = "--size needs WIDTHxHEIGHT, from 200x150 to 20000x20000";
                return 2;
            }
            parsed.width = w;
            parsed.height = h;
        } else if (argument == "--projection") {
            const std::string* v = value();
            int code = -1;
            char extra = 0;
            if (v == nullptr || std::sscanf(v->c_str(), "%d%c", &code, &extra) != 1 || code < 0) {
                error = "--projection needs a projection code";
                return 2;
            }
            parsed.projection_code = code;
        } else if (argument == "--terminator") {
            parsed.terminator = true;
        } else if (argument == "--safe-palette") {
            parsed.safe_palette = true;
        } else if (argument == "--full-screen") {
            full_screen = true;
        } else if (argument.size() > 2 && argument.starts_with("--")) {
            error = "unknown option " + argument;
            return 2;
        } else {
            positional.push_back(argument);
        }
    }
    if (parsed.mode == MapMode::full_screen && positional.size() == 1) {
        // The full-screen program's own form: the request file, in the run
        // directory it is started in; the data root is the one that holds
        // the grid file the request names.
        parsed.run_directory = current_directory;
        parsed.request_file = positional[0];
    } else if (positional.size() == 3 || (positional.size() == 4 && lower(positional[3]) == "p")) {
        parsed.run_directory = positional[0];
        parsed.data_root = positional[1];
        parsed.request_file = positional[2];
        if (positional.size() == 4) parsed.mode = MapMode::printer;
    } else {
        error = positional.size() == 4 ? "the fourth argument can only be p (print)"
                                       : "give the run directory, the data root and the request "
                                         "file";
        return 2;
    }
    if (full_screen) {
        if (parsed.mode == MapMode::printer) {
            error = "--full-screen does not go with p (print)";
            return 2;
        }
        parsed.mode = MapMode::full_screen;
    }
    if (!parsed.export_file.empty()) {
        if (parsed.mode == MapMode::printer || full_screen) {
            error = "--export writes a file: it does not go with p or --full-screen";
            return 2;
        }
        if (parsed.data_root.empty()) {
            error = "--export needs the run directory, the data root and the request file";
            return 2;
        }
        parsed.mode = MapMode::export_file;
    }
    return 0;
}

std::string data_root_of(const std::string& run_directory, const std::string& grid_name) {
    PathState paths;
    std::string run = command_line_path(run_directory);
    while (run.size() > 1 && run.back() == '\\') run.pop_back();
    paths.RunDir = run;
    const std::string root = package_root(paths);
    if (file_exists(root + "AREADATA\\" + grid_name)) return "AREADATA";
    if (file_exists(root + "AREA_INV\\" + grid_name)) return "AREA_INV";
    return "AREADATA";
}

}  // namespace qor::map
