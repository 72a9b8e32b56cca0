// terrapix: the package's map program. The front end starts it as
//   terrapix RUNDIR DATAROOT zonegrfx.dat [p]
// in the run directory for a map window (or, with p, to print), and under the
// name terradox as "terradox zonegrfx.dat" for the full screen; with --export
// it writes the map to a file and exits, without a display.

#include <malloc.h>
#include <sys/mman.h>

#include <QApplication>
#include <QGuiApplication>
#include <QSize>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "mapdraw/geojson.h"
#include "mapdraw/paint/map_writers.h"
#include "mapdraw/plot_request.h"
#include "mapdraw/program_arguments.h"
#include "mapdraw/scene.h"
#include "mapdraw/window/map_program.h"
#include "mapdraw/world_data.h"

namespace {

using namespace qor::map;

// Qt's own notices about the desktop session (a missing runtime directory on
// a machine without one) are no concern of a map written to a file.
void quiet_desktop_notices(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg) return;
    if (message.startsWith(QStringLiteral("QStandardPaths:"))) return;
    std::fprintf(stderr, "terrapix: %s\n", message.toLocal8Bit().constData());
}

// A map is built from many vectors of a few megabytes in all, allocated and
// freed in turn. They come from one heap, grown once and backed by large
// pages where the system offers them, and go back to it rather than to the
// system: on a virtual machine each fresh small page costs a fault that
// takes longer than the work done on it.
void prepare_heap() {
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
#ifdef MADV_HUGEPAGE
    constexpr std::size_t arena = std::size_t{48} << 20;
    constexpr std::size_t large_page = std::size_t{2} << 20;
    void* block = std::malloc(arena);
    if (block == nullptr) return;
    const auto start =
        (reinterpret_cast<std::uintptr_t>(block) + large_page - 1) / large_page * large_page;
    const auto end = (reinterpret_cast<std::uintptr_t>(block) + arena) / large_page * large_page;
    if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
    std::free(block);
#endif
}

int fail(const std::string& text) {
    std::fprintf(stderr, "terrapix: %s\n", text.c_str());
    return 1;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Draws the map to a file and exits.
int export_map(const MapArguments& arguments, int argc, char** argv) {
    const std::string& export_file = arguments.export_file;
    const int parameter = arguments.parameter;
    std::string kind = lower(export_file);
    const std::size_t dot = kind.find_last_of('.');
    kind = dot == std::string::npos ? "" : kind.substr(dot + 1);
    if (kind != "png" && kind != "svg" && kind != "pdf" && kind != "geojson" && kind != "json") {
        return fail("cannot tell the kind of " + export_file +
                    " from its ending: use .png, .svg, .pdf or .geojson");
    }

    // Qt draws text with fonts, which needs an application; no display is
    // needed for files.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quiet_desktop_notices);
    QGuiApplication application(argc, argv);
    // The platform is loaded; the writers here need no plugin, and looking
    // through the image format plugins costs more than writing the map.
    QCoreApplication::setLibraryPaths({});

    std::string error;
    std::optional<PlotRequest> request = read_plot_request(
        arguments.run_directory, arguments.data_root, arguments.request_file, error);
    if (!request) return fail(error);
    for (const std::string& note : request->notes)
        std::fprintf(stderr, "terrapix: %s\n", note.c_str());

    // The parameters to draw.
    std::vector<std::size_t> chosen;
    if (parameter > 0) {
        if (static_cast<std::size_t>(parameter) > request->parameters.size()) {
            return fail("the requirement file plots " + std::to_string(request->parameters.size()) +
                        " parameter(s); there is no parameter " + std::to_string(parameter));
        }
        chosen.push_back(static_cast<std::size_t>(parameter - 1));
    } else if (kind == "pdf") {
        for (std::size_t p = 0; p < request->parameters.size(); ++p) chosen.push_back(p);
    } else if (!request->parameters.empty()) {
        chosen.push_back(0);
    }
    int status = 0;
    for (const std::size_t p : chosen) {
        const PlottedParameter& plotted = request->parameters[p];
        if (!plotted.problem.empty()) {
            std::fprintf(stderr, "terrapix: parameter %d (%s): %s\n", plotted.slot,
                         plotted.name.c_str(), plotted.problem.c_str());
            status = 1;
        }
    }
    if (kind == "geojson" || kind == "json") {
        if (chosen.empty()) return fail("the requirement file plots no parameter");
        if (status != 0) return status;
        error = write_text_file(bands_geojson(*request, chosen.front(), arguments.safe_palette),
                                export_file);
        return error.empty() ? 0 : fail(error);
    }

    if (arguments.projection_code >= 0) request->projection_code = arguments.projection_code;
    std::unique_ptr<MapProjection> projection = projection_for(*request, error);
    if (!projection) return fail(error);
    const WorldData world(packed_world_lines(), packed_world_caps());
    SceneOptions options;
    options.terminator = arguments.terminator;
    options.safe_palette = arguments.safe_palette;
    std::vector<MapScene> scenes;
    if (chosen.empty()) chosen.push_back(request->parameters.size());
    for (const std::size_t p : chosen) {
        scenes.push_back(build_scene(*request, p, *projection, &world, options));
    }
    const QSize size(arguments.width, arguments.height);
    if (kind == "pdf") {
        std::vector<const MapScene*> pages;
        for (const MapScene& scene : scenes) pages.push_back(&scene);
        error = write_pdf(pages, export_file);
    } else if (kind == "svg") {
        error = write_svg(scenes.front(), size, export_file);
    } else {
        error = write_png(scenes.front(), size, export_file);
    }
    if (!error.empty()) return fail(error);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    prepare_heap();
    const std::string program = program_name(argc > 0 ? argv[0] : "terrapix");
    std::vector<std::string> words(argv + std::min(argc, 1), argv + argc);
    std::error_code ignored;
    const std::string here = std::filesystem::current_path(ignored).string();
    MapArguments arguments;
    std::string error;
    switch (parse_map_arguments(words, program, here, arguments, error)) {
        case 0:
            break;
        case 1:
            std::fputs(map_usage().c_str(), stdout);
            return 0;
        default:
            std::fprintf(stderr, "%s: %s\n", program.c_str(), error.c_str());
            std::fputs(map_usage().c_str(), stderr);
            return 2;
    }
    if (arguments.mode == MapMode::export_file) return export_map(arguments, argc, argv);

    // A window needs a display: say so plainly rather than let the window
    // system's library give up with its own words.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr) {
        return fail("no display to show the map on; write the map to a file with --export FILE");
    }
    // The request, the requirement file and the first grid file are read
    // before the window system starts, so that a "Plot to" right after this
    // one, which rewrites the request, cannot reach this map.
    const WorldData world(packed_world_lines(), packed_world_caps());
    std::string run_error;
    std::unique_ptr<MapRun> run = open_run(arguments, &world, run_error);
    qInstallMessageHandler(quiet_desktop_notices);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromStdString(program));
    return run_map_program(arguments, std::move(run), run_error);
}
