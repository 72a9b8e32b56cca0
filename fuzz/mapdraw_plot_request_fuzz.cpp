// The map program's reading of a plot: the request file (zonegrfx.dat), the
// grid file with every point's position, the requirement file, the city file,
// print_a.ini and the CIRAF zone boundary file. The map program reads them
// from disk only, so each input is written over a sample package kept in a
// temporary directory (in memory where /dev/shm exists) and read from there.
//
// An input is the six files' contents in that order, separated by lines
// holding only "--"; a file whose part is missing is removed. Whatever the
// files hold, the reading ends with a map or a message, and a map's points,
// values, cities and zones are all there and in range; the grid read again
// as another hour of the run gives the same map.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "fuzz/fuzz_support.h"
#include "mapdraw/plot_request.h"
#include "sample/sample_package.h"

namespace fs = std::filesystem;

namespace {

fs::path package_root;

// The files an input replaces, below the package root, in input order.
constexpr const char* replaced_files[] = {
    "RUN/zonegrfx.dat",
    "AREADATA/SAMPLE_001/SAMPLE01.HG1",
    "AREADATA/SAMPLE_001/SAMPLE01.HAL",
    "USERDB/RECEIVE.CTY",
    "RUN/print_a.ini",
    "database/CIRAF.DAT",
};
constexpr std::size_t file_count = std::size(replaced_files);

void remove_package() {
    std::error_code ignored;
    fs::remove_all(package_root, ignored);
}

void write_whole(const fs::path& path, std::string_view content) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) std::abort();
    if (std::fwrite(content.data(), 1, content.size(), file) != content.size()) std::abort();
    std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const fs::path shm("/dev/shm");
    const fs::path base = fs::is_directory(shm) ? shm : fs::temp_directory_path();
    package_root = base / ("qor-fuzz-map-" + std::to_string(::getpid()));
    remove_package();
    if (!qor::sample::write_sample_package(package_root.string()).empty()) std::abort();
    std::atexit(remove_package);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = qor::fuzz::as_text(data, size);
    std::vector<std::string_view> parts;
    std::string_view rest = input;
    constexpr std::string_view separator = "\n--\n";
    while (parts.size() + 1 < file_count) {
        const std::size_t at = rest.find(separator);
        if (at == std::string_view::npos) break;
        parts.push_back(rest.substr(0, at + 1));
        rest.remove_prefix(at + separator.size());
    }
    parts.push_back(rest);
    for (std::size_t k = 0; k < file_count; ++k) {
        const fs::path path = package_root / replaced_files[k];
        if (k < parts.size()) {
            write_whole(path, parts[k]);
        } else {
            std::error_code ignored;
            fs::remove(path, ignored);
        }
    }

    std::string error;
    qor::map::RunSnapshot snapshot;
    const std::optional<qor::map::PlotRequest> request = qor::map::read_plot_request(
        (package_root / "RUN").string(), "AREADATA", "zonegrfx.dat", error, &snapshot);
    if (!request) {
        QOR_FUZZ_CHECK(!error.empty(), input);
        return 0;
    }
    const auto points =
        static_cast<std::size_t>(request->columns) * static_cast<std::size_t>(request->rows);
    QOR_FUZZ_CHECK(request->columns >= 2 && request->rows >= 2, input);
    QOR_FUZZ_CHECK(request->nodes.size() == points, input);
    for (const qor::map::GeoPoint& node : request->nodes) {
        QOR_FUZZ_CHECK(std::abs(node.lat) <= 90 && std::isfinite(node.lon), input);
    }
    QOR_FUZZ_CHECK(request->values.size() == request->parameters.size(), input);
    QOR_FUZZ_CHECK(request->parameters.size() <= 5, input);
    for (std::size_t p = 0; p < request->parameters.size(); ++p) {
        const qor::map::PlottedParameter& parameter = request->parameters[p];
        QOR_FUZZ_CHECK(request->values[p].size() == points, input);
        QOR_FUZZ_CHECK(parameter.levels.size() == parameter.colours.size(), input);
        // Every value falls in a band or is no value.
        if (parameter.problem.empty()) {
            for (const float value : request->values[p]) {
                const int band = qor::map::band_of(parameter.bands, value);
                QOR_FUZZ_CHECK(band >= -1 && band < static_cast<int>(parameter.bands.size()),
                               input);
            }
        }
    }
    for (const qor::map::City& city : request->cities) {
        QOR_FUZZ_CHECK(std::abs(city.location.lat) <= 90, input);
    }
    for (const qor::map::ZoneBoundary& zone : request->zones) {
        QOR_FUZZ_CHECK(zone.zone >= 1 && zone.zone <= 85 && zone.line.size() >= 2, input);
    }

    // The same grid read again as another hour of the run, against what the
    // first reading kept: the same points and values.
    std::string hour_error;
    const std::optional<qor::map::PlotRequest> hour =
        qor::map::read_hour(snapshot, request->grid_name, "", hour_error);
    QOR_FUZZ_CHECK(hour.has_value(), input);
    QOR_FUZZ_CHECK(hour->nodes == request->nodes, input);
    QOR_FUZZ_CHECK(hour->values.size() == request->values.size(), input);
    for (std::size_t p = 0; p < hour->values.size(); ++p) {
        for (std::size_t n = 0; n < points; ++n) {
            const float a = hour->values[p][n];
            const float b = request->values[p][n];
            QOR_FUZZ_CHECK(a == b || (std::isnan(a) && std::isnan(b)), input);
        }
    }
    return 0;
}
