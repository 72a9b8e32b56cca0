// Decoding the map data: JSON, TopoJSON, the kept world-atlas file and the
// copy the program carries.

#include <gtest/gtest.h>

#include <cmath>

#include "mapdraw/json.h"
#include "mapdraw/scene.h"
#include "mapdraw/topojson.h"
#include "mapdraw/world_data.h"

namespace qor::map {
namespace {

TEST(Json, ReadsNestedValuesAndRefusesBrokenText) {
    std::string error;
    const std::string text = R"({"a": [1, -2.5e1, true, null], "b": {"c": "x\"y\u00e9"}, "d": []})";
    std::optional<JsonDocument> doc = JsonDocument::parse(text, error);
    ASSERT_TRUE(doc) << error;
    const std::int32_t a = doc->member(doc->root(), "a");
    ASSERT_GE(a, 0);
    const std::vector<std::int32_t> items = doc->children(a);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(doc->node(items[1]).number, -25.0);
    EXPECT_TRUE(doc->node(items[2]).truth);
    EXPECT_EQ(doc->node(items[3]).kind, JsonDocument::Kind::null);
    const std::int32_t c = doc->member(doc->member(doc->root(), "b"), "c");
    EXPECT_EQ(JsonDocument::unescape(doc->node(c).text), "x\"y\xC3\xA9");
    EXPECT_EQ(doc->node(doc->member(doc->root(), "d")).count, 0);
    EXPECT_EQ(doc->member(doc->root(), "missing"), -1);

    for (const char* broken : {"", "{", "[1,]", "{\"a\" 1}", "[1 2]", "\"open", "[1] x", "01x"}) {
        EXPECT_FALSE(JsonDocument::parse(broken, error)) << broken;
        EXPECT_FALSE(error.empty());
    }
    // Nesting deep enough to exhaust a stack is refused, not followed.
    EXPECT_FALSE(JsonDocument::parse(std::string(100000, '['), error));
}

// Two squares sharing the arc between them: quantized with a transform of
// one degree per step, so the decoded positions are known.
const char* two_squares = R"({
  "type": "Topology",
  "transform": {"scale": [1, 1], "translate": [10, 20]},
  "arcs": [[[0, 0], [0, 1]], [[0, 1], [-1, 0], [0, -1], [1, 0]], [[0, 0], [1, 0], [0, 1], [-1, 0]]],
  "objects": {
    "countries": {"type": "GeometryCollection", "geometries": [
      {"type": "Polygon", "arcs": [[0, 1]]},
      {"type": "MultiPolygon", "arcs": [[[2, -1]]]},
      {"type": "Point", "coordinates": [0, 0]}
    ]},
    "land": {"type": "Polygon", "arcs": [[1, 2]]}
  }
})";

TEST(TopoJson, DecodesQuantizedArcsAndJoinsRingsFromThem) {
    std::string error;
    std::optional<Topology> topology = decode_topojson(two_squares, error);
    ASSERT_TRUE(topology) << error;
    ASSERT_EQ(topology->arcs.size(), 3u);
    EXPECT_EQ(topology->arcs[0], (GeoLine{{10, 20}, {10, 21}}));
    EXPECT_EQ(topology->arcs[1], (GeoLine{{10, 21}, {9, 21}, {9, 20}, {10, 20}}));
    const TopoObject* countries = topology->object("countries");
    ASSERT_NE(countries, nullptr);
    ASSERT_EQ(countries->polygons.size(), 2u);  // the point is skipped
    // A ring of two arcs, the second one backwards: each joint once.
    EXPECT_EQ(ring_points(*topology, countries->polygons[1].rings[0]),
              (GeoLine{{10, 20}, {11, 20}, {11, 21}, {10, 21}, {10, 20}}));
    // The shared arc is a border; the others belong to the land: coast.
    const WorldLines lines = world_lines(*topology);
    EXPECT_EQ(lines.coastlines.size(), 2u);
    ASSERT_EQ(lines.borders.size(), 1u);
    EXPECT_EQ(lines.borders[0], topology->arcs[0]);
}

TEST(TopoJson, RefusesDocumentsThatAreNoTopology) {
    std::string error;
    for (
        const char* text : {
            R"({"type": "FeatureCollection"})",
            R"({"type": "Topology", "objects": {}})",
            R"({"type": "Topology", "arcs": [[[0, "x"]]], "objects": {}})",
            R"({"type": "Topology", "arcs": [], "objects": {"a": {"type": "Polygon", "arcs": [[0]]}}})",
            R"({"type": "Topology", "transform": {"scale": [1]}, "arcs": [], "objects": {}})",
            // Arc references far beyond any integer, either way round.
            R"({"type": "Topology", "arcs": [[[0, 0], [1, 1]]],)"
            R"( "objects": {"a": {"type": "Polygon", "arcs": [[0, 2.2e23]]}}})",
            R"({"type": "Topology", "arcs": [[[0, 0], [1, 1]]],)"
            R"( "objects": {"a": {"type": "MultiPolygon", "arcs": [[[-1e300]]]}}})",
            "not json",
        }) {
        EXPECT_FALSE(decode_topojson(text, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

TEST(WorldData, KeptWorldAtlasDecodesToTheLinesTheProgramCarries) {
    std::string error;
    std::optional<WorldData> world = load_world_data(QOR_WORLD_JSON, error);
    ASSERT_TRUE(world) << error;
    const WorldLines packed = packed_world_lines();
    // world-atlas 2.0.2 at 1:50m: 1597 arcs of coast, 362 between countries.
    EXPECT_EQ(world->lines.coastlines.size(), 1597u);
    EXPECT_EQ(world->lines.borders.size(), 362u);
    ASSERT_EQ(packed.coastlines.size(), world->lines.coastlines.size());
    ASSERT_EQ(packed.borders.size(), world->lines.borders.size());
    std::size_t points = 0;
    for (std::size_t i = 0; i < packed.coastlines.size(); ++i) {
        ASSERT_EQ(packed.coastlines[i].size(), world->lines.coastlines[i].size());
        for (std::size_t k = 0; k < packed.coastlines[i].size(); ++k) {
            EXPECT_NEAR(packed.coastlines[i][k].lon, world->lines.coastlines[i][k].lon, 1e-4);
            EXPECT_NEAR(packed.coastlines[i][k].lat, world->lines.coastlines[i][k].lat, 1e-4);
            ++points;
        }
    }
    EXPECT_GT(points, 50000u);
    for (const GeoLine& line : packed.coastlines) {
        for (const GeoPoint& p : line) {
            ASSERT_LE(std::abs(p.lon), 180.0);
            ASSERT_LE(std::abs(p.lat), 90.0);
        }
    }
    EXPECT_FALSE(load_world_data("/nonexistent/countries.json", error));
}

}  // namespace
}  // namespace qor::map
