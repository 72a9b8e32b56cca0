#pragma once
// The map of a map window: one scene of the run painted to fill the widget,
// zoomed with the wheel, panned by dragging, and read under the pointer.
//
// Each picture drawn is kept (keyed by what it shows: hour, parameter,
// options, size and view) up to a memory budget, so stepping back to an hour
// or a zoom already seen costs nothing but copying it to the screen.

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <cstddef>
#include <list>

#include "mapdraw/map_run.h"
#include "mapdraw/paint/map_painter.h"

namespace qor::map {

class MapCanvas : public QWidget {
    Q_OBJECT
  public:
    explicit MapCanvas(MapRun& run, QWidget* parent = nullptr);

    std::size_t hour() const { return hour_; }
    std::size_t parameter() const { return parameter_; }
    const SceneOptions& options() const { return options_; }
    const MapView& view() const { return view_; }

    /// Shows another hour (an index into the run's hours); false and the
    /// reason when it cannot be drawn (the picture stays as it was).
    bool show_hour(std::size_t hour, QString& error);
    void show_parameter(std::size_t parameter);
    void set_options(const SceneOptions& options);

    /// Zooms by factor, keeping the map point under at (widget pixels) in
    /// place; from the middle when at is outside the widget.
    void zoom_by(double factor, QPointF at = QPointF(-1, -1));
    /// Moves the map by a distance in widget pixels.
    void pan_by(QPointF distance);
    /// The whole frame again.
    void reset_view();

    /// The scene shown now; nullptr when it cannot be drawn. Valid until the
    /// next change of what is shown.
    const MapScene* scene();
    /// The picture of what is shown now at a size (taken from the kept ones
    /// when it was drawn before).
    QImage picture(QSize size);
    /// The status line for a point of the widget: position, distance and
    /// values; empty outside the map.
    QString readout_at(QPointF at);
    /// The point of the widget where a place of the globe is drawn; nothing
    /// when it is not on the map shown.
    std::optional<QPointF> pixel_of(GeoPoint place);

    /// The pictures kept now, and their memory.
    std::size_t kept_pictures() const { return pictures_.size(); }
    std::size_t kept_bytes() const { return kept_bytes_; }
    /// Forgets the kept pictures.
    void forget_pictures();

    /// The memory the kept pictures may take.
    static constexpr std::size_t picture_budget = std::size_t{256} << 20;

  signals:
    /// The status line under the pointer changed (empty: off the map).
    void readout_changed(const QString& text);
    /// The view was zoomed or moved.
    void view_changed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    struct Kept {
        std::size_t hour;
        std::size_t parameter;
        SceneOptions options;
        QSize size;
        MapView view;
        QImage image;
    };
    static bool same_view(const MapView& a, const MapView& b);
    void keep_centre_inside();
    MapPlacement placement(QSize size);

    MapRun& run_;
    std::size_t hour_ = 0;
    std::size_t parameter_ = 0;
    SceneOptions options_;
    MapView view_;
    std::list<Kept> pictures_;  // most recently used first
    std::size_t kept_bytes_ = 0;
    bool dragging_ = false;
    QPointF last_drag_;
};

}  // namespace qor::map
