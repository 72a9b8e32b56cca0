#include "mapdraw/world_data.h"

namespace qor::map {

WorldLines packed_world_lines() {
    using namespace packed;
    WorldLines lines;
    lines.coastlines.reserve(world_coastline_count);
    lines.borders.reserve(world_line_count - world_coastline_count);
    for (unsigned k = 0; k < world_line_count; ++k) {
        GeoLine line;
        line.reserve(world_line_starts[k + 1] - world_line_starts[k]);
        for (unsigned i = world_line_starts[k]; i < world_line_starts[k + 1]; ++i) {
            line.push_back({world_points[2 * i], world_points[2 * i + 1]});
        }
        (k < world_coastline_count ? lines.coastlines : lines.borders).push_back(std::move(line));
    }
    return lines;
}

std::vector<Cap> packed_world_caps() {
    using namespace packed;
    std::vector<Cap> caps(world_line_count);
    for (unsigned k = 0; k < world_line_count; ++k) {
        caps[k] = {world_caps[4 * k], world_caps[4 * k + 1], world_caps[4 * k + 2],
                   world_caps[4 * k + 3]};
    }
    return caps;
}

}  // namespace qor::map
