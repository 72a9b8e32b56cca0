#include "mapdraw/paint/map_painter.h"

#include <QFont>
#include <QFontMetricsF>
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

QPolygonF polygon(const MapLine& line, const MapPlacement& place) {
    QPolygonF result;
    result.reserve(static_cast<qsizetype>(line.size()));
    for (const MapPoint& p : line) result.append(place.to_target(p));
    return result;
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
        QPainterPath path;
        path.addText(origin, f, text);
        painter.strokePath(path, QPen(QColor(255, 255, 255, 230), f.pixelSize() * 0.28,
                                      Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.fillPath(path, colour);
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
        for (const MapLine& line : lines.lines) painter.drawPolyline(polygon(line, place));
    }
    if (!scene.contours.empty()) {
        QPen pen(to_qcolor(scene.contour_colour), scene.contour_width * unit);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        for (const SceneContour& contour : scene.contours)
            painter.drawPolyline(polygon(contour.line, place));
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
