// READGRID against the plain reading of the same file's lines, and READGRID's
// peak memory on a grid of about 100 MB.
//
// The grids are generated once per run in a temporary package below /tmp and
// removed at the end. The ratio of the two speeds is printed after the table.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/session.h"
#include "areadata/readers.h"
#include "base/fixed_record.h"
#include "platform/paths.h"

namespace {

namespace fs = std::filesystem;

// One grid of columns x rows points and 30 parameters, in the layout the
// prediction programs write: model, title, the names line, one record per point.
void write_grid(const std::string& path, int columns, int rows) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::string header = "HALDOR  version 1.0 (benchmark)\nSynthetic area coverage grid\n";
    header += qor::format_integer(columns, 3) + qor::format_integer(rows, 3) + std::string(20, ' ');
    for (int k = 1; k <= 30; ++k) {
        header += k == 2 ? "  MODE" : qor::format_integer(k, 6);
    }
    header += "\n";
    std::fputs(header.c_str(), file);

    // A pool of pre-formatted fields, walked by a simple generator, keeps the
    // generation quick while the values still vary from point to point.
    std::vector<std::string> pool;
    for (int i = 0; i < 4096; ++i) {
        double value = (i % 97 == 0) ? -999.0 : (i * 37 % 20000) / 100.0 - 50.0;
        // A missing value is written with one decimal: -999.00 does not fit.
        pool.push_back(qor::format_real(value, 6, value < -998.0 ? 1 : 2));
    }
    unsigned state = 12345;
    std::string record;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            record = qor::format_real(90.0 - row * 0.5, 8, 2) +
                     qor::format_real(column - 180.0, 9, 2) + qor::format_integer(row + 1, 4) +
                     qor::format_integer(column + 1, 5);
            for (int k = 1; k <= 30; ++k) {
                state = state * 1103515245u + 12345u;
                record += k == 2 ? "  1F2 " : pool[(state >> 8) % pool.size()];
            }
            record += '\n';
            std::fwrite(record.data(), 1, record.size(), file);
        }
    }
    std::fclose(file);
}

// The temporary package with the two grids; made on first use.
struct Package {
    std::string dir;
    std::string run;
    std::string grid_13mb = "BENCH\\GRID13.HG1";
    std::string grid_100mb = "BENCH\\GRID100.HG1";

    Package() {
        char pattern[] = "/tmp/qorbenchXXXXXX";
        if (::mkdtemp(pattern) == nullptr) std::exit(1);
        dir = pattern;
        fs::create_directories(dir + "/RUN");
        fs::create_directories(dir + "/AREADATA/BENCH");
        run = dir + "/RUN";
        write_grid(dir + "/AREADATA/BENCH/GRID13.HG1", 361, 181);
        write_grid(dir + "/AREADATA/BENCH/GRID100.HG1", 999, 490);
    }
    ~Package() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    std::string native(const std::string& file) const {
        std::string name = file;
        for (char& c : name) {
            if (c == '\\') c = '/';
        }
        return dir + "/AREADATA/" + name;
    }
    std::unique_ptr<qor::Session> session(const std::string& file) const {
        auto session = std::make_unique<qor::Session>();
        session->paths.RunDir = qor::to_package_path(run);
        session->paths.DataDir = "AREADATA";
        session->paths.FileName = file;
        return session;
    }
};

const Package& package() {
    static Package instance;
    return instance;
}

std::int64_t file_size(const std::string& path) {
    return static_cast<std::int64_t>(fs::file_size(path));
}

void BM_LineReaderBaseline(benchmark::State& state) {
    const Package& p = package();
    std::string path = p.native(p.grid_13mb);
    for (auto _ : state) {
        qor::LineReader reader;
        if (!reader.open_native(path)) {
            state.SkipWithError("cannot open the grid");
            return;
        }
        std::string_view line;
        std::size_t characters = 0;
        while (reader.next(line)) characters += line.size();
        benchmark::DoNotOptimize(characters);
    }
    state.SetBytesProcessed(state.iterations() * file_size(path));
}
BENCHMARK(BM_LineReaderBaseline)->Unit(benchmark::kMillisecond);

void BM_READGRID(benchmark::State& state) {
    const Package& p = package();
    auto session = p.session(p.grid_13mb);
    for (auto _ : state) {
        if (qor::READGRID(session->paths, session->grid).has_value()) {
            state.SkipWithError("READGRID failed");
            return;
        }
        benchmark::DoNotOptimize(session->grid.maximum);
    }
    state.SetBytesProcessed(state.iterations() * file_size(p.native(p.grid_13mb)));
}
BENCHMARK(BM_READGRID)->Unit(benchmark::kMillisecond);

long peak_kilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Peak memory before and after reading the 100 MB grid: the difference must
// not grow with the grid (the range is kept in two floats per parameter).
void BM_READGRID_100MB_PeakMemory(benchmark::State& state) {
    const Package& p = package();
    auto session = p.session(p.grid_100mb);
    const long before = peak_kilobytes();
    for (auto _ : state) {
        if (qor::READGRID(session->paths, session->grid).has_value()) {
            state.SkipWithError("READGRID failed");
            return;
        }
        benchmark::DoNotOptimize(session->grid.maximum);
    }
    const long after = peak_kilobytes();
    state.SetBytesProcessed(state.iterations() * file_size(p.native(p.grid_100mb)));
    state.counters["file_MB"] = static_cast<double>(file_size(p.native(p.grid_100mb))) / 1e6;
    state.counters["peak_before_kB"] = static_cast<double>(before);
    state.counters["peak_after_kB"] = static_cast<double>(after);
    state.counters["peak_growth_kB"] = static_cast<double>(after - before);
}
BENCHMARK(BM_READGRID_100MB_PeakMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

// Keeps each benchmark's speed so that the ratio can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            auto found = run.counters.find("bytes_per_second");
            if (found != run.counters.end()) speeds[run.benchmark_name()] = found->second.value;
        }
    }
    std::map<std::string, double> speeds;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    package();  // generate the grids before anything is timed
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto baseline = reporter.speeds.find("BM_LineReaderBaseline");
    auto grid = reporter.speeds.find("BM_READGRID");
    if (baseline != reporter.speeds.end() && grid != reporter.speeds.end() &&
        baseline->second > 0) {
        std::printf("LineReader baseline: %.1f MB/s\nREADGRID:            %.1f MB/s\n",
                    baseline->second / 1e6, grid->second / 1e6);
        std::printf("READGRID / baseline: %.2f (target: at least 0.50)\n",
                    grid->second / baseline->second);
    }
    benchmark::Shutdown();
    return 0;
}
