// Catalog creation of a sub-directory of 2,000 requirement files against a
// baseline that only opens and reads the same files and tests the same grid
// files for existence; the same creation with its real progress window (on
// whatever Qt platform is set, offscreen by default), which may add at most a
// tenth to the creation without windows; and sorting a 2,000-line catalog by
// each key.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/session.h"
#include "base/fixed_record.h"
#include "catalog/catalog_creation.h"
#include "catalog/catalog_file.h"
#include "catalog/catalog_windows.h"
#include "catalog/catalog_windows_view.h"
#include "platform/paths.h"

namespace {

constexpr int requirement_count = 2000;

class QuietWindows : public qor::CatalogWindows {
  public:
    int screen_width() const override { return 1024; }
    bool large_text() const override { return false; }
    void show_message(const qor::Message& message) override { last = message; }
    void run_requirement_window(qor::RequirementWindow&) override {}
    void run_grid_window(qor::GridWindow&) override {}
    void open_progress(const qor::CatalogProgress&) override {}
    void update_progress(const qor::CatalogProgress&) override { ++updates; }
    void close_progress() override {}
    qor::Message last;
    int updates = 0;
};

// The real progress window; the closing box is kept instead of shown, since
// nobody is there to close it.
class ProgressOnlyWindows : public QuietWindows {
  public:
    ProgressOnlyWindows() : progress(nullptr) {}
    void open_progress(const qor::CatalogProgress& shown) override { progress.open(shown); }
    void update_progress(const qor::CatalogProgress& shown) override {
        ++updates;
        progress.update(shown);
    }
    void close_progress() override { progress.close(); }
    qor::ProgressWindow progress;
};

std::string requirement_text(int i) {
    const std::string frequencies[] = {" 9.85", "11.85", "15.26", " 6.10", "17.74", "21.55"};
    const std::string sites[] = {"BON", "GRV", "KAV", "DEL", "ABC", "ZZZ", "LOC"};
    qor::RecordWriter hours;
    hours.literal("Hours    :");
    for (int h = 1; h <= 9; ++h) hours.integer(h + i % 5, 7);
    std::string text =
        "Model    :HALDOR\n"
        "Colours  :Black    :Red      :Green    :Blue     :White    :Shading, no contours\n"
        "Cities   :..\\database\\receive.cty\n"
        "Nparms   :    2\n"
        "Parameter:MUF       3  1   10.00  2   20.00  3   30.00\n"
        "Parameter:SNR       0\n"
        "Method   :   30\n"
        "Year     : 2026\n"
        "Months   :      6\n"
        "SSN      :  100\n" +
        hours.str() +
        "\n"
        "Comment  :Admin     " +
        std::string(1, static_cast<char>('A' + i % 26)) +
        "SA\n"
        "Comment  :Time      " +
        qor::format_integer(i % 24, 2, 2) +
        "00-2400\n"
        "Comment  :INFO    " +
        frequencies[i % 6] + " 27,28,37,38                    " + sites[i % 7] +
        "  250    45.0   0 301\n"
        "Gridsize :    1\n"
        "Transmit : 38.90N  77.00W\n"
        "Antenna  :  301  Curtain\n"
        "Noise    :  145.0\n"
        "Required :   10.0   50\n";
    return text;
}

void write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// A package below /tmp with two sub-directories of the requirement files
// R00001.HAL ... R02000.HAL: BENCH_0001 with all their grid files, BENCH_0002
// without hour 9 of every fourth requirement (a missing file costs the
// platform's case-insensitive lookup a scan of the directory).
struct BenchPackage {
    BenchPackage() {
        char pattern[] = "/tmp/qorbenchXXXXXX";
        root = ::mkdtemp(pattern);
        std::filesystem::create_directories(root + "/RUN");
        for (int variant = 0; variant < 2; ++variant) {
            const std::string data = root + "/AREADATA/BENCH_000" + std::to_string(variant + 1);
            std::filesystem::create_directories(data);
            for (int i = 1; i <= requirement_count; ++i) {
                std::string name = qor::RecordWriter().literal("R").integer(i, 5, 5).str();
                if (variant == 0) names.push_back(name + ".HAL");
                write(data + "/" + name + ".HAL", requirement_text(i));
                for (int h = 1; h <= 9; ++h) {
                    if (variant == 1 && h == 9 && i % 4 == 0) continue;
                    write(data + "/" + name + ".HG" + std::to_string(h), "HALDOR\ntitle\n");
                }
            }
        }
        session = std::make_unique<qor::Session>();
        session->paths.RunDir = qor::to_package_path(root + "/RUN");
        session->paths.DataDir = "AREADATA";
        session->paths.Model = "HALDOR";
    }
    ~BenchPackage() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
    // Makes sub-directory 0 (all grid files) or 1 (some missing) current.
    qor::Session& use(std::int64_t variant) {
        session->paths.SubDir = variant == 0 ? "BENCH_0001" : "BENCH_0002";
        return *session;
    }
    std::string root;
    std::vector<std::string> names;
    std::unique_ptr<qor::Session> session;
};

BenchPackage& package() {
    static BenchPackage instance;
    return instance;
}

void BM_CreateCatalog(benchmark::State& state) {
    qor::Session& session = package().use(state.range(0));
    QuietWindows windows;
    for (auto _ : state) {
        qor::CREATECB(session.paths, windows);
        benchmark::DoNotOptimize(windows.last);
    }
    if (windows.last.background != "green") state.SkipWithError("creation failed");
    state.counters["files"] = requirement_count;
}
BENCHMARK(BM_CreateCatalog)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CreateCatalogInProgressWindow(benchmark::State& state) {
    qor::Session& session = package().use(state.range(0));
    ProgressOnlyWindows windows;
    int repaints = 0;
    for (auto _ : state) {
        qor::CREATECB(session.paths, windows);
        repaints = windows.progress.repaints();
        benchmark::DoNotOptimize(windows.last);
    }
    if (windows.last.background != "green") state.SkipWithError("creation failed");
    state.counters["files"] = requirement_count;
    state.counters["repaints"] = repaints;
}
BENCHMARK(BM_CreateCatalogInProgressWindow)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

struct Elapsed {
    double wall = 0;  // seconds
    double cpu = 0;   // seconds of this process
};

Elapsed now() {
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    const auto wall = std::chrono::steady_clock::now().time_since_epoch();
    return {std::chrono::duration<double>(wall).count(),
            static_cast<double>(cpu.tv_sec) + static_cast<double>(cpu.tv_nsec) * 1e-9};
}

// The two creations taken in turns, the order swapped every round, so that a
// change of the machine's load falls on both alike: the counters give what the
// window adds, in per cent of the creation without it (wall clock and CPU).
void BM_ProgressWindowOverhead(benchmark::State& state) {
    qor::Session& session = package().use(0);
    QuietWindows quiet;
    ProgressOnlyWindows shown;
    Elapsed core, window;
    int round = 0;
    const auto measure = [&session](qor::CatalogWindows& windows, Elapsed& sum) {
        const Elapsed start = now();
        qor::CREATECB(session.paths, windows);
        const Elapsed end = now();
        sum.wall += end.wall - start.wall;
        sum.cpu += end.cpu - start.cpu;
    };
    for (auto _ : state) {
        if (round++ % 2 == 0) {
            measure(quiet, core);
            measure(shown, window);
        } else {
            measure(shown, window);
            measure(quiet, core);
        }
    }
    if (quiet.last.background != "green" || shown.last.background != "green") {
        state.SkipWithError("creation failed");
    }
    state.counters["core_ms"] = 1000 * core.wall / round;
    state.counters["window_ms"] = 1000 * window.wall / round;
    state.counters["added_wall_%"] = 100 * (window.wall - core.wall) / core.wall;
    state.counters["added_cpu_%"] = 100 * (window.cpu - core.cpu) / core.cpu;
}
BENCHMARK(BM_ProgressWindowOverhead)->Unit(benchmark::kMillisecond)->Iterations(6);

// The least creation can do: open and read every requirement file and test
// the existence of its nine grid files.
void BM_BaselineReadAndTestGrids(benchmark::State& state) {
    BenchPackage& p = package();
    const std::string directory = qor::catalog_directory(p.use(state.range(0)).paths);
    qor::LineReader reader;
    for (auto _ : state) {
        std::size_t bytes = 0;
        int found = 0;
        for (const std::string& name : p.names) {
            const std::string path = directory + name;
            if (reader.open(path)) {
                std::string_view line;
                while (reader.next(line)) bytes += line.size();
                reader.close();
            }
            std::string grid = path.substr(0, path.size() - 2) + "G0";
            for (int h = 1; h <= 9; ++h) {
                grid.back() = static_cast<char>('0' + h);
                found += qor::file_exists(grid) ? 1 : 0;
            }
        }
        benchmark::DoNotOptimize(bytes);
        benchmark::DoNotOptimize(found);
    }
    state.counters["files"] = requirement_count;
}
BENCHMARK(BM_BaselineReadAndTestGrids)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_SortCatalog(benchmark::State& state) {
    qor::Session& session = package().use(0);
    QuietWindows windows;
    qor::CREATECB(session.paths, windows);
    qor::CatalogList& catalog = session.catalog;
    std::string path;
    qor::Text<24> sortName;
    if (qor::READ_CATALOG_FILE(session.paths, catalog, path, sortName) !=
        qor::CatalogReadOutcome::read) {
        state.SkipWithError("catalog not read");
        return;
    }
    const qor::Text<24> name(qor::sort_names[static_cast<std::size_t>(state.range(0) - 1)]);
    for (auto _ : state) {
        qor::SORT_CATALOG_FILE(catalog, name);
        benchmark::DoNotOptimize(catalog.Order[0]);
    }
    state.SetLabel(std::string(name.trimmed()));
}
BENCHMARK(BM_SortCatalog)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
