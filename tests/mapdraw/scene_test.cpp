// What a scene holds for the layers of a request, and the PNG file written
// from a picture.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <random>

#include "mapdraw/paint/png_file.h"
#include "mapdraw/scene.h"
#include "mapdraw/terminator.h"
#include "tests/support/test_support.h"

namespace qor::map {
namespace {

PlotRequest world_request(int code) {
    PlotRequest request;
    request.title = "World";
    request.columns = 37;
    request.rows = 19;
    std::vector<float> values;
    for (int r = 0; r < request.rows; ++r) {
        for (int c = 0; c < request.columns; ++c) {
            request.nodes.push_back({-180.0 + 10 * c, -90.0 + 10 * r});
            values.push_back(static_cast<float>(r));
        }
    }
    request.values.push_back(values);
    PlottedParameter parameter;
    parameter.name = "TST";
    parameter.field = 0;
    parameter.levels = {5, 10};
    parameter.colours = {4, 1};
    parameter.bands = bands_from_levels(parameter.levels, parameter.colours);
    request.parameters.push_back(parameter);
    request.projection_code = code;
    request.has_station = true;
    request.station_name = "GREENVILLE";
    request.station = {-77.2, 35.47};
    request.has_beam = true;
    request.beam_azimuth = 45;
    request.beam_slew = 15;
    request.beam_colour = 1;
    request.city_colour = 0;
    request.cities = {
        {"LONDON", {-0.1, 51.5}}, {"SYDNEY", {151.2, -33.9}}, {"MOSCOW", {37.6, 55.8}}};
    return request;
}

std::size_t count_texts(const MapScene& scene, const std::string& text) {
    std::size_t count = 0;
    for (const SceneText& t : scene.texts) count += t.text == text;
    for (const SceneText& t : scene.edge_texts) count += t.text == text;
    return count;
}

TEST(Scene, GreatCircleMapHasDistanceRingsAzimuthsTheBeamWithItsSlewAndTheStation) {
    PlotRequest request = world_request(0);
    std::string error;
    auto projection = projection_for(request, error);
    ASSERT_TRUE(projection) << error;
    const MapScene scene = build_scene(request, 0, *projection, nullptr, {});
    // The whole globe: rings every 5000 km (5000, 10000, 15000), azimuth
    // labels every 30 degrees.
    EXPECT_EQ(count_texts(scene, "5000 km"), 1u);
    EXPECT_EQ(count_texts(scene, "15000 km"), 1u);
    EXPECT_EQ(count_texts(scene, "20000 km"), 0u);
    EXPECT_EQ(count_texts(scene, "90\xC2\xB0"), 1u);
    std::size_t azimuths = 0;
    for (const SceneText& t : scene.edge_texts) azimuths += t.anchor == Anchor::outward;
    EXPECT_EQ(azimuths, 12u);
    // Main beam solid, slew dashed either side; the station a star.
    std::size_t solid = 0, dashed = 0;
    for (const SceneLines& lines : scene.lines) {
        if (!(lines.colour == *colour_of_code(1))) continue;
        (lines.kind == LineKind::dashed ? dashed : solid) += lines.lines.size();
    }
    EXPECT_GE(solid, 1u);
    EXPECT_GE(dashed, 2u);
    ASSERT_FALSE(scene.markers.empty());
    EXPECT_EQ(scene.markers.front().kind, MarkerKind::station);
    // The beam leaves the station due north-east: its first projected point
    // is the centre, the next one up and to the right.
    for (const SceneLines& lines : scene.lines) {
        if (lines.kind != LineKind::solid || !(lines.colour == *colour_of_code(1))) continue;
        const MapLine& beam = lines.lines.front();
        EXPECT_NEAR(beam[0].x, 0, 1);
        EXPECT_NEAR(std::atan2(beam[5].x, beam[5].y) * 180 / std::numbers::pi, 45.0, 0.5);
    }
    EXPECT_EQ(count_texts(scene, "LONDON"), 1u);
    EXPECT_EQ(count_texts(scene, "SYDNEY"), 1u);
}

TEST(Scene, CitiesAndStationOutsideTheFrameAreLeftOff) {
    PlotRequest request = world_request(21);  // NE hemisphere: 0 to 180 E, north
    std::string error;
    auto projection = projection_for(request, error);
    ASSERT_TRUE(projection) << error;
    const MapScene scene = build_scene(request, 0, *projection, nullptr, {});
    EXPECT_EQ(count_texts(scene, "SYDNEY"), 0u);      // southern hemisphere
    EXPECT_EQ(count_texts(scene, "GREENVILLE"), 0u);  // western hemisphere
    EXPECT_EQ(count_texts(scene, "LONDON"), 0u);      // 0.1 W: just west of the quadrant
    EXPECT_EQ(count_texts(scene, "MOSCOW"), 1u);
}

TEST(Scene, NightSideCoversTheAntisolarPointOnEveryProjection) {
    for (const int code : {0, 1, 21, 23}) {
        PlotRequest request = world_request(code);
        request.month = 6;
        request.hour_ut = 12;
        std::string error;
        auto projection = projection_for(request, error);
        ASSERT_TRUE(projection) << error;
        SceneOptions options;
        options.terminator = true;
        const MapScene scene = build_scene(request, 0, *projection, nullptr, options);
        const SceneFill& night = scene.fills.back();
        ASSERT_LT(night.alpha, 255) << code;
        auto dark = [&](GeoPoint p) {
            GeoPoint shown = p;
            if (!projection->azimuthal())
                shown.lon = wrap_longitude(p.lon, projection->central_longitude());
            const MapPoint at = projection->forward(shown);
            bool inside = false;
            for (const MapLine& ring : night.rings) inside ^= ring_contains(ring, at);
            return inside;
        };
        const GeoPoint sun = subsolar_point(6, 12);
        EXPECT_FALSE(dark(sun)) << code;
        EXPECT_TRUE(dark(antipode(sun)) || code >= 21) << code;
        // Points of the quadrant on either side of the terminator.
        for (const GeoPoint p :
             {GeoPoint{100, 30}, GeoPoint{140, 10}, GeoPoint{30, 60}, GeoPoint{120, -40}}) {
            if (std::abs(90.0 - angular_distance_deg(sun, p)) < 3) continue;
            const MapPoint at = projection->forward(p);
            const bool framed = std::isfinite(at.x) && (scene.frame.shape != FrameShape::outline ||
                                                        ring_contains(scene.frame.outline, at));
            if (!framed) continue;
            EXPECT_EQ(dark(p), is_night(sun, p)) << code << " " << p.lon << " " << p.lat;
        }
    }
}

TEST(PngFile, WrittenPicturesReadBackPixelForPixel) {
    qor::testing::TempDir dir;
    QImage image(301, 157, QImage::Format_RGB32);
    std::mt19937 random(7);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            // Flat runs, gradients and noise: every filter case of a map.
            const int noise = static_cast<int>(random() % 256);
            image.setPixel(x, y, qRgb(x < 100 ? 200 : noise, (x + y) % 256, y < 80 ? 30 : noise));
        }
    }
    ASSERT_EQ(write_png_file(image, dir / "a.png"), "");
    const QImage back(QString::fromStdString(dir / "a.png"));
    ASSERT_EQ(back.size(), image.size());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_EQ(back.pixel(x, y) & 0xFFFFFF, image.pixel(x, y) & 0xFFFFFF) << x << " " << y;
        }
    }
    EXPECT_NE(write_png_file(image, dir / "missing/a.png").find("cannot write"), std::string::npos);
}

}  // namespace
}  // namespace qor::map
