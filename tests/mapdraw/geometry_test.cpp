// Spherical geometry, contouring and projections of the map program.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "mapdraw/geo.h"
#include "mapdraw/isolines.h"
#include "mapdraw/projection.h"

namespace qor::map {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

TEST(SphereGeometry, DistancesAndAzimuthsMatchKnownRoutes) {
    // A quarter of the equator, a meridian to the pole, and a route whose
    // azimuth is known from the spherical formulas.
    EXPECT_NEAR(distance_km({0, 0}, {90, 0}), earth_radius_km * std::numbers::pi / 2, 1e-6);
    EXPECT_NEAR(angular_distance_deg({10, 20}, {10, 90}), 70.0, 1e-9);
    EXPECT_NEAR(azimuth_deg({0, 0}, {90, 0}), 90.0, 1e-9);
    EXPECT_NEAR(azimuth_deg({0, 0}, {0, 10}), 0.0, 1e-9);
    EXPECT_NEAR(azimuth_deg({0, 10}, {0, 0}), 180.0, 1e-9);
    EXPECT_NEAR(azimuth_deg({10, 0}, {0, 0}), 270.0, 1e-9);
    EXPECT_NEAR(angular_distance_deg({-77.2, 35.47}, antipode({-77.2, 35.47})), 180.0, 1e-9);
    EXPECT_NEAR(antipode({-77.2, 35.47}).lon, 102.8, 1e-9);
    EXPECT_NEAR(antipode({-77.2, 35.47}).lat, -35.47, 1e-9);
}

TEST(SphereGeometry, GreatCircleGoesOutAndComesBackOnItsOwnAzimuth) {
    const GeoPoint start{-77.2, 35.47};
    for (double azimuth : {0.0, 45.0, 135.0, 270.0}) {
        const GeoPoint end = destination(start, azimuth, 60.0);
        EXPECT_NEAR(angular_distance_deg(start, end), 60.0, 1e-9) << azimuth;
        EXPECT_NEAR(azimuth_deg(start, end), azimuth, 1e-9) << azimuth;
        const GeoLine path = great_circle(start, azimuth, 60.0, 1.0);
        ASSERT_EQ(path.size(), 61u);
        EXPECT_NEAR(angular_distance_deg(path.front(), start), 0.0, 1e-9);
        for (std::size_t i = 1; i < path.size(); ++i) {
            EXPECT_NEAR(angular_distance_deg(path[i - 1], path[i]), 1.0, 1e-9);
        }
    }
}

TEST(SphereGeometry, LongitudesWrapIntoTheHalfTurnsAroundACentre) {
    EXPECT_DOUBLE_EQ(wrap_longitude(190, 0), -170);
    EXPECT_DOUBLE_EQ(wrap_longitude(-190, 0), 170);
    EXPECT_DOUBLE_EQ(wrap_longitude(180, 0), -180);
    EXPECT_DOUBLE_EQ(wrap_longitude(-170, 180), 190);
    EXPECT_DOUBLE_EQ(wrap_longitude(10, 180), 10);
}

TEST(PlaneGeometry, RingAreaIsSignedByDirectionAndContainmentIsEvenOdd) {
    const GeoLine square{{0, 0}, {2, 0}, {2, 2}, {0, 2}};
    EXPECT_DOUBLE_EQ(signed_area(square), 4.0);
    EXPECT_DOUBLE_EQ(signed_area(GeoLine(square.rbegin(), square.rend())), -4.0);
    EXPECT_TRUE(ring_contains(square, {1, 1}));
    EXPECT_FALSE(ring_contains(square, {3, 1}));
    EXPECT_FALSE(ring_contains(square, {1, -0.5}));
}

// ------------------------------------------------------------ contouring --

// A regular grid from a function of (column, row); coordinates lon = column,
// lat = row so that crossings can be checked by hand.
FieldGrid make_grid(int columns, int rows, auto value) {
    FieldGrid grid;
    grid.columns = columns;
    grid.rows = rows;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            grid.nodes.push_back({static_cast<double>(column), static_cast<double>(row)});
            grid.values.push_back(static_cast<float>(value(column, row)));
        }
    }
    return grid;
}

double total_area(const std::vector<ContourRing>& rings) {
    double area = 0;
    for (const ContourRing& ring : rings) area += signed_area(ring.points);
    return area;
}

TEST(Isolines, RegionOfARampEndsWhereTheLevelCrossesTheCells) {
    // Values rise by 10 per column: the level 25 lies half way between
    // columns 2 and 3, so the region >= 25 is the box from x = 2.5 to 4.
    const FieldGrid grid = make_grid(5, 3, [](int c, int) { return 10.0 * c; });
    IsolineTracer tracer(grid);
    const std::vector<ContourRing> rings = tracer.region(25.0f);
    ASSERT_EQ(rings.size(), 1u);
    EXPECT_NEAR(total_area(rings), 1.5 * 2.0, 1e-9);
    double west = 10;
    for (const GeoPoint& p : rings[0].points) west = std::min(west, p.lon);
    EXPECT_NEAR(west, 2.5, 1e-9);

    // The contour line is the one vertical line x = 2.5; the rest of the ring
    // runs along the grid's edge and is not a contour.
    const std::vector<GeoLine> lines = contour_lines(rings);
    ASSERT_EQ(lines.size(), 1u);
    for (const GeoPoint& p : lines[0]) EXPECT_NEAR(p.lon, 2.5, 1e-9);
    EXPECT_NEAR(std::abs(lines[0].front().lat - lines[0].back().lat), 2.0, 1e-9);
}

TEST(Isolines, AValueExactlyOnALevelBelongsToTheBandAboveIt) {
    // Column 2 holds exactly 20: it is inside the region >= 20, which starts
    // there and not half a cell later.
    const FieldGrid grid = make_grid(5, 2, [](int c, int) { return 10.0 * c; });
    IsolineTracer tracer(grid);
    EXPECT_NEAR(total_area(tracer.region(20.0f)), 2.0, 1e-9);
    EXPECT_NEAR(total_area(tracer.region(40.0f)), 0.0, 1e-9);
    EXPECT_NEAR(total_area(tracer.region(40.5f)), 0.0, 1e-9);
    EXPECT_NEAR(total_area(tracer.region(0.0f)), 4.0, 1e-9);
}

TEST(Isolines, PeakGivesAClosedCounterClockwiseRingAndAPitAHole) {
    auto peak = [](int c, int r) { return 100.0 - 10.0 * (std::abs(c - 3) + std::abs(r - 3)); };
    const FieldGrid hill = make_grid(7, 7, peak);
    IsolineTracer tracer(hill);
    const std::vector<ContourRing> top = tracer.region(85.0f);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_GT(signed_area(top[0].points), 0.0);
    const std::vector<GeoLine> lines = contour_lines(top);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].front(), lines[0].back());  // closed: it never meets an edge

    const FieldGrid valley = make_grid(7, 7, [&](int c, int r) { return 200.0 - peak(c, r); });
    IsolineTracer valley_tracer(valley);
    const std::vector<ContourRing> around = valley_tracer.region(115.0f);
    ASSERT_EQ(around.size(), 2u);  // the grid's edge and the hole of the pit
    int holes = 0;
    for (const ContourRing& ring : around) holes += signed_area(ring.points) < 0;
    EXPECT_EQ(holes, 1);
    EXPECT_NEAR(total_area(around), 36.0 - total_area(top), 1e-9);
}

TEST(Isolines, SaddleJoinsTheHighCornersWhenTheMiddleIsHigh) {
    // Corners 10 and 0 crosswise; the middle value decides.
    for (const auto& [middle_high, expected_rings] : {std::pair{true, 1u}, std::pair{false, 2u}}) {
        const double low = middle_high ? 4.0 : -1.0;
        const FieldGrid grid =
            make_grid(2, 2, [&](int c, int r) { return (c + r) % 2 == 0 ? 10.0 : low; });
        IsolineTracer tracer(grid);
        EXPECT_EQ(tracer.region(5.0f).size(), expected_rings) << middle_high;
    }
}

TEST(Isolines, NoValuePointsAreOutsideEveryRegionAndCutTheirCellsInHalf) {
    // A 3 x 3 grid of 50 with the north-east corner missing: the valid area
    // is the 2 x 2 square less the half cell beyond the diagonal.
    FieldGrid grid = make_grid(3, 3, [](int, int) { return 50.0; });
    grid.values[8] = std::numeric_limits<float>::quiet_NaN();
    IsolineTracer tracer(grid);
    EXPECT_NEAR(total_area(tracer.region(lowest_level)), 3.5, 1e-9);
    EXPECT_NEAR(total_area(tracer.region(10.0f)), 3.5, 1e-9);
    // The region's edge along the gap is no contour line.
    EXPECT_TRUE(contour_lines(tracer.region(10.0f)).empty());

    // All missing: nothing at all.
    FieldGrid empty = make_grid(3, 3, [](int, int) { return nan; });
    IsolineTracer empty_tracer(empty);
    EXPECT_TRUE(empty_tracer.region(lowest_level).empty());
}

TEST(Isolines, BandsAreTheDifferenceOfNestedRegionsWithTheirHoles) {
    auto peak = [](int c, int r) { return 100.0 - 10.0 * (std::abs(c - 4) + std::abs(r - 4)); };
    const FieldGrid grid = make_grid(9, 9, peak);
    IsolineTracer tracer(grid);
    const auto below = tracer.region(45.0f);
    const auto above = tracer.region(75.0f);
    const std::vector<GeoPolygon> band = band_polygons(below, above);
    ASSERT_EQ(band.size(), 1u);
    ASSERT_EQ(band[0].holes.size(), 1u);
    const double area = signed_area(band[0].outer) + signed_area(band[0].holes[0]);
    EXPECT_NEAR(area, total_area(below) - total_area(above), 1e-9);
    // The top band has no hole.
    const std::vector<GeoPolygon> top = band_polygons(above, {});
    ASSERT_EQ(top.size(), 1u);
    EXPECT_TRUE(top[0].holes.empty());
}

// ------------------------------------------------------------ projections --

std::unique_ptr<MapProjection> make(int code, GeoPoint centre, const std::vector<GeoPoint>& area) {
    std::string error;
    auto map = MapProjection::create(code, centre, area, error);
    EXPECT_TRUE(map) << error;
    return map;
}

TEST(Projections, HemispheresAreFramedToTheirQuadrant) {
    struct Case {
        int code;
        GeoPoint inside;   // a point of the quadrant
        GeoPoint outside;  // a point of the opposite quadrant
    };
    for (const Case& c : {Case{21, {60, 30}, {-60, -30}}, Case{22, {-60, 30}, {60, -30}},
                          Case{23, {60, -30}, {-60, 30}}, Case{24, {-60, -30}, {60, 30}}}) {
        auto map = make(c.code, {}, {});
        ASSERT_TRUE(map);
        EXPECT_TRUE(map->known_code());
        EXPECT_EQ(map->frame().shape, FrameShape::outline);
        EXPECT_TRUE(ring_contains(map->frame().outline, map->forward(c.inside))) << c.code;
        EXPECT_FALSE(ring_contains(map->frame().outline, map->forward(c.outside))) << c.code;
        // The quadrant's corners on the equator and its pole lie on the frame.
        const double lon0 = map->centre().lon - 90, lon1 = map->centre().lon + 90;
        const double pole = map->centre().lat > 0 ? 90 : -90;
        for (GeoPoint corner : {GeoPoint{lon0, 0}, GeoPoint{lon1, 0}, GeoPoint{0, pole}}) {
            const MapPoint p = map->forward(corner);
            EXPECT_GE(p.x, map->frame().west - 1) << c.code;
            EXPECT_LE(p.x, map->frame().east + 1) << c.code;
            EXPECT_GE(p.y, map->frame().south - 1) << c.code;
            EXPECT_LE(p.y, map->frame().north + 1) << c.code;
        }
        // The centre of the quadrant is the centre of the projection.
        EXPECT_NEAR(map->forward(map->centre()).x, 0, 1e-6);
    }
}

TEST(Projections, GreatCircleMapShowsTrueDistancesAndFramesTheDiscOfTheArea) {
    const GeoPoint tx{-77.2, 35.47};
    const std::vector<GeoPoint> area{{-100, 10}, {-28, 10}, {-28, 82}, {-100, 82}};
    auto map = make(0, tx, area);
    ASSERT_TRUE(map);
    EXPECT_EQ(map->name(), "Great Circle");
    double reach = 0;
    for (const GeoPoint& p : area) {
        const MapPoint q = map->forward(p);
        EXPECT_NEAR(std::hypot(q.x, q.y) / 1000.0, distance_km(tx, p), 1e-3);
        reach = std::max(reach, std::hypot(q.x, q.y));
    }
    EXPECT_EQ(map->frame().shape, FrameShape::disc);
    EXPECT_GE(map->frame().radius, reach);
    EXPECT_LT(map->frame().radius, reach * 1.1);
    // North is up: a point due north of the transmitter lies straight above it.
    const MapPoint north = map->forward(destination(tx, 0, 10));
    EXPECT_NEAR(north.x, 0, 1e-3);
    EXPECT_GT(north.y, 0);
}

TEST(Projections, AGlobalGreatCircleMapFillsTheRimAroundTheAntipode) {
    const GeoPoint tx{-77.2, 35.47};
    std::vector<GeoPoint> world;
    for (int lat = -90; lat <= 90; lat += 10) {
        for (int lon = -180; lon <= 180; lon += 10) world.push_back({double(lon), double(lat)});
    }
    auto map = make(0, tx, world);
    ASSERT_TRUE(map);
    EXPECT_NEAR(map->frame().radius, std::numbers::pi * earth_radius_m, 1.0);

    // A small square round the antipode is drawn as the rim less a hole: the
    // map's centre is outside it, a point near the rim inside.
    const GeoPoint opposite = antipode(tx);
    const GeoLine square{{opposite.lon - 2, opposite.lat - 2},
                         {opposite.lon + 2, opposite.lat - 2},
                         {opposite.lon + 2, opposite.lat + 2},
                         {opposite.lon - 2, opposite.lat + 2}};
    std::vector<MapLine> rings;
    map->project_region({square}, rings);
    ASSERT_EQ(rings.size(), 2u);
    auto filled = [&](MapPoint p) {
        bool inside = false;
        for (const MapLine& ring : rings) inside ^= ring_contains(ring, p);
        return inside;
    };
    const double rim = std::numbers::pi * earth_radius_m;
    EXPECT_FALSE(filled({0, 0}));
    EXPECT_TRUE(filled({0.999 * rim, 0}));
    EXPECT_TRUE(filled({0, -0.999 * rim}));
    EXPECT_FALSE(filled({0.9 * rim, 0}));

    // A line straight through the antipode is cut there, not drawn across the disc.
    std::vector<MapLine> pieces;
    map->project_line({{opposite.lon, opposite.lat - 5}, {opposite.lon, opposite.lat + 5}}, pieces);
    ASSERT_EQ(pieces.size(), 2u);
    for (const MapLine& piece : pieces) {
        for (std::size_t i = 1; i < piece.size(); ++i) {
            EXPECT_LT(std::hypot(piece[i].x - piece[i - 1].x, piece[i].y - piece[i - 1].y),
                      0.2 * rim);
        }
    }
}

TEST(Projections, LatLonBoxAcrossTheAntimeridianStaysInOnePiece) {
    // A grid from 170 E to 190 E (170 W), its longitudes running on past 180.
    auto map = make(1, {}, {{170, -10}, {190, -10}, {190, 10}, {170, 10}});
    ASSERT_TRUE(map);
    EXPECT_NEAR(map->central_longitude(), 180.0, 1e-9);
    EXPECT_NEAR(map->frame().width(), 20 * std::numbers::pi / 180 * earth_radius_m, 1.0);
    EXPECT_NEAR(map->frame().west, -map->frame().east, 1.0);

    // A coastline from 175 E to 175 W (given as -175) crosses the middle of the
    // map, not its edges: one piece, running east.
    std::vector<MapLine> pieces;
    map->project_line({{175, 0}, {-175, 0}}, pieces);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_LT(pieces[0].front().x, 0);
    EXPECT_GT(pieces[0].back().x, 0);

    // A line crossing the meridian behind the map's centre (0) is cut there.
    pieces.clear();
    map->project_line({{-5, 0}, {5, 0}}, pieces);
    ASSERT_EQ(pieces.size(), 2u);
    for (const MapLine& piece : pieces) {
        EXPECT_NEAR(std::abs(piece.front().x - piece.back().x),
                    5 * std::numbers::pi / 180 * earth_radius_m, 1.0);
    }
}

TEST(Projections, UnknownCodeIsDrawnAsLatLon) {
    auto map = make(7, {}, {{0, 0}, {10, 10}});
    ASSERT_TRUE(map);
    EXPECT_FALSE(map->known_code());
    EXPECT_EQ(map->code(), 1);
    EXPECT_EQ(map->requested_code(), 7);
    EXPECT_FALSE(map->azimuthal());
}

}  // namespace
}  // namespace qor::map
