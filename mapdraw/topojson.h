#pragma once
// Decoding TopoJSON, the form of the kept map data (world-atlas): shared arcs,
// quantized and delta-encoded, referred to by the polygons of named objects.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mapdraw/geo.h"

namespace qor::map {

/// A polygon as references to arcs: an index i names arc i, ~i (that is
/// -i - 1) arc i run backwards.
using ArcRing = std::vector<int>;
struct ArcPolygon {
    std::vector<ArcRing> rings;  ///< the outer ring first, then the holes
};

struct TopoObject {
    std::string name;                  ///< the object's key ("countries", "land")
    std::vector<ArcPolygon> polygons;  ///< every polygon of every geometry
};

struct Topology {
    std::vector<GeoLine> arcs;  ///< decoded: absolute longitudes and latitudes
    std::vector<TopoObject> objects;
    const TopoObject* object(std::string_view name) const;
};

/// Decodes a TopoJSON document (quantized with a transform, or not). Nothing
/// and the reason when the text is not such a document. Geometry kinds other
/// than Polygon and MultiPolygon (points, lines) are skipped.
std::optional<Topology> decode_topojson(std::string_view text, std::string& error);

/// The points of a ring: its arcs joined, each shared end point once.
GeoLine ring_points(const Topology& topology, const ArcRing& ring);

/// The lines the map draws from world-atlas: coastlines (the arcs of the
/// land) and borders (the arcs between countries that are not coast).
struct WorldLines {
    std::vector<GeoLine> coastlines;
    std::vector<GeoLine> borders;
};
WorldLines world_lines(const Topology& topology);

}  // namespace qor::map
