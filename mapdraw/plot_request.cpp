#include "mapdraw/plot_request.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/color_tables.h"
#include "app/path_state.h"
#include "app/settings_files.h"
#include "areadata/grid_file.h"
#include "areadata/readers.h"
#include "base/fixed_record.h"
#include "platform/console.h"
#include "platform/paths.h"
#include "plotout/colour_codes.h"
#include "plotout/printer_placement.h"
#include "plotout/printer_setup.h"
#include "plotsettings/contour_colours.h"
#include "plotsettings/contour_levels.h"
#include "plotsettings/contour_settings.h"
#include "plotsettings/layer_settings.h"
#include "plotsettings/parameter_selection.h"

namespace qor::map {

namespace {

constexpr float no_value = std::numeric_limits<float>::quiet_NaN();

// The map program has no console window: what the front end's routines
// would show there goes to standard error, and nothing waits for a key.
class ErrorConsole : public Console {
  protected:
    void present(const std::vector<std::string>& lines, std::string_view message, bool) override {
        for (const std::string& line : lines) std::fprintf(stderr, "%s\n", line.c_str());
        if (!trim_right(message).empty()) {
            std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
        }
    }

  public:
    void write_line(std::string_view line) override { pending_.emplace_back(line); }
};

std::string message_text(const Message& message) {
    std::string text;
    auto add = [&text](std::string_view line) {
        line = trim_right(line);
        if (line.empty()) return;
        if (!text.empty()) text += ' ';
        text += line;
    };
    add(message.caption);
    for (const MessageLine& line : message.lines) {
        std::string joined;
        for (const TextRun& run : line.runs) joined += run.text;
        add(joined);
    }
    std::string button = message.button;
    std::replace(button.begin(), button.end(), '\n', ' ');
    if (button != "OK" && button != "Cancel") add(button);
    return text;
}

std::string upper(std::string text) {
    for (char& c : text) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    return text;
}

std::string trimmed(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && text[first] == ' ') ++first;
    return std::string(trim_right(text.substr(first)));
}

bool is_angle_alias(std::string_view name) {
    return name == "TANGLE" || name == "RANGLE" || name == "ANGLER";
}

// The field index of a grid parameter by its blank-free name; -1 when absent.
int field_of(const std::vector<std::string>& fields, const std::string& name) {
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (fields[k] == name) return static_cast<int>(k);
    }
    return -1;
}

// The kept requirement line with this label, or nothing.
const Text<80>* kept_line(const RequirementFile& file, std::string_view label) {
    for (std::int32_t i = 0; i < file.lineCount; ++i) {
        const Text<80>& line = file.lines[static_cast<std::size_t>(i)];
        if (line.sub(1, 10) == label) return &line;
    }
    return nullptr;
}

std::vector<int> nine_integers(const Text<80>* line) {
    std::vector<int> values;
    if (line == nullptr) return values;
    FieldReader fields(line->view());
    fields.skip(10);
    for (int k = 0; k < 9; ++k) {
        std::int32_t value = 0;
        if (!fields.integer(7, value)) value = 0;
        values.push_back(value);
    }
    return values;
}

// The units line of each group of the plot parameter file (the front end
// skips it): the text after "units:" when the line has it, else the line.
std::string units_of(const std::string& path, const std::string& name) {
    LineReader file;
    if (!file.open(path)) return {};
    std::string_view line;
    for (int k = 0; k < 3; ++k) {
        if (!file.next(line)) return {};
    }
    // A group's first line starts with its name; lines of numbers start with
    // a blank, a digit, a sign or a point.
    while (file.next(line)) {
        if (line.empty()) continue;
        const char c = line[0];
        if (c == ' ' || c == '-' || c == '+' || c == '.' || c == ',' || (c >= '0' && c <= '9')) {
            continue;
        }
        const std::string group = trimmed(line.substr(0, std::min<std::size_t>(6, line.size())));
        if (group != name) continue;
        if (!file.next(line)) return {};
        std::string units = trimmed(line);
        const std::size_t label = units.find("units:");
        if (label != std::string::npos) units = trimmed(std::string_view(units).substr(label + 6));
        return units;
    }
    return {};
}

// The code of a layer colour held as a DOS colour name; -1 for "Ignore".
int layer_code(const ColorTables& tables, const Text<6>& entry) {
    if (entry == "Ignore") return -1;
    const std::int32_t code = ICOLDOS(tables, entry);
    return code >= 0 && code <= 15 ? code : -1;
}

bool parse_number(std::string_view field, int decimals, double& value) {
    if (trim_right(field).empty()) return false;
    // The form a Fortran writer gives (blanks, a sign, digits, the point and
    // two digits) directly: the hundredths are exact, and one division gives
    // the double nearest the decimal, as the general conversion would.
    if (decimals == 2 && field.size() >= 4 && field.size() <= 12 &&
        field[field.size() - 3] == '.') {
        std::size_t i = 0;
        while (i < field.size() && field[i] == ' ') ++i;
        const bool negative = i < field.size() && field[i] == '-';
        if (i < field.size() && (field[i] == '-' || field[i] == '+')) ++i;
        long long hundredths = 0;
        bool digits = false, good = true;
        for (; i < field.size(); ++i) {
            const char c = field[i];
            if (c >= '0' && c <= '9') {
                hundredths = hundredths * 10 + (c - '0');
                digits = true;
            } else if (c != '.' || i != field.size() - 3) {
                good = false;
                break;
            }
        }
        if (good && digits) {
            value = static_cast<double>(negative ? -hundredths : hundredths) / 100.0;
            return true;
        }
    }
    return parse_real(field, decimals, value);
}

// The number of hops of a mode text ("  2F2 "); no value when blank or
// not of that form.
float hops_of(std::string_view field) {
    const std::string text = trimmed(field);
    int hops = 0;
    std::size_t i = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        hops = hops * 10 + (text[i++] - '0');
    return i == 0 ? no_value : static_cast<float>(hops);
}

}  // namespace

FieldGrid PlotRequest::field(std::size_t parameter) const {
    FieldGrid grid;
    grid.columns = columns;
    grid.rows = rows;
    grid.nodes = nodes;
    grid.values = values[parameter];
    return grid;
}

std::vector<Band> bands_from_levels(const std::vector<float>& levels,
                                    const std::vector<int>& colours) {
    std::vector<Band> bands;
    const float infinity = std::numeric_limits<float>::infinity();
    for (std::size_t j = 0; j < levels.size(); ++j) {
        Band band;
        band.lower = j == 0 ? -infinity : levels[j - 1];
        band.upper = j + 1 == levels.size() ? infinity : levels[j];
        band.colour = j < colours.size() ? colours[j] : -1;
        bands.push_back(band);
    }
    return bands;
}

int band_of(const std::vector<Band>& bands, float value) {
    if (std::isnan(value)) return -1;
    for (std::size_t k = bands.size(); k-- > 0;) {
        if (value >= bands[k].lower) return static_cast<int>(k);
    }
    return bands.empty() ? -1 : 0;
}

// The front end's records that every grid file of a run is read against.
struct RunRecords {
    PathState paths;  // FileName: the grid file first asked for
    ContourSettings contours;
    ParameterSelection selection;
};

namespace {

// The grid file's name, the prediction program its suffix names and its
// hour position.
bool take_grid_name(const std::string& grid_name, PathState& paths, PlotRequest& request,
                    std::string& error) {
    request.grid_name = trimmed(grid_name);
    if (request.grid_name.size() > static_cast<std::size_t>(Text<30>::width)) {
        error = "the grid file name " + request.grid_name + " is longer than 30 characters";
        return false;
    }
    paths.FileName = request.grid_name;
    // The prediction program from the grid file's suffix, until the
    // requirement file names it.
    const int dot = INDEX_DOT(paths.FileName);
    const char letter = dot > 0 && dot < 30 ? paths.FileName.at1(dot + 1) : ' ';
    switch (letter == ' ' ? ' ' : static_cast<char>(letter & ~0x20)) {
        case 'H':
            paths.Model = "HALDOR";
            break;
        case 'M':
            paths.Model = "MIRVEN";
            break;
        case 'T':
            paths.Model = "TABLIN";
            break;
        case 'P':
            paths.Model = "PARVIS";
            break;
        default:
            error = "the grid file " + request.grid_name +
                    " has no suffix of a prediction program (.HG?, .MG?, .TG?, .PG?)";
            return false;
    }
    const char digit = dot > 0 && dot + 3 <= 30 ? paths.FileName.at1(dot + 3) : ' ';
    request.hour_position = digit >= '1' && digit <= '9' ? digit - '0' : 0;
    return true;
}

// READGRID, and when it fails the likeliest reason spelled out.
bool read_grid_header(const PathState& paths, GridFile& grid_file, std::string& error) {
    std::optional<Message> failure = READGRID(paths, grid_file);
    if (!failure) return true;
    error = message_text(*failure);
    // A file that ends early is the likeliest READ error: say so.
    LineReader file;
    std::string_view line;
    long lines = 0;
    if (file.open(grid_path(paths))) {
        while (file.next(line)) ++lines;
    }
    const long expected = static_cast<long>(grid_file.columns) * grid_file.rows;
    if (lines >= 3 && lines - 3 < expected) {
        error += " (it holds " + std::to_string(lines - 3) + " of its " + std::to_string(expected) +
                 " point records)";
    }
    return false;
}

// What the run's grid files share: the requirement file and the settings
// files, read once.
bool read_shared(PathState& paths, RunRecords& records, RunSnapshot& run, std::string& error) {
    ErrorConsole console;
    ColorTables tables;
    PrinterPlacement printer;
    LayerSettings layer_settings;
    RequirementFile requirement;
    PlotRequest& request = run.shared;

    DOSCOLR(paths, tables, console);
    COLORDEF(paths, records.contours);
    PRINTER_SETUP_READ(paths, printer);
    request.border = printer.border;
    request.print_scale = printer.scale;
    request.x_offset = printer.xOffset;
    request.y_offset = printer.yOffset;

    if (std::optional<Message> failure = READMAIN(paths, tables, layer_settings, records.selection,
                                                  records.contours, requirement)) {
        error = message_text(*failure);
        return false;
    }
    request.model = std::string(paths.Model.trimmed());

    // Layers.
    const std::array<Text<6>, 6>& layers = layer_settings.colors;
    request.grid_colour = layer_code(tables, layers[layer_grid]);
    request.countries_colour = layer_code(tables, layers[layer_countries]);
    request.zones_colour = layer_code(tables, layers[layer_zones]);
    request.beam_colour = layer_code(tables, layers[layer_main_beam]);
    static constexpr int city_codes[6] = {0, 0, 1, 1, 4, 4};
    const char city = layers[layer_cities].at1(1);
    if (city >= '0' && city <= '5' && !(layers[layer_cities] == "Ignore")) {
        request.city_colour = city_codes[city - '0'];
        request.large_city_names = (city - '0') % 2 == 0;
    }
    const char style = layers[layer_contours].at1(1);
    request.contour_style = style >= '0' && style <= '6' && !(layers[layer_contours] == "Ignore")
                                ? static_cast<ContourStyle>(style - '0')
                                : ContourStyle::none;
    request.city_file = std::string(layer_settings.cityFile.trimmed());

    // The requirement file's lines the front end keeps without reading.
    request.projection_code = requirement.gridSize;
    if (const Text<80>* line = kept_line(requirement, "Transmit :")) {
        double lat = 0, lon = 0;
        if (parse_number(line->sub(31, 38), 2, lat) && parse_number(line->sub(39, 47), 2, lon) &&
            std::abs(lat) <= 90 && std::abs(lon) <= 360) {
            request.has_station = true;
            request.station_name = trimmed(line->sub(11, 30));
            request.station = {wrap_longitude(lon, 0), lat};
        }
    }
    for (std::int32_t i = 0; i < requirement.commentCount; ++i) {
        const Text<80>& comment = requirement.comments[static_cast<std::size_t>(i)];
        request.comments.push_back(std::string(comment.trimmed()));
    }
    for (std::int32_t i = 0; i < requirement.lineCount; ++i) {
        const Text<80>& line = requirement.lines[static_cast<std::size_t>(i)];
        if (line.sub(1, 14) != "Comment  :INFO") continue;
        double frequency = 0, azimuth = 0;
        if (parse_number(line.sub(19, 23), 2, frequency)) request.frequency = frequency;
        // The station text in columns 56-79: azimuth in its columns 10-16,
        // slew in 18-20.
        if (parse_number(line.sub(65, 71), 1, azimuth)) {
            request.has_beam = true;
            request.beam_azimuth = azimuth;
            std::int32_t slew = 0;
            if (!trim_right(line.sub(73, 75)).empty() && parse_integer(line.sub(73, 75), slew)) {
                request.beam_slew = slew;
            }
        }
        break;
    }
    const std::vector<int> hours = nine_integers(kept_line(requirement, "Hours    :"));
    const std::vector<int> months = nine_integers(kept_line(requirement, "Months   :"));
    for (std::size_t k = 0; k < 9; ++k) {
        if (k < hours.size() && hours[k] >= 1 && hours[k] <= 24) run.hours[k] = hours[k];
        if (k < months.size() && months[k] >= 1 && months[k] <= 12) run.months[k] = months[k];
    }

    // Cities.
    const std::string root = package_root(paths);
    if (request.city_colour >= 0) {
        const std::string city_path = root + "USERDB\\" + request.city_file;
        LineReader file;
        if (!file.open(city_path)) {
            request.city_problem = "city file " + request.city_file + " not found";
        } else {
            std::string_view line;
            while (file.next(line)) {
                if (trim_right(line).empty()) continue;
                FieldReader fields(line);
                Text<20> name;
                fields.text(20, name);
                double lat = 0, lon = 0;
                if (!parse_number(fields.take(8), 2, lat) ||
                    !parse_number(fields.take(9), 2, lon) || std::abs(lat) > 90) {
                    continue;
                }
                request.cities.push_back({std::string(name.trimmed()), {lon, lat}});
            }
        }
    }
    const std::string zone_path = root + "DATABASE\\CIRAF.DAT";
    if (request.zones_colour >= 0) {
        if (!file_exists(zone_path)) {
            request.zone_problem = "no zone boundary file DATABASE\\CIRAF.DAT";
        } else {
            request.zone_file = zone_path;
            std::string why;
            if (auto zones = read_zone_file(zone_path, why)) {
                request.zones = std::move(*zones);
            } else {
                request.zone_problem = "zone boundary file unreadable, " + why;
            }
        }
    }
    return true;
}

// One grid file drawn with the run's settings: the plotted parameters with
// their levels, the grid's points and values. request holds the shared part
// and the grid's name already.
bool read_grid(const RunRecords& records, const RunSnapshot& run, const PathState& paths,
               const GridFile& grid, const PlotParameterTable& plot_parameters,
               PlotRequest& request, std::string& error) {
    ErrorConsole console;
    request.model_version = std::string(grid.modelVersion.trimmed());
    if (request.title.empty()) request.title = std::string(grid.title.trimmed());
    request.columns = grid.columns;
    request.rows = grid.rows;
    if (grid.columns < 2 || grid.rows < 2) {
        error = "the grid file " + request.grid_name + " holds " + std::to_string(grid.columns) +
                " x " + std::to_string(grid.rows) + " points; a map needs at least 2 x 2";
        return false;
    }
    for (std::int32_t k = 0; k < grid.parameterCount; ++k) {
        Text<6> name = grid.parameterNames[static_cast<std::size_t>(k)];
        int length = 6;
        RBLANKC(name, length);
        request.field_names.push_back(std::string(name.trimmed()));
    }
    if (request.hour_position >= 1) {
        const auto position = static_cast<std::size_t>(request.hour_position - 1);
        request.hour_ut = run.hours[position];
        request.month = run.months[position];
    }
    if (request.month == 0) {
        for (const int month : run.months) {
            if (month != 0) {
                request.month = month;
                break;
            }
        }
    }

    // The parameters to plot, with their levels and colours.
    const ParameterSelection& selection = records.selection;
    const ContourSettings& contours = records.contours;
    const bool mode_text = grid.parameterNames[1] == "  MODE";
    const std::string gph_path =
        package_root(paths) + "DATABASE\\" + std::string(paths.Model.sub(1, 3)) + "PLT.GPH";
    for (std::int32_t j = 0; j < selection.count && j < 5; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        PlottedParameter parameter;
        parameter.slot = j + 1;
        Text<6> name = selection.names[slot];
        parameter.name = std::string(name.trimmed());
        std::string lookup = parameter.name;
        parameter.field = field_of(request.field_names, lookup);
        if (parameter.field < 0 && is_angle_alias(lookup)) {
            lookup = "ANGLE";
            parameter.field = field_of(request.field_names, lookup);
        }
        parameter.discrete = parameter.field == 1 && mode_text;
        Text<6> entry_name(lookup);
        const PlotParameterEntry* entry = find_plot_parameter(plot_parameters, entry_name);
        if (entry != nullptr) {
            parameter.description = trimmed(entry->line.sub(7, 70));
            parameter.scale = entry->scale;
            parameter.units = units_of(gph_path, lookup);
        }
        const std::int32_t count = contours.levelCount[slot];
        LevelArray levels{};
        ColourArray colours{};
        if (parameter.field < 0) {
            parameter.problem = "the grid file has no parameter " + parameter.name;
        } else if (count == 0) {
            parameter.automatic = true;
            if (entry == nullptr) {
                parameter.problem = parameter.name + " is not in the plot parameter file " +
                                    native_path(gph_path) + ", so it has no automatic levels";
            } else {
                std::int32_t automatic_count = 0;
                AUTOCON(plot_parameters, contours.defaultColors, console, entry_name,
                        automatic_count, levels, colours);
                for (std::size_t i = 0; i < 7; ++i) {
                    if (levels[i] == empty_level) continue;
                    parameter.levels.push_back(levels[i]);
                    parameter.colours.push_back(colours[i]);
                }
            }
        } else {
            // Defined levels are used sorted, as the summary shows them; each
            // colour stays with its position.
            levels = contours.levels[slot];
            colours = contours.colors[slot];
            const std::int32_t used = std::min(count, 10);
            SORTX(used, levels.data());
            for (std::size_t i = 0; i < static_cast<std::size_t>(used); ++i) {
                if (levels[i] == empty_level) continue;
                parameter.levels.push_back(levels[i]);
                parameter.colours.push_back(colours[i]);
            }
            if (entry == nullptr) {
                request.notes.push_back(parameter.name +
                                        " is not in the plot parameter file: drawn unscaled");
            }
        }
        if (parameter.problem.empty() && parameter.levels.empty()) {
            parameter.problem = "no contour levels for " + parameter.name;
        }
        parameter.bands = bands_from_levels(parameter.levels, parameter.colours);
        request.parameters.push_back(std::move(parameter));
    }

    // The grid's points and the plotted values, in one more pass.
    LineReader file;
    if (!file.open(grid_path(paths))) {
        error = "OPEN error on file=" + request.grid_name;
        return false;
    }
    std::string_view line;
    for (int k = 0; k < 3; ++k) file.next(line);
    const auto points =
        static_cast<std::size_t>(grid.columns) * static_cast<std::size_t>(grid.rows);
    request.nodes.resize(points);
    request.values.assign(request.parameters.size(), std::vector<float>(points, no_value));
    for (std::size_t n = 0; n < points; ++n) {
        if (!file.next(line)) {
            error = "the grid file " + request.grid_name + " ends after " + std::to_string(n) +
                    " of its " + std::to_string(points) + " points";
            return false;
        }
        const std::string_view head = line.substr(0, std::min<std::size_t>(16, line.size()));
        double lat = 0, lon = 0;
        if (!parse_number(head.substr(0, std::min<std::size_t>(8, head.size())), 2, lat) ||
            head.size() < 9 || !parse_number(head.substr(8), 2, lon) || std::abs(lat) > 90.0) {
            error = "the grid file " + request.grid_name + " has no latitude and longitude in " +
                    "columns 1-16 of point " + std::to_string(n + 1) + " (line " +
                    std::to_string(n + 4) + ")";
            return false;
        }
        // Longitudes run on across 180: each point is taken within half a turn
        // of the one before it in its row, and a row's first point of the one
        // below it.
        const std::size_t column = n % static_cast<std::size_t>(grid.columns);
        if (column > 0) {
            lon = wrap_longitude(lon, request.nodes[n - 1].lon);
        } else if (n >= static_cast<std::size_t>(grid.columns)) {
            lon =
                wrap_longitude(lon, request.nodes[n - static_cast<std::size_t>(grid.columns)].lon);
        }
        request.nodes[n] = {lon, lat};
        for (std::size_t p = 0; p < request.parameters.size(); ++p) {
            const PlottedParameter& parameter = request.parameters[p];
            if (parameter.field < 0) continue;
            const std::size_t first = 26 + 6 * static_cast<std::size_t>(parameter.field);
            const std::string_view field =
                first < line.size()
                    ? line.substr(first, std::min<std::size_t>(6, line.size() - first))
                    : std::string_view();
            if (parameter.discrete) {
                request.values[p][n] = hops_of(field);
                continue;
            }
            // A blank field reads as zero, as the front end reads it; a field
            // that is no number is drawn as no value.
            float value = 0;
            if (!trim_right(field).empty() &&
                (!parse_real_fast(field, 2, value) || value <= missing_value_limit)) {
                continue;
            }
            request.values[p][n] = value * parameter.scale;
        }
    }
    return true;
}

}  // namespace

std::optional<PlotRequest> read_plot(const std::string& run_directory, const std::string& data_root,
                                     const std::string& grid_name, const std::string& title,
                                     std::string& error, RunSnapshot* snapshot) {
    // The records the front end's readers fill, each held here for the one
    // run; the map program has no session of windows.
    auto records = std::make_shared<RunRecords>();
    PathState& paths = records->paths;
    RunSnapshot run;
    PlotRequest& shared = run.shared;

    shared.run_directory = command_line_path(run_directory);
    while (shared.run_directory.size() > 1 && shared.run_directory.back() == '\\') {
        shared.run_directory.pop_back();
    }
    if (shared.run_directory.size() > static_cast<std::size_t>(Text<50>::width)) {
        error = "the run directory " + shared.run_directory + " is longer than 50 characters";
        return std::nullopt;
    }
    paths.RunDir = shared.run_directory;
    shared.data_root = upper(data_root);
    if (shared.data_root != "AREADATA" && shared.data_root != "AREA_INV") {
        error = "the data root must be AREADATA or AREA_INV, not " + data_root;
        return std::nullopt;
    }
    paths.DataDir = shared.data_root;
    shared.inverse = shared.data_root == "AREA_INV";

    PlotRequest request;
    if (!take_grid_name(grid_name, paths, request, error)) return std::nullopt;
    GridFile grid_file;
    PlotParameterTable plot_parameters;
    if (!read_grid_header(paths, grid_file, error)) return std::nullopt;
    if (!read_shared(paths, *records, run, error)) return std::nullopt;
    if (std::optional<Message> failure = READGPH(paths, grid_file, plot_parameters)) {
        error = message_text(*failure);
        return std::nullopt;
    }
    const std::string name = request.grid_name;
    const int position = request.hour_position;
    request = shared;
    request.grid_name = name;
    request.hour_position = position;
    request.title = std::string(trim_right(title));
    if (!read_grid(*records, run, paths, grid_file, plot_parameters, request, error)) {
        return std::nullopt;
    }
    if (snapshot != nullptr) {
        run.records = std::move(records);
        *snapshot = std::move(run);
    }
    return request;
}

std::optional<PlotRequest> read_hour(const RunSnapshot& snapshot, const std::string& grid_name,
                                     const std::string& title, std::string& error) {
    if (!snapshot.records) {
        error = "no run has been read";
        return std::nullopt;
    }
    PathState paths = snapshot.records->paths;
    PlotRequest request = snapshot.shared;
    if (!take_grid_name(grid_name, paths, request, error)) return std::nullopt;
    request.title = std::string(trim_right(title));
    GridFile grid_file;
    PlotParameterTable plot_parameters;
    if (!read_grid_header(paths, grid_file, error)) return std::nullopt;
    if (std::optional<Message> failure = READGPH(paths, grid_file, plot_parameters)) {
        error = message_text(*failure);
        return std::nullopt;
    }
    if (!read_grid(*snapshot.records, snapshot, paths, grid_file, plot_parameters, request,
                   error)) {
        return std::nullopt;
    }
    return request;
}

std::optional<RequestFile> read_request_file(const std::string& run_directory,
                                             const std::string& request_file, std::string& error) {
    std::string run = command_line_path(run_directory);
    while (run.size() > 1 && run.back() == '\\') run.pop_back();
    const bool absolute =
        !request_file.empty() && (request_file[0] == '/' || request_file[0] == '\\' ||
                                  (request_file.size() > 1 && request_file[1] == ':'));
    const std::string path = absolute ? command_line_path(request_file) : run + "\\" + request_file;
    LineReader file;
    std::string_view line;
    if (!file.open(path)) {
        error = "cannot open the plot request " + native_path(path);
        return std::nullopt;
    }
    if (!file.next(line) || trim_right(line).empty()) {
        error = "the plot request " + native_path(path) + " names no grid file";
        return std::nullopt;
    }
    RequestFile request;
    request.grid_name = trimmed(line);
    if (file.next(line)) request.title = std::string(trim_right(line));
    return request;
}

std::optional<PlotRequest> read_plot_request(const std::string& run_directory,
                                             const std::string& data_root,
                                             const std::string& request_file, std::string& error,
                                             RunSnapshot* snapshot) {
    std::optional<RequestFile> request = read_request_file(run_directory, request_file, error);
    if (!request) return std::nullopt;
    return read_plot(run_directory, data_root, request->grid_name, request->title, error, snapshot);
}

}  // namespace qor::map
