// "Plot to, Window" from a shell with the real map program installed in the
// package: qortool returns at once and the map program stays up with its
// window until it is closed.

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/mapdraw/sample_maps.h"

namespace qor::map {
namespace {

using testing::SamplePackage;
namespace fs = std::filesystem;

// The processes whose command line holds both words.
std::vector<int> processes_of(const std::string& program, const std::string& word) {
    std::vector<int> found;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream file(entry.path() / "cmdline", std::ios::binary);
        const std::string line((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
        if (line.find(program) != std::string::npos && line.find(word) != std::string::npos) {
            found.push_back(std::stoi(name));
        }
    }
    return found;
}

// True while the process runs (a process that ended is gone or a zombie).
bool running(int pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    std::getline(stat, text);
    const std::size_t close = text.rfind(')');
    return close != std::string::npos && close + 2 < text.size() && text[close + 2] != 'Z';
}

TEST(PlotToWindow, QortoolStartsTheInstalledMapProgramWhichKeepsItsWindowOpen) {
    SamplePackage package;
    const std::string program = package / "bin_win/terrapix";
    fs::create_directories(package / "bin_win");
    fs::create_symlink(qor::testing::built_program("terrapix"), program);
    qor::testing::TempDir scratch;
    const std::string grid = package / "AREADATA/SAMPLE_001/SAMPLE01.HG1";

    const auto start = std::chrono::steady_clock::now();
    const qor::testing::ProgramRun plot = qor::testing::run_program(
        scratch, {qor::testing::built_program("qortool"), "plot", "--window", grid});
    ASSERT_EQ(plot.status, 0) << plot.err;
    // qortool did not wait for the map.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));

    // The map program reads the request and opens its window; a map it could
    // not draw would end it within a moment, with a message.
    std::vector<int> started;
    for (int k = 0; k < 50 && started.empty(); ++k) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        started = processes_of(program, package.run());
    }
    ASSERT_EQ(started.size(), 1u) << "the map program was not started";
    std::this_thread::sleep_for(std::chrono::seconds(3));
    EXPECT_TRUE(running(started.front()));
    kill(started.front(), SIGTERM);
    for (int k = 0; k < 50 && running(started.front()); ++k) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

}  // namespace
}  // namespace qor::map
