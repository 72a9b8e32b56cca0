// The values under the pointer: finding a point's cell in a grid, the value
// interpolated there, and the status line of a point of a sample map.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "mapdraw/geo.h"
#include "mapdraw/readout.h"
#include "mapdraw/scene.h"
#include "tests/mapdraw/sample_maps.h"

namespace qor::map {
namespace {

using testing::SamplePackage;

constexpr float none = std::numeric_limits<float>::quiet_NaN();

// A grid of columns x rows points from (west, south) in whole-degree steps.
std::vector<GeoPoint> regular_grid(double west, double south, double step, int columns, int rows) {
    std::vector<GeoPoint> nodes;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            nodes.push_back({west + step * column, south + step * row});
        }
    }
    return nodes;
}

TEST(Readout, APointIsFoundInItsCellAndItsValueInterpolatedFromTheCorners) {
    const std::vector<GeoPoint> nodes = regular_grid(10, 40, 2, 3, 3);
    const GridLocator grid(nodes, 3, 3);
    // Corner values 0, 10 / 20, 30 in the first cell, rising to the east and north.
    const std::vector<float> values = {0, 10, 20, 20, 30, 40, 40, 50, 60};

    const std::optional<GridSpot> middle = grid.locate({11, 41});
    ASSERT_TRUE(middle);
    EXPECT_EQ(middle->column, 0);
    EXPECT_EQ(middle->row, 0);
    EXPECT_NEAR(middle->u, 0.5, 1e-9);
    EXPECT_NEAR(middle->v, 0.5, 1e-9);
    EXPECT_NEAR(*value_at(values, 3, *middle), 15.0, 1e-5);

    // The upper right cell, a quarter of the way in each direction.
    const std::optional<GridSpot> upper = grid.locate({12.5, 42.5});
    ASSERT_TRUE(upper);
    EXPECT_EQ(upper->column, 1);
    EXPECT_EQ(upper->row, 1);
    EXPECT_NEAR(*value_at(values, 3, *upper), 30 + 0.25 * 10 + 0.25 * 20, 1e-4);

    // A grid point itself has its own value, also on the grid's far edge.
    const std::optional<GridSpot> corner = grid.locate({14, 44});
    ASSERT_TRUE(corner);
    EXPECT_NEAR(*value_at(values, 3, *corner), 60.0, 1e-5);

    // Outside the grid there is no cell.
    EXPECT_FALSE(grid.locate({9.9, 41}));
    EXPECT_FALSE(grid.locate({11, 44.1}));
    EXPECT_FALSE(grid.locate({-170, 41}));
}

TEST(Readout, ACellWithOneCornerWithoutValueKeepsOnlyTheTriangleOfTheOtherThree) {
    const std::vector<GeoPoint> nodes = regular_grid(0, 0, 1, 2, 2);
    const GridLocator grid(nodes, 2, 2);
    struct Case {
        std::vector<float> values;  // south-west, south-east, north-west, north-east
        GeoPoint point;
        std::optional<float> expected;
    };
    const std::vector<Case> cases = {
        // South-west missing: the north-east half keeps the plane of the others.
        {{none, 10, 30, 20}, {0.8, 0.8}, 10 * 0.2f + 20 * 0.6f + 30 * 0.2f},
        {{none, 10, 30, 20}, {0.2, 0.2}, std::nullopt},
        // North-east missing: the south-west half only.
        {{0, 10, 30, none}, {0.25, 0.25}, 0 * 0.5f + 10 * 0.25f + 30 * 0.25f},
        {{0, 10, 30, none}, {0.9, 0.9}, std::nullopt},
        // South-east missing: the triangle west of the diagonal from south-west.
        {{0, none, 30, 20}, {0.2, 0.6}, 0 * 0.4f + 20 * 0.2f + 30 * 0.4f},
        {{0, none, 30, 20}, {0.8, 0.1}, std::nullopt},
        // Two corners missing: nothing anywhere in the cell.
        {{none, 10, 30, none}, {0.5, 0.5}, std::nullopt},
        {{none, none, none, none}, {0.5, 0.5}, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<GridSpot> spot = grid.locate(c.point);
        ASSERT_TRUE(spot);
        const std::optional<float> value = value_at(c.values, 2, *spot);
        ASSERT_EQ(value.has_value(), c.expected.has_value())
            << c.point.lon << " " << c.point.lat << " " << value.value_or(-1);
        if (c.expected) {
            EXPECT_NEAR(*value, *c.expected, 1e-4);
        }
    }
}

TEST(Readout, AWholeNumberParameterTakesTheNearestPointsValueNeverAMix) {
    const std::vector<GeoPoint> nodes = regular_grid(0, 0, 1, 2, 2);
    const GridLocator grid(nodes, 2, 2);
    const std::vector<float> hops = {1, 2, 3, none};
    EXPECT_EQ(value_at(hops, 2, *grid.locate({0.3, 0.2}), true), 1.0f);
    EXPECT_EQ(value_at(hops, 2, *grid.locate({0.7, 0.2}), true), 2.0f);
    EXPECT_EQ(value_at(hops, 2, *grid.locate({0.3, 0.9}), true), 3.0f);
    EXPECT_FALSE(value_at(hops, 2, *grid.locate({0.7, 0.9}), true));
}

TEST(Readout, AGridAcrossTheAntimeridianFindsPointsGivenEitherSideOfIt) {
    // Longitudes 170 to 190 (170 E to 170 W).
    const std::vector<GeoPoint> nodes = regular_grid(170, -10, 10, 3, 2);
    const GridLocator grid(nodes, 3, 2);
    const std::vector<float> values = {0, 10, 20, 0, 10, 20};
    const std::optional<GridSpot> west_of_it = grid.locate({-175, -5});
    ASSERT_TRUE(west_of_it);
    EXPECT_EQ(west_of_it->column, 1);
    EXPECT_NEAR(*value_at(values, 3, *west_of_it), 15.0, 1e-4);
    const std::optional<GridSpot> east_of_it = grid.locate({175, -5});
    ASSERT_TRUE(east_of_it);
    EXPECT_EQ(east_of_it->column, 0);
    EXPECT_FALSE(grid.locate({-165, -5}));
}

TEST(Readout, TheStatusLineGivesPositionBearingAndEveryParametersValue) {
    SamplePackage package;
    package.request("SAMPLE_001\\SAMPLE01.HG2", "Morning service");
    std::string error;
    std::optional<PlotRequest> request =
        read_plot_request(package.run(), "AREADATA", "zonegrfx.dat", error);
    ASSERT_TRUE(request) << error;
    const GridLocator grid(request->nodes, request->columns, request->rows);

    // A grid point (the 11th of the 6th row): its own scaled values.
    const std::size_t node = 5 * 37 + 10;
    const GeoPoint place = request->nodes[node];
    const Readout at_node = readout(*request, grid, place);
    ASSERT_EQ(at_node.values.size(), request->parameters.size());
    for (std::size_t p = 0; p < request->parameters.size(); ++p) {
        const PlottedParameter& parameter = request->parameters[p];
        const float value = request->values[p][node];
        const std::string expected =
            std::isnan(value) ? parameter.name + " no value"
                              : parameter.name + " " + level_text(value) +
                                    (parameter.units.empty() ? "" : " " + parameter.units);
        EXPECT_EQ(at_node.values[p], expected);
    }
    // Position in degrees north and west, distance and azimuth from the
    // transmitter as the great circle gives them.
    EXPECT_EQ(at_node.position,
              "20.00\xC2\xB0"
              "N  60.00\xC2\xB0"
              "W");
    const long km = std::lround(distance_km(request->station, place));
    const long azimuth = std::lround(azimuth_deg(request->station, place));
    EXPECT_EQ(at_node.bearing, std::to_string(km) + " km, azimuth " + std::to_string(azimuth) +
                                   "\xC2\xB0 from GREENVILLE");
    EXPECT_GT(km, 1500);
    EXPECT_LT(km, 3000);
    EXPECT_NE(at_node.text().find(at_node.values.back()), std::string::npos);

    // Outside the grid: the position and bearing, and no value at all.
    const Readout outside = readout(*request, grid, {120, -30});
    EXPECT_EQ(outside.position,
              "30.00\xC2\xB0"
              "S  120.00\xC2\xB0"
              "E");
    for (const std::string& value : outside.values) {
        EXPECT_NE(value.find("no value"), std::string::npos) << value;
    }
}

}  // namespace
}  // namespace qor::map
