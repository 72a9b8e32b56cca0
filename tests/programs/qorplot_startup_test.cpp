// qorplot started as a process: what a user or a script sees on standard output.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "tests/support/test_support.h"

namespace qor {
namespace {

struct ProgramRun {
    std::string output;
    int status = -1;
};

ProgramRun run_qorplot(const std::string& arguments) {
    std::string command = "QT_QPA_PLATFORM=offscreen " + std::string(QOR_BINARY_DIR) +
                          "/qorplot " + arguments + " 2>/dev/null";
    ProgramRun run;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        run.output.append(buffer.data(), got);
    }
    int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(QorplotStartupTest, BadTokensWriteTheirLinesInOrderAndEndWithAFailure) {
    ProgramRun none = run_qorplot("");
    EXPECT_EQ(none.output,
              " in SET_RUN, could not find RUN directory:\n dir=\nQOR_PLOT not executed properly.\n");
    EXPECT_NE(none.status, 0);

    testing::TempDir dir;
    std::string run_dir = testing::make_minimal_package(dir.path());
    ProgramRun model = run_qorplot(run_dir + " PARVIS SAMPLE_001");
    EXPECT_EQ(model.output, "QOR_PLOT not executed properly.\n");
    EXPECT_NE(model.status, 0);

    ProgramRun sub = run_qorplot(run_dir + " haldor SAMPLE_01");
    EXPECT_EQ(sub.output, "QOR_PLOT sub-directory MUST have 10 characters\n");
    EXPECT_NE(sub.status, 0);

    testing::TempDir empty;
    ProgramRun colours = run_qorplot(empty.path() + "/RUN HALDOR SAMPLE_001");
    std::string root = empty.path();
    for (char& c : root) {
        if (c == '/') c = '\\';
    }
    EXPECT_EQ(colours.output, " Could not OPEN file=" + root +
                                  "\\database\\colors.win;\nMissing file "
                                  "..\\database\\colors.win in WINcolr\n");
    EXPECT_NE(colours.status, 0);
}

}  // namespace
}  // namespace qor
