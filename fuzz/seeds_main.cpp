// fuzz_seeds DIR: writes the seed corpus of every fuzz target into DIR/<target>/,
// made from the sample package (qorsample's files) and from the program's own
// writers, so that the fuzzer starts from files as the package has them.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/settings_files.h"
#include "base/fixed_record.h"
#include "catalog/catalog_creation.h"
#include "catalog/catalog_file.h"
#include "fuzz/fuzz_support.h"
#include "platform/paths.h"
#include "plotout/printer_setup.h"
#include "sample/sample_package.h"

namespace fs = std::filesystem;

namespace {

struct Corpus {
    fs::path directory;
    int count = 0;

    void add(const std::string& content) {
        std::ofstream out(directory / ("seed-" + std::to_string(++count)), std::ios::binary);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
    }
};

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    qor::LineReader reader;
    reader.open_text(text);
    std::string_view line;
    while (reader.next(line)) lines.emplace_back(line);
    return lines;
}

// A grid file cut to its first few points of its first few rows, with its
// header saying so: the reader takes it whole, and the fuzzer works on a few
// hundred bytes instead of a whole grid.
std::string small_grid(const std::string& grid) {
    std::vector<std::string> lines = split_lines(grid);
    if (lines.size() < 3) return grid;
    qor::FieldReader header(lines[2]);
    std::int32_t columns = 0;
    std::int32_t rows = 0;
    header.integer(3, columns);
    header.integer(3, rows);
    const int kept_columns = std::min(columns, 4);
    const int kept_rows = std::min(rows, 3);
    std::string text = lines[0] + "\n" + lines[1] + "\n" + qor::format_integer(kept_columns, 3) +
                       qor::format_integer(kept_rows, 3) + lines[2].substr(6) + "\n";
    for (int r = 0; r < kept_rows; ++r) {
        for (int c = 0; c < kept_columns; ++c) {
            const auto record = static_cast<std::size_t>(3 + r * columns + c);
            if (record < lines.size()) text += lines[record] + "\n";
        }
    }
    return text;
}

// The catalogs of the sample package's first sub-directory as creation writes
// them, then sorted each way and written back.
std::vector<std::string> sample_catalogs() {
    const fs::path package = fs::temp_directory_path() / "qor-fuzz-seeds";
    fs::remove_all(package);
    if (!qor::sample::write_sample_package(package.string()).empty()) return {};
    qor::PathState paths = qor::fuzz::sample_paths();
    paths.RunDir = qor::to_package_path((package / "RUN").string());
    std::vector<std::string> catalogs;
    const std::string created =
        qor::catalog_creation_content(paths, qor::GET_FILES(paths, paths.SubDir));
    catalogs.push_back(created);
    static qor::CatalogList catalog;
    for (std::string_view name : qor::sort_names) {
        qor::LineReader reader;
        reader.open_text(created);
        qor::Text<24> sortName;
        if (qor::read_catalog_lines(reader, catalog, sortName) != qor::CatalogReadOutcome::read) {
            continue;
        }
        sortName = name;
        qor::SORT_CATALOG_FILE(catalog, sortName);
        catalogs.push_back(qor::catalog_file_content(catalog, sortName));
    }
    fs::remove_all(package);
    return catalogs;
}

std::string with_buffer(char buffer_size, const std::string& text) {
    return std::string(1, buffer_size) + text;
}

// A CIRAF zone boundary file in the layout the map program reads: two zones,
// one with the place of its number, a comment and a blank line.
const char* const zone_file =
    "# CIRAF zones, boundaries in degrees\n"
    "ZONE   27    4   50.00    -5.00\n"
    "   40.00   -30.00\n"
    "   60.00   -30.00\n"
    "   60.00    20.00\n"
    "   40.00    20.00\n"
    "\n"
    "ZONE   28    2\n"
    "   40.00    20.00\n"
    "   60.00    40.00\n";

// The parts of a plot as the map program reads it (see
// mapdraw_plot_request_fuzz.cpp): request, grid, requirement file, city file,
// print_a.ini, zone file.
std::string plot_parts(const std::string& grid, const std::string& requirement,
                       const std::string& title) {
    const std::string parts[] = {"SAMPLE_001\\SAMPLE01.HG1\n" + title + "\n",
                                 small_grid(grid),
                                 requirement,
                                 qor::fuzz::sample_file("USERDB/RECEIVE.CTY"),
                                 qor::printer_setup_line(qor::PrinterPlacement{}) + "\n",
                                 zone_file};
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) text += "--\n";
        text += part;
        if (!part.empty() && part.back() != '\n') text += '\n';
    }
    return text;
}

// The requirement file with the zones layer drawn in black instead of left
// out, so that the zone file is read.
std::string with_zones(std::string requirement) {
    const std::size_t colours = requirement.find("Colors   :");
    const std::size_t ignore = requirement.find(":Ignore   :", colours);
    if (colours != std::string::npos && ignore != std::string::npos) {
        requirement.replace(ignore, 11, ":black    :");
    }
    return requirement;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: fuzz_seeds DIR\n", stderr);
        return 2;
    }
    const fs::path root(argv[1]);
    auto corpus = [&root](const char* target) {
        Corpus c{root / target};
        fs::create_directories(c.directory);
        return c;
    };
    using qor::fuzz::sample_file;
    using qor::fuzz::sample_files_ending;

    Corpus grid = corpus("grid_file");
    for (const char* suffix : {".HG1", ".HG2", ".HG3", ".MG1", ".MG2", ".PG1", ".TG1"}) {
        for (const std::string& file : sample_files_ending(suffix)) grid.add(small_grid(file));
    }

    Corpus requirement = corpus("requirement_file");
    Corpus summary = corpus("requirement_summary");
    for (const char* suffix : {".HAL", ".MIR", ".TAB", ".PAR"}) {
        for (const std::string& file : sample_files_ending(suffix)) {
            requirement.add(file);
            summary.add(file);
        }
    }

    Corpus parameters = corpus("plot_parameter_file");
    for (const std::string& file : sample_files_ending("PLT.GPH")) parameters.add(file);

    corpus("colors_win").add(sample_file("database/colors.win"));
    corpus("colors_dat").add(sample_file("database/colors.dat"));
    corpus("colors_con").add(sample_file("database/colors.con"));

    Corpus setup = corpus("setup_ini");
    qor::WindowSettings settings;
    setup.add(qor::setup_file_text(settings));
    settings.MainColour = "yellow";
    settings.InputColour = "green";
    settings.ScrollFont = "Courier New";
    settings.ScrollColumns = 160;
    settings.ScrollRows = 70;
    setup.add(qor::setup_file_text(settings));

    Corpus printer = corpus("print_a_ini");
    printer.add(qor::printer_setup_line(qor::PrinterPlacement{}) + "\n");
    printer.add(qor::printer_setup_line(qor::PrinterPlacement{2, 0.5f, 1.25f, -2.0f}) + "\n");

    Corpus catalog = corpus("catalog_file");
    for (const std::string& file : sample_catalogs()) catalog.add(file);

    Corpus fields = corpus("fixed_record");
    for (const char* field : {" 12.50", "  1234", "-999.00", "  15E2", "1.5D-1", "  MODE", "   77",
                              "0.5000", "    1.2500", " -998.90"}) {
        for (char selector : {'\x02', '\x04', '\x00', '\x35'})
            fields.add(selector + std::string(field));
    }

    Corpus lines = corpus("line_reader");
    for (const char* file : {"database/colors.win", "database/colors.dat", "database/colors.con"}) {
        for (char buffer_size : {'\x00', '\x03', '\x11'}) {
            lines.add(with_buffer(buffer_size, sample_file(file)));
        }
    }
    lines.add(with_buffer('\x05', "a\r\nb\r\r\nc\rd\n\nlast"));

    Corpus plot = corpus("mapdraw_plot_request");
    const std::string& plot_grid = sample_file("AREADATA/SAMPLE_001/SAMPLE01.HG1");
    const std::string& plot_requirement = sample_file("AREADATA/SAMPLE_001/SAMPLE01.HAL");
    plot.add(plot_parts(plot_grid, plot_requirement, "Morning service"));
    plot.add(plot_parts(plot_grid, with_zones(plot_requirement), ""));

    corpus("mapdraw_zone_file").add(zone_file);

    // Small topologies of the kind the kept map data is: quantized and not,
    // land and countries sharing arcs, collections, a point, escaped keys.
    Corpus map_data = corpus("mapdraw_map_data");
    map_data.add(R"({"type":"Topology","transform":{"scale":[0.5,0.25],"translate":[-180,-90]},)"
                 R"("arcs":[[[0,0],[10,0],[0,10]],[[10,10],[-10,0]],[[0,10],[0,-10]]],)"
                 R"("objects":{"land":{"type":"GeometryCollection","geometries":[)"
                 R"({"type":"Polygon","arcs":[[0,1,2]]}]},)"
                 R"("countries":{"type":"GeometryCollection","geometries":[)"
                 R"({"type":"MultiPolygon","arcs":[[[0,-2]],[[1,-3]]],"id":"004"},)"
                 R"({"type":"Point","coordinates":[3,4]}]}}})");
    map_data.add(R"({"type":"Topology","arcs":[[[-10.5,20.25],[30,40],[-10.5,20.25]]],)"
                 R"("objects":{"land":{"type":"Polygon","arcs":[[0],[-1]]},)"
                 R"("c\"x":{"type":"GeometryCollection","geometries":[{"type":)"
                 R"("GeometryCollection","geometries":[{"type":"Polygon","arcs":[]}]}]}}})");
    map_data.add(R"({"type":"Topology","bbox":[-180,-90,180,90],"arcs":[],"objects":{}})");
    return 0;
}
