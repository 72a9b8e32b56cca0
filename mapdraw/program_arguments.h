#pragma once
// The map program's command line. The front end starts it as
//   terrapix RUNDIR DATAROOT zonegrfx.dat       a map window
//   terrapix RUNDIR DATAROOT zonegrfx.dat p     printing
//   terradox zonegrfx.dat                       the full screen, in the run directory
// and from a shell it writes files with --export.

#include <string>
#include <vector>

namespace qor::map {

enum class MapMode { window, printer, full_screen, export_file };

struct MapArguments {
    MapMode mode = MapMode::window;
    std::string export_file;
    int parameter = 0;  ///< 1 to 5; 0: the first (or all, for a PDF)
    int width = 1600, height = 900;
    bool terminator = false;
    bool safe_palette = false;
    int projection_code = -1;   ///< -1: the requirement file's
    std::string run_directory;  ///< native
    std::string data_root;      ///< "" for the full screen's one-argument form: found later
    std::string request_file;
};

/// The program's name as the system knows it: the file name of argv[0]
/// without directories and ".exe", in lower case ("terradox").
std::string program_name(const std::string& argv0);

/// Reads the arguments after the program's name. program is "terradox" for
/// the full-screen program (whose one argument is the request file, read in
/// the current directory). Returns 0, 1 when --help was asked for (the usage
/// is then all there is to do), or 2 with error set for a wrong command line.
int parse_map_arguments(const std::vector<std::string>& arguments, const std::string& program,
                        const std::string& current_directory, MapArguments& parsed,
                        std::string& error);

/// The usage text of terrapix and terradox.
std::string map_usage();

/// The data root holding a grid file (sub-directory\name) of the package
/// whose run directory is given: AREADATA, else AREA_INV where it is found
/// there only.
std::string data_root_of(const std::string& run_directory, const std::string& grid_name);

}  // namespace qor::map
