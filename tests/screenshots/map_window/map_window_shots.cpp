// map_window_shots: pictures of the map window for the documentation. Opens
// the map program's window on grid files of the sample package from the same
// argument list "Plot to, Window" gives it, puts the pointer on a place of
// the map so that the status bar shows its values, and saves the window; then
// opens the print dialog from the File menu and saves that.
//
//   map_window_shots --package DIR OUTPUT_FOLDER
//
// DIR is a sample package written by qorsample. Ends with status 0 when every
// picture was saved.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <string>

#include "mapdraw/window/map_program.h"
#include "mapdraw/world_data.h"

namespace {

using namespace qor::map;

struct Shot {
    const char* picture;
    const char* grid;   // sub-directory\name below AREADATA
    const char* title;  // the request's title
    GeoPoint pointer;   // where the pointer rests
    bool print_dialog;  // also picture the print dialog
};

void settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The window with its frame and title bar as the screen shows them, where a
// window manager draws a frame; the window's own drawing elsewhere.
QPixmap framed_picture(QWidget* window) {
    const QRect frame = window->frameGeometry();
    if (frame != window->geometry()) {
        if (QScreen* screen = window->screen()) {
            QPixmap shown =
                screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
            if (!shown.isNull()) return shown;
        }
    }
    return window->grab();
}

bool take(const Shot& shot, const std::string& package, const QString& folder,
          const WorldData& world) {
    {
        std::ofstream request(package + "/RUN/zonegrfx.dat");
        request << shot.grid << "\n" << shot.title << "\n";
    }
    MapArguments arguments;
    std::string error;
    if (parse_map_arguments({package + "/RUN", "AREADATA", "zonegrfx.dat"}, "terrapix",
                            package + "/RUN", arguments, error) != 0) {
        std::fprintf(stderr, "%s: %s\n", shot.picture, error.c_str());
        return false;
    }
    std::unique_ptr<MapWindow> window = open_map_window(arguments, &world, error);
    if (!window) {
        std::fprintf(stderr, "%s: %s\n", shot.picture, error.c_str());
        return false;
    }
    window->resize(1280, 860);
    window->show();
    settle(400);
    MapCanvas& canvas = window->canvas();
    const std::optional<QPointF> at = canvas.pixel_of(shot.pointer);
    if (!at) {
        std::fprintf(stderr, "%s: the pointer's place is not on the map\n", shot.picture);
        return false;
    }
    QMouseEvent move(QEvent::MouseMove, *at, canvas.mapToGlobal(*at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&canvas, &move);
    settle(200);
    // A picture of a window holds no pointer: an arrow is drawn where it rests.
    QPixmap picture = framed_picture(window.get());
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPointF tip =
            picture.size() == window->size()
                ? QPointF(canvas.mapTo(window.get(), at->toPoint()))
                : QPointF(canvas.mapToGlobal(at->toPoint()) - window->frameGeometry().topLeft());
        const QPolygonF arrow({tip, tip + QPointF(0, 17), tip + QPointF(4.5, 13),
                               tip + QPointF(8, 20), tip + QPointF(10.5, 19), tip + QPointF(7, 12),
                               tip + QPointF(12, 12)});
        painter.setPen(QPen(Qt::white, 1.2));
        painter.setBrush(Qt::black);
        painter.drawPolygon(arrow);
    }
    bool saved = picture.save(folder + "/" + shot.picture + ".png");
    if (!saved) std::fprintf(stderr, "%s: cannot save the picture\n", shot.picture);
    if (shot.print_dialog) {
        bool dialog_saved = false;
        // The dialog runs its own loop inside the action: it is pictured and
        // closed from a timer.
        QTimer poll;
        poll.setInterval(100);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || dialog->objectName() != "printDialog") return;
            poll.stop();
            settle(300);
            dialog_saved = framed_picture(dialog).save(folder + "/map_print_dialog.png");
            dialog->reject();
        });
        poll.start();
        QAction* print = window->findChild<QAction*>("printMap");
        if (print != nullptr) print->trigger();
        if (!dialog_saved)
            std::fprintf(stderr, "%s: the print dialog was not pictured\n", shot.picture);
        saved = saved && dialog_saved;
    }
    window->close();
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    std::string package;
    QString folder;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--package" && i + 1 < argc) {
            package = argv[++i];
        } else if (folder.isEmpty()) {
            folder = QString::fromLocal8Bit(argv[i]);
        }
    }
    if (package.empty() || folder.isEmpty()) {
        std::fputs("usage: map_window_shots --package DIR OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const WorldData world(packed_world_lines(), packed_world_caps());
    const Shot shots[] = {
        // Great Circle round Kavala, the pointer out along the main beam.
        {"map_window_great_circle",
         "SAMPLE_001\\SAMPLE03.HG1",
         "Evening service to the west",
         {-2.0, 48.5},
         false},
        // Lat/Lon of a run whose third hour was not calculated.
        {"map_window_latlon", "SAMPLE_001\\SAMPLE02.HG2", "Pacific service", {-95.0, 5.0}, true},
    };
    bool all = true;
    for (const Shot& shot : shots) all = take(shot, package, folder, world) && all;
    return all ? 0 : 1;
}
