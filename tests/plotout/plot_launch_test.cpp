#include "plotout/plot_launch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "app/main_window.h"
#include "platform/paths.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::RecordingConsole;
using testing::TempDir;
using testing::wait_for_record;
using testing::write_file;

TEST(PlotCommand, BuildsTheCommandLinesOfTheThreeTargets) {
    struct Case {
        const char* dataDir;
        PlotTarget target;
        std::string text;
        std::vector<std::string> arguments;  // after the program
    };
    const Case cases[] = {
        {"AREADATA",
         PlotTarget::window,
         "C:\\ROOT\\bin_win\\terrapix.exe C:\\ROOT\\RUN AREADATA zonegrfx.dat",
         {native_path("C:\\ROOT\\RUN"), "AREADATA", "zonegrfx.dat"}},
        {"AREADATA",
         PlotTarget::printer,
         "C:\\ROOT\\bin_win\\terrapix.exe C:\\ROOT\\RUN AREADATA zonegrfx.dat p",
         {native_path("C:\\ROOT\\RUN"), "AREADATA", "zonegrfx.dat", "p"}},
        {"AREA_INV",
         PlotTarget::window,
         "C:\\ROOT\\bin_win\\terrapix.exe C:\\ROOT\\RUN AREA_INV zonegrfx.dat",
         {native_path("C:\\ROOT\\RUN"), "AREA_INV", "zonegrfx.dat"}},
        {"AREADATA",
         PlotTarget::dos_screen,
         "C:\\ROOT\\bin\\terradox.exe zonegrfx.dat",
         {"zonegrfx.dat"}},
    };
    for (const Case& c : cases) {
        PathState paths;
        paths.RunDir = "C:\\ROOT\\RUN";
        paths.DataDir = c.dataDir;
        PlotCommand command = plot_command(paths, c.target);
        EXPECT_EQ(command.text, c.text);
        ASSERT_FALSE(command.arguments.empty());
        EXPECT_EQ(std::vector<std::string>(command.arguments.begin() + 1, command.arguments.end()),
                  c.arguments)
            << c.text;
        EXPECT_EQ(command.directory, native_path("C:\\ROOT\\RUN"));
    }
}

TEST(PlotCommand, KeepsACommandLineOfMoreThanAHundredCharactersWhole) {
    PathState paths;
    paths.RunDir = "D:\\A VERY LONG INSTALLATION DIRECTORY NAME\\HF\\RUN";
    paths.DataDir = "AREADATA";
    PlotCommand command = plot_command(paths, PlotTarget::printer);
    EXPECT_EQ(command.text,
              "D:\\A VERY LONG INSTALLATION DIRECTORY NAME\\HF\\bin_win\\terrapix.exe "
              "D:\\A VERY LONG INSTALLATION DIRECTORY NAME\\HF\\RUN AREADATA zonegrfx.dat p");
    EXPECT_GT(command.text.size(), 100u);
    EXPECT_EQ(command.arguments.size(), 5u);
}

TEST(PlotRequest, HasTwoBlankPaddedLinesOfThirtyAndSeventyFiveCharacters) {
    PathState paths;
    paths.RunDir = "C:\\ROOT\\RUN";
    paths.FileName = "DEFAULT\\RUN1.HG3";
    GridFile grid;
    grid.title = "15.26 MHz from Greenville";
    EXPECT_EQ(plot_request_path(paths), "C:\\ROOT\\RUN\\zonegrfx.dat");
    EXPECT_EQ(plot_request_text(paths, grid),
              padded("DEFAULT\\RUN1.HG3", 30) + std::string(line_end()) +
                  padded("15.26 MHz from Greenville", 75) + std::string(line_end()));
    paths.FileName = "";
    grid.title = "";
    EXPECT_EQ(plot_request_text(paths, grid), std::string(30, ' ') + std::string(line_end()) +
                                                  std::string(75, ' ') + std::string(line_end()));
}

// A package below a directory whose name holds a blank, with the stand-in map
// programs installed as the package's two map programs.
class PlotLaunch : public ::testing::Test {
  protected:
    void SetUp() override {
        root = dir / "hf plots";
        run = testing::make_minimal_package(root);
        testing::use_package(session, run, console);
        session.paths.FileName = "DEFAULT\\RUN1.HG3";
        session.paths.Model = "HALDOR";
        session.grid.title = "Plot title";
        session.parameters.count = 1;
        session.parameters.names[0] = "DBU";
        session.contours.levelCount[0] = 1;
        session.contours.levels[0][0] = 25.0f;
        session.contours.colors[0][0] = 4;
        fs::create_directories(root + "/AREADATA/DEFAULT");
    }
    std::string install(const std::string& relative) {
        std::string path = root + "/" + relative;
        testing::install_map_program(path);
        return path;
    }
    std::string requirement() const { return root + "/AREADATA/DEFAULT/RUN1.HAL"; }
    std::string request() const { return run + "/zonegrfx.dat"; }

    TempDir dir;
    std::string root;
    std::string run;
    RecordingConsole console;
    Session session;
};

TEST_F(PlotLaunch, StartsTheMapProgramInTheRunDirectoryWithItsArguments) {
    const std::string canonical_run = fs::canonical(run).string();
    const std::string zonegrfx =
        testing::written(padded("DEFAULT\\RUN1.HG3", 30) + "\n" + padded("Plot title", 75) + "\n");
    struct Case {
        CallbackResult (*action)(const PlotRecords&, Console&);
        std::string installed;
        std::string arguments;
    };
    const Case cases[] = {
        // Outside Windows the package's programs may come without ".exe".
        {TOWINDOW, testing::on_windows ? "bin_win/terrapix.exe" : "bin_win/terrapix",
         "argc=3\narg=" + run + "\narg=AREADATA\narg=zonegrfx.dat\n"},
        {TOPRINTER, "bin_win/terrapix.exe",
         "argc=4\narg=" + run + "\narg=AREADATA\narg=zonegrfx.dat\narg=p\n"},
        {TOSCREEN, "bin/terradox.exe", "argc=1\narg=zonegrfx.dat\n"},
    };
    for (const Case& c : cases) {
        testing::remove_when_free(root + "/bin_win");
        testing::remove_when_free(root + "/bin");
        std::string program = install(c.installed);
        const CallbackResult result = c.action(plot_records(session), console);
        EXPECT_EQ(result.keepOpen, 1);
        EXPECT_FALSE(result.message) << c.installed;
        EXPECT_EQ(wait_for_record(program), "cwd=" + canonical_run + "\n" + c.arguments +
                                                "zonegrfx.dat=" + std::to_string(zonegrfx.size()) +
                                                "\n" + zonegrfx)
            << c.installed;
        EXPECT_EQ(read_file(request()), zonegrfx);
        std::string written = read_file(requirement());
        EXPECT_NE(written.find(testing::written("\nParameter:DBU      1  4   25.00\n")),
                  std::string::npos)
            << written;
    }
    EXPECT_TRUE(console.events.empty());
}

TEST_F(PlotLaunch, AFailedStartIsShownWithTheCommandLineAfterBothFilesAreWritten) {
    const CallbackResult result = TOPRINTER(plot_records(session), console);
    EXPECT_EQ(result.keepOpen, 1);
    EXPECT_FALSE(result.message);
    std::string line = std::string(session.paths.RunDir.trimmed());
    line = line.substr(0, line.size() - 3) + "bin_win\\terrapix.exe " + line +
           " AREADATA zonegrfx.dat p";
    EXPECT_EQ(console.events, (std::vector<std::string>{
                                  " MyCreateProcess error in gh_exec during:", line, "PAUSE  "}));
    EXPECT_TRUE(fs::exists(requirement()));
    EXPECT_TRUE(fs::exists(request()));
}

TEST_F(PlotLaunch, StartsNothingWhenAFileCannotBeWritten) {
    std::string program = install("bin_win/terrapix.exe");
    write_file(requirement(), "old requirement\n");
    write_file(request(), "old request\n");
    struct Case {
        std::string blocked;  // a directory in the way of this file's replacement
        float level;
        std::string message;
        std::string requirement;
    };
    const Case cases[] = {
        {requirement(), 25.0f, "In writmain, could not WRITE\n..\\AREADATA\\DEFAULT\\RUN1.HAL",
         "old requirement\n"},
        {"", 10000.0f,
         "In writmain, could not WRITE\n..\\AREADATA\\DEFAULT\\RUN1.HAL\n"
         "Contour level 10000.00 of parameter DBU does not fit in 7 columns",
         "old requirement\n"},
        {request(), 25.0f, "In towindow, could not WRITE\n..\\RUN\\zonegrfx.dat", ""},
    };
    for (const Case& c : cases) {
        if (!c.blocked.empty()) fs::create_directory(replacement_temporary(c.blocked));
        session.contours.levels[0][0] = c.level;
        const CallbackResult result = TOWINDOW(plot_records(session), console);
        EXPECT_EQ(result.keepOpen, 1);
        ASSERT_TRUE(result.message);
        EXPECT_EQ(result.message->button, c.message);
        if (!c.requirement.empty()) {
            EXPECT_EQ(read_file(requirement()), c.requirement);
        }
        EXPECT_EQ(read_file(request()), "old request\n");
        if (!c.blocked.empty()) fs::remove(replacement_temporary(c.blocked));
    }
    // A started program would have written its record by now.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(fs::exists(program + ".record"));
    EXPECT_TRUE(console.events.empty());
}

TEST_F(PlotLaunch, ExecutingWithWaitReturnsOnlyWhenTheProgramHasEnded) {
    std::string program = install("bin/terradox.exe");
    int yields = 0;
    EXPECT_TRUE(GH_EXEC(console, plot_command(session.paths, PlotTarget::dos_screen), 1,
                        [&] { ++yields; }));
    EXPECT_TRUE(fs::exists(program + ".record"));
    EXPECT_GT(yields, 0);
}

}  // namespace
}  // namespace qor
