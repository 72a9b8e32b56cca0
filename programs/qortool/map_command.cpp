// qortool map: draws the maps of a grid file (or of every hour of its run)
// into files, through the map program terrapix, without touching the
// requirement file or the run directory's plot request.

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/session.h"
#include "base/fixed_record.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "programs/qortool/commands.h"
#include "programs/qortool/grid_resolution.h"

namespace qor::tool {

namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr const char* executable_suffix = ".exe";
#else
constexpr const char* executable_suffix = "";
#endif

void usage(std::FILE* out) {
    std::fputs(
        "usage: qortool map GRIDFILE --out DIR [--format png|svg|pdf|geojson] [--all-hours]\n"
        "                   [--run RUNDIR]\n"
        "\n"
        "Draws the map of every parameter the grid file's requirement file plots, one\n"
        "file each, into DIR (created if missing), with the map program terrapix:\n"
        "NAME_SUFFIX_PARAMETER.FORMAT, for example SAMPLE01_HG1_DBU.png. With\n"
        "--all-hours every grid file of the run (hours 1 to 9 that exist) is drawn.\n"
        "The requirement file and the run directory are not written. terrapix is\n"
        "looked for beside qortool, then as the package's bin_win\\terrapix.exe.\n"
        "RUNDIR defaults to the directory RUN beside the file's AREADATA or AREA_INV.\n"
        "Exit status 0 when every map was written, 1 otherwise.\n",
        out);
}

int usage_error(const std::string& text) {
    std::fprintf(stderr, "qortool map: %s\n", text.c_str());
    usage(stderr);
    return 2;
}

int fail(const std::string& text) {
    std::fprintf(stderr, "qortool map: %s\n", text.c_str());
    return 1;
}

// The map program: beside this program (a build tree or an installation that
// keeps the programs together), else the package's own.
std::string map_program(const PathState& paths) {
    const std::string self = own_program_path();
    if (!self.empty()) {
        const fs::path beside =
            fs::path(self).parent_path() / (std::string("terrapix") + executable_suffix);
        std::error_code error;
        if (fs::is_regular_file(beside, error)) return beside.string();
    }
    return native_path(package_root(paths) + "bin_win\\terrapix.exe");
}

// The second line of a grid file: its title.
std::string grid_title(const std::string& package_path) {
    LineReader file;
    std::string_view line;
    if (!file.open(package_path) || !file.next(line) || !file.next(line)) return {};
    return std::string(trim_right(line));
}

}  // namespace

int map_command(const Arguments& arguments) {
    std::string grid_file, run_directory, out_directory, format = "png";
    bool all_hours = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto value = [&]() -> const std::string* {
            if (i + 1 >= arguments.size()) return nullptr;
            return &arguments[++i];
        };
        if (argument == "--help" || argument == "-h") {
            usage(stdout);
            return 0;
        } else if (argument == "--out") {
            const std::string* v = value();
            if (v == nullptr) return usage_error("--out needs a directory");
            out_directory = *v;
        } else if (argument == "--format") {
            const std::string* v = value();
            if (v == nullptr || (*v != "png" && *v != "svg" && *v != "pdf" && *v != "geojson")) {
                return usage_error("--format is one of png, svg, pdf, geojson");
            }
            format = *v;
        } else if (argument == "--run") {
            const std::string* v = value();
            if (v == nullptr) return usage_error("--run needs a directory");
            run_directory = *v;
        } else if (argument == "--all-hours") {
            all_hours = true;
        } else if (argument.size() > 1 && argument[0] == '-') {
            return usage_error("unknown option " + argument);
        } else if (grid_file.empty()) {
            grid_file = argument;
        } else {
            return usage_error("one grid file only");
        }
    }
    if (grid_file.empty()) return usage_error("no grid file given");
    if (out_directory.empty()) return usage_error("--out DIR is needed");

    Session session;
    if (std::optional<std::string> failure = open_grid_file(session, grid_file, run_directory)) {
        return fail(*failure);
    }
    const PathState& paths = session.paths;
    const std::int32_t parameters = session.parameters.count;
    if (parameters <= 0) return fail("the requirement file plots no parameter");

    std::error_code error;
    fs::create_directories(out_directory, error);
    if (!fs::is_directory(out_directory, error))
        return fail("cannot make the directory " + out_directory);
    const std::string out = fs::absolute(out_directory, error).lexically_normal().string();

    // The grid files: this one, or every hour of its run that exists.
    const std::string name(paths.FileName.trimmed());
    std::vector<std::string> grids;
    if (all_hours && name.size() >= 1) {
        for (char hour = '1'; hour <= '9'; ++hour) {
            std::string candidate = name;
            candidate.back() = hour;
            const std::string path =
                package_root(paths) + std::string(paths.DataDir.trimmed()) + "\\" + candidate;
            if (file_exists(path)) grids.push_back(candidate);
        }
    } else {
        grids.push_back(name);
    }

    const std::string program = map_program(paths);
    const std::string run = native_path(std::string(paths.RunDir.trimmed()));
    const std::string request =
        (fs::path(out) / (".qortool-map-" + std::to_string(getpid()) + ".dat")).string();
    int status = 0;
    for (const std::string& grid : grids) {
        const std::string grid_path =
            package_root(paths) + std::string(paths.DataDir.trimmed()) + "\\" + grid;
        // A request of the map program's own, outside the run directory.
        const std::string text = padded(grid, 30) + "\n" + padded(grid_title(grid_path), 75) + "\n";
        if (!replace_file(to_package_path(request), text).ok) {
            std::remove(request.c_str());
            return fail("cannot write " + request);
        }
        // SAMPLE_001\SAMPLE01.HG1 -> SAMPLE01_HG1
        std::string stem = grid.substr(grid.find_last_of('\\') + 1);
        for (char& c : stem) c = c == '.' ? '_' : c;
        for (std::int32_t slot = 1; slot <= parameters; ++slot) {
            std::string parameter(
                session.parameters.names[static_cast<std::size_t>(slot - 1)].trimmed());
            const std::string file =
                (fs::path(out) / (stem + "_" + parameter + "." + format)).string();
            const StartedProcess run_map =
                start_program({program, "--export", file, "--param", std::to_string(slot), run,
                               std::string(paths.DataDir.trimmed()), request},
                              run, true);
            if (!run_map.started) {
                std::remove(request.c_str());
                return fail("cannot start the map program " + program + ": " + run_map.error);
            }
            if (run_map.exitStatus != 0) {
                std::fprintf(stderr, "qortool map: %s: the map program ended with status %d\n",
                             file.c_str(), run_map.exitStatus);
                status = 1;
                continue;
            }
            std::printf("%s\n", file.c_str());
        }
    }
    std::remove(request.c_str());
    return status;
}

}  // namespace qor::tool
