#include "mapdraw/zones.h"

#include <cmath>

#include "base/fixed_record.h"

namespace qor::map {

std::optional<std::vector<ZoneBoundary>> read_zone_file(const std::string& path,
                                                        std::string& error) {
    LineReader file;
    if (!file.open(path)) {
        error = "cannot open " + path;
        return std::nullopt;
    }
    std::vector<ZoneBoundary> zones;
    std::string_view line;
    auto fail = [&](const std::string& why) {
        error = "line " + std::to_string(file.line_number()) + ": " + why;
        return std::nullopt;
    };
    while (file.next(line)) {
        if (trim_right(line).empty() || line[0] == '#') continue;
        // The header of a boundary: ZONE, the zone number, the number of
        // points, and where the zone number is written (blank: nowhere).
        FieldReader header(line);
        if (header.take(4) != "ZONE") return fail("expected a ZONE line");
        ZoneBoundary zone;
        std::int32_t number = 0, count = 0;
        if (!header.integer(5, number) || number < 1 || number > 85) {
            return fail("the zone number must be 1 to 85");
        }
        if (!header.integer(5, count) || count < 2 || count > 100000) {
            return fail("a boundary needs at least 2 points");
        }
        zone.zone = number;
        const std::string_view label_lat = header.take(8);
        const std::string_view label_lon = header.take(9);
        if (!trim_right(label_lat).empty() || !trim_right(label_lon).empty()) {
            if (!parse_real(label_lat, 2, zone.label.lat) ||
                !parse_real(label_lon, 2, zone.label.lon) || std::abs(zone.label.lat) > 90) {
                return fail("the label position is not a latitude and longitude");
            }
            zone.labelled = true;
        }
        for (std::int32_t k = 0; k < count; ++k) {
            if (!file.next(line))
                return fail("the file ends inside the boundary of zone " + std::to_string(number));
            FieldReader point(line);
            GeoPoint p;
            const std::string_view lat = point.take(8);
            const std::string_view lon = point.take(9);
            if (trim_right(lat).empty() || trim_right(lon).empty() || !parse_real(lat, 2, p.lat) ||
                !parse_real(lon, 2, p.lon) || std::abs(p.lat) > 90) {
                return fail("expected a latitude (columns 1-8) and a longitude (columns 9-17)");
            }
            zone.line.push_back(p);
        }
        zones.push_back(std::move(zone));
    }
    if (file.failed()) return fail("read error");
    return zones;
}

}  // namespace qor::map
