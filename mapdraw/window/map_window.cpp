#include "mapdraw/window/map_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdio>

#include "mapdraw/geojson.h"
#include "mapdraw/paint/map_writers.h"
#include "mapdraw/window/map_printing.h"

namespace qor::map {

namespace {

QString text_of(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string path_of(const QString& path) {
    return path.toLocal8Bit().toStdString();
}

// A file name for a map: SAMPLE_001\SAMPLE01.HG1 gives SAMPLE01_HG1, and with
// the parameter DBU SAMPLE01_HG1_DBU.
QString map_file_name(const PlotRequest& request, std::size_t parameter) {
    QString name = text_of(request.grid_name);
    name = name.mid(name.lastIndexOf(QLatin1Char('\\')) + 1)
               .replace(QLatin1Char('.'), QLatin1Char('_'));
    if (parameter < request.parameters.size()) {
        name += QLatin1Char('_') + text_of(request.parameters[parameter].name);
    }
    return name;
}

}  // namespace

// The hours written under the slider's positions: grey for an hour whose
// grid file is missing, bold for the hour shown.
class HourScale : public QWidget {
  public:
    HourScale(MapRun& run, QSlider& slider, QWidget* parent)
        : QWidget(parent), run_(run), slider_(slider) {
        setObjectName(QStringLiteral("hourScale"));
        setMinimumHeight(fontMetrics().height() + 2);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionSlider option;
        option.initFrom(&slider_);
        option.orientation = Qt::Horizontal;
        option.minimum = slider_.minimum();
        option.maximum = slider_.maximum();
        option.sliderPosition = slider_.sliderPosition();
        option.sliderValue = slider_.value();
        option.tickPosition = slider_.tickPosition();
        option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
        const QRect groove = slider_.style()->subControlRect(QStyle::CC_Slider, &option,
                                                             QStyle::SC_SliderGroove, &slider_);
        const QRect handle = slider_.style()->subControlRect(QStyle::CC_Slider, &option,
                                                             QStyle::SC_SliderHandle, &slider_);
        const int span = groove.width() - handle.width();
        const int shift = slider_.x() - x();
        for (int k = slider_.minimum(); k <= slider_.maximum(); ++k) {
            const auto index = static_cast<std::size_t>(k);
            const int centre =
                shift + groove.x() + handle.width() / 2 +
                QStyle::sliderPositionFromValue(slider_.minimum(), slider_.maximum(), k, span);
            QFont f = font();
            f.setBold(k == slider_.value());
            painter.setFont(f);
            painter.setPen(run_.usable(index)
                               ? palette().color(QPalette::WindowText)
                               : palette().color(QPalette::Disabled, QPalette::WindowText));
            const QString label = text_of(hour_label(run_.hours()[index]));
            const int w = QFontMetrics(f).horizontalAdvance(label);
            painter.drawText(QPoint(std::clamp(centre - w / 2, 0, std::max(0, width() - w)),
                                    QFontMetrics(f).ascent()),
                             label);
        }
    }

  private:
    MapRun& run_;
    QSlider& slider_;
};

MapWindow::MapWindow(std::unique_ptr<MapRun> run, const MapWindowOptions& options, QWidget* parent)
    : QMainWindow(parent), run_(std::move(run)), options_(options) {
    setObjectName(QStringLiteral("mapWindow"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    export_folder_ = QDir::homePath();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    tabs_ = new QTabBar(central);
    tabs_->setObjectName(QStringLiteral("parameterTabs"));
    tabs_->setExpanding(false);
    tabs_->setDrawBase(true);
    const HourMap* first = nullptr;
    {
        std::string error;
        first = run_->hour(run_->requested_hour(), error);
    }
    if (first != nullptr) {
        for (const PlottedParameter& parameter : first->request.parameters) {
            QString label = text_of(parameter.name);
            if (!parameter.problem.empty()) label += QStringLiteral(" (not drawn)");
            const int index = tabs_->addTab(label);
            tabs_->setTabToolTip(
                index,
                text_of(parameter.description.empty() ? parameter.problem : parameter.description));
        }
    }
    if (tabs_->count() == 0) {
        tabs_->addTab(QStringLiteral("No parameter plotted"));
        tabs_->setEnabled(false);
    }
    layout->addWidget(tabs_);

    canvas_ = new MapCanvas(*run_, central);
    canvas_->set_options(options.scene);
    layout->addWidget(canvas_, 1);

    auto* bar = new QWidget(central);
    bar->setObjectName(QStringLiteral("hoursBar"));
    build_hours(bar);
    layout->addWidget(bar);
    setCentralWidget(central);

    readout_ = new QLabel(this);
    readout_->setObjectName(QStringLiteral("readout"));
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readout_->setMinimumWidth(200);
    statusBar()->addWidget(readout_, 1);
    connect(canvas_, &MapCanvas::readout_changed, readout_, &QLabel::setText);

    build_menus();

    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0) canvas_->show_parameter(static_cast<std::size_t>(index));
    });
    if (options.parameter > 0 && options.parameter < tabs_->count()) {
        tabs_->setCurrentIndex(options.parameter);
    }
    timer_.setInterval(play_interval_ms);
    connect(&timer_, &QTimer::timeout, this, [this] {
        const std::size_t next = next_hour(canvas_->hour(), 1);
        if (next == canvas_->hour() || !show_hour(next)) set_playing(false);
    });

    update_hours();
    update_title();
    resize(1200, 800);
}

MapWindow::~MapWindow() = default;

void MapWindow::build_hours(QWidget* bar) {
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 4, 8, 2);
    play_ = new QToolButton(bar);
    play_->setObjectName(QStringLiteral("playHours"));
    play_->setText(QStringLiteral("&Play"));
    play_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    play_->setMinimumWidth(64);
    row->addWidget(play_, 0, Qt::AlignTop);
    connect(play_, &QToolButton::clicked, this, [this] { set_playing(!playing()); });

    auto* track = new QVBoxLayout();
    track->setSpacing(0);
    slider_ = new QSlider(Qt::Horizontal, bar);
    slider_->setObjectName(QStringLiteral("hourSlider"));
    slider_->setRange(0, static_cast<int>(run_->hours().size()) - 1);
    slider_->setPageStep(1);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setTickInterval(1);
    slider_->setValue(static_cast<int>(run_->requested_hour()));
    track->addWidget(slider_);
    scale_ = new HourScale(*run_, *slider_, bar);
    track->addWidget(scale_);
    row->addLayout(track, 1);

    hour_label_ = new QLabel(bar);
    hour_label_->setObjectName(QStringLiteral("hourLabel"));
    hour_label_->setMinimumWidth(90);
    row->addWidget(hour_label_, 0, Qt::AlignTop);
    connect(slider_, &QSlider::valueChanged, this, &MapWindow::slider_moved);

    // A run of one hour has nothing to step through (the map's own heading
    // names its hour).
    bar->setVisible(run_->hours().size() > 1);
}

void MapWindow::build_menus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QMenu* exports = file->addMenu(QStringLiteral("&Export"));
    exports->setObjectName(QStringLiteral("exportMenu"));
    struct Kind {
        const char* name;
        const char* label;
        const char* filter;
        const char* ending;
    };
    for (const Kind& kind :
         {Kind{"exportPng", "&PNG picture...", "PNG pictures (*.png)", "png"},
          Kind{"exportSvg", "&SVG drawing...", "SVG drawings (*.svg)", "svg"},
          Kind{"exportPdf", "P&DF document...", "PDF documents (*.pdf)", "pdf"},
          Kind{"exportGeojson", "&GeoJSON bands...", "GeoJSON files (*.geojson)", "geojson"}}) {
        QAction* action = exports->addAction(QString::fromUtf8(kind.label));
        action->setObjectName(QString::fromUtf8(kind.name));
        const QString label =
            QString::fromUtf8(kind.label).remove(QLatin1Char('&')).remove(QStringLiteral("..."));
        const QString filter = QString::fromUtf8(kind.filter);
        const QString ending = QString::fromUtf8(kind.ending);
        connect(action, &QAction::triggered, this,
                [this, label, filter, ending] { choose_export(label, filter, ending); });
    }
    QAction* print = file->addAction(QStringLiteral("&Print..."));
    print->setObjectName(QStringLiteral("printMap"));
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, &MapWindow::print_with_dialog);
    file->addSeparator();
    QAction* close_action = file->addAction(QStringLiteral("&Close"));
    close_action->setObjectName(QStringLiteral("closeMap"));
    close_action->setShortcut(QKeySequence::Close);
    connect(close_action, &QAction::triggered, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    QAction* zoom_in = view->addAction(QStringLiteral("Zoom &in"));
    zoom_in->setObjectName(QStringLiteral("zoomIn"));
    zoom_in->setShortcuts({QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal),
                           QKeySequence(Qt::KeypadModifier | Qt::Key_Plus)});
    connect(zoom_in, &QAction::triggered, this, [this] { canvas_->zoom_by(1.5); });
    QAction* zoom_out = view->addAction(QStringLiteral("Zoom &out"));
    zoom_out->setObjectName(QStringLiteral("zoomOut"));
    zoom_out->setShortcuts(
        {QKeySequence(Qt::Key_Minus), QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)});
    connect(zoom_out, &QAction::triggered, this, [this] { canvas_->zoom_by(1 / 1.5); });
    QAction* home = view->addAction(QStringLiteral("&Whole map"));
    home->setObjectName(QStringLiteral("homeView"));
    home->setShortcut(QKeySequence(Qt::Key_Home));
    connect(home, &QAction::triggered, canvas_, &MapCanvas::reset_view);
    view->addSeparator();
    QAction* next = view->addAction(QStringLiteral("&Next hour"));
    next->setObjectName(QStringLiteral("nextHour"));
    next->setShortcut(QKeySequence(Qt::Key_PageDown));
    connect(next, &QAction::triggered, this, [this] { show_hour(next_hour(canvas_->hour(), 1)); });
    QAction* previous = view->addAction(QStringLiteral("&Previous hour"));
    previous->setObjectName(QStringLiteral("previousHour"));
    previous->setShortcut(QKeySequence(Qt::Key_PageUp));
    connect(previous, &QAction::triggered, this,
            [this] { show_hour(next_hour(canvas_->hour(), -1)); });
    const bool several = run_->hours().size() > 1;
    next->setEnabled(several);
    previous->setEnabled(several);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    QAction* night = options->addAction(QStringLiteral("&Terminator (night side)"));
    night->setObjectName(QStringLiteral("terminator"));
    night->setCheckable(true);
    night->setChecked(options_.scene.terminator);
    QAction* safe = options->addAction(QStringLiteral("Colour-&blind-safe palette"));
    safe->setObjectName(QStringLiteral("safePalette"));
    safe->setCheckable(true);
    safe->setChecked(options_.scene.safe_palette);
    connect(night, &QAction::toggled, this, [this](bool on) {
        options_.scene.terminator = on;
        options_changed();
    });
    connect(safe, &QAction::toggled, this, [this](bool on) {
        options_.scene.safe_palette = on;
        options_changed();
    });
}

void MapWindow::options_changed() {
    canvas_->set_options(options_.scene);
}

void MapWindow::update_title() {
    std::string error;
    const HourMap* map = run_->hour(canvas_->hour(), error);
    QString title;
    if (map != nullptr) {
        title = text_of(map->request.grid_name);
        if (!map->request.title.empty())
            title += QStringLiteral(" - ") + text_of(map->request.title);
    }
    setWindowTitle(title + QStringLiteral(" - ") + options_.program);
}

void MapWindow::update_hours() {
    const RunHour& hour = run_->hours()[canvas_->hour()];
    hour_label_->setText(text_of(hour_label(hour)));
    {
        const QSignalBlocker block(slider_);
        slider_->setValue(static_cast<int>(canvas_->hour()));
    }
    scale_->update();
}

bool MapWindow::show_hour(std::size_t hour) {
    QString error;
    if (!canvas_->show_hour(hour, error)) {
        statusBar()->showMessage(error, 6000);
        update_hours();
        scale_->update();
        return false;
    }
    update_hours();
    update_title();
    return true;
}

std::size_t MapWindow::next_hour(std::size_t from, int direction) const {
    const std::size_t count = run_->hours().size();
    for (std::size_t step = 1; step < count; ++step) {
        const std::size_t k =
            direction >= 0 ? (from + step) % count : (from + count - step) % count;
        if (run_->usable(k)) return k;
    }
    return from;
}

void MapWindow::slider_moved(int value) {
    const auto wanted = static_cast<std::size_t>(value);
    const std::size_t shown = canvas_->hour();
    if (wanted == shown) return;
    std::size_t target = wanted;
    if (!run_->usable(wanted)) {
        // A missing hour is stepped over in the direction the slider moved;
        // past the last one, the nearest before it.
        const int direction = wanted > shown ? 1 : -1;
        const std::size_t count = run_->hours().size();
        target = shown;
        for (auto k = static_cast<long>(wanted); k >= 0 && k < static_cast<long>(count);
             k += direction) {
            if (run_->usable(static_cast<std::size_t>(k))) {
                target = static_cast<std::size_t>(k);
                break;
            }
        }
        if (target == shown) {
            for (auto k = static_cast<long>(wanted); k >= 0 && k < static_cast<long>(count);
                 k -= direction) {
                if (run_->usable(static_cast<std::size_t>(k))) {
                    target = static_cast<std::size_t>(k);
                    break;
                }
            }
        }
    }
    if (target != shown) {
        show_hour(target);
    } else {
        update_hours();
    }
}

void MapWindow::set_playing(bool on) {
    if (on && next_hour(canvas_->hour(), 1) == canvas_->hour()) on = false;
    if (on) {
        timer_.start();
    } else {
        timer_.stop();
    }
    play_->setText(on ? QStringLiteral("&Pause") : QStringLiteral("&Play"));
}

std::vector<const MapScene*> MapWindow::scenes_of_hour(QString& error) {
    // Each scene is built (or found) in turn and kept: the run holds more
    // scenes than one hour has parameters.
    std::vector<const MapScene*> scenes;
    const std::size_t count = std::max<std::size_t>(1, run_->parameter_names().size());
    for (std::size_t p = 0; p < count; ++p) {
        std::string why;
        const MapScene* scene = run_->scene(canvas_->hour(), p, options_.scene, why);
        if (scene == nullptr) {
            error = text_of(why);
            return {};
        }
        scenes.push_back(scene);
    }
    return scenes;
}

QString MapWindow::export_to(const QString& path) {
    const QString ending = QFileInfo(path).suffix().toLower();
    std::string error;
    const MapScene* scene =
        run_->scene(canvas_->hour(), canvas_->parameter(), options_.scene, error);
    if (scene == nullptr) return text_of(error);
    if (ending == QLatin1String("png")) {
        const QImage image = canvas_->picture(canvas_->size());
        if (!image.save(path, "PNG")) return QStringLiteral("Cannot write %1").arg(path);
        return {};
    }
    if (ending == QLatin1String("svg")) {
        return text_of(write_svg(*scene, canvas_->size(), path_of(path), canvas_->view()));
    }
    if (ending == QLatin1String("pdf")) {
        QString why;
        const std::vector<const MapScene*> scenes = scenes_of_hour(why);
        if (scenes.empty()) return why;
        return text_of(write_pdf(scenes, path_of(path), canvas_->view()));
    }
    if (ending == QLatin1String("geojson") || ending == QLatin1String("json")) {
        const HourMap* map = run_->hour(canvas_->hour(), error);
        if (map == nullptr) return text_of(error);
        if (canvas_->parameter() >= map->request.parameters.size()) {
            return QStringLiteral("No parameter is plotted: there are no bands to write");
        }
        const PlottedParameter& parameter = map->request.parameters[canvas_->parameter()];
        if (!parameter.problem.empty()) return text_of(parameter.problem);
        return text_of(write_text_file(
            bands_geojson(map->request, canvas_->parameter(), options_.scene.safe_palette),
            path_of(path)));
    }
    return QStringLiteral(
               "Cannot tell the kind of %1 from its ending: use .png, .svg, .pdf or "
               ".geojson")
        .arg(path);
}

void MapWindow::choose_export(const QString& kind, const QString& filter, const QString& ending) {
    std::string error;
    const HourMap* map = run_->hour(canvas_->hour(), error);
    const QString name =
        map != nullptr ? map_file_name(map->request, canvas_->parameter()) : QStringLiteral("map");
    QFileDialog dialog(this, QStringLiteral("Export %1").arg(kind), export_folder_, filter);
    dialog.setObjectName(QStringLiteral("exportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(ending);
    dialog.selectFile(name + QLatin1Char('.') + ending);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().front();
    export_folder_ = QFileInfo(path).absolutePath();
    const QString failure = export_to(path);
    statusBar()->showMessage(failure.isEmpty() ? QStringLiteral("Written: %1").arg(path) : failure,
                             8000);
}

QString MapWindow::print_to(QPrinter& printer) {
    QString error;
    const std::vector<const MapScene*> scenes = scenes_of_hour(error);
    if (scenes.empty()) return error;
    std::string why;
    const HourMap* map = run_->hour(canvas_->hour(), why);
    if (map == nullptr) return text_of(why);
    return print_maps(printer, scenes, print_placement(map->request), canvas_->view());
}

void MapWindow::print_with_dialog() {
    std::string error;
    const HourMap* map = run_->hour(canvas_->hour(), error);
    if (map == nullptr) return;
    QPrinter printer(QPrinter::HighResolution);
    prepare_printer(printer, map_file_name(map->request, std::string::npos), export_folder_);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setWindowTitle(QStringLiteral("Print map"));
    if (dialog.exec() != QDialog::Accepted) return;
    const QString failure = print_to(printer);
    statusBar()->showMessage(failure.isEmpty() ? QStringLiteral("Printed") : failure, 8000);
}

int print_run(MapRun& run, const SceneOptions& options) {
    std::string error;
    const HourMap* map = run.hour(run.requested_hour(), error);
    if (map == nullptr) {
        std::fprintf(stderr, "terrapix: %s\n", error.c_str());
        return 1;
    }
    std::vector<const MapScene*> scenes;
    const std::size_t count = std::max<std::size_t>(1, map->request.parameters.size());
    for (std::size_t p = 0; p < count; ++p) {
        const MapScene* scene = run.scene(run.requested_hour(), p, options, error);
        if (scene == nullptr) {
            std::fprintf(stderr, "terrapix: %s\n", error.c_str());
            return 1;
        }
        scenes.push_back(scene);
    }
    QPrinter printer(QPrinter::HighResolution);
    prepare_printer(printer, map_file_name(map->request, std::string::npos), QDir::homePath());
    QPrintDialog dialog(&printer);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setWindowTitle(QStringLiteral("Print map - %1").arg(text_of(map->request.grid_name)));
    if (dialog.exec() != QDialog::Accepted) return 0;
    const QString failure = print_maps(printer, scenes, print_placement(map->request));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "terrapix: %s\n", failure.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

}  // namespace qor::map
