// The map program's own work for each grid file of the sample package, in
// one process: reading the request (grid, requirement and settings files),
// building the scene (contours, projection, map data) and writing a
// 1600 x 900 PNG; and the same split into its steps. The whole process,
// start-up included, is measured by bench/map_bench.sh.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "mapdraw/paint/map_writers.h"
#include "mapdraw/plot_request.h"
#include "mapdraw/scene.h"
#include "mapdraw/world_data.h"
#include "sample/sample_package.h"

namespace {

namespace fs = std::filesystem;

struct Sample {
    std::string root;  // AREADATA or AREA_INV
    std::string grid;  // sub-directory\name
};

std::string package;
const qor::map::WorldData& world() {
    static const qor::map::WorldData data(qor::map::packed_world_lines(),
                                          qor::map::packed_world_caps());
    return data;
}

void request(const Sample& sample) {
    std::FILE* file = std::fopen((package + "/RUN/zonegrfx.dat").c_str(), "w");
    std::fprintf(file, "%s\nSample map\n", sample.grid.c_str());
    std::fclose(file);
}

void whole_map(benchmark::State& state, Sample sample) {
    request(sample);
    const std::string out = package + "/map.png";
    for (auto _ : state) {
        std::string error;
        std::optional<qor::map::PlotRequest> plot =
            qor::map::read_plot_request(package + "/RUN", sample.root, "zonegrfx.dat", error);
        if (!plot) {
            state.SkipWithError(error.c_str());
            return;
        }
        auto projection = qor::map::projection_for(*plot, error);
        const qor::map::MapScene scene = qor::map::build_scene(*plot, 0, *projection, &world(), {});
        error = qor::map::write_png(scene, QSize(1600, 900), out);
        if (!error.empty()) state.SkipWithError(error.c_str());
    }
}

void read_only(benchmark::State& state, Sample sample) {
    request(sample);
    for (auto _ : state) {
        std::string error;
        benchmark::DoNotOptimize(
            qor::map::read_plot_request(package + "/RUN", sample.root, "zonegrfx.dat", error));
    }
}

void scene_only(benchmark::State& state, Sample sample) {
    request(sample);
    std::string error;
    std::optional<qor::map::PlotRequest> plot =
        qor::map::read_plot_request(package + "/RUN", sample.root, "zonegrfx.dat", error);
    auto projection = qor::map::projection_for(*plot, error);
    for (auto _ : state) {
        benchmark::DoNotOptimize(qor::map::build_scene(*plot, 0, *projection, &world(), {}));
    }
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    char pattern[] = "/tmp/qormaprenderXXXXXX";
    if (mkdtemp(pattern) == nullptr) return 1;
    package = pattern;
    if (!qor::sample::write_sample_package(package).empty()) return 1;
    std::vector<Sample> samples;
    for (const char* root : {"AREADATA", "AREA_INV"}) {
        for (const auto& directory : fs::directory_iterator(package + "/" + root)) {
            for (const auto& file : fs::directory_iterator(directory)) {
                const std::string name = file.path().filename().string();
                if (name.size() > 3 && name[name.size() - 2] == 'G') {
                    samples.push_back({root, directory.path().filename().string() + "\\" + name});
                }
            }
        }
    }
    std::sort(samples.begin(), samples.end(),
              [](const Sample& a, const Sample& b) { return a.grid < b.grid; });
    for (const Sample& sample : samples) {
        benchmark::RegisterBenchmark(("map/" + sample.grid).c_str(), whole_map, sample)
            ->Unit(benchmark::kMillisecond);
    }
    const Sample first = samples.front();
    benchmark::RegisterBenchmark(("read/" + first.grid).c_str(), read_only, first)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("scene/" + first.grid).c_str(), scene_only, first)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(package);
    return 0;
}
