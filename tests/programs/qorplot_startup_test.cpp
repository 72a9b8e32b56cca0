// qorplot started as a process: what a user or a script sees on standard output.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_support.h"

namespace qor {
namespace {

testing::ProgramRun run_qorplot(const testing::TempDir& scratch,
                                const std::vector<std::string>& tokens) {
    std::vector<std::string> command{"/usr/bin/env", "QT_QPA_PLATFORM=offscreen",
                                     testing::built_program("qorplot")};
    command.insert(command.end(), tokens.begin(), tokens.end());
    return testing::run_program(scratch, command);
}

TEST(QorplotStartupTest, BadTokensWriteTheirLinesInOrderAndEndWithAFailure) {
    if (!QOR_WITH_GUI) GTEST_SKIP() << "qorplot is built only with Qt 6, which this build lacks";
    testing::TempDir scratch;
    testing::ProgramRun none = run_qorplot(scratch, {});
    EXPECT_EQ(
        none.out,
        " in SET_RUN, could not find RUN directory:\n dir=\nQOR_PLOT not executed properly.\n");
    EXPECT_NE(none.status, 0);

    testing::TempDir dir;
    std::string run_dir = testing::make_minimal_package(dir.path());
    testing::ProgramRun model = run_qorplot(scratch, {run_dir, "PARVIS", "SAMPLE_001"});
    EXPECT_EQ(model.out, "QOR_PLOT not executed properly.\n");
    EXPECT_NE(model.status, 0);

    testing::ProgramRun sub = run_qorplot(scratch, {run_dir, "haldor", "SAMPLE_01"});
    EXPECT_EQ(sub.out, "QOR_PLOT sub-directory MUST have 10 characters\n");
    EXPECT_NE(sub.status, 0);

    testing::TempDir empty;
    testing::ProgramRun colours = run_qorplot(scratch, {empty / "RUN", "HALDOR", "SAMPLE_001"});
    std::string root = empty.path();
    for (char& c : root) {
        if (c == '/') c = '\\';
    }
    EXPECT_EQ(colours.out, " Could not OPEN file=" + root +
                               "\\database\\colors.win;\nMissing file "
                               "..\\database\\colors.win in WINcolr\n");
    EXPECT_NE(colours.status, 0);
}

TEST(QorplotStartupTest, HelpPrintsTheUsageWithoutADisplayAndOtherwiseTheTokensAreRead) {
    if (!QOR_WITH_GUI) GTEST_SKIP() << "qorplot is built only with Qt 6, which this build lacks";
    testing::TempDir scratch;
    // No display and no platform named: the usage needs no window system.
    for (const char* option : {"--help", "-h"}) {
        testing::ProgramRun help = testing::run_program(
            scratch, {"/usr/bin/env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u",
                      "QT_QPA_PLATFORM", std::string(QOR_BINARY_DIR) + "/qorplot", option});
        EXPECT_EQ(help.status, 0) << option;
        EXPECT_TRUE(help.out.starts_with("usage: qorplot RUN_DIRECTORY MODEL SUB_DIRECTORY\n"))
            << help.out;
        EXPECT_NE(help.out.find("qorplot /tmp/qor-sample/RUN HALDOR SAMPLE_001\n"),
                  std::string::npos)
            << help.out;
        EXPECT_EQ(help.err, "");
    }
    // Anywhere but first, "-h" is an ordinary token: here the model's name.
    testing::TempDir dir;
    std::string run_dir = testing::make_minimal_package(dir.path());
    testing::ProgramRun model = run_qorplot(scratch, {run_dir, "-h", "SAMPLE_001"});
    EXPECT_EQ(model.out, "QOR_PLOT not executed properly.\n");
    EXPECT_NE(model.status, 0);
}

}  // namespace
}  // namespace qor
