#include "mapdraw/window/map_program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>

#include "mapdraw/plot_request.h"

namespace qor::map {

std::unique_ptr<MapRun> open_run(const MapArguments& arguments, const WorldData* world,
                                 std::string& error) {
    std::string data_root = arguments.data_root;
    if (data_root.empty()) {
        std::optional<RequestFile> request =
            read_request_file(arguments.run_directory, arguments.request_file, error);
        if (!request) return nullptr;
        data_root = data_root_of(arguments.run_directory, request->grid_name);
    }
    return MapRun::open(arguments.run_directory, data_root, arguments.request_file, world, error,
                        arguments.projection_code);
}

namespace {

SceneOptions scene_options(const MapArguments& arguments) {
    SceneOptions options;
    options.terminator = arguments.terminator;
    options.safe_palette = arguments.safe_palette;
    return options;
}

std::unique_ptr<MapWindow> window_for(const MapArguments& arguments, std::unique_ptr<MapRun> run) {
    MapWindowOptions options;
    options.program = arguments.mode == MapMode::full_screen ? QStringLiteral("terradox")
                                                             : QStringLiteral("terrapix");
    options.scene = scene_options(arguments);
    options.parameter = arguments.parameter > 0 ? arguments.parameter - 1 : 0;
    return std::make_unique<MapWindow>(std::move(run), options);
}

}  // namespace

std::unique_ptr<MapWindow> open_map_window(const MapArguments& arguments, const WorldData* world,
                                           std::string& error) {
    std::unique_ptr<MapRun> run = open_run(arguments, world, error);
    if (!run) return nullptr;
    return window_for(arguments, std::move(run));
}

int run_map_program(const MapArguments& arguments, std::unique_ptr<MapRun> run,
                    const std::string& error) {
    auto fail = [&error] {
        std::fprintf(stderr, "terrapix: %s\n", error.c_str());
        // Started from the front end, the program has no console a user
        // reads: the reason is shown in a window too.
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Map not drawn"),
                        QString::fromUtf8(error.c_str()), QMessageBox::Ok);
        box.setObjectName(QStringLiteral("mapFailure"));
        box.exec();
        return 1;
    };
    if (!run) return fail();
    if (arguments.mode == MapMode::printer) return print_run(*run, scene_options(arguments));
    std::unique_ptr<MapWindow> window = window_for(arguments, std::move(run));
    if (arguments.mode == MapMode::full_screen) {
        // The whole screen also where no window manager carries out the
        // full-screen request.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            window->setGeometry(screen->geometry());
        }
        window->showFullScreen();
    } else {
        // Most of the screen, but not more than a map needs.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect free = screen->availableGeometry();
            window->resize(std::min(free.width() * 9 / 10, 1500),
                           std::min(free.height() * 9 / 10, 950));
        }
        window->show();
    }
    return QApplication::exec();
}

}  // namespace qor::map
