#include "mapdraw/paint/map_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "mapdraw/paint/qt_colours.h"

namespace qor::map {

namespace {

constexpr double page_height = 900.0;
constexpr double header_height = 84.0;
constexpr double legend_width = 300.0;
constexpr double margin = 18.0;
constexpr double label_room = 44.0;  // left of and below the map, for graticule labels

QString text_of(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont font(double size, bool bold = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
    // Pixel sizes are whole numbers; the painter's scale keeps text in
    // proportion on every target.
    f.setBold(bold);
    return f;
}

// The layout's page: width in points for the target's shape.
double page_width(const QRectF& target) {
    return page_height * target.width() / std::max(target.height(), 1.0);
}

QRectF map_area(double width) {
    return QRectF(margin + label_room, header_height + 8,
                  width - legend_width - 2 * margin - label_room - 12,
                  page_height - header_height - 8 - label_room);
}

// The white edge round the letters of a text drawn over the bands.
QPen halo_pen(const QFont& f) {
    return QPen(QColor(255, 255, 255, 230), f.pixelSize() * 0.28, Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin);
}

QPolygonF polygon(const MapLine& line, const MapPlacement& place) {
    QPolygonF result;
    result.reserve(static_cast<qsizetype>(line.size()));
    for (const MapPoint& p : line) result.append(place.to_target(p));
    return result;
}

// The points of a line that keep it within tolerance of where it ran
// (Douglas-Peucker): a run of points that strays less than that from the
// chord between its ends is drawn as the chord.
QPolygonF straightened(const QPolygonF& line, double tolerance) {
    const qsizetype n = line.size();
    std::vector<char> keep(static_cast<std::size_t>(n), 0);
    keep.front() = keep.back() = 1;
    std::vector<std::pair<qsizetype, qsizetype>> pending{{0, n - 1}};
    const double least = tolerance * tolerance;
    while (!pending.empty()) {
        const auto [first, last] = pending.back();
        pending.pop_back();
        const QPointF a = line[first];
        const double cx = line[last].x() - a.x(), cy = line[last].y() - a.y();
        const double chord = cx * cx + cy * cy;
        double farthest = -1;
        qsizetype at = first;
        for (qsizetype i = first + 1; i < last; ++i) {
            const double px = line[i].x() - a.x(), py = line[i].y() - a.y();
            double distance;  // squared, from the chord (or from a, when it has no length)
            if (chord > 0) {
                const double t = std::clamp((px * cx + py * cy) / chord, 0.0, 1.0);
                const double dx = px - t * cx, dy = py - t * cy;
                distance = dx * dx + dy * dy;
            } else {
                distance = px * px + py * py;
            }
            if (distance > farthest) {
                farthest = distance;
                at = i;
            }
        }
        if (farthest <= least) continue;
        keep[static_cast<std::size_t>(at)] = 1;
        if (at - first > 1) pending.emplace_back(first, at);
        if (last - at > 1) pending.emplace_back(at, last);
    }
    QPolygonF result;
    result.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        if (keep[static_cast<std::size_t>(i)] != 0) result.append(line[i]);
    }
    return result;
}

// A line in target coordinates for stroking, with its points closer than
// tolerance to the last point kept left out (the first and last points
// always stay), then straightened within tolerance: the map data hold many
// points per pixel of a whole-globe map, and each point costs the stroker a
// join. bounds gets the box of the points kept.
QPolygonF stroked_polygon(const MapLine& line, const MapPlacement& place, double tolerance,
                          QRectF& bounds) {
    QPolygonF result;
    if (line.empty()) return result;
    result.reserve(static_cast<qsizetype>(line.size()));
    const double least = tolerance * tolerance;
    QPointF last = place.to_target(line.front());
    result.append(last);
    double left = last.x(), right = last.x(), top = last.y(), bottom = last.y();
    const std::size_t end = line.size();
    for (std::size_t i = 1; i < end; ++i) {
        const QPointF p = place.to_target(line[i]);
        const double dx = p.x() - last.x(), dy = p.y() - last.y();
        if (dx * dx + dy * dy < least && i + 1 < end) continue;
        result.append(p);
        last = p;
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    bounds = QRectF(QPointF(left, top), QPointF(right, bottom));
    return result.size() > 2 && tolerance > 0 ? straightened(result, tolerance) : result;
}

// Whether a box (of zero size, too) reaches into a rectangle grown by grown.
bool reaches(const QRectF& box, const QRectF& into, double grown) {
    return box.right() >= into.left() - grown && box.left() <= into.right() + grown &&
           box.bottom() >= into.top() - grown && box.top() <= into.bottom() + grown;
}

// The lines of a layer, stroked with the painter's pen: those wholly outside
// the visible box are skipped. On a raster target, each line is thinned and
// straightened to half a pixel (tolerance); vector targets keep every point
// and every line whole, since they may be enlarged later.
void stroke_lines(QPainter& painter, const std::vector<const MapLine*>& lines,
                  const MapPlacement& place, const QRectF& visible, double tolerance) {
    const double reach = painter.pen().widthF() + 1;
    // A solid line thinned for a raster target goes to the painter as its
    // straight pieces, all the layer's in one call: the raster engine lays
    // each piece down as a band of the pen's width, where a polyline goes
    // through the general stroker, which works out a join at every point.
    // The pieces overlap at the points; at half a pixel per point and a pen
    // of a pixel or two, a join's corner is a fraction of a pixel.
    const bool in_pieces = tolerance > 0 && painter.pen().style() == Qt::SolidLine &&
                           painter.pen().capStyle() != Qt::RoundCap;
    QList<QLineF> pieces;
    QRectF bounds;
    for (const MapLine* line : lines) {
        const QPolygonF points = stroked_polygon(*line, place, tolerance, bounds);
        if (points.size() < 2 || !reaches(bounds, visible, reach)) continue;
        if (in_pieces) {
            for (qsizetype i = 1; i < points.size(); ++i) pieces.append({points[i - 1], points[i]});
        } else {
            painter.drawPolyline(points);
        }
    }
    if (!pieces.isEmpty()) painter.drawLines(pieces);
}

// Half a pixel of the target in its own units on a raster target; nothing
// (every point kept) on a vector target.
double pixel_tolerance(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster) return 0.0;
    const double scale = std::sqrt(std::abs(painter.deviceTransform().determinant()));
    return scale > 0 ? 0.5 / scale : 0.0;
}

QPainterPath frame_path(const Frame& frame, const MapPlacement& place) {
    QPainterPath path;
    if (frame.shape == FrameShape::disc) {
        const QPointF centre = place.to_target({0, 0});
        const double r = frame.radius * place.scale;
        path.addEllipse(centre, r, r);
    } else {
        path.addPolygon(polygon(frame.outline, place));
        path.closeSubpath();
    }
    return path;
}

// A text with its halo as a small picture, and where its top-left corner
// stands from the whole pixel the text starts in.
struct HaloPicture {
    QImage image;
    QPoint offset;
};

// The pictures of haloed texts drawn on raster targets, keyed by text, font,
// colour and the text's start within its pixel to a quarter pixel. Stroking
// each letter's outline for the halo is the dearest part of drawing a text,
// and a redraw after a resize, zoom or move shows the same texts again.
class HaloPictures {
  public:
    const HaloPicture& get(const QString& text, const QFont& f, const QColor& colour,
                           QPoint quarters) {
        const QString key = text + QChar(0) + QString::number(f.pixelSize()) +
                            (f.bold() ? u'b' : u'n') + QString::number(colour.rgba(), 16) +
                            QChar(u'@') + QString::number(quarters.x()) + QChar(u',') +
                            QString::number(quarters.y());
        auto it = kept_.constFind(key);
        if (it != kept_.constEnd()) return *it;
        if (kept_.size() >= most) kept_.clear();
        return *kept_.insert(key, draw(text, f, colour, QPointF(quarters) / 4.0));
    }

  private:
    static constexpr qsizetype most = 4096;
    static HaloPicture draw(const QString& text, const QFont& f, const QColor& colour,
                            QPointF start) {
        QPainterPath path;
        path.addText(start, f, text);
        const QPen pen = halo_pen(f);
        const double reach = pen.widthF() / 2 + 1;
        const QRect box =
            path.boundingRect().adjusted(-reach, -reach, reach, reach).toAlignedRect();
        HaloPicture picture{QImage(box.size(), QImage::Format_ARGB32_Premultiplied), box.topLeft()};
        picture.image.fill(Qt::transparent);
        QPainter painter(&picture.image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.translate(-box.topLeft());
        painter.strokePath(path, pen);
        painter.fillPath(path, colour);
        return picture;
    }
    QHash<QString, HaloPicture> kept_;
};

// Draws a text with its halo: copied from its kept picture where the target
// is a raster one that is not transformed (the same pixels, a quarter pixel
// from where the text starts at most), else stroked and filled.
void draw_haloed(QPainter& painter, QPointF origin, const QString& text, const QFont& f,
                 const QColor& colour) {
    const QPaintEngine* engine = painter.paintEngine();
    if (engine != nullptr && engine->type() == QPaintEngine::Raster &&
        painter.deviceTransform().type() == QTransform::TxNone) {
        static thread_local HaloPictures kept;
        const double x = std::floor(origin.x()), y = std::floor(origin.y());
        const QPoint quarters(static_cast<int>(std::lround((origin.x() - x) * 4)),
                              static_cast<int>(std::lround((origin.y() - y) * 4)));
        const HaloPicture& picture = kept.get(text, f, colour, quarters);
        painter.drawImage(QPoint(static_cast<int>(x), static_cast<int>(y)) + picture.offset,
                          picture.image);
        return;
    }
    QPainterPath path;
    path.addText(origin, f, text);
    painter.strokePath(path, halo_pen(f));
    painter.fillPath(path, colour);
}

// Draws a text; with taken given, only where it does not cover a text drawn
// before (returns false when it was left out).
bool draw_text(QPainter& painter, QPointF at, const QString& text, const QFont& f,
               const QColor& colour, Anchor anchor, bool halo, QPointF centre = {},
               std::vector<QRectF>* taken = nullptr) {
    const QFontMetricsF metrics(f);
    const double width = metrics.horizontalAdvance(text);
    const double ascent = metrics.ascent() * 0.78;  // capital height, near enough
    const double gap = f.pixelSize() * 0.45;
    QPointF origin;
    switch (anchor) {
        case Anchor::left:
            origin = {at.x() - width - gap, at.y() + ascent / 2};
            break;
        case Anchor::right:
            origin = {at.x() + gap, at.y() + ascent / 2};
            break;
        case Anchor::centre:
            origin = {at.x() - width / 2, at.y() + ascent / 2};
            break;
        case Anchor::above:
            origin = {at.x() - width / 2, at.y() - gap};
            break;
        case Anchor::below:
            origin = {at.x() - width / 2, at.y() + gap + ascent};
            break;
        case Anchor::outward: {
            const double dx = at.x() - centre.x(), dy = at.y() - centre.y();
            const double length = std::max(std::hypot(dx, dy), 1e-9);
            const double push = f.pixelSize() * 1.1;
            const QPointF middle{at.x() + dx / length * push, at.y() + dy / length * push};
            origin = {middle.x() - width / 2, middle.y() + ascent / 2};
            break;
        }
    }
    if (taken != nullptr) {
        const QRectF box(origin.x(), origin.y() - ascent, width, ascent * 1.35);
        for (const QRectF& other : *taken) {
            if (other.intersects(box)) return false;
        }
        taken->push_back(box);
    }
    if (halo) {
        draw_haloed(painter, origin, text, f, colour);
    } else {
        painter.setFont(f);
        painter.setPen(colour);
        painter.drawText(origin, text);
    }
    return true;
}

QPen line_pen(const SceneLines& lines) {
    QPen pen(to_qcolor(lines.colour), lines.width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::BevelJoin);
    if (lines.kind == LineKind::dashed) pen.setDashPattern({6, 4});
    if (lines.kind == LineKind::dotted) pen.setDashPattern({1.5, 3});
    return pen;
}

// Labels along contour lines: where a line runs straight for the length of
// its label, every so often along it, never over another label.
void label_contours(QPainter& painter, const MapScene& scene, const MapPlacement& place,
                    const QPainterPath& clip) {
    const QFont f = font(9.5, true);
    const QFontMetricsF metrics(f);
    const QColor colour = to_qcolor(scene.contour_colour);
    std::vector<QRectF> taken;
    constexpr double spacing = 260.0;
    for (const SceneContour& contour : scene.contours) {
        const QPolygonF line = polygon(contour.line, place);
        if (line.size() < 2) continue;
        const QString text = text_of(contour.label);
        const double width = metrics.horizontalAdvance(text) + 6;
        // Distance along the line at each point.
        std::vector<double> along(static_cast<std::size_t>(line.size()), 0.0);
        for (qsizetype i = 1; i < line.size(); ++i) {
            along[static_cast<std::size_t>(i)] =
                along[static_cast<std::size_t>(i - 1)] +
                std::hypot(line[i].x() - line[i - 1].x(), line[i].y() - line[i - 1].y());
        }
        const double length = along.back();
        if (length < width * 2.5) continue;
        auto point_at = [&](double d) {
            const auto it = std::lower_bound(along.begin(), along.end(), d);
            const auto i = static_cast<qsizetype>(
                std::clamp<std::ptrdiff_t>(it - along.begin(), 1, line.size() - 1));
            const double a = along[static_cast<std::size_t>(i - 1)],
                         b = along[static_cast<std::size_t>(i)];
            const double t = b > a ? (d - a) / (b - a) : 0;
            return line[i - 1] + (line[i] - line[i - 1]) * t;
        };
        for (double d = std::min(length / 2, spacing / 2); d + width / 2 < length; d += spacing) {
            if (d < width / 2) continue;
            const QPointF a = point_at(d - width / 2), b = point_at(d + width / 2);
            const QPointF middle = point_at(d);
            const double chord = std::hypot(b.x() - a.x(), b.y() - a.y());
            if (chord < width * 0.92) continue;  // too curved here
            double angle = std::atan2(b.y() - a.y(), b.x() - a.x()) * 180.0 / std::numbers::pi;
            if (angle > 90) angle -= 180;
            if (angle < -90) angle += 180;
            const QRectF box(middle.x() - width / 2 - 2, middle.y() - width / 2 - 2, width + 4,
                             width + 4);
            if (!clip.contains(box)) continue;
            if (std::any_of(taken.begin(), taken.end(),
                            [&](const QRectF& r) { return r.intersects(box); })) {
                continue;
            }
            taken.push_back(box);
            painter.save();
            painter.translate(middle);
            painter.rotate(angle);
            QPainterPath path;
            const double x = -metrics.horizontalAdvance(text) / 2;
            path.addText(QPointF(x, metrics.ascent() * 0.39), f, text);
            painter.strokePath(path,
                               QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.fillPath(path, colour);
            painter.restore();
        }
    }
}

// Lines of text that fit a width, broken at blanks.
QStringList wrapped(const QString& text, const QFont& f, double width) {
    const QFontMetricsF metrics(f);
    QStringList lines;
    QString current;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString tried = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && metrics.horizontalAdvance(tried) > width) {
            lines.append(current);
            current = word;
        } else {
            current = tried;
        }
    }
    if (!current.isEmpty()) lines.append(current);
    return lines;
}

void paint_legend(QPainter& painter, const MapScene& scene, double left, double width) {
    double y = header_height + 14;
    painter.setPen(Qt::black);
    const double inner = width - 8;
    if (!scene.parameter.empty()) {
        const QFont bold = font(15, true);
        const QFont body = font(11);
        const std::size_t gap = scene.parameter.find("  ");
        const std::string name = scene.parameter.substr(0, gap);
        painter.setFont(bold);
        painter.drawText(QPointF(left, y + 12), text_of(name));
        y += 22;
        if (gap != std::string::npos) {
            painter.setFont(body);
            for (const QString& line :
                 wrapped(text_of(scene.parameter.substr(gap + 2)), body, inner)) {
                painter.drawText(QPointF(left, y + 10), line);
                y += 15;
            }
        }
        if (!scene.units.empty()) {
            painter.setFont(body);
            painter.drawText(QPointF(left, y + 10),
                             QStringLiteral("Units: ") + text_of(scene.units));
            y += 15;
        }
        y += 10;
    }
    const QFont label = font(12);
    for (const LegendEntry& entry : scene.legend) {
        const QRectF swatch(left, y, 38, 20);
        if (entry.colour) {
            painter.fillRect(swatch, to_qcolor(*entry.colour));
            painter.setPen(QPen(QColor(60, 60, 60), 0.8));
            painter.drawRect(swatch);
        } else if (entry.label.rfind("line at", 0) == 0) {
            painter.setPen(QPen(to_qcolor(scene.contour_colour), 1.5));
            painter.drawLine(QPointF(swatch.left(), swatch.center().y()),
                             QPointF(swatch.right(), swatch.center().y()));
        } else {
            painter.fillRect(swatch, to_qcolor(no_value_colour));
            painter.setPen(QPen(QColor(60, 60, 60), 0.8));
            painter.drawRect(swatch);
        }
        painter.setPen(Qt::black);
        painter.setFont(label);
        painter.drawText(QPointF(left + 48, y + 15), text_of(entry.label));
        y += 25;
    }
    y += 12;
    const QFont small = font(10.5);
    painter.setFont(small);
    painter.setPen(Qt::black);
    for (const QString& line : wrapped(text_of(scene.projection + " projection"), small, inner)) {
        painter.drawText(QPointF(left, y + 10), line);
        y += 14;
    }
    y += 6;
    const QFont note = font(10);
    painter.setFont(note);
    painter.setPen(QColor(150, 20, 20));
    for (const std::string& text : scene.notes) {
        for (const QString& line : wrapped(text_of(text), note, inner)) {
            if (y > page_height - 20) return;
            painter.drawText(QPointF(left, y + 10), line);
            y += 13.5;
        }
        y += 4;
    }
}

}  // namespace

MapPlacement place_map(const MapScene& scene, const QRectF& target, const MapView& view) {
    const double unit = target.height() / page_height;
    const QRectF logical = map_area(page_width(target));
    const QRectF area(target.left() + logical.left() * unit, target.top() + logical.top() * unit,
                      logical.width() * unit, logical.height() * unit);
    const Frame& frame = scene.frame;
    MapPlacement place;
    place.area = area;
    const double fit = std::min(area.width() / std::max(frame.width(), 1.0),
                                area.height() / std::max(frame.height(), 1.0));
    place.scale = fit * std::max(view.zoom, 1e-3);
    const MapPoint middle =
        view.centred ? view.centre
                     : MapPoint{(frame.west + frame.east) / 2, (frame.south + frame.north) / 2};
    place.offset_x = area.center().x() - middle.x * place.scale;
    place.offset_y = area.center().y() + middle.y * place.scale;
    return place;
}

void paint_map(QPainter& painter, const QRectF& target, const MapScene& scene,
               const MapView& view) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(target, Qt::white);

    const double unit = target.height() / page_height;
    const double width = page_width(target);
    const MapPlacement place = place_map(scene, target, view);
    // Everything but the map's own geometry is drawn in page points.
    QTransform page;
    page.translate(target.left(), target.top());
    page.scale(unit, unit);

    // The map, clipped to its frame (and to the map area when zoomed in).
    const QPainterPath frame = frame_path(scene.frame, place);
    QPainterPath clip = frame;
    if (view.zoom > 1.0) {
        QPainterPath area;
        area.addRect(place.area);
        clip = clip.intersected(area);
    }
    painter.save();
    painter.setClipPath(clip);
    // Inside the frame, what no band covers shows as a pale grey: "no value"
    // stays apart from a band shaded white.
    painter.fillPath(frame, to_qcolor(no_value_colour));
    for (const SceneFill& fill : scene.fills) {
        QPainterPath path;
        path.setFillRule(fill.overlapping ? Qt::WindingFill : Qt::OddEvenFill);
        for (const MapLine& ring : fill.rings) {
            path.addPolygon(polygon(ring, place));
            path.closeSubpath();
        }
        painter.setRenderHint(QPainter::Antialiasing, fill.smooth);
        painter.fillPath(path, to_qcolor(fill.colour, fill.alpha));
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    const QRectF visible = clip.boundingRect().intersected(target);
    const double tolerance = pixel_tolerance(painter);
    for (const SceneLines& lines : scene.lines) {
        QPen pen = line_pen(lines);
        pen.setWidthF(pen.widthF() * unit);
        if (pen.style() == Qt::CustomDashLine) {
            // Dash lengths count in line widths; keep them in points.
            QList<qreal> dashes = pen.dashPattern();
            for (qreal& d : dashes) d = d / lines.width;
            pen.setDashPattern(dashes);
        }
        painter.setPen(pen);
        std::vector<const MapLine*> layer;
        layer.reserve(lines.lines.size());
        for (const MapLine& line : lines.lines) layer.push_back(&line);
        // Dashes follow the length of a line, which thinning shortens: dashed
        // and dotted lines keep all their points, so their dashes stay put.
        stroke_lines(painter, layer, place, visible,
                     lines.kind == LineKind::solid ? tolerance : 0.0);
    }
    if (!scene.contours.empty()) {
        QPen pen(to_qcolor(scene.contour_colour), scene.contour_width * unit);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        std::vector<const MapLine*> layer;
        layer.reserve(scene.contours.size());
        for (const SceneContour& contour : scene.contours) layer.push_back(&contour.line);
        stroke_lines(painter, layer, place, visible, tolerance);
    }
    for (const SceneMarker& marker : scene.markers) {
        const QPointF at = place.to_target(marker.at);
        const double r = marker.size * unit;
        if (marker.kind == MarkerKind::station) {
            QPolygonF star;
            for (int k = 0; k < 10; ++k) {
                const double angle = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
                const double radius = k % 2 == 0 ? r * 1.6 : r * 0.7;
                star.append(at + QPointF(radius * std::cos(angle), radius * std::sin(angle)));
            }
            painter.setPen(QPen(Qt::white, 1.0 * unit));
            painter.setBrush(to_qcolor(marker.colour));
            painter.drawPolygon(star);
        } else {
            painter.setPen(QPen(Qt::white, 0.6 * unit));
            painter.setBrush(to_qcolor(marker.colour));
            painter.drawEllipse(at, r, r);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.restore();

    // Texts on the map keep to the frame; contour labels first, so that the
    // names of places are drawn over them.
    painter.save();
    painter.setClipPath(clip);
    label_contours(painter, scene, place, frame);
    // A name that would cover another is tried on the other side of its
    // point, else left out.
    std::vector<QRectF> taken;
    for (const SceneText& text : scene.texts) {
        const QPointF at = place.to_target(text.at);
        const QFont f = font(text.size * unit);
        if (draw_text(painter, at, text_of(text.text), f, to_qcolor(text.colour), text.anchor,
                      text.halo, {}, &taken)) {
            continue;
        }
        if (text.anchor == Anchor::right || text.anchor == Anchor::left) {
            const Anchor other = text.anchor == Anchor::right ? Anchor::left : Anchor::right;
            draw_text(painter, at, text_of(text.text), f, to_qcolor(text.colour), other, text.halo,
                      {}, &taken);
        }
    }
    painter.restore();

    painter.setPen(QPen(Qt::black, 1.2 * unit));
    painter.drawPath(frame);
    const QPointF centre = place.to_target({0, 0});
    for (const SceneText& text : scene.edge_texts) {
        const QPointF at = place.to_target(text.at);
        if (view.zoom > 1.0 &&
            !place.area.adjusted(-40 * unit, -40 * unit, 40 * unit, 40 * unit).contains(at)) {
            continue;
        }
        draw_text(painter, at, text_of(text.text), font(text.size * unit), to_qcolor(text.colour),
                  text.anchor, text.halo, centre);
    }

    // Title, details and legend in page points.
    painter.setTransform(page, true);
    const double title_width = width - 2 * margin;
    const QString title = text_of(scene.title.empty() ? std::string("(no title)") : scene.title);
    QFont title_font = font(22, true);
    const QFontMetricsF title_metrics(title_font);
    if (title_metrics.horizontalAdvance(title) > title_width) {
        title_font.setPixelSize(std::max(
            12, static_cast<int>(22 * title_width / title_metrics.horizontalAdvance(title))));
    }
    painter.setPen(Qt::black);
    painter.setFont(title_font);
    painter.drawText(QRectF(margin, 8, title_width, 32), Qt::AlignHCenter | Qt::AlignVCenter,
                     title);
    painter.setFont(font(12.5));
    painter.setPen(QColor(40, 40, 40));
    double y = 44;
    for (const std::string& line : scene.info) {
        painter.drawText(QRectF(margin, y, title_width, 17), Qt::AlignHCenter | Qt::AlignVCenter,
                         text_of(line));
        y += 17;
    }
    paint_legend(painter, scene, width - legend_width - margin + 14, legend_width - 14);
    painter.restore();
}

}  // namespace qor::map
