#include "mapdraw/topojson.h"

#include <cmath>

#include "mapdraw/json.h"

namespace qor::map {

namespace {

using Kind = JsonDocument::Kind;

bool decode_arc_ring(const JsonDocument& doc, std::int32_t node, std::size_t arc_count,
                     ArcRing& ring) {
    if (doc.node(node).kind != Kind::array) return false;
    for (std::int32_t i = doc.node(node).first; i >= 0; i = doc.node(i).next) {
        const JsonDocument::Node& index = doc.node(i);
        if (index.kind != Kind::number || index.number != std::floor(index.number)) return false;
        // An index beyond every arc is refused before it is made an integer:
        // a number such as 1e30 has no integer of its size.
        if (!(std::abs(index.number) <= static_cast<double>(arc_count))) return false;
        const auto value = static_cast<long long>(index.number);
        const long long arc = value < 0 ? ~value : value;
        if (arc < 0 || static_cast<std::size_t>(arc) >= arc_count) return false;
        ring.push_back(static_cast<int>(value));
    }
    return true;
}

bool decode_polygon(const JsonDocument& doc, std::int32_t node, std::size_t arc_count,
                    ArcPolygon& polygon) {
    if (doc.node(node).kind != Kind::array) return false;
    for (std::int32_t r = doc.node(node).first; r >= 0; r = doc.node(r).next) {
        ArcRing ring;
        if (!decode_arc_ring(doc, r, arc_count, ring)) return false;
        polygon.rings.push_back(std::move(ring));
    }
    return true;
}

// The geometries of an object, recursing into collections.
bool decode_geometry(const JsonDocument& doc, std::int32_t node, std::size_t arc_count,
                     TopoObject& object, std::string& error) {
    const std::int32_t type = doc.member(node, "type");
    if (type < 0 || doc.node(type).kind != Kind::string) {
        error = "a geometry without a type";
        return false;
    }
    const std::string_view kind = doc.node(type).text;
    if (kind == "GeometryCollection") {
        const std::int32_t list = doc.member(node, "geometries");
        if (list < 0 || doc.node(list).kind != Kind::array) {
            error = "a GeometryCollection without geometries";
            return false;
        }
        for (std::int32_t g = doc.node(list).first; g >= 0; g = doc.node(g).next) {
            if (!decode_geometry(doc, g, arc_count, object, error)) return false;
        }
        return true;
    }
    if (kind != "Polygon" && kind != "MultiPolygon") return true;
    const std::int32_t arcs = doc.member(node, "arcs");
    if (arcs < 0 || doc.node(arcs).kind != Kind::array) {
        error = "a " + std::string(kind) + " without arcs";
        return false;
    }
    if (kind == "Polygon") {
        ArcPolygon polygon;
        if (!decode_polygon(doc, arcs, arc_count, polygon)) {
            error = "a Polygon with bad arc references";
            return false;
        }
        object.polygons.push_back(std::move(polygon));
        return true;
    }
    for (std::int32_t p = doc.node(arcs).first; p >= 0; p = doc.node(p).next) {
        ArcPolygon polygon;
        if (!decode_polygon(doc, p, arc_count, polygon)) {
            error = "a MultiPolygon with bad arc references";
            return false;
        }
        object.polygons.push_back(std::move(polygon));
    }
    return true;
}

bool number_pair(const JsonDocument& doc, std::int32_t node, double& a, double& b) {
    if (node < 0 || doc.node(node).kind != Kind::array || doc.node(node).count < 2) return false;
    const JsonDocument::Node& first = doc.node(doc.node(node).first);
    const JsonDocument::Node& second = doc.node(first.next);
    if (first.kind != Kind::number || second.kind != Kind::number) return false;
    a = first.number;
    b = second.number;
    return true;
}

}  // namespace

const TopoObject* Topology::object(std::string_view name) const {
    for (const TopoObject& candidate : objects) {
        if (candidate.name == name) return &candidate;
    }
    return nullptr;
}

std::optional<Topology> decode_topojson(std::string_view text, std::string& error) {
    std::optional<JsonDocument> parsed = JsonDocument::parse(text, error);
    if (!parsed) {
        error = "not JSON: " + error;
        return std::nullopt;
    }
    const JsonDocument& doc = *parsed;
    const std::int32_t root = doc.root();
    const std::int32_t type = doc.member(root, "type");
    if (type < 0 || doc.node(type).text != "Topology") {
        error = "not a TopoJSON topology";
        return std::nullopt;
    }

    // Quantized arcs hold integer steps from the previous point; the
    // transform turns them into degrees. Without a transform the positions
    // are absolute.
    double scale_x = 1, scale_y = 1, translate_x = 0, translate_y = 0;
    const std::int32_t transform = doc.member(root, "transform");
    const bool quantized = transform >= 0;
    if (quantized &&
        (!number_pair(doc, doc.member(transform, "scale"), scale_x, scale_y) ||
         !number_pair(doc, doc.member(transform, "translate"), translate_x, translate_y))) {
        error = "a transform without scale and translate";
        return std::nullopt;
    }

    Topology topology;
    const std::int32_t arcs = doc.member(root, "arcs");
    if (arcs < 0 || doc.node(arcs).kind != Kind::array) {
        error = "a topology without arcs";
        return std::nullopt;
    }
    topology.arcs.reserve(static_cast<std::size_t>(doc.node(arcs).count));
    for (std::int32_t a = doc.node(arcs).first; a >= 0; a = doc.node(a).next) {
        GeoLine line;
        line.reserve(static_cast<std::size_t>(doc.node(a).count));
        double x = 0, y = 0;
        for (std::int32_t p = doc.node(a).first; p >= 0; p = doc.node(p).next) {
            double dx = 0, dy = 0;
            if (!number_pair(doc, p, dx, dy)) {
                error = "arc " + std::to_string(topology.arcs.size()) + " has a bad position";
                return std::nullopt;
            }
            if (quantized) {
                x += dx;
                y += dy;
                line.push_back({x * scale_x + translate_x, y * scale_y + translate_y});
            } else {
                line.push_back({dx, dy});
            }
        }
        topology.arcs.push_back(std::move(line));
    }

    const std::int32_t objects = doc.member(root, "objects");
    if (objects < 0 || doc.node(objects).kind != Kind::object) {
        error = "a topology without objects";
        return std::nullopt;
    }
    for (std::int32_t o = doc.node(objects).first; o >= 0; o = doc.node(o).next) {
        TopoObject object;
        object.name = JsonDocument::unescape(doc.node(o).key);
        if (!decode_geometry(doc, o, topology.arcs.size(), object, error)) {
            error = "object " + object.name + ": " + error;
            return std::nullopt;
        }
        topology.objects.push_back(std::move(object));
    }
    return topology;
}

GeoLine ring_points(const Topology& topology, const ArcRing& ring) {
    GeoLine points;
    for (const int reference : ring) {
        const bool backwards = reference < 0;
        const GeoLine& arc =
            topology.arcs[static_cast<std::size_t>(backwards ? ~reference : reference)];
        if (arc.empty()) continue;
        // Each arc starts where the previous one ended: that point is kept once.
        const std::size_t skip = points.empty() ? 0 : 1;
        if (backwards) {
            for (std::size_t i = arc.size() - skip; i-- > 0;) points.push_back(arc[i]);
        } else {
            for (std::size_t i = skip; i < arc.size(); ++i) points.push_back(arc[i]);
        }
    }
    return points;
}

WorldLines world_lines(const Topology& topology) {
    std::vector<std::uint8_t> coast(topology.arcs.size(), 0);
    std::vector<std::uint8_t> country(topology.arcs.size(), 0);
    auto mark = [](const TopoObject* object, std::vector<std::uint8_t>& used) {
        if (object == nullptr) return;
        for (const ArcPolygon& polygon : object->polygons) {
            for (const ArcRing& ring : polygon.rings) {
                for (const int reference : ring) {
                    used[static_cast<std::size_t>(reference < 0 ? ~reference : reference)] = 1;
                }
            }
        }
    };
    mark(topology.object("land"), coast);
    mark(topology.object("countries"), country);
    WorldLines lines;
    for (std::size_t i = 0; i < topology.arcs.size(); ++i) {
        if (topology.arcs[i].size() < 2) continue;
        if (coast[i]) {
            lines.coastlines.push_back(topology.arcs[i]);
        } else if (country[i]) {
            lines.borders.push_back(topology.arcs[i]);
        }
    }
    return lines;
}

}  // namespace qor::map
