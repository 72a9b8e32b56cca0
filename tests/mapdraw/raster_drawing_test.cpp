// Drawing on a raster target takes short cuts (lines thinned to half a pixel
// and laid down in pieces, texts with halos copied from kept pictures). The
// same scene recorded as vector drawing, where every point and outline is
// kept, is the reference these pictures must match.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <cmath>
#include <numbers>

#include "mapdraw/paint/map_painter.h"
#include "mapdraw/scene.h"

namespace qor::map {
namespace {

const QSize size(1600, 900);
const Rgb blue{40, 70, 210}, red{220, 30, 30}, black{0, 0, 0};

MapScene square_scene() {
    MapScene scene;
    scene.frame.west = scene.frame.south = 0;
    scene.frame.east = scene.frame.north = 1000;
    scene.frame.outline = {{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}};
    scene.title = "Raster drawing";
    return scene;
}

// A coastline as the map data give it far out: many points per pixel, here
// round a circle with a narrow inlet a few pixels deep.
MapLine dense_coast() {
    MapLine line;
    const int n = 40000;
    for (int k = 0; k <= n; ++k) {
        const double a = 2 * std::numbers::pi * k / n;
        double r = 300;
        if (k > 10000 && k < 10200) r -= 25 * std::sin((k - 10000) * std::numbers::pi / 200);
        line.push_back({500 + r * std::cos(a), 500 + r * std::sin(a)});
    }
    return line;
}

QImage drawn(const MapScene& scene, const MapView& view = {}) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    paint_map(painter, QRectF(QPointF(0, 0), QSizeF(size)), scene, view);
    return image;
}

// Drawn through a recording, which is not a raster target: every point of
// every line and the outline of every text as they are.
QImage drawn_in_full(const MapScene& scene, const MapView& view = {}) {
    QPicture recording;
    {
        QPainter painter(&recording);
        paint_map(painter, QRectF(QPointF(0, 0), QSizeF(size)), scene, view);
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    recording.play(&painter);
    return image;
}

// Nearer to the colour than to the map's ground, white or the other colours
// drawn: at least about half of the colour in a pixel, as along an
// antialiased line.
bool inked(const QImage& image, int x, int y, const Rgb& colour) {
    const QColor c = image.pixelColor(x, y);
    auto distance = [&](const Rgb& to) {
        return std::abs(c.red() - to.red) + std::abs(c.green() - to.green) +
               std::abs(c.blue() - to.blue);
    };
    const int own = distance(colour);
    for (const Rgb& other : {no_value_colour, Rgb{255, 255, 255}, blue, red, black}) {
        if (!(other == colour) && distance(other) <= own) return false;
    }
    return true;
}

// A trace of the colour: a fifth of the way from the ground to it, and
// nearer to it than to the other colours drawn.
bool tinted(const QImage& image, int x, int y, const Rgb& colour) {
    const QColor c = image.pixelColor(x, y);
    auto distance = [&](const Rgb& to) {
        return std::abs(c.red() - to.red) + std::abs(c.green() - to.green) +
               std::abs(c.blue() - to.blue);
    };
    const int span = std::abs(colour.red - no_value_colour.red) +
                     std::abs(colour.green - no_value_colour.green) +
                     std::abs(colour.blue - no_value_colour.blue);
    if (distance(no_value_colour) * 5 < span) return false;
    for (const Rgb& other : {blue, red, black}) {
        if (!(other == colour) && distance(other) < distance(colour)) return false;
    }
    return true;
}

// The pixels of a colour in one picture with no trace of it within a pixel
// in the other.
int strays(const QImage& from, const QImage& in, const Rgb& colour) {
    int count = 0;
    for (int y = 1; y + 1 < from.height(); ++y) {
        for (int x = 1; x + 1 < from.width(); ++x) {
            if (!inked(from, x, y, colour)) continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy) {
                for (int dx = -1; dx <= 1 && !near; ++dx) near = tinted(in, x + dx, y + dy, colour);
            }
            count += near ? 0 : 1;
        }
    }
    return count;
}

int count_of(const QImage& image, const Rgb& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += inked(image, x, y, colour) ? 1 : 0;
    }
    return count;
}

TEST(RasterDrawing, DenseLinesAndHaloedTextsMatchTheDrawingWithEveryPoint) {
    MapScene scene = square_scene();
    for (const double width : {0.9, 1.8}) {  // under and over a pixel wide at 900 high
        SceneLines coast;
        coast.colour = width < 1 ? blue : red;
        coast.width = width;
        coast.lines.push_back(dense_coast());
        for (MapPoint& p : coast.lines.back()) p.x += width < 1 ? -100 : 100;
        scene.lines.push_back(std::move(coast));
    }
    SceneLines ring;  // dashed: its dashes must fall where they fell
    ring.kind = LineKind::dashed;
    ring.colour = black;
    ring.lines.resize(1);
    for (int k = 0; k <= 720; ++k) {
        const double a = k * std::numbers::pi / 360;
        ring.lines[0].push_back({500 + 150 * std::cos(a), 500 + 150 * std::sin(a)});
    }
    scene.lines.push_back(ring);
    scene.texts.push_back({{200, 900}, "REYKJAVIK", red, 11, Anchor::right, true});
    scene.texts.push_back({{600, 120}, "CAPE TOWN", blue, 13, Anchor::centre, true});

    const QImage fast = drawn(scene), full = drawn_in_full(scene);
    for (const Rgb& colour : {blue, red, black}) {
        const int ink = count_of(full, colour);
        ASSERT_GT(ink, 500) << int(colour.red);
        // Within a pixel of each other, and about as much ink (a line of many
        // points per pixel comes out a little lighter when every point is
        // drawn).
        EXPECT_LT(strays(fast, full, colour), ink / 200) << int(colour.red);
        EXPECT_LT(strays(full, fast, colour), ink / 200) << int(colour.red);
        EXPECT_NEAR(count_of(fast, colour), ink, ink * 0.2) << int(colour.red);
    }
    // Across the red line, all round it, the middle of its red lies where it
    // lay with every point drawn.
    const MapPlacement placed = place_map(scene, QRectF(QPointF(0, 0), QSizeF(size)));
    const QPointF centre = placed.to_target({600, 500});
    const double radius = 300 * placed.scale;
    auto middle_of_red = [&](const QImage& image, double angle) {
        double sum = 0, weight = 0;
        for (double r = radius - 5; r <= radius + 5; r += 0.25) {
            const QPointF at = centre + QPointF(r * std::cos(angle), -r * std::sin(angle));
            const QColor c = image.pixelColor(at.toPoint());
            const double w = std::max(0, c.red() - c.green());
            sum += w * r;
            weight += w;
        }
        return weight > 0 ? sum / weight : 0.0;
    };
    for (int k = 0; k < 360; k += 3) {
        const double angle = k * std::numbers::pi / 180;
        if (std::abs(angle - 2 * std::numbers::pi * 10100 / 40000) < 0.05) continue;  // the inlet
        EXPECT_NEAR(middle_of_red(fast, angle), middle_of_red(full, angle), 0.5) << k;
    }
    // The inlet, a few pixels deep, is still drawn: the red line reaches
    // into it.
    const MapPlacement place = place_map(scene, QRectF(QPointF(0, 0), QSizeF(size)));
    const double a = 2 * std::numbers::pi * 10100 / 40000;
    const QPointF bottom = place.to_target({600 + 275 * std::cos(a), 500 + 275 * std::sin(a)});
    bool reached = false;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            reached |= inked(fast, bottom.toPoint().x() + dx, bottom.toPoint().y() + dy, red);
        }
    }
    EXPECT_TRUE(reached);
}

TEST(RasterDrawing, KeptTextPicturesKeepEachTextsColourAndDrawTheSameAgain) {
    MapScene scene = square_scene();
    const MapPlacement place = place_map(scene, QRectF(QPointF(0, 0), QSizeF(size)));
    // The same name at the same size in two colours, whole pixels apart (so
    // that they start at the same place within their pixels): each keeps its
    // own colour.
    const MapPoint second = place.to_map(place.to_target({300, 700}) + QPointF(307, 231));
    scene.texts.push_back({{300, 700}, "PARIS", red, 14, Anchor::centre, true});
    scene.texts.push_back({second, "PARIS", blue, 14, Anchor::centre, true});
    const QImage first = drawn(scene);
    const QImage again = drawn(scene);
    EXPECT_EQ(first, again);
    auto colour_near = [&](MapPoint at, const Rgb& colour) {
        const QPoint centre = place.to_target(at).toPoint();
        int count = 0;
        for (int dy = -12; dy <= 12; ++dy) {
            for (int dx = -40; dx <= 40; ++dx) {
                count += inked(first, centre.x() + dx, centre.y() + dy, colour) ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_GT(colour_near({300, 700}, red), 30);
    EXPECT_EQ(colour_near({300, 700}, blue), 0);
    EXPECT_GT(colour_near(second, blue), 30);
    EXPECT_EQ(colour_near(second, red), 0);
}

TEST(RasterDrawing, ZoomedInALineWithNoPointInViewIsStillDrawnAcrossIt) {
    MapScene scene = square_scene();
    SceneLines crossing;
    crossing.colour = red;
    crossing.width = 1.5;
    crossing.lines.push_back({{0, 500}, {1000, 500}});  // both ends far outside the view
    scene.lines.push_back(crossing);
    const MapView view{8.0, true, {500, 500}};
    const QImage image = drawn(scene, view);
    const MapPlacement place = place_map(scene, QRectF(QPointF(0, 0), QSizeF(size)), view);
    const int y = static_cast<int>(std::lround(place.to_target({500, 500}).y()));
    int red_columns = 0, columns = 0;
    for (int x = static_cast<int>(place.area.left()) + 2; x < place.area.right() - 2; x += 10) {
        ++columns;
        for (int dy = -1; dy <= 1; ++dy) {
            if (inked(image, x, y + dy, red)) {
                ++red_columns;
                break;
            }
        }
    }
    EXPECT_GT(columns, 50);
    EXPECT_EQ(red_columns, columns);
}

}  // namespace
}  // namespace qor::map
