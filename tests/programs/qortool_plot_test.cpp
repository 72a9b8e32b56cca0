// qortool plot, run as a program on the sample package with the stand-in map
// program installed as the package's map programs.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

#include "app/settings_files.h"
#include "areadata/readers.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "sample/sample_package.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::TempDir;
using testing::wait_for_record;

const std::string qortool = testing::built_program("qortool");

using ToolRun = testing::ProgramRun;

ToolRun run_qortool(const TempDir& dir, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {qortool});
    return testing::run_program(dir, arguments);
}

// The settings of a requirement file as READMAIN reads them.
std::string requirement_settings(const std::string& run, const char* file_name) {
    testing::RecordingConsole console;
    Session session;
    testing::use_package(session, run, console);
    session.paths.FileName = file_name;
    DOSCOLR(session.paths, session.colors, *session.console);
    if (std::optional<Message> failure = testing::read_requirement_file(session))
        return "failed: " + failure->button;
    std::ostringstream out;
    out << session.paths.Model.view() << "|" << session.layers.cityFile.view() << "|"
        << session.parameters.count << "\n";
    for (const auto& colour : session.layers.colors) out << colour.view() << "|";
    for (std::size_t slot = 0; slot < 5; ++slot) {
        out << "\n"
            << session.parameters.names[slot].view() << " " << session.contours.levelCount[slot];
        for (std::size_t i = 0; i < 10; ++i) {
            out << " " << session.contours.colors[slot][i] << "/"
                << session.contours.levels[slot][i];
        }
    }
    for (int i = 0; i < session.requirement.lineCount; ++i) {
        out << "\n" << session.requirement.lines[static_cast<std::size_t>(i)].view();
    }
    return out.str();
}

class QortoolPlot : public ::testing::Test {
  protected:
    void SetUp() override {
        root = dir / "hf plots";
        ASSERT_EQ(sample::write_sample_package(root), "");
        run = testing::native(root + "/RUN");
        grid = testing::native(root + "/AREADATA/SAMPLE_001/MIRV01.MG1");
        requirement = testing::native(root + "/AREADATA/SAMPLE_001/MIRV01.MIR");
    }
    std::string install(const std::string& relative) {
        std::string path = root + "/" + relative;
        testing::install_map_program(path);
        return path;
    }

    TempDir dir;
    std::string root, run, grid, requirement;
};

TEST_F(QortoolPlot, StartsTheMapProgramAsThePlotMenuDoes) {
    const std::string package_root = to_package_path(root) + "\\";
    const std::string content = read_file(grid);
    const std::size_t second = content.find('\n') + 1;
    const std::string title = content.substr(second, content.find('\n', second) - second);
    const std::string zonegrfx =
        testing::written(padded("SAMPLE_001\\MIRV01.MG1", 30) + "\n" + padded(title, 75) + "\n");
    struct Case {
        std::vector<std::string> options;
        std::string program;
        std::string commandLine;
        std::string arguments;
    };
    const Case cases[] = {
        {{"--window"},
         "bin_win/terrapix.exe",
         package_root + "bin_win\\terrapix.exe " + to_package_path(run) + " AREADATA zonegrfx.dat",
         "argc=3\narg=" + run + "\narg=AREADATA\narg=zonegrfx.dat\n"},
        {{"--printer", "--run", run},
         "bin_win/terrapix.exe",
         package_root + "bin_win\\terrapix.exe " + to_package_path(run) +
             " AREADATA zonegrfx.dat p",
         "argc=4\narg=" + run + "\narg=AREADATA\narg=zonegrfx.dat\narg=p\n"},
        {{"--dos"},
         // Outside Windows the package's programs may come without ".exe".
         testing::on_windows ? "bin/terradox.exe" : "bin/terradox",
         package_root + "bin\\terradox.exe zonegrfx.dat",
         "argc=1\narg=zonegrfx.dat\n"},
    };
    const std::string before = requirement_settings(run, "SAMPLE_001\\MIRV01.MG1");
    for (const Case& c : cases) {
        std::string program = install(c.program);
        std::vector<std::string> arguments = {"plot"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        arguments.push_back(grid);
        ToolRun result = run_qortool(dir, arguments);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, c.commandLine + "\n");
        EXPECT_EQ(wait_for_record(program),
                  "cwd=" + fs::canonical(run).string() + "\n" + c.arguments +
                      "zonegrfx.dat=" + std::to_string(zonegrfx.size()) + "\n" + zonegrfx);
        EXPECT_EQ(requirement_settings(run, "SAMPLE_001\\MIRV01.MG1"), before);
    }
    // Plotting again leaves the file as the first plot wrote it.
    const std::string written = read_file(requirement);
    EXPECT_EQ(run_qortool(dir, {"plot", "--window", grid}).status, 0);
    EXPECT_EQ(read_file(requirement), written);
}

TEST_F(QortoolPlot, FailsWithTheMessageWhenNothingCouldBeStarted) {
    ToolRun missing_program = run_qortool(dir, {"plot", "--window", grid});
    EXPECT_EQ(missing_program.status, 1);
    EXPECT_NE(missing_program.out.find(" MyCreateProcess error in gh_exec during:\n"),
              std::string::npos)
        << missing_program.out;

    std::string program = install("bin_win/terrapix.exe");
    ToolRun bad_suffix = run_qortool(dir, {"plot", "--window", requirement});
    EXPECT_EQ(bad_suffix.status, 1);
    EXPECT_NE(bad_suffix.err.find("ERROR: File name suffix not valid"), std::string::npos)
        << bad_suffix.err;

    fs::create_directories(dir / "elsewhere/SUB");
    fs::copy_file(grid, dir / "elsewhere/SUB/MIRV01.MG1");
    ToolRun no_data_root = run_qortool(dir, {"plot", "--window", dir / "elsewhere/SUB/MIRV01.MG1"});
    EXPECT_EQ(no_data_root.status, 1);
    EXPECT_NE(no_data_root.err.find("OPEN file not in proper sub-directory"), std::string::npos)
        << no_data_root.err;

    ToolRun missing_grid =
        run_qortool(dir, {"plot", "--window", root + "/AREADATA/SAMPLE_001/NONE.MG1"});
    EXPECT_EQ(missing_grid.status, 1);
    EXPECT_FALSE(missing_grid.err.empty());

    for (const std::vector<std::string>& wrong : {std::vector<std::string>{"plot", grid},
                                                  {"plot", "--window"},
                                                  {"plot", "--window", "--dos", grid},
                                                  {"plot", "--window", grid, "--run"},
                                                  {"plot", "--screen", grid}}) {
        EXPECT_EQ(run_qortool(dir, wrong).status, 2) << wrong.back();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(fs::exists(program + ".record"));
}

}  // namespace
}  // namespace qor
