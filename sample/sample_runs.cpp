// The sample area runs: for each run a requirement file and one grid file per
// hour, with fields from a small, smooth sky-wave model so that contour plots
// of the sample look like real coverage maps.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

#include "base/fixed_record.h"
#include "sample/sample_files.h"

namespace qor::sample {

namespace {

constexpr double earth_radius = 6371.0;  // km
constexpr double layer_height = 300.0;   // km, F2 reflection height
constexpr double longest_hop = 3000.0;   // km: a hop with a 4 degree ray
constexpr double degree = std::numbers::pi / 180.0;

// The marker of a point where a parameter has no value; "-999.0" is the form
// that fits a 6-column field.
constexpr const char* missing_field = "-999.0";

enum class Program { haldor, mirven };

struct Level {
    int colour;
    double value;
};

struct PlottedParameter {
    const char* name;
    std::vector<Level> levels;  // empty: automatic levels
};

struct Transmitter {
    const char* name;  // 20 characters at most
    const char* code;  // 3-character location code of the catalog
    double latitude;
    double longitude;
    int power;  // kW
    double azimuth;
    int slew;
    int antenna;
};

struct Area {
    double south;
    double west;
    double latitude_step;
    double longitude_step;
    int columns;  // points per row, west to east
    int rows;     // rows, south to north
};

struct Run {
    const char* directory;
    const char* name;
    Program program;
    bool inverse;
    Transmitter transmitter;
    double frequency;  // MHz
    int month;
    int sunspots;
    std::vector<int> hours;  // UT, 1 to 24
    std::set<int> not_run;   // hour positions (1-based) whose grid file is missing
    Area area;
    const char* admin;
    const char* zones;  // CIRAF zones
    bool old_colours;   // the Colours line in its old one-line form
    // New form: the Grid, Countries, Zones, Cities and MainBeam names and the
    // contour style. Old form: the six entries as the dialogs hold them.
    std::vector<const char*> colours;
    const char* cities;  // new form: the Cities line after its label; old form: the file
    std::vector<PlottedParameter> parameters;
    bool months_line;
    int projection;    // -1: no Gridsize line
    const char* note;  // a free comment
};

// ------------------------------------------------------------- the model --

struct PointValues {
    bool sky_wave = false;  // the frequency is below the MUF at this point
    double dbu = 0;
    double snr = 0;
    double reliability = 0;
    double muf = 0;
    double fot = 0;
    double luf = 0;
    double angle = 0;
    int hops = 0;
};

double wrapped_degrees(double value) {
    while (value > 180.0) value -= 360.0;
    while (value < -180.0) value += 360.0;
    return value;
}

// Elevation angle at the ground of a ray reflected at the layer after a hop
// of the given ground length (km).
double elevation_of_hop(double hop) {
    double half = std::max(hop, 1.0) / (2.0 * earth_radius);
    double ratio = earth_radius / (earth_radius + layer_height);
    return std::atan((std::cos(half) - ratio) / std::sin(half));
}

// 0 at local midnight, 1 at 13 h local time.
double daylight(double ut_hour, double longitude) {
    double local = std::fmod(ut_hour + longitude / 15.0 + 48.0, 24.0);
    return 0.5 + 0.5 * std::cos(2.0 * std::numbers::pi * (local - 13.0) / 24.0);
}

PointValues model_point(const Run& run, int hour, double latitude, double longitude) {
    const Transmitter& tx = run.transmitter;
    double lat1 = tx.latitude * degree;
    double lat2 = latitude * degree;
    double dlon = (longitude - tx.longitude) * degree;
    double cosine =
        std::sin(lat1) * std::sin(lat2) + std::cos(lat1) * std::cos(lat2) * std::cos(dlon);
    double distance = std::max(earth_radius * std::acos(std::clamp(cosine, -1.0, 1.0)), 1.0);
    double azimuth = std::atan2(std::sin(dlon) * std::cos(lat2),
                                std::cos(lat1) * std::sin(lat2) -
                                    std::sin(lat1) * std::cos(lat2) * std::cos(dlon)) /
                     degree;

    PointValues v;
    // The mode: as few hops as rays of at least a few degrees allow.
    v.hops = std::max(1, static_cast<int>(std::ceil(distance / longest_hop)));
    double mid_latitude = (tx.latitude + latitude) / 2.0;
    double mid_longitude = tx.longitude + wrapped_degrees(longitude - tx.longitude) / 2.0;
    double day = daylight(hour, mid_longitude);
    double fof2 = (3.5 + 7.5 * day) * (1.0 + 0.004 * run.sunspots) *
                  (1.0 - 0.3 * std::pow(std::fabs(mid_latitude) / 90.0, 2.0));

    // The path's MUF is that of its longest possible hop, as control points
    // half a hop from either end give it; so it rises with distance out to one
    // hop and stays smooth beyond.
    double ratio = earth_radius / (earth_radius + layer_height);
    double muf_elevation = elevation_of_hop(std::min(distance, longest_hop));
    double sin_incidence = ratio * std::cos(muf_elevation);
    v.muf = std::min(fof2 / std::sqrt(1.0 - sin_incidence * sin_incidence), 99.0);
    v.fot = 0.85 * v.muf;
    v.luf = 1.5 + 7.0 * day * (1.0 - 0.5 * std::fabs(mid_latitude) / 90.0) *
                      std::sqrt(std::min(distance, 6000.0) / 6000.0);
    v.angle = elevation_of_hop(distance / v.hops) / degree;
    v.sky_wave = run.frequency <= v.muf;
    if (!v.sky_wave) return v;

    double gain = 6.0;
    if (!run.inverse) {
        double off_beam = wrapped_degrees(azimuth - tx.azimuth) * degree;
        gain = 17.0 * std::pow((1.0 + std::cos(off_beam)) / 2.0, 3.0) - 4.0;
    }
    // Absorption grows with the number of hops, with daylight, towards lower
    // frequencies and for low rays, which cross the D region obliquely.
    double hops = std::max(1.0, distance / longest_hop);  // smooth across mode changes
    double absorption = 2.5 * hops * (0.2 + day) * std::pow(10.0 / run.frequency, 2.0) *
                        (1.0 + 5.0 / std::max(v.angle, 5.0));
    double near_muf = std::max(0.0, run.frequency / v.muf - 0.85) * 40.0;
    v.dbu = 104.8 + 10.0 * std::log10(static_cast<double>(tx.power)) + gain -
            20.0 * std::log10(distance) - absorption - near_muf - 2.0 * (hops - 1.0);
    v.dbu = std::clamp(v.dbu, -99.0, 150.0);
    double noise = 22.0 + 10.0 * std::pow(1.0 - std::fabs(latitude) / 90.0, 2.0) -
                   8.0 * daylight(hour, longitude) - 10.0 * std::log10(run.frequency / 10.0);
    v.snr = std::clamp(v.dbu - noise, -99.0, 99.0);
    v.reliability = 100.0 / (1.0 + std::exp(-(v.snr - 30.0) / 6.0));
    return v;
}

// ------------------------------------------------------------ grid files --

const char* program_name(Program program) {
    return program == Program::haldor ? "HALDOR" : "MIRVEN";
}

std::vector<const char*> grid_parameters(Program program) {
    if (program == Program::haldor) return {"DBU", "MODE", "SNR", "REL", "MUF", "ANGLE", "LUF"};
    return {"DBU", "SNR", "REL", "MUF", "FOT", "ANGLE"};
}

std::string right_aligned_name(std::string_view name) {
    // Parameter names stand right-aligned in 6 columns, as the prediction
    // programs write them ("  MODE").
    std::string field(6 - std::min<std::size_t>(name.size(), 6), ' ');
    return field + std::string(name.substr(0, 6));
}

std::string value_field(double value) {
    return format_real(value, 6, 2);
}

std::string point_field(const PointValues& v, std::string_view parameter) {
    if (parameter == "MUF") return value_field(v.muf);
    if (parameter == "FOT") return value_field(v.fot);
    if (parameter == "LUF") return value_field(v.luf);
    if (parameter == "REL") return value_field(v.sky_wave ? v.reliability : 0.0);
    if (!v.sky_wave) return parameter == "MODE" ? std::string(6, ' ') : missing_field;
    if (parameter == "DBU") return value_field(v.dbu);
    if (parameter == "SNR") return value_field(v.snr);
    if (parameter == "ANGLE") return value_field(v.angle);
    // MODE: the number of F2 hops of the most reliable mode, as "  1F2 ".
    return RecordWriter().integer(v.hops, 3).literal("F2 ").str();
}

const char* month_name(int month) {
    static constexpr const char* names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return names[(month - 1) % 12];
}

std::string hhmm(int hour) {
    return format_integer(hour * 100, 4, 4);
}

std::string grid_file(const Run& run, int hour) {
    std::vector<std::string> lines;
    lines.push_back(run.program == Program::haldor ? "HALDOR Version 4.02 (area coverage)"
                                                   : "MIRVEN Version 1.73 (area coverage)");
    const Transmitter& tx = run.transmitter;
    std::string title = RecordWriter()
                            .literal(run.inverse ? "INVERSE " : "")
                            .literal(run.name)
                            .literal(" ")
                            .real(run.frequency, 6, 2)
                            .literal(" MHz ")
                            .literal(tx.code)
                            .literal(" ")
                            .integer(tx.power, 3)
                            .literal(" kW Az")
                            .integer(static_cast<long long>(tx.azimuth), 4)
                            .literal("  ")
                            .literal(month_name(run.month))
                            .literal(" SSN")
                            .integer(run.sunspots, 4)
                            .literal("  ")
                            .literal(hhmm(hour))
                            .literal(" UT")
                            .str();
    lines.push_back(title.substr(0, std::min<std::size_t>(title.size(), 75)));

    std::vector<const char*> parameters = grid_parameters(run.program);
    RecordWriter header;
    header.integer(run.area.columns, 3).integer(run.area.rows, 3).blanks(20);
    for (const char* parameter : parameters) header.literal(right_aligned_name(parameter));
    lines.push_back(header.str());

    for (int row = 1; row <= run.area.rows; ++row) {
        double latitude = run.area.south + (row - 1) * run.area.latitude_step;
        for (int point = 1; point <= run.area.columns; ++point) {
            double longitude = run.area.west + (point - 1) * run.area.longitude_step;
            PointValues v = model_point(run, hour, latitude, longitude);
            RecordWriter record;
            record.real(latitude, 8, 2).real(longitude, 8, 2).integer(row, 5).integer(point, 5);
            for (const char* parameter : parameters) record.literal(point_field(v, parameter));
            lines.push_back(record.str());
        }
    }
    return join_lines(lines);
}

// ----------------------------------------------------- requirement files --

std::string nine_integers(const char* label, const std::vector<int>& values) {
    RecordWriter line;
    line.literal(label);
    for (std::size_t i = 0; i < 9; ++i) line.integer(i < values.size() ? values[i] : 0, 7);
    return line.str();
}

std::string parameter_line(const PlottedParameter& parameter) {
    RecordWriter line;
    line.literal("Parameter:")
        .text(parameter.name, 6)
        .integer(static_cast<long long>(parameter.levels.size()), 4);
    for (const Level& level : parameter.levels) {
        line.integer(level.colour, 3).blanks(1).real(level.value, 7, 2);
    }
    return line.str();
}

char suffix_letter(Program program) {
    return program == Program::haldor ? 'H' : 'M';
}

std::string requirement_file(const Run& run) {
    const Transmitter& tx = run.transmitter;
    std::vector<std::string> lines;
    lines.push_back(std::string("Model    :") + program_name(run.program));
    RecordWriter colours;
    colours.literal("Colors   :");
    if (run.old_colours) {
        for (const char* entry : run.colours) colours.text(entry, 6).blanks(3);
        colours.text(run.cities, 12);
        lines.push_back(colours.str());
    } else {
        for (std::size_t i = 0; i < 5; ++i) colours.text(run.colours[i], 6).literal("   :");
        colours.literal(run.colours[5]);
        lines.push_back(colours.str());
        lines.push_back(std::string("Cities   :") + run.cities);
    }
    lines.push_back(RecordWriter()
                        .literal("Nparms   :")
                        .integer(static_cast<long long>(run.parameters.size()), 5)
                        .str());
    for (const PlottedParameter& parameter : run.parameters) {
        lines.push_back(parameter_line(parameter));
    }
    if (run.months_line) {
        lines.push_back(nine_integers("Months   :", {run.month}));
        lines.push_back(nine_integers("SSN      :", {run.sunspots}));
    }
    lines.push_back(nine_integers("Hours    :", run.hours));
    lines.push_back(RecordWriter()
                        .literal("Transmit :")
                        .text(tx.name, 20)
                        .real(tx.latitude, 8, 2)
                        .real(tx.longitude, 9, 2)
                        .str());
    const Area& area = run.area;
    lines.push_back(RecordWriter()
                        .literal("Area     :")
                        .real(area.south, 8, 2)
                        .real(area.west, 9, 2)
                        .real(area.south + (area.rows - 1) * area.latitude_step, 8, 2)
                        .real(area.west + (area.columns - 1) * area.longitude_step, 9, 2)
                        .str());
    if (run.projection >= 0) {
        lines.push_back(RecordWriter()
                            .literal("Gridsize :")
                            .integer(area.columns, 5)
                            .integer(run.projection, 5)
                            .str());
    }
    lines.push_back(RecordWriter().literal("Comment  :Admin").blanks(5).literal(run.admin).str());
    int first = run.hours.front();
    int last = run.hours.back() + 1;
    lines.push_back(RecordWriter()
                        .literal("Comment  :Time")
                        .blanks(6)
                        .literal(hhmm(first))
                        .literal("-")
                        .literal(hhmm(last > 24 ? last - 24 : last))
                        .str());
    std::string station = RecordWriter()
                              .text(tx.code, 3)
                              .blanks(2)
                              .integer(tx.power, 3)
                              .blanks(1)
                              .real(tx.azimuth, 7, 1)
                              .blanks(1)
                              .integer(tx.slew, 3)
                              .blanks(1)
                              .integer(tx.antenna, 3)
                              .str();
    lines.push_back(RecordWriter()
                        .literal("Comment  :INFO    ")
                        .real(run.frequency, 5, 2)
                        .blanks(1)
                        .text(run.zones, 30)
                        .blanks(1)
                        .text(station, 24)
                        .str());
    lines.push_back(RecordWriter()
                        .literal("Comment  :Season    ")
                        .literal(month_name(run.month))
                        .literal(", sunspot number")
                        .integer(run.sunspots, 4)
                        .str());
    std::string zones(run.zones);
    std::replace(zones.begin(), zones.end(), ',', ' ');
    lines.push_back("Comment  :Zones     " + zones);
    lines.push_back(std::string("Comment  :") + run.note);
    // The prediction program writes trailing blanks nowhere; neither does the writer.
    for (std::string& line : lines) {
        while (!line.empty() && line.back() == ' ') line.pop_back();
    }
    return join_lines(lines);
}

std::vector<Run> sample_runs() {
    const std::vector<Level> reliability_levels{{12, 10}, {10, 20}, {3, 30}, {9, 50},
                                                {1, 70},  {5, 80},  {15, 90}};
    return {
        {"AREADATA/SAMPLE_001",
         "SAMPLE01",
         Program::haldor,
         false,
         {"GREENVILLE", "GRV", 35.47, -77.20, 250, 45.0, 0, 301},
         15.26,
         6,
         100,
         {7, 8, 9},
         {},
         {10.0, -100.0, 2.0, 4.0, 37, 37},
         "USA",
         "27,28,37,38",
         false,
         {"black", "blue", "Ignore", "RED", "red", "Black with shading"},
         "..\\USERDB\\RECEIVE.CTY",
         {{"DBU", {}}, {"SNR", {{3, 10}, {9, 20}, {1, 30}}}, {"REL", reliability_levels}},
         true,
         1,
         "Morning service to western Europe, curtain array"},
        {"AREADATA/SAMPLE_001",
         "SAMPLE02",
         Program::haldor,
         false,
         {"DELANO", "DEL", 35.75, -119.21, 250, 140.0, 0, 302},
         9.59,
         12,
         60,
         {2, 4, 6, 8},
         {3},
         {-50.0, -130.0, 2.0, 3.0, 37, 37},
         "USA",
         "10,11,12,13,14,15,16",
         false,
         {"black", "ltgrn", "grey", "BLUE", "magnta", "Red   with shading"},
         "RECEIVE.LAM",
         {{"DBU", {{12, 20}, {10, 30}, {3, 40}, {9, 50}, {1, 60}, {5, 70}, {15, 80}}}, {"REL", {}}},
         true,
         1,
         "Night service to Latin America; hour 6 not yet calculated"},
        {"AREADATA/SAMPLE_001",
         "SAMPLE03",
         Program::haldor,
         false,
         {"KAVALA", "KAV", 40.95, 24.48, 500, 300.0, 0, 301},
         11.85,
         3,
         80,
         {19},
         {},
         {0.0, -20.0, 2.0, 2.0, 45, 37},
         "GRC",
         "18,19,27,28,29",
         true,
         {"0=Blck", "4=Blue", "Ignore", "3=red", "1=Red", "0=BLCK"},
         "RECEIVE.EUR",
         {{"DBU", {}}, {"SNR", {}}, {"MUF", {}}},
         true,
         -1,
         "Evening service to Europe, written by an older QOR_PLAN"},
        {"AREADATA/SAMPLE_001",
         "SAMPLE04",
         Program::haldor,
         false,
         {"GREENVILLE", "GRV", 35.47, -77.20, 100, 180.0, 0, 211},
         6.09,
         1,
         40,
         {14, 16},
         {},
         {-38.0, -110.0, 2.0, 2.0, 37, 37},
         "USA",
         "11,12,13",
         false,
         {"grey", "black", "Ignore", "black", "red", "Shading, no contours"},
         "..\\USERDB\\RECEIVE.CTY",
         {{"MUF", {}}},
         false,
         1,
         "Caribbean test run; its planning is not finished"},
        {"AREADATA/SAMPLE_001",
         "MIRV01",
         Program::mirven,
         false,
         {"NAUEN", "NAU", 52.65, 12.91, 500, 280.0, 0, 341},
         9.83,
         9,
         120,
         {6, 12},
         {},
         {0.0, -130.0, 2.0, 4.0, 37, 37},
         "DEU",
         "4,5,6,7,8,9",
         false,
         {"black", "blue", "magnta", "red", "red", "Bin color shading"},
         "..\\USERDB\\RECEIVE.CTY",
         {{"DBU", {}}, {"REL", {{3, 50}, {9, 70}, {1, 90}}}},
         true,
         1,
         "North America service, MIRVEN comparison run"},
        {"AREADATA/SAMPLE_001",
         "MIRV02",
         Program::mirven,
         false,
         {"TASHKENT", "TSH", 41.30, 69.30, 200, 150.0, 15, 311},
         17.74,
         6,
         100,
         {15, 16, 17},
         {},
         {0.0, 0.0, 2.0, 3.0, 37, 37},
         "UZB",
         "40,41,42,49,50",
         false,
         {"dkgrey", "black", "Ignore", "blue", "red", "Bin  B/W  shading"},
         "..\\USERDB\\RECEIVE.EUR",
         {{"SNR", {{12, 0}, {10, 10}, {3, 20}, {9, 30}, {1, 40}, {5, 50}, {15, 60}}},
          {"TANGLE", {}}},
         true,
         21,
         "South Asia service, antenna slewed 15 degrees"},
        {"AREA_INV/SAMPLE_INV",
         "INVRS01",
         Program::haldor,
         true,
         {"WASHINGTON", "WAS", 38.90, -77.04, 100, 0.0, 0, 100},
         11.70,
         4,
         90,
         {12, 13},
         {},
         {-2.0, -60.0, 2.0, 4.0, 37, 37},
         "USA",
         "8,27,28,37,38,46",
         false,
         {"black", "blue", "Ignore", "Ignore", "Ignore", "Black with shading"},
         "..\\USERDB\\RECEIVE.CTY",
         {{"DBU", {}}, {"REL", reliability_levels}},
         true,
         1,
         "Inverse run: field at Washington from transmitters over the area"},
    };
}

}  // namespace

SampleFiles run_files() {
    SampleFiles files;
    for (const Run& run : sample_runs()) {
        std::string base = std::string(run.directory) + "/" + run.name + ".";
        files.push_back(
            {base + (run.program == Program::haldor ? "HAL" : "MIR"), requirement_file(run)});
        for (std::size_t k = 0; k < run.hours.size(); ++k) {
            int position = static_cast<int>(k) + 1;
            if (run.not_run.count(position) != 0) continue;
            std::string suffix{suffix_letter(run.program), 'G', static_cast<char>('0' + position)};
            files.push_back({base + suffix, grid_file(run, run.hours[k])});
        }
    }
    return files;
}

}  // namespace qor::sample
