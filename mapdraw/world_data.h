#pragma once
// The coastlines and borders of world-atlas (Natural Earth 1:50m), packed into
// the program at build time from the kept TopoJSON file.

#include "mapdraw/topojson.h"

namespace qor::map {

namespace packed {
extern const float world_points[];          ///< longitude, latitude pairs
extern const unsigned world_line_starts[];  ///< first point of each line, then the end
extern const double world_caps[];           ///< each line's cap: x, y, z, radius
extern const unsigned world_coastline_count;
extern const unsigned world_line_count;
}  // namespace packed

/// The packed lines: the coastlines first, then the borders.
WorldLines packed_world_lines();
/// The caps of the packed lines, in the same order.
std::vector<Cap> packed_world_caps();

}  // namespace qor::map
