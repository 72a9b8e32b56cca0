#include "platform/process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "tests/support/test_support.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace qor {
namespace {

using testing::read_file;
using testing::TempDir;
using testing::write_file;

#ifdef _WIN32
constexpr bool windows = true;
#else
constexpr bool windows = false;
#endif

// A command that ends with the exit status given.
std::vector<std::string> exit_command(int status) {
    if (windows) return {"cmd.exe", "/c", "exit " + std::to_string(status)};
    return {"/bin/sh", "-c", "exit " + std::to_string(status)};
}

bool wait_for_file(const std::string& path) {
    for (int i = 0; i < 500; ++i) {
        if (std::filesystem::exists(path)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST(StartProgram, StartsInTheWorkingDirectoryWithEveryArgumentWhole) {
    TempDir dir;
    std::string run = dir / "run dir";
    std::filesystem::create_directories(run);
    // A program whose path holds a blank, as a package below "C:\My Plots" has.
    std::string program = dir / "map programs/terrapix.exe";
    testing::install_map_program(program);
    int yields = 0;
    StartedProcess process = start_program(
        {program, "two words", "", "quote\"d", "back\\slash", "ends in\\", "tab\tinside"}, run,
        true, [&] { ++yields; });
    ASSERT_TRUE(process.started) << process.error;
    EXPECT_EQ(process.exitStatus, 0);
    EXPECT_GT(yields, 0);
    std::string canonical = std::filesystem::canonical(run).string();
    EXPECT_EQ(read_file(program + ".record"),
              "cwd=" + canonical +
                  "\nargc=6\narg=two words\narg=\narg=quote\"d\narg=back\\slash\narg=ends "
                  "in\\\narg=tab\tinside\nzonegrfx.dat=missing\n");
    EXPECT_NE(std::filesystem::current_path().string(), canonical);
}

TEST(StartProgram, ReportsTheExitStatusWhenItWaits) {
    // 259 is also what Windows reports for a program that is still running:
    // a wait that polled the exit code would never end.
    for (int status : {0, 7, 259}) {
        StartedProcess process = start_program(exit_command(status), "", true);
        ASSERT_TRUE(process.started) << process.error;
        EXPECT_EQ(process.exitStatus, windows ? status : status % 256);
    }
}

TEST(StartProgram, FindsAnExeNameWithoutItsEndingAndInAnyCase) {
    TempDir dir;
    // POSIX installs the package's programs without ".exe" and minds case;
    // Windows adds a missing ".exe" itself and ignores case.
    const std::string installed = dir / (windows ? "prog.exe" : "prog");
    testing::install_map_program(installed);
    struct Case {
        std::string given;
        std::string started;
    };
    const Case cases[] = {
        {dir / "prog.exe", windows ? dir / "prog.exe" : installed},
        {dir / "PROG.EXE", windows ? dir / "PROG.EXE" : installed},
        {dir / "prog", windows ? dir / "prog" : installed},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(installed + ".record");
        StartedProcess process = start_program({c.given}, dir.path(), true);
        ASSERT_TRUE(process.started) << c.given << ": " << process.error;
        EXPECT_EQ(process.program, c.started) << c.given;
        EXPECT_TRUE(std::filesystem::exists(installed + ".record")) << c.given;
    }
}

TEST(StartProgram, PrefersTheExeNameWhenItExists) {
    if (windows) GTEST_SKIP() << "Windows starts only programs ending in .exe: no other to prefer";
    TempDir dir;
    testing::install_map_program(dir / "prog.exe");
    testing::install_map_program(dir / "prog");
    StartedProcess process = start_program({dir / "prog.exe"}, dir.path(), true);
    ASSERT_TRUE(process.started) << process.error;
    EXPECT_TRUE(std::filesystem::exists(dir / "prog.exe.record"));
    EXPECT_FALSE(std::filesystem::exists(dir / "prog.record"));
}

TEST(StartProgram, FailsWithAReasonForAMissingProgramOrDirectory) {
    TempDir dir;
    testing::install_map_program(dir / "prog.exe");
    // Bytes that are no program: not executable here, no program format there.
    std::string not_a_program = dir / "notes.exe";
    write_file(not_a_program, "not a program\n");
#ifndef _WIN32
    ::chmod(not_a_program.c_str(), 0644);
#endif
    struct Case {
        std::string program;
        std::string directory;
    };
    const Case cases[] = {
        {dir / "missing.exe", dir.path()},
        {dir / "missing", ""},
        {dir / "prog.exe", dir / "no such directory"},
        {not_a_program, ""},
    };
    for (const Case& c : cases) {
        StartedProcess process = start_program({c.program}, c.directory, false);
        EXPECT_FALSE(process.started) << c.program;
        EXPECT_NE(process.error.find("cannot start " + c.program + ": "), std::string::npos)
            << process.error;
    }
    EXPECT_FALSE(start_program({}, "", false).started);
    EXPECT_FALSE(std::filesystem::exists(dir / "prog.exe.record"));
}

TEST(StartProgram, LeavesNoZombieBehindWhenItDoesNotWait) {
    if (windows) GTEST_SKIP() << "an ended process is kept for its parent only on POSIX";
    TempDir dir;
    StartedProcess process =
        start_program({"/bin/sh", "-c", "echo done > done.txt"}, dir.path(), false);
    ASSERT_TRUE(process.started) << process.error;
    ASSERT_TRUE(wait_for_file(dir / "done.txt"));
    // A finished child that nobody reaped keeps its /proc entry (state Z).
    std::string entry = "/proc/" + std::to_string(process.processId);
    bool gone = false;
    for (int i = 0; i < 500 && !gone; ++i) {
        gone = !std::filesystem::exists(entry);
        if (!gone) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(gone);
}

TEST(WindowsCommandLine, QuotesOnlyWhatNeedsQuoting) {
    struct Case {
        std::vector<std::string> arguments;
        std::string line;
    };
    const Case cases[] = {
        {{"C:\\ROOT\\bin_win\\terrapix.exe", "C:\\ROOT\\RUN", "AREADATA", "zonegrfx.dat"},
         "C:\\ROOT\\bin_win\\terrapix.exe C:\\ROOT\\RUN AREADATA zonegrfx.dat"},
        {{"C:\\My Plots\\bin\\terradox.exe", "zonegrfx.dat"},
         "\"C:\\My Plots\\bin\\terradox.exe\" zonegrfx.dat"},
        {{"prog", ""}, "prog \"\""},
        {{"prog", "C:\\a dir\\"}, "prog \"C:\\a dir\\\\\""},
        {{"prog", "say \"hi\""}, "prog \"say \\\"hi\\\"\""},
        {{"prog", "a\\\\\"b"}, "prog \"a\\\\\\\\\\\"b\""},
        {{"prog", "a\\b c"}, "prog \"a\\b c\""},
        {{"prog", "tab\there"}, "prog \"tab\there\""},
    };
    for (const Case& c : cases) EXPECT_EQ(windows_command_line(c.arguments), c.line);
}

TEST(OwnProgramPath, NamesThisTestProgramsFile) {
    const std::filesystem::path self(own_program_path());
    ASSERT_FALSE(self.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(self)) << self.string();
    EXPECT_EQ(self.stem().string(), "test_platform");
}

}  // namespace
}  // namespace qor
