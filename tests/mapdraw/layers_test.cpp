// The layers' own geometry: the night side, bands from levels, zone files.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "mapdraw/plot_request.h"
#include "mapdraw/scene.h"
#include "mapdraw/terminator.h"
#include "mapdraw/zones.h"
#include "tests/support/test_support.h"

namespace qor::map {
namespace {

TEST(Terminator, SunStandsOverTheTropicAtTheJuneSolsticeAndOverNoonMeridians) {
    const GeoPoint june_noon = subsolar_point(6, 12.0);
    EXPECT_NEAR(june_noon.lat, 23.3, 0.3);
    EXPECT_NEAR(june_noon.lon, 0.0, 2.0);  // the equation of time is small in June
    const GeoPoint december_evening = subsolar_point(12, 18.0);
    EXPECT_NEAR(december_evening.lat, -23.3, 0.4);
    EXPECT_NEAR(december_evening.lon, -90.0, 5.0);
    // March at 06 UT: near the equator, over 90 E.
    const GeoPoint march = subsolar_point(3, 6.0);
    EXPECT_NEAR(march.lat, -2.4, 1.0);
    EXPECT_NEAR(march.lon, 90.0, 5.0);
}

TEST(Terminator, NightRegionHoldsThePointsWhereTheSunIsDown) {
    for (const GeoPoint sun : {GeoPoint{0, 23.3}, GeoPoint{-90, -23.3}, GeoPoint{120, 0.0}}) {
        const GeoLine night = night_region(sun, -180.0, 1.0);
        EXPECT_GT(signed_area(night), 0.0);
        for (double lat = -80; lat <= 80; lat += 20) {
            for (double lon = -170; lon <= 170; lon += 20) {
                const GeoPoint p{lon, lat};
                // Close to the terminator the ring's straight pieces may differ.
                const double height = 90.0 - angular_distance_deg(sun, p);
                if (std::abs(height) < 2.0) continue;
                EXPECT_EQ(ring_contains(night, p), is_night(sun, p)) << lon << " " << lat;
            }
        }
    }
}

TEST(Bands, ColourJFillsFromLevelJMinusOneAndTheTopColourGoesOnUpward) {
    const float infinity = std::numeric_limits<float>::infinity();
    const std::vector<Band> bands = bands_from_levels({10, 20, 30}, {1, 2, 3});
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_EQ(bands[0].lower, -infinity);
    EXPECT_EQ(bands[0].upper, 10);
    EXPECT_EQ(bands[0].colour, 1);
    EXPECT_EQ(bands[1].lower, 10);
    EXPECT_EQ(bands[1].upper, 20);
    EXPECT_EQ(bands[2].lower, 20);
    EXPECT_EQ(bands[2].upper, infinity);
    EXPECT_EQ(bands[2].colour, 3);

    struct Case {
        float value;
        int band;
    };
    for (const Case c :
         {Case{-5, 0}, Case{9.99f, 0}, Case{10, 1}, Case{19.9f, 1}, Case{20, 2}, Case{30, 2},
          Case{1e6f, 2}, Case{std::numeric_limits<float>::quiet_NaN(), -1}}) {
        EXPECT_EQ(band_of(bands, c.value), c.band) << c.value;
    }
    EXPECT_TRUE(bands_from_levels({}, {}).empty());

    // Levels as labels and the legend write them: no decimals for whole
    // numbers, and a decimal point whatever the user's locale.
    EXPECT_EQ(level_text(20.0f), "20");
    EXPECT_EQ(level_text(-0.0f), "0");
    EXPECT_EQ(level_text(2.5f), "2.5");
    EXPECT_EQ(level_text(-12.25f), "-12.25");
    EXPECT_EQ(band_of({}, 3.0f), -1);
}

TEST(Zones, BoundaryFileGivesLinesAndLabelsAndRefusesBrokenLayouts) {
    qor::testing::TempDir dir;
    qor::testing::write_file(
        dir / "CIRAF.DAT",
        qor::testing::lines({"# CIRAF zone boundaries", "ZONE   27    3   50.00    -5.00",
                             "   60.00   -10.00", "   40.00   -10.00", "   40.00    20.00", "",
                             "ZONE   28    2", "   40.00    20.00", "   60.00    20.00"}));
    std::string error;
    auto zones = read_zone_file(dir.path() + "/CIRAF.DAT", error);
    ASSERT_TRUE(zones) << error;
    ASSERT_EQ(zones->size(), 2u);
    EXPECT_EQ((*zones)[0].zone, 27);
    EXPECT_TRUE((*zones)[0].labelled);
    EXPECT_EQ((*zones)[0].label, (GeoPoint{-5, 50}));
    EXPECT_EQ((*zones)[0].line, (GeoLine{{-10, 60}, {-10, 40}, {20, 40}}));
    EXPECT_FALSE((*zones)[1].labelled);

    struct Broken {
        std::vector<std::string> lines;
        const char* why;
    };
    for (const Broken& b :
         {Broken{{"ZONE   99    2", "   1.00     2.00", "   1.00     3.00"}, "1 to 85"},
          Broken{{"ZONE   27    1", "   1.00     2.00"}, "at least 2"},
          Broken{{"ZONE   27    3", "   1.00     2.00"}, "ends inside"},
          Broken{{"ZONE   27    2", "   1.00     2.00", "  north"}, "latitude"},
          Broken{{"   1.00     2.00"}, "ZONE"}}) {
        std::string text;
        for (const std::string& line : b.lines) text += line + "\n";
        qor::testing::write_file(dir / "BAD.DAT", text);
        EXPECT_FALSE(read_zone_file(dir.path() + "/BAD.DAT", error)) << b.why;
        EXPECT_NE(error.find(b.why), std::string::npos) << error;
        EXPECT_NE(error.find("line "), std::string::npos) << error;
    }
    EXPECT_FALSE(read_zone_file(dir.path() + "/MISSING.DAT", error));
}

}  // namespace
}  // namespace qor::map
