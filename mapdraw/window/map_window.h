#pragma once
// The map window: the map of a plot request, with a tab for each plotted
// parameter, the hours of the run behind a slider (with Play), the values
// under the pointer in the status bar, export to files, printing, and the
// night side and a colour-blind-safe palette as options.

#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <memory>

#include "mapdraw/map_run.h"
#include "mapdraw/window/map_canvas.h"

class QLabel;
class QPrinter;
class QSlider;
class QTabBar;
class QToolButton;

namespace qor::map {

class HourScale;

struct MapWindowOptions {
    QString program = QStringLiteral("terrapix");  ///< in the window title
    SceneOptions scene;                            ///< the options at start
    int parameter = 0;                             ///< the tab shown first (0-based)
};

class MapWindow : public QMainWindow {
    Q_OBJECT
  public:
    MapWindow(std::unique_ptr<MapRun> run, const MapWindowOptions& options = {},
              QWidget* parent = nullptr);
    ~MapWindow() override;

    MapRun& run() { return *run_; }
    MapCanvas& canvas() { return *canvas_; }

    /// Shows hour index (of the run's hours); false, with the reason in the
    /// status bar, when it cannot be drawn.
    bool show_hour(std::size_t hour);
    /// The next (or previous) hour that can be drawn, round the run; the
    /// hour shown when there is no other.
    std::size_t next_hour(std::size_t from, int direction) const;
    /// Starts or stops stepping through the hours.
    void set_playing(bool playing);
    bool playing() const { return timer_.isActive(); }

    /// Writes what the window shows to a file, the kind by its ending: .png
    /// and .svg at the map's size, .pdf a page per plotted parameter,
    /// .geojson the bands of the parameter shown. "" or why it failed.
    QString export_to(const QString& path);
    /// Prints a page per plotted parameter of the hour shown, as print_a.ini
    /// places it. "" or why it failed.
    QString print_to(QPrinter& printer);

    /// Time between two hours while playing.
    static constexpr int play_interval_ms = 600;

  private:
    void build_menus();
    void build_hours(QWidget* bar);
    void choose_export(const QString& kind, const QString& filter, const QString& ending);
    void print_with_dialog();
    void options_changed();
    void update_title();
    void update_hours();
    void slider_moved(int value);
    std::vector<const MapScene*> scenes_of_hour(QString& error);

    std::unique_ptr<MapRun> run_;
    MapWindowOptions options_;
    MapCanvas* canvas_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QSlider* slider_ = nullptr;
    HourScale* scale_ = nullptr;
    QToolButton* play_ = nullptr;
    QLabel* hour_label_ = nullptr;
    QLabel* readout_ = nullptr;
    QTimer timer_;
    QString export_folder_;
};

/// Prints every plotted parameter of the request's own hour through the
/// print dialog (the map program's "p" form): 0 when printed or cancelled,
/// 1 when printing failed (the reason on standard error).
int print_run(MapRun& run, const SceneOptions& options);

}  // namespace qor::map
