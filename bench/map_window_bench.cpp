// The map window's drawing on the offscreen platform:
//
// - redraw: the map of a sample grid file painted again at 1920 x 1080 after
//   the window was resized or zoomed (its scene is kept; the picture is new);
// - hours: stepping through the nine hours of a global run on a 1 degree grid
//   (361 x 181 points) at 1600 x 900: the first pass reads each grid file and
//   builds its scene; after it, stepping shows kept pictures; "repainted"
//   steps through kept scenes whose pictures were dropped (a resize between).
//
// Each reports frames per second beside its time. On a shared machine compare
// the figures of one run with each other.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "mapdraw/map_run.h"
#include "mapdraw/window/map_canvas.h"
#include "mapdraw/world_data.h"
#include "sample/sample_package.h"

namespace {

namespace fs = std::filesystem;
using namespace qor::map;

std::string package;

const WorldData& world() {
    static const WorldData data(packed_world_lines(), packed_world_caps());
    return data;
}

void write_request(const std::string& grid) {
    std::FILE* file = std::fopen((package + "/RUN/zonegrfx.dat").c_str(), "w");
    std::fprintf(file, "%-30s\n%-75s\n", grid.c_str(), "Window benchmark");
    std::fclose(file);
}

// A global run of nine hours: a field round the transmitter whose lobe and
// ripple move with the hour, seven levels, shaded bands with lines.
void write_global_run() {
    const std::string folder = package + "/AREADATA/BENCH";
    fs::create_directories(folder);
    const double tx_lat = 35.47, tx_lon = -77.20;
    const double p1 = tx_lat * M_PI / 180;
    for (int hour = 1; hour <= 9; ++hour) {
        const std::string path = folder + "/GLOBAL.HG" + std::to_string(hour);
        std::FILE* grid = std::fopen(path.c_str(), "w");
        std::fprintf(grid, "HALDOR Version 4.02 (area coverage)\nGlobal hour %d\n", hour);
        std::fprintf(grid, "%3d%3d%20s%6s\n", 361, 181, "", "DBU");
        for (int r = 0; r < 181; ++r) {
            const double lat = -90.0 + r;
            for (int c = 0; c < 361; ++c) {
                const double lon = -180.0 + c;
                const double p2 = lat * M_PI / 180, dl = (lon - tx_lon) * M_PI / 180;
                const double cosine =
                    std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(dl);
                const double d = std::acos(std::clamp(cosine, -1.0, 1.0)) * 180 / M_PI;
                double value = 70.0 * std::exp(-d / (35.0 + 3 * hour)) +
                               18.0 * std::exp(-std::pow((d - 60.0 - 3 * hour) / 18.0, 2));
                value += 6.0 * std::sin((3 * lon + 20 * hour) * M_PI / 180) *
                         std::cos(2 * lat * M_PI / 180);
                std::fprintf(grid, "%8.2f%8.2f%5d%5d%6.2f\n", lat, lon, r + 1, c + 1,
                             std::max(0.0, value));
            }
        }
        std::fclose(grid);
    }
    std::FILE* hal = std::fopen((folder + "/GLOBAL.HAL").c_str(), "w");
    std::fprintf(hal, "Model    :HALDOR\n");
    std::fprintf(hal,
                 "Colors   :Ignore   :black    :Ignore   :Ignore   :Ignore   :Black with "
                 "shading\n");
    std::fprintf(hal, "Cities   :RECEIVE.CTY\nNparms   :    1\nParameter:%-6s%4d", "DBU", 7);
    const int levels[] = {10, 20, 30, 40, 50, 60, 70};
    const int colours[] = {12, 10, 3, 9, 1, 5, 15};
    for (int k = 0; k < 7; ++k) std::fprintf(hal, "%3d %7.2f", colours[k], double(levels[k]));
    std::fprintf(hal, "\nMonths   :%7d", 6);
    for (int k = 0; k < 8; ++k) std::fprintf(hal, "%7d", 0);
    std::fprintf(hal, "\nHours    :");
    for (int k = 0; k < 9; ++k) std::fprintf(hal, "%7d", 2 + 2 * k);
    std::fprintf(hal, "\nTransmit :%-20s%8.2f%9.2f\n", "GREENVILLE", tx_lat, tx_lon);
    std::fprintf(hal, "Area     :%8.2f%9.2f%8.2f%9.2f\n", -90.0, -180.0, 90.0, 180.0);
    std::fprintf(hal, "Gridsize :%5d%5d\n", 361, 1);
    std::fclose(hal);
}

std::unique_ptr<MapRun> open_run(benchmark::State& state, const std::string& grid) {
    write_request(grid);
    std::string error;
    std::unique_ptr<MapRun> run =
        MapRun::open(package + "/RUN", "AREADATA", "zonegrfx.dat", &world(), error);
    if (!run) state.SkipWithError(error.c_str());
    return run;
}

void frames(benchmark::State& state, std::int64_t count) {
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsRate);
}

// The picture painted again from the kept scene, as after a resize.
void redraw_after_resize(benchmark::State& state, const std::string& grid) {
    std::unique_ptr<MapRun> run = open_run(state, grid);
    if (!run) return;
    MapCanvas canvas(*run);
    const QSize size(1920, 1080);
    canvas.resize(size);
    benchmark::DoNotOptimize(canvas.picture(size));  // the scene is built once
    for (auto _ : state) {
        canvas.forget_pictures();
        benchmark::DoNotOptimize(canvas.picture(size));
    }
    frames(state, state.iterations());
}

// The picture painted at another zoom (in and out in turn).
void redraw_after_zoom(benchmark::State& state, const std::string& grid) {
    std::unique_ptr<MapRun> run = open_run(state, grid);
    if (!run) return;
    MapCanvas canvas(*run);
    const QSize size(1920, 1080);
    canvas.resize(size);
    benchmark::DoNotOptimize(canvas.picture(size));
    double factor = 1.5;
    for (auto _ : state) {
        canvas.zoom_by(factor);
        factor = 1 / factor;
        canvas.forget_pictures();
        benchmark::DoNotOptimize(canvas.picture(size));
    }
    frames(state, state.iterations());
}

enum class Pass { first, kept_pictures, kept_scenes };

void step_hours(benchmark::State& state, Pass pass) {
    const QSize size(1600, 900);
    std::int64_t shown = 0;
    std::unique_ptr<MapRun> run;
    std::unique_ptr<MapCanvas> canvas;
    auto step_all = [&] {
        for (std::size_t hour = 0; hour < run->hours().size(); ++hour) {
            QString error;
            if (!canvas->show_hour(hour, error)) {
                state.SkipWithError(error.toStdString().c_str());
                return;
            }
            benchmark::DoNotOptimize(canvas->picture(size));
            ++shown;
        }
    };
    if (pass != Pass::first) {
        run = open_run(state, "BENCH\\GLOBAL.HG1");
        if (!run) return;
        canvas = std::make_unique<MapCanvas>(*run);
        canvas->resize(size);
        step_all();
        shown = 0;
    }
    for (auto _ : state) {
        if (pass == Pass::first) {
            state.PauseTiming();
            canvas.reset();
            run.reset();
            state.ResumeTiming();
            run = open_run(state, "BENCH\\GLOBAL.HG1");
            if (!run) return;
            canvas = std::make_unique<MapCanvas>(*run);
            canvas->resize(size);
        } else if (pass == Pass::kept_scenes) {
            canvas->forget_pictures();
        }
        step_all();
    }
    frames(state, shown);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    char pattern[] = "/tmp/qormapwindowXXXXXX";
    if (mkdtemp(pattern) == nullptr) return 1;
    package = pattern;
    if (!qor::sample::write_sample_package(package).empty()) return 1;
    write_global_run();

    for (const char* grid : {"SAMPLE_001\\SAMPLE01.HG1", "SAMPLE_001\\SAMPLE03.HG1"}) {
        benchmark::RegisterBenchmark((std::string("redraw/resize/") + grid).c_str(),
                                     redraw_after_resize, std::string(grid))
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("redraw/zoom/") + grid).c_str(),
                                     redraw_after_zoom, std::string(grid))
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("hours/first_pass/global_1deg", step_hours, Pass::first)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(2);
    benchmark::RegisterBenchmark("hours/kept_pictures/global_1deg", step_hours, Pass::kept_pictures)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("hours/kept_scenes/global_1deg", step_hours, Pass::kept_scenes)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(package);
    return 0;
}
