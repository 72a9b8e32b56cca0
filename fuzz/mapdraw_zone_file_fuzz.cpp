// The CIRAF zone boundary file as the map program reads it (from a file: the
// input is written to a temporary one first). A file is read whole or refused
// with the line at fault; every boundary read has a zone number of 1 to 85, at
// least two points and latitudes within the poles.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "fuzz/fuzz_support.h"
#include "mapdraw/zones.h"

namespace fs = std::filesystem;

namespace {

std::string zone_file;

void remove_zone_file() {
    std::remove(zone_file.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const fs::path shm("/dev/shm");
    const fs::path base = fs::is_directory(shm) ? shm : fs::temp_directory_path();
    zone_file = (base / ("qor-fuzz-ciraf-" + std::to_string(::getpid()) + ".dat")).string();
    std::atexit(remove_zone_file);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = qor::fuzz::as_text(data, size);
    std::FILE* file = std::fopen(zone_file.c_str(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);

    std::string error;
    const auto zones = qor::map::read_zone_file(zone_file, error);
    if (!zones) {
        QOR_FUZZ_CHECK(error.rfind("line ", 0) == 0, input);
        return 0;
    }
    for (const qor::map::ZoneBoundary& zone : *zones) {
        QOR_FUZZ_CHECK(zone.zone >= 1 && zone.zone <= 85, input);
        QOR_FUZZ_CHECK(zone.line.size() >= 2, input);
        for (const qor::map::GeoPoint& point : zone.line) {
            QOR_FUZZ_CHECK(std::abs(point.lat) <= 90, input);
        }
        QOR_FUZZ_CHECK(!zone.labelled || std::abs(zone.label.lat) <= 90, input);
    }
    return 0;
}
