#include "app/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "platform/paths.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

using testing::ProgramStopped;
using testing::RecordingConsole;
using testing::TempDir;

// Keeps the process's current directory across a test that changes it.
class StartupTest : public ::testing::Test {
  protected:
    StartupTest() : saved_(std::filesystem::current_path()) { session->console = &console; }
    ~StartupTest() override { std::filesystem::current_path(saved_); }

    // Runs start-up; the window loop counts its calls and quits at once.
    int run(const std::vector<std::string>& tokens) {
        return run_startup(
            *session, tokens,
            [this](Session&, const Text<6>& model, const Text<8>& browse, const Text<20>& sub) {
                ++screens;
                screen_model = model.str();
                screen_browse = browse.str();
                screen_sub = sub.str();
                return 0;
            });
    }

    std::filesystem::path saved_;
    std::unique_ptr<Session> session = std::make_unique<Session>();
    RecordingConsole console;
    int screens = 0;
    std::string screen_model, screen_browse, screen_sub;
};

TEST_F(StartupTest, WithoutTokensReportsTheRunDirectoryThenTheProgramName) {
    EXPECT_THROW(run({}), ProgramStopped);
    std::vector<std::string> expected{" in SET_RUN, could not find RUN directory:", " dir=",
                                      "PAUSE  ", "QOR_PLOT not executed properly.", "STOP "};
    EXPECT_EQ(console.events, expected);
    EXPECT_EQ(screens, 0);
}

TEST_F(StartupTest, ChecksTheProgramNameBeforeTheSubDirectory) {
    TempDir dir;
    std::string run_dir = testing::make_minimal_package(dir.path());
    struct Case {
        const char* model;
        const char* sub;
        const char* message;  // nullptr: accepted
    };
    const Case cases[] = {
        {"PARVIS", "SAMPLE_001", "QOR_PLOT not executed properly."},
        {"HALDO", "SAMPLE_001", "QOR_PLOT not executed properly."},
        {"PARVIS", "SHORT", "QOR_PLOT not executed properly."},
        {"haldor", "SAMPLE_001", nullptr},
        {"MIRVENX", "sample_001", nullptr},  // only 6 characters are kept
        {"TABLIN", "SAMPLE_01", "QOR_PLOT sub-directory MUST have 10 characters"},
        {"TABLIN", "SAMPLE_0001", "QOR_PLOT sub-directory MUST have 10 characters"},
        {"TABLIN", "SAMPLE_001          ", nullptr},  // trailing blanks do not count
        {"TABLIN", "ABCDEFGHIJKLMNOPQRSTUVWXY", "QOR_PLOT sub-directory MUST have 10 characters"},
    };
    for (const Case& c : cases) {
        console.events.clear();
        screens = 0;
        if (c.message == nullptr) {
            EXPECT_EQ(run({run_dir, c.model, c.sub}), 0) << c.model << " " << c.sub;
            EXPECT_TRUE(console.events.empty()) << c.model << " " << c.sub;
            EXPECT_EQ(screens, 1);
        } else {
            EXPECT_THROW(run({run_dir, c.model, c.sub}), ProgramStopped) << c.model;
            std::vector<std::string> expected{c.message, "STOP "};
            EXPECT_EQ(console.events, expected) << c.model << " " << c.sub;
            EXPECT_EQ(screens, 0);
        }
    }
}

TEST_F(StartupTest, HandsTheWindowTheCommandLineModelAndUpperCasedSubDirectory) {
    TempDir dir;
    std::string run_dir = testing::make_minimal_package(dir.path());
    EXPECT_EQ(run({run_dir, "haldor", "sample_001", "ignored"}), 0);
    EXPECT_EQ(screen_model, "HALDOR");
    EXPECT_EQ(screen_browse, "AREADATA");
    EXPECT_EQ(screen_sub, padded("SAMPLE_001", 20));
    EXPECT_EQ(session->paths.DataDir.str(), "AREADATA");
    EXPECT_EQ(session->projections.Count, 6);
    // Windows keeps the upper-cased spelling as the current directory's name.
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), dir / "RUN"));
}

TEST_F(StartupTest, RebuildsTheWindowForAChosenFileWithItsSubDirectoryAndModel) {
    TempDir dir;
    std::string run_dir = testing::make_minimal_package(dir.path());
    std::vector<std::string> models, subs;
    int calls = 0;
    run_startup(*session, {run_dir, "HALDOR", "SAMPLE_001"},
                [&](Session& s, const Text<6>& model, const Text<8>&, const Text<20>& sub) {
                    models.push_back(model.str() + "/" + s.paths.Model.str());
                    subs.push_back(sub.str());
                    switch (++calls) {
                        case 1:
                            s.paths.FileName = "DEFAULT123\\T1.PG1";
                            return 1;
                        case 2:
                            s.paths.FileName = "T2.MG1";
                            return 1;  // no backslash
                        case 3:
                            s.paths.FileName = "OTHER12345\\T2.XG1";
                            return 1;
                        default:
                            return 0;
                    }
                });
    std::vector<std::string> expected_models{"HALDOR/HALDOR", "HALDOR/PARVIS", "HALDOR/MIRVEN",
                                             "HALDOR/MIRVEN"};
    std::vector<std::string> expected_subs{padded("SAMPLE_001", 20), padded("DEFAULT123", 20),
                                           padded("DEFAULT123", 20), padded("OTHER12345", 20)};
    EXPECT_EQ(models, expected_models);
    EXPECT_EQ(subs, expected_subs);
}

TEST_F(StartupTest, StopsWhenColorsWinIsMissing) {
    TempDir dir;
    std::filesystem::create_directories(dir / "RUN");
    EXPECT_THROW(run({dir / "RUN", "HALDOR", "SAMPLE_001"}), ProgramStopped);
    std::string root = to_package_path(dir.path()) + "\\";
    std::vector<std::string> expected{" Could not OPEN file=" + root + "database\\colors.win;",
                                      "STOP Missing file ..\\database\\colors.win in WINcolr"};
    EXPECT_EQ(console.events, expected);
}

struct RunDirCase {
    const char* token;
    const char* expected;  // nullptr: the SET_RUN message
};

TEST_F(StartupTest, SetRunFindsTheRunDirectoryOfThePackage) {
    const RunDirCase cases[] = {
        {"C:\\PKG\\RUN", "C:\\PKG\\RUN"},
        {"C:\\PKG\\run", "C:\\PKG\\run"},
        {"c:\\pkg\\areadata\\", "C:\\PKG\\RUN"},
        {"C:\\PKG\\BIN_WIN\\SUB", "C:\\PKG\\RUN"},
        {"X:\\USERDB\\A\\ANTENNAS\\", "X:\\USERDB\\A\\RUN"},  // list order, not text order
        {"C:\\PKG\\RUN\\", nullptr},
        {"C:\\PKG\\Run", nullptr},       // mixed case is not the run directory
        {"C:\\PKG\\AREADATA", nullptr},  // the backslash after the name is needed
    };
    for (const RunDirCase& c : cases) {
        console.events.clear();
        session->paths.RunDir = c.token;
        SET_RUN(session->paths, console);
        if (c.expected != nullptr) {
            EXPECT_EQ(session->paths.RunDir.trimmed(), c.expected) << c.token;
            EXPECT_TRUE(console.events.empty()) << c.token;
        } else {
            EXPECT_EQ(session->paths.RunDir.trimmed(), c.token);
            std::vector<std::string> expected{" in SET_RUN, could not find RUN directory:",
                                              std::string(" dir=") + c.token, "PAUSE  "};
            EXPECT_EQ(console.events, expected) << c.token;
        }
    }
}

TEST_F(StartupTest, SetRunMakesAPosixRunDirectoryCurrent) {
    TempDir dir;
    std::filesystem::create_directories(dir / "RUN");
    std::filesystem::create_directories(dir / "AREADATA/SAMPLE_001");
    session->paths.RunDir = to_package_path(dir / "AREADATA/SAMPLE_001/");
    SET_RUN(session->paths, console);
    // The token is upper-cased on its way through the directory list; the
    // case-insensitive lookup still finds the package's own RUN directory.
    Text<50> expected(to_package_path(dir.path()) + "\\RUN");
    UCASE(expected, 50);
    EXPECT_EQ(session->paths.RunDir, expected);
    // Windows keeps the upper-cased spelling as the current directory's name.
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), dir / "RUN"));
}

TEST(PackageRootTest, IsTheRunDirectoryWithoutRun) {
    PathState paths;
    paths.RunDir = "C:\\ROOT\\RUN";
    EXPECT_EQ(package_root(paths), "C:\\ROOT\\");
    EXPECT_EQ(package_file(paths, "database\\setup.ini"), "C:\\ROOT\\database\\setup.ini");
    paths.RunDir = "RUN";
    EXPECT_EQ(package_root(paths), "");
    EXPECT_EQ(package_file(paths, "database\\setup.ini"), "database\\setup.ini");
}

}  // namespace
}  // namespace qor
