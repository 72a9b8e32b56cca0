#include "platform/process.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "tests/support/test_support.h"

namespace qor {
namespace {

using testing::read_file;
using testing::TempDir;
using testing::write_file;

void make_script(const std::string& path, const std::string& body) {
    write_file(path, "#!/bin/sh\n" + body + "\n");
    ::chmod(path.c_str(), 0755);
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
    int yields = 0;
    StartedProcess process = start_program(
        {"/bin/sh", "-c",
         "pwd > out.txt; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done >> out.txt", "sh",
         "two words", "", "quote\"d", "back\\slash"},
        run, true, [&] { ++yields; });
    ASSERT_TRUE(process.started) << process.error;
    EXPECT_EQ(process.exitStatus, 0);
    EXPECT_GT(yields, 0);
    std::string canonical = std::filesystem::canonical(run).string();
    EXPECT_EQ(read_file(run + "/out.txt"),
              canonical + "\n[two words]\n[]\n[quote\"d]\n[back\\slash]\n");
    EXPECT_NE(std::filesystem::current_path().string(), canonical);
}

TEST(StartProgram, ReportsTheExitStatusWhenItWaits) {
    StartedProcess process = start_program({"/bin/sh", "-c", "exit 7"}, "", true);
    ASSERT_TRUE(process.started) << process.error;
    EXPECT_EQ(process.exitStatus, 7);
}

TEST(StartProgram, FindsAnExeNameWithoutItsEndingAndInAnyCase) {
    TempDir dir;
    make_script(dir / "prog", "echo found > found.txt");
    struct Case {
        std::string given;
        std::string started;
    };
    const Case cases[] = {
        {dir / "prog.exe", dir / "prog"},
        {dir / "PROG.EXE", dir / "prog"},
        {dir / "prog", dir / "prog"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(dir / "found.txt");
        StartedProcess process = start_program({c.given}, dir.path(), true);
        ASSERT_TRUE(process.started) << c.given << ": " << process.error;
        EXPECT_EQ(process.program, c.started) << c.given;
        EXPECT_EQ(read_file(dir / "found.txt"), "found\n") << c.given;
    }
}

TEST(StartProgram, PrefersTheExeNameWhenItExists) {
    TempDir dir;
    make_script(dir / "prog.exe", "echo exe > found.txt");
    make_script(dir / "prog", "echo plain > found.txt");
    StartedProcess process = start_program({dir / "prog.exe"}, dir.path(), true);
    ASSERT_TRUE(process.started) << process.error;
    EXPECT_EQ(read_file(dir / "found.txt"), "exe\n");
}

TEST(StartProgram, FailsWithAReasonForAMissingProgramOrDirectory) {
    TempDir dir;
    make_script(dir / "prog", "exit 0");
    make_script(dir / "not_executable", "exit 0");
    ::chmod((dir / "not_executable").c_str(), 0644);
    struct Case {
        std::string program;
        std::string directory;
    };
    const Case cases[] = {
        {dir / "missing.exe", dir.path()},
        {dir / "missing", ""},
        {dir / "prog", dir / "no such directory"},
    };
    for (const Case& c : cases) {
        StartedProcess process = start_program({c.program}, c.directory, false);
        EXPECT_FALSE(process.started) << c.program;
        EXPECT_NE(process.error.find("cannot start"), std::string::npos) << process.error;
    }
    EXPECT_FALSE(start_program({dir / "not_executable"}, "", false).started);
    EXPECT_FALSE(start_program({}, "", false).started);
}

TEST(StartProgram, LeavesNoZombieBehindWhenItDoesNotWait) {
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

}  // namespace
}  // namespace qor
