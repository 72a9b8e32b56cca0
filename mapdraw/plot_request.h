#pragma once
// Everything one map needs, read once when the map program starts: the plot
// request (zonegrfx.dat), the grid file with every point's position and the
// values of the plotted parameters, the requirement file through the front
// end's own readers plus the lines they skip (Transmit, Area, Months, Hours,
// the station text), the plot parameter file, the colour files, the city file
// and print_a.ini. Nothing is read again later, so a later "Plot to" that
// rewrites these files cannot mix two requests in one map; nothing is written.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mapdraw/geo.h"
#include "mapdraw/isolines.h"
#include "mapdraw/zones.h"

namespace qor::map {

/// The contour style of the Contours layer (the order of its colour codes).
enum class ContourStyle {
    black_lines_shaded,  ///< "Black with shading"
    red_lines_shaded,    ///< "Red   with shading"
    black_lines,         ///< "Black  NO  shading"
    red_lines,           ///< "Red    NO  shading"
    shaded,              ///< "Shading, no contours"
    bin_colour,          ///< "Bin color shading"
    bin_grey,            ///< "Bin  B/W  shading"
    none,                ///< "Ignore": nothing drawn
};

/// One band of a plotted parameter: values from lower (inclusive) up to upper.
struct Band {
    float lower = 0;  ///< -infinity for the lowest band
    float upper = 0;  ///< +infinity for the highest band
    int colour = -1;  ///< colour code 0 to 15; any other value leaves it unfilled
};

/// A parameter slot of the requirement file, ready to draw.
struct PlottedParameter {
    int slot = 0;               ///< 1 to 5
    std::string name;           ///< as the requirement file names it ("DBU", "TANGLE")
    int field = -1;             ///< its field in the grid file (0-based); -1: the grid lacks it
    std::string description;    ///< from the plot parameter file
    std::string units;          ///< the plot parameter file's units line
    float scale = 1;            ///< grid values times scale are plotted
    bool automatic = false;     ///< levels chosen by the automatic rule
    std::vector<float> levels;  ///< the levels in use (empty positions left out), ascending
    std::vector<int> colours;   ///< colour of each level position in use
    std::vector<Band> bands;    ///< from lowest to highest
    std::string problem;        ///< why it cannot be drawn ("" when it can)
    bool discrete = false;      ///< whole numbers only (the hops of MODE): never interpolated
};

struct City {
    std::string name;
    GeoPoint location;
};

struct PlotRequest {
    // The request and the files it names.
    std::string run_directory;  ///< package form
    std::string data_root;      ///< "AREADATA" or "AREA_INV"
    std::string grid_name;      ///< zonegrfx.dat line 1: sub-directory\file
    std::string title;          ///< zonegrfx.dat line 2
    std::string model;          ///< prediction program
    std::string model_version;  ///< grid file line 1
    bool inverse = false;       ///< an inverse run: the station is the receiver

    // The grid.
    int columns = 0;
    int rows = 0;
    std::vector<GeoPoint> nodes;           ///< row by row from the south; longitudes unwrapped
    std::vector<std::string> field_names;  ///< as the grid names them, trimmed
    std::vector<PlottedParameter> parameters;
    std::vector<std::vector<float>> values;  ///< per plotted parameter: scaled, NaN = no value

    // The requirement file.
    int projection_code = 1;
    bool has_station = false;
    std::string station_name;
    GeoPoint station;
    bool has_beam = false;    ///< the station text gives an azimuth
    double beam_azimuth = 0;  ///< degrees
    int beam_slew = 0;        ///< degrees either side
    double frequency = 0;     ///< MHz; 0 when not given
    int hour_position = 0;    ///< the grid file's hour digit (1 to 9)
    int hour_ut = 0;          ///< its hour from the Hours line; 0 when unknown
    int month = 0;            ///< 1 to 12; 0 when unknown
    std::vector<std::string> comments;

    // Layers: colour codes 0 to 15, -1 for "Ignore".
    int grid_colour = -1;
    int countries_colour = -1;
    int zones_colour = -1;
    int beam_colour = -1;
    int city_colour = -1;  ///< the Cities layer's colour code, -1 for none
    bool large_city_names = false;
    ContourStyle contour_style = ContourStyle::black_lines_shaded;
    std::string city_file;  ///< as the requirement file names it
    std::vector<City> cities;
    std::string city_problem;  ///< why the cities are missing ("" when read)
    std::string zone_file;     ///< the CIRAF zone boundary file, package path; "" when absent
    std::vector<ZoneBoundary> zones;
    std::string zone_problem;  ///< why the zones are missing ("" when read)

    // print_a.ini
    int border = 1;
    float print_scale = 1.0f;
    float x_offset = 0, y_offset = 0;

    /// Things the map should say because it departs from what was asked.
    std::vector<std::string> notes;

    /// The values of a plotted parameter on the grid's points.
    FieldGrid field(std::size_t parameter) const;
};

/// The two lines of a plot request file: the grid file (sub-directory and
/// name below the data root) and the title.
struct RequestFile {
    std::string grid_name;
    std::string title;
};

/// Reads a plot request file (request_file relative to the run directory,
/// a native path, unless absolute). Nothing and a message when it cannot.
std::optional<RequestFile> read_request_file(const std::string& run_directory,
                                             const std::string& request_file, std::string& error);

/// The front end's records of a run as its readers filled them (requirement
/// file, colour files, print_a.ini), kept for the run's other grid files.
struct RunRecords;

/// What every grid file of a run shares, read once, with the first of them:
/// the requirement file's settings, the colour and settings files, the city
/// file and the zone file. The run's other hours are read against it, so a
/// later "Plot to" that rewrites the requirement file changes none of them.
struct RunSnapshot {
    std::shared_ptr<const RunRecords> records;
    PlotRequest shared;           ///< a request without its grid: layers, station, cities, zones
    std::array<int, 9> hours{};   ///< the Hours line: UT 1 to 24 per hour position; 0 where none
    std::array<int, 9> months{};  ///< the Months line, the same way
};

/// Reads everything one map of a grid file needs: the grid file grid_name
/// below the data root (AREADATA or AREA_INV) of the package whose run
/// directory is given (a native path), with the title to show. Nothing and a
/// message for the user when the map cannot be drawn at all. With snapshot
/// given, it also keeps what the run's other grid files share.
std::optional<PlotRequest> read_plot(const std::string& run_directory, const std::string& data_root,
                                     const std::string& grid_name, const std::string& title,
                                     std::string& error, RunSnapshot* snapshot = nullptr);

/// Another grid file of the run (sub-directory\name below the same data
/// root), drawn with the snapshot's settings; its own title when title is
/// empty.
std::optional<PlotRequest> read_hour(const RunSnapshot& snapshot, const std::string& grid_name,
                                     const std::string& title, std::string& error);

/// Both: the request file (the map program's third argument), then its grid.
std::optional<PlotRequest> read_plot_request(const std::string& run_directory,
                                             const std::string& data_root,
                                             const std::string& request_file, std::string& error,
                                             RunSnapshot* snapshot = nullptr);

/// The bands of a parameter from its levels and colours: colour 1 below the
/// first level, colour j from level j-1 up to level j; values at or above the
/// last level keep the last colour.
std::vector<Band> bands_from_levels(const std::vector<float>& levels,
                                    const std::vector<int>& colours);

/// The index of the band a value falls in; -1 for no value.
int band_of(const std::vector<Band>& bands, float value);

}  // namespace qor::map
