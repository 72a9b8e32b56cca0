#include "mapdraw/window/map_canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "mapdraw/paint/qt_colours.h"

namespace qor::map {

namespace {

constexpr double largest_zoom = 64.0;

QString text_of(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

MapCanvas::MapCanvas(MapRun& run, QWidget* parent) : QWidget(parent), run_(run) {
    setObjectName(QStringLiteral("mapCanvas"));
    hour_ = run.requested_hour();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 200);
    setCursor(Qt::CrossCursor);
}

bool MapCanvas::show_hour(std::size_t hour, QString& error) {
    std::string why;
    if (run_.scene(hour, parameter_, options_, why) == nullptr) {
        error = text_of(why);
        return false;
    }
    hour_ = hour;
    update();
    return true;
}

void MapCanvas::show_parameter(std::size_t parameter) {
    parameter_ = parameter;
    update();
}

void MapCanvas::set_options(const SceneOptions& options) {
    options_ = options;
    update();
}

MapPlacement MapCanvas::placement(QSize size) {
    const MapScene* shown = scene();
    if (shown == nullptr) return {};
    return place_map(*shown, QRectF(QPointF(0, 0), QSizeF(size)), view_);
}

void MapCanvas::zoom_by(double factor, QPointF at) {
    const MapScene* shown = scene();
    if (shown == nullptr) return;
    const double zoom = std::clamp(view_.zoom * factor, 1.0, largest_zoom);
    if (zoom == view_.zoom) return;
    if (zoom <= 1.0) {
        reset_view();
        return;
    }
    const MapPlacement place = placement(size());
    if (at.x() < 0 || at.y() < 0 || at.x() > width() || at.y() > height()) {
        at = place.area.center();
    }
    // The map point under at stays under it.
    const MapPoint under = place.to_map(at);
    const double scale = place.scale * zoom / view_.zoom;
    const QPointF middle = place.area.center();
    view_.zoom = zoom;
    view_.centred = true;
    view_.centre = {under.x - (at.x() - middle.x()) / scale,
                    under.y + (at.y() - middle.y()) / scale};
    keep_centre_inside();
    update();
    emit view_changed();
}

void MapCanvas::pan_by(QPointF distance) {
    const MapScene* shown = scene();
    if (shown == nullptr || view_.zoom <= 1.0) return;
    const MapPlacement place = placement(size());
    if (!view_.centred) {
        const Frame& frame = shown->frame;
        view_.centre = {(frame.west + frame.east) / 2, (frame.south + frame.north) / 2};
        view_.centred = true;
    }
    view_.centre.x -= distance.x() / place.scale;
    view_.centre.y += distance.y() / place.scale;
    keep_centre_inside();
    update();
    emit view_changed();
}

void MapCanvas::reset_view() {
    if (view_.zoom == 1.0 && !view_.centred) return;
    view_ = MapView{};
    update();
    emit view_changed();
}

void MapCanvas::keep_centre_inside() {
    const MapScene* shown = scene();
    if (shown == nullptr) return;
    const Frame& frame = shown->frame;
    view_.centre.x = std::clamp(view_.centre.x, frame.west, frame.east);
    view_.centre.y = std::clamp(view_.centre.y, frame.south, frame.north);
}

const MapScene* MapCanvas::scene() {
    std::string error;
    return run_.scene(hour_, parameter_, options_, error);
}

bool MapCanvas::same_view(const MapView& a, const MapView& b) {
    return a.zoom == b.zoom && a.centred == b.centred &&
           (!a.centred || (a.centre.x == b.centre.x && a.centre.y == b.centre.y));
}

QImage MapCanvas::picture(QSize size) {
    for (auto it = pictures_.begin(); it != pictures_.end(); ++it) {
        if (it->hour == hour_ && it->parameter == parameter_ && it->options == options_ &&
            it->size == size && same_view(it->view, view_)) {
            pictures_.splice(pictures_.begin(), pictures_, it);
            return pictures_.front().image;
        }
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    std::string error;
    const MapScene* shown = run_.scene(hour_, parameter_, options_, error);
    {
        QPainter painter(&image);
        if (shown != nullptr) {
            paint_map(painter, QRectF(QPointF(0, 0), QSizeF(size)), *shown, view_);
        } else {
            painter.fillRect(image.rect(), to_qcolor(no_value_colour));
            painter.drawText(image.rect(), Qt::AlignCenter | Qt::TextWordWrap, text_of(error));
        }
    }
    const auto bytes = static_cast<std::size_t>(image.sizeInBytes());
    if (shown != nullptr && bytes <= picture_budget) {
        pictures_.push_front({hour_, parameter_, options_, size, view_, image});
        kept_bytes_ += bytes;
        while (kept_bytes_ > picture_budget) {
            kept_bytes_ -= static_cast<std::size_t>(pictures_.back().image.sizeInBytes());
            pictures_.pop_back();
        }
    }
    return image;
}

void MapCanvas::forget_pictures() {
    pictures_.clear();
    kept_bytes_ = 0;
}

QString MapCanvas::readout_at(QPointF at) {
    const MapScene* shown = scene();
    std::string error;
    const HourMap* map = run_.hour(hour_, error);
    if (shown == nullptr || map == nullptr) return {};
    const MapPlacement place = placement(size());
    if (!place.area.contains(at)) return {};
    const MapPoint point = place.to_map(at);
    if (!shown->frame.contains(point)) return {};
    const std::optional<GeoPoint> where = map->projection->inverse(point);
    if (!where || std::isnan(where->lon) || std::isnan(where->lat)) return {};
    return text_of(readout(map->request, *map->locator, *where).text());
}

std::optional<QPointF> MapCanvas::pixel_of(GeoPoint place) {
    const MapScene* shown = scene();
    std::string error;
    const HourMap* map = run_.hour(hour_, error);
    if (shown == nullptr || map == nullptr) return std::nullopt;
    const MapProjection& projection = *map->projection;
    if (!projection.azimuthal()) {
        place.lon = wrap_longitude(place.lon, projection.central_longitude());
    }
    const MapPoint point = projection.forward(place);
    if (!shown->frame.contains(point)) return std::nullopt;
    const MapPlacement placed = placement(size());
    const QPointF at = placed.to_target(point);
    if (!placed.area.contains(at)) return std::nullopt;
    return at;
}

void MapCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::lround(width() * ratio)),
                       static_cast<int>(std::lround(height() * ratio)));
    QImage image = picture(pixels);
    image.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(0, 0), image);
}

void MapCanvas::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0) return;
    zoom_by(std::pow(1.25, steps), event->position());
    emit readout_changed(readout_at(event->position()));
    event->accept();
}

void MapCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        last_drag_ = event->position();
        setCursor(Qt::ClosedHandCursor);
    }
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        pan_by(event->position() - last_drag_);
        last_drag_ = event->position();
    }
    emit readout_changed(readout_at(event->position()));
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && dragging_) {
        dragging_ = false;
        setCursor(Qt::CrossCursor);
    }
}

void MapCanvas::leaveEvent(QEvent*) {
    emit readout_changed(QString());
}

}  // namespace qor::map
