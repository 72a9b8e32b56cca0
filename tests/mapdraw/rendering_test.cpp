// The drawing, judged by what the pictures show: band colours counted where
// the bands must be, and the written files opened again.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QXmlStreamReader>
#include <cmath>
#include <map>

#include "mapdraw/geojson.h"
#include "mapdraw/json.h"
#include "mapdraw/paint/map_painter.h"
#include "mapdraw/paint/map_writers.h"
#include "mapdraw/scene.h"
#include "tests/support/test_support.h"

namespace qor::map {
namespace {

constexpr float none = std::numeric_limits<float>::quiet_NaN();

// A grid whose value is its longitude, with no value north of 8 N: below 0
// the band is red (code 1), from 0 up blue (code 4).
PlotRequest synthetic(double west = -10, double east = 10, double south = 0, double north = 10,
                      double step = 1) {
    PlotRequest request;
    request.title = "Synthetic field";
    request.columns = static_cast<int>(std::lround((east - west) / step)) + 1;
    request.rows = static_cast<int>(std::lround((north - south) / step)) + 1;
    std::vector<float> values;
    for (int r = 0; r < request.rows; ++r) {
        for (int c = 0; c < request.columns; ++c) {
            const GeoPoint p{west + c * step, south + r * step};
            request.nodes.push_back(p);
            values.push_back(p.lat > 8.0 ? none : static_cast<float>(p.lon));
        }
    }
    request.values.push_back(values);
    PlottedParameter parameter;
    parameter.slot = 1;
    parameter.name = "TST";
    parameter.field = 0;
    parameter.description = "A test field";
    parameter.units = "dB";
    parameter.levels = {0, 5};
    parameter.colours = {1, 4};
    parameter.bands = bands_from_levels(parameter.levels, parameter.colours);
    request.parameters.push_back(parameter);
    request.projection_code = 1;
    request.contour_style = ContourStyle::black_lines_shaded;
    return request;
}

struct Picture {
    QImage image;
    MapPlacement place;
    MapScene scene;
};

Picture render(PlotRequest request, QSize size = QSize(1600, 900)) {
    std::string error;
    std::unique_ptr<MapProjection> projection = projection_for(request, error);
    EXPECT_TRUE(projection) << error;
    Picture picture;
    picture.scene = build_scene(request, 0, *projection, nullptr, {});
    picture.image = QImage(size, QImage::Format_RGB32);
    QPainter painter(&picture.image);
    const QRectF target(QPointF(0, 0), QSizeF(size));
    paint_map(painter, target, picture.scene);
    picture.place = place_map(picture.scene, target);
    return picture;
}

// The share of pixels in a small square round a point of the globe that
// have exactly the colour.
double share(const Picture& picture, const MapProjection& projection, GeoPoint at, Rgb colour,
             int radius = 4) {
    const QPointF centre = picture.place.to_target(projection.forward(at));
    int hits = 0, total = 0;
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p(static_cast<int>(centre.x()) + dx, static_cast<int>(centre.y()) + dy);
            if (!picture.image.rect().contains(p)) continue;
            const QColor c = picture.image.pixelColor(p);
            hits += c.red() == colour.red && c.green() == colour.green && c.blue() == colour.blue;
            ++total;
        }
    }
    return total == 0 ? 0.0 : static_cast<double>(hits) / total;
}

std::unique_ptr<MapProjection> projection_of(PlotRequest request) {
    std::string error;
    return projection_for(request, error);
}

TEST(Rendering, EachStyleShadesItsBandsWhereTheValuesAreAndLeavesGapsUnshaded) {
    const Rgb red = *colour_of_code(1), blue = *colour_of_code(4);
    struct Case {
        ContourStyle style;
        bool shaded;
        bool grey;
    };
    for (const Case c :
         {Case{ContourStyle::black_lines_shaded, true, false},
          Case{ContourStyle::shaded, true, false}, Case{ContourStyle::bin_colour, true, false},
          Case{ContourStyle::bin_grey, true, true},
          Case{ContourStyle::black_lines, false, false}}) {
        PlotRequest request = synthetic();
        request.contour_style = c.style;
        const Picture picture = render(request);
        const auto projection = projection_of(request);
        const Rgb low = c.grey ? grey_step(0, 2) : red;
        const Rgb high = c.grey ? grey_step(1, 2) : blue;
        const int style = static_cast<int>(c.style);
        if (c.shaded) {
            EXPECT_GT(share(picture, *projection, {-5, 4}, low), 0.95) << style;
            EXPECT_GT(share(picture, *projection, {2.5, 4}, high), 0.95) << style;
            EXPECT_EQ(share(picture, *projection, {-5, 4}, high), 0.0) << style;
        } else {
            EXPECT_GT(share(picture, *projection, {-5, 4}, no_value_colour), 0.95) << style;
        }
        // North of 8 N the grid holds no value: never a band's colour.
        EXPECT_GT(share(picture, *projection, {-5, 9.6}, no_value_colour), 0.9) << style;
        EXPECT_EQ(share(picture, *projection, {5, 9.6}, high), 0.0) << style;
    }
}

TEST(Rendering, AlongTheEdgeOfTheValuesOnlyTheBandThereMeetsTheGround) {
    // Painted one over the other, lower bands must not show through where
    // the bands end at a gap: each pixel across the edge north of 8 N, over
    // the blue band, is a blend of blue and the ground alone.
    PlotRequest request = synthetic();
    request.contour_style = ContourStyle::shaded;
    const Picture picture = render(request);
    const auto projection = projection_of(request);
    const Rgb blue = *colour_of_code(4);
    for (const double lon : {2.5, 4.0, 7.5}) {
        const QPointF low = picture.place.to_target(projection->forward({lon, 7.5}));
        const QPointF high = picture.place.to_target(projection->forward({lon, 8.5}));
        for (int y = static_cast<int>(high.y()); y <= static_cast<int>(low.y()); ++y) {
            const QColor c = picture.image.pixelColor(static_cast<int>(low.x()), y);
            const double red_part = (c.red() - blue.red) / double(no_value_colour.red - blue.red);
            const double green_part =
                (c.green() - blue.green) / double(no_value_colour.green - blue.green);
            EXPECT_NEAR(red_part, green_part, 0.05) << lon << " " << y;
            EXPECT_GE(red_part, -0.02) << lon << " " << y;
        }
    }
}

TEST(Rendering, ContourLinesRunWhereTheLevelIsAndAreLabelled) {
    PlotRequest request = synthetic();
    const Picture picture = render(request);
    const auto projection = projection_of(request);
    // The level 0 runs along the meridian 0: a dark line there (but where
    // its labels interrupt it), none along 5 W.
    auto dark_share = [&](double lon) {
        const double top = picture.place.to_target(projection->forward({lon, 7.8})).y();
        const double bottom = picture.place.to_target(projection->forward({lon, 0.2})).y();
        const double x = picture.place.to_target(projection->forward({lon, 0})).x();
        int rows = 0, dark = 0;
        for (int y = static_cast<int>(top); y <= static_cast<int>(bottom); ++y, ++rows) {
            for (int dx = -2; dx <= 2; ++dx) {
                const QColor c = picture.image.pixelColor(QPoint(static_cast<int>(x) + dx, y));
                if (c.red() + c.green() + c.blue() < 200) {  // darker than either band
                    ++dark;
                    break;
                }
            }
        }
        return static_cast<double>(dark) / std::max(rows, 1);
    };
    EXPECT_GT(dark_share(0), 0.8);
    EXPECT_EQ(dark_share(-5), 0.0);
    bool labelled = false;
    for (const SceneContour& contour : picture.scene.contours) labelled |= contour.label == "0";
    EXPECT_TRUE(labelled);
    // Lines stop where the values do: none north of 8 N.
    for (const SceneContour& contour : picture.scene.contours) {
        for (const MapPoint& p : contour.line) {
            EXPECT_LE(projection->inverse(p)->lat, 8.0 + 1e-6);
        }
    }
}

TEST(Rendering, GlobalGreatCircleMapLosesNoBandAtTheAntipode) {
    // A field with one band over the whole globe: every point of the disc,
    // the antipode's rim included, is shaded.
    PlotRequest request = synthetic(-180, 180, -90, 90, 10);
    for (float& v : request.values[0]) v = 1.0f;
    request.parameters[0].levels = {5};
    request.parameters[0].colours = {1};
    request.parameters[0].bands = bands_from_levels({5}, {1});
    request.projection_code = 0;
    request.has_station = true;
    request.station = {-77.2, 35.47};
    const Picture picture = render(request);
    const Rgb red = *colour_of_code(1);
    const double radius = picture.scene.frame.radius;
    int checked = 0;
    // Off the distance rings (every 5000 km) and inside the azimuth ticks.
    for (double r = 0.07; r < 0.95; r += 0.1) {
        for (int k = 0; k < 24; ++k) {
            if (k == 3 || k == 4) continue;  // the distance labels stand at 52 degrees
            const double angle = k * 15.0 * std::numbers::pi / 180;
            const QPointF at = picture.place.to_target(
                {radius * r * std::cos(angle), radius * r * std::sin(angle)});
            const QColor c = picture.image.pixelColor(at.toPoint());
            EXPECT_EQ(c, QColor(red.red, red.green, red.blue)) << r << " " << k * 15;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 198);
}

TEST(Rendering, LegendListsTheBandsFromTheTopAndSaysWhatIsLeftOut) {
    PlotRequest request = synthetic();
    request.zones_colour = 2;
    request.zone_problem = "no zone boundary file DATABASE\\CIRAF.DAT";
    request.countries_colour = 0;
    std::string error;
    auto projection = projection_for(request, error);
    const MapScene scene = build_scene(request, 0, *projection, nullptr, {});
    ASSERT_EQ(scene.legend.size(), 3u);
    EXPECT_EQ(scene.legend[0].label, "0 \xE2\x80\x93 5");
    EXPECT_EQ(scene.legend[0].colour, colour_of_code(4));
    EXPECT_EQ(scene.legend[1].label, "< 0");
    EXPECT_FALSE(scene.legend[2].colour.has_value());  // no value
    EXPECT_EQ(scene.parameter, "TST  A test field");
    EXPECT_EQ(scene.units, "dB");
    auto said = [&](const std::string& part) {
        for (const std::string& note : scene.notes) {
            if (note.find(part) != std::string::npos) return true;
        }
        return false;
    };
    EXPECT_TRUE(said("CIRAF zones left out"));
    EXPECT_TRUE(said("Coastlines and borders left out"));
    EXPECT_TRUE(said("Values of 5 and above"));

    // The terminator without a month: left out and said.
    SceneOptions options;
    options.terminator = true;
    const MapScene night = build_scene(request, 0, *projection, nullptr, options);
    EXPECT_EQ(night.fills.size(), scene.fills.size());
    request.month = 6;
    request.hour_ut = 12;
    const MapScene day = build_scene(request, 0, *projection, nullptr, options);
    EXPECT_EQ(day.fills.size(), scene.fills.size() + 1);
}

TEST(Writers, EveryFormatWritesAFileThatOpensAgain) {
    qor::testing::TempDir dir;
    PlotRequest request = synthetic();
    std::string error;
    auto projection = projection_for(request, error);
    const MapScene scene = build_scene(request, 0, *projection, nullptr, {});

    EXPECT_EQ(write_png(scene, QSize(800, 450), dir / "map.png"), "");
    QImage png(QString::fromStdString(dir / "map.png"));
    EXPECT_EQ(png.size(), QSize(800, 450));

    EXPECT_EQ(write_svg(scene, QSize(800, 450), dir / "map.svg"), "");
    QFile svg(QString::fromStdString(dir / "map.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    int paths = 0;
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("path")) ++paths;
        if (xml.isCharacters()) text += xml.text();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(paths, 3);
    EXPECT_TRUE(text.contains(QStringLiteral("Synthetic field")));
    EXPECT_TRUE(text.contains(QStringLiteral("A test field")));

    EXPECT_EQ(write_pdf({&scene, &scene, &scene}, dir / "map.pdf"), "");
    const std::string pdf = qor::testing::read_file(dir / "map.pdf");
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    std::size_t pages = 0;
    for (std::size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
         at = pdf.find("/Type /Page\n", at + 1)) {
        ++pages;
    }
    EXPECT_EQ(pages, 3u);

    for (const std::string& bad :
         {dir / "no/such/dir/map.png", dir / "no/such/dir/map.svg", dir / "no/such/dir/map.pdf"}) {
        const std::string result = bad.back() == 'g' && bad[bad.size() - 2] == 'n'
                                       ? write_png(scene, QSize(100, 100), bad)
                                   : bad.back() == 'g' ? write_svg(scene, QSize(100, 100), bad)
                                                       : write_pdf({&scene}, bad);
        EXPECT_NE(result.find("cannot write"), std::string::npos) << bad;
    }
}

TEST(Writers, GeoJsonHoldsOneFeaturePerBandInLongitudesOfTheRange) {
    // A box across the antimeridian: 170 E to 170 W.
    PlotRequest request = synthetic(170, 190, 0, 10, 1);
    for (std::size_t i = 0; i < request.nodes.size(); ++i) {
        if (!std::isnan(request.values[0][i]))
            request.values[0][i] = static_cast<float>(request.nodes[i].lon - 180.0);
    }
    const std::string text = bands_geojson(request, 0);
    std::string error;
    std::optional<JsonDocument> doc = JsonDocument::parse(text, error);
    ASSERT_TRUE(doc) << error;
    EXPECT_EQ(doc->node(doc->member(doc->root(), "type")).text, "FeatureCollection");
    const std::vector<std::int32_t> features = doc->children(doc->member(doc->root(), "features"));
    ASSERT_EQ(features.size(), 2u);
    double area[2] = {0, 0};
    for (std::size_t k = 0; k < 2; ++k) {
        const std::int32_t properties = doc->member(features[k], "properties");
        EXPECT_EQ(doc->node(doc->member(properties, "parameter")).text, "TST");
        EXPECT_EQ(doc->node(doc->member(properties, "colour")).number, k == 0 ? 1 : 4);
        const std::int32_t geometry = doc->member(features[k], "geometry");
        EXPECT_EQ(doc->node(doc->member(geometry, "type")).text, "MultiPolygon");
        for (const std::int32_t polygon : doc->children(doc->member(geometry, "coordinates"))) {
            const std::vector<std::int32_t> rings = doc->children(polygon);
            for (std::size_t r = 0; r < rings.size(); ++r) {
                GeoLine ring;
                for (const std::int32_t point : doc->children(rings[r])) {
                    const auto xy = doc->children(point);
                    ring.push_back({doc->node(xy[0]).number, doc->node(xy[1]).number});
                    EXPECT_LE(std::abs(ring.back().lon), 180.0);
                }
                EXPECT_EQ(ring.front(), ring.back());  // closed rings
                area[k] += signed_area(ring);
            }
        }
    }
    // The lower band is 170 E to 180, the upper 180 to 170 W, each 10 x 8
    // degrees up to the gap at 8 N.
    EXPECT_NEAR(area[0], 80.0, 1e-6);
    EXPECT_NEAR(area[1], 80.0, 1e-6);
    EXPECT_EQ(doc->node(doc->member(doc->member(features[0], "properties"), "lower")).kind,
              JsonDocument::Kind::null);
}

}  // namespace
}  // namespace qor::map
