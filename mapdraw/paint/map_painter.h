#pragma once
// Paints a map scene with QPainter: the same picture on an image, an SVG or
// PDF file, a window or a printer page.
//
// The picture is laid out on a page 900 points high (and as wide as the
// target's shape makes it): the title and the request's details at the top,
// the map in the middle, the legend on the right. Sizes of lines and texts are
// given in these points, so every target shows the same picture at its own
// resolution.

#include <QPainter>
#include <QRectF>

#include "mapdraw/scene.h"

namespace qor::map {

/// Which part of the map fills the map area: the whole frame by default; a
/// window zooms and pans by changing it.
struct MapView {
    double zoom = 1.0;     ///< 1 shows the whole frame
    bool centred = false;  ///< false: the frame's middle is the view's middle
    MapPoint centre;       ///< the map point in the middle of the view
};

/// Where the map area of a layout lies and how map points reach it.
struct MapPlacement {
    QRectF area;          ///< the map area, in the target's coordinates
    double scale = 1;     ///< target units per metre of the map
    double offset_x = 0;  ///< target x of map x = 0
    double offset_y = 0;  ///< target y of map y = 0
    QPointF to_target(MapPoint p) const { return {offset_x + p.x * scale, offset_y - p.y * scale}; }
    MapPoint to_map(QPointF p) const {
        return {(p.x() - offset_x) / scale, (offset_y - p.y()) / scale};
    }
};

/// The placement of a scene's map in a target rectangle.
MapPlacement place_map(const MapScene& scene, const QRectF& target, const MapView& view = {});

/// Paints the whole picture (title, map, legend) into target.
void paint_map(QPainter& painter, const QRectF& target, const MapScene& scene,
               const MapView& view = {});

}  // namespace qor::map
