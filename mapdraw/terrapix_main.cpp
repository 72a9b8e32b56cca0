// terrapix: the package's map program. The front end starts it as
//   terrapix RUNDIR DATAROOT zonegrfx.dat [p]
// in the run directory; with --export it writes the map to a file and exits,
// without a display.

#include <malloc.h>
#include <sys/mman.h>

#include <QGuiApplication>
#include <QSize>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "mapdraw/geojson.h"
#include "mapdraw/paint/map_writers.h"
#include "mapdraw/plot_request.h"
#include "mapdraw/scene.h"
#include "mapdraw/world_data.h"

namespace {

using namespace qor::map;

void usage(std::FILE* out) {
    std::fputs(
        "usage: terrapix RUNDIR DATAROOT REQUEST [p]\n"
        "       terrapix --export FILE [--param N] [--size WxH] [--terminator]\n"
        "                RUNDIR DATAROOT REQUEST\n"
        "\n"
        "Draws the map of a plot request (REQUEST, normally zonegrfx.dat in RUNDIR):\n"
        "the grid file it names below RUNDIR's package in DATAROOT (AREADATA or\n"
        "AREA_INV), with the settings of the grid's requirement file.\n"
        "\n"
        "  --export FILE   write the map to FILE and exit; the kind comes from the\n"
        "                  ending: .png, .svg, .pdf (one page per plotted parameter),\n"
        "                  .geojson (the contour bands as polygons)\n"
        "  --param N       the plotted parameter N (1 to 5) only; the first by default\n"
        "                  (a PDF holds them all)\n"
        "  --size WxH      picture size in pixels for PNG and SVG (default 1600x900)\n"
        "  --terminator    shade the night side for the run's month and hour\n"
        "  --projection C  draw in projection C (0, 1, 21 to 24) instead of the\n"
        "                  requirement file's\n",
        out);
}

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

}  // namespace

int main(int argc, char** argv) {
    prepare_heap();
    std::string export_file;
    int parameter = 0;  // 0: the first, or all for a PDF
    QSize size(1600, 900);
    SceneOptions options;
    int projection_code = -1;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        auto value = [&]() -> const char* {
            if (i + 1 >= argc) return nullptr;
            return argv[++i];
        };
        if (argument == "--help" || argument == "-h") {
            usage(stdout);
            return 0;
        } else if (argument == "--export") {
            const char* v = value();
            if (v == nullptr) return usage(stderr), 2;
            export_file = v;
        } else if (argument == "--param") {
            const char* v = value();
            if (v == nullptr || std::strlen(v) != 1 || v[0] < '1' || v[0] > '5') {
                std::fprintf(stderr, "terrapix: --param needs a parameter number from 1 to 5\n");
                return 2;
            }
            parameter = v[0] - '0';
        } else if (argument == "--size") {
            const char* v = value();
            int w = 0, h = 0;
            char extra = 0;
            if (v == nullptr || std::sscanf(v, "%dx%d%c", &w, &h, &extra) != 2 || w < 200 ||
                h < 150 || w > 20000 || h > 20000) {
                std::fprintf(stderr,
                             "terrapix: --size needs WIDTHxHEIGHT, from 200x150 to 20000x20000\n");
                return 2;
            }
            size = QSize(w, h);
        } else if (argument == "--projection") {
            const char* v = value();
            int code = -1;
            char extra = 0;
            if (v == nullptr || std::sscanf(v, "%d%c", &code, &extra) != 1 || code < 0) {
                std::fprintf(stderr, "terrapix: --projection needs a projection code\n");
                return 2;
            }
            projection_code = code;
        } else if (argument == "--terminator") {
            options.terminator = true;
        } else if (argument.size() > 1 && argument[0] == '-' && argument.substr(0, 2) == "--") {
            std::fprintf(stderr, "terrapix: unknown option %s\n", argument.c_str());
            usage(stderr);
            return 2;
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.size() < 3 || positional.size() > 4 ||
        (positional.size() == 4 && lower(positional[3]) != "p")) {
        usage(stderr);
        return 2;
    }
    if (export_file.empty()) {
        return fail(
            "drawing in a window or on a printer is not available yet; "
            "write the map to a file with --export FILE");
    }
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
    std::optional<PlotRequest> request =
        read_plot_request(positional[0], positional[1], positional[2], error);
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
        error = write_text_file(bands_geojson(*request, chosen.front()), export_file);
        return error.empty() ? 0 : fail(error);
    }

    if (projection_code >= 0) request->projection_code = projection_code;
    std::unique_ptr<MapProjection> projection = projection_for(*request, error);
    if (!projection) return fail(error);
    std::optional<WorldData> world{WorldData(packed_world_lines(), packed_world_caps())};
    std::vector<MapScene> scenes;
    if (chosen.empty()) chosen.push_back(request->parameters.size());
    for (const std::size_t p : chosen) {
        scenes.push_back(build_scene(*request, p, *projection, world ? &*world : nullptr, options));
    }
    if (kind == "pdf") {
        error = write_pdf(scenes, export_file);
    } else if (kind == "svg") {
        error = write_svg(scenes.front(), size, export_file);
    } else {
        error = write_png(scenes.front(), size, export_file);
    }
    if (!error.empty()) return fail(error);
    return status;
}
