// qortool show, run as a program on packages built in temporary directories.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/main_window.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "sample/sample_package.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::TempDir;
using testing::write_file;

const std::string qortool = testing::built_program("qortool");

using ToolRun = testing::ProgramRun;

ToolRun run_show(const TempDir& dir, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {qortool, "show"});
    return testing::run_program(dir, arguments);
}

// Two points of three parameters; the second point's DBU is missing.
const std::string grid_file_text = testing::lines(
    {"HALDOR  Version 4.02", "RUN1  15.26 MHz   0900 UT",
     "  2  1" + std::string(20, ' ') + "   DBU  MODE   SNR",
     std::string(26, '.') + " 45.50   1F2 12.25", std::string(26, '.') + "-999.0    2E 30.00"});

const std::string requirement_text = testing::lines({
    "Model    :HALDOR",
    "Colors   :black    :blue     :Ignore   :RED      :red      :Black with shading  ",
    "Cities   :..\\DATABASE\\RECEIVE.CTY",
    "Nparms   :    2",
    "Parameter:DBU      3  1   10.00  2   20.00  3   30.00",
    "Parameter:SNR      0",
    "Gridsize :        22",
    "Comment  :Season 3",
    "Comment  :INFO  ZONES   27,28,37,38",
    "Comment  :Morning service",
    "Comment  :Zones 27 28",
});

const std::string plot_parameter_text = testing::lines({
    "HALDOR plot parameters",
    "",
    "",
    "DBU    Field strength (dBu)",
    "",
    "1.0 1 1 10.0",
    "SNR    Signal to noise ratio (dB)",
    "",
    "1.0 0 0",
});

class QortoolShowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::make_minimal_package(package_.path());
        write_file(package_ / "AREADATA/DEFAULT/RUN1.HG3", grid_file_text);
        write_file(package_ / "AREADATA/DEFAULT/RUN1.HAL", requirement_text);
        write_file(package_ / "database/HALPLT.GPH", plot_parameter_text);
    }
    TempDir package_;
    TempDir work_;
};

TEST_F(QortoolShowTest, PrintsTheFileSummaryCommentsTitleAndSummaries) {
    ToolRun run = run_show(work_, {package_ / "AREADATA/DEFAULT/RUN1.HG3"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string expected_head = testing::lines({
        "  File name : DEFAULT\\RUN1.HG3",
        "  Model/Ver : HALDOR  Version 4.02",
        "  Grid size :  2x 1    Type : 22=NW Hemisphere",
        "Comments:",
        "  CIRAF: 27,28,37,38",
        "  Morning service",
        "Title:",
        "  RUN1  15.26 MHz   0900 UT",
        "Layers:",
        "  Grid    Countries  Zones  Cities  MainBeam  Contours",
        // No colors.dat: the DOS colour names are all unknown.
        "   Ignore    Ignore   Ignore RED      Ignore   Black with shading",
        "Parameters:",
        "  DBU       SNR",
        "Contours:",
    });
    ASSERT_EQ(run.out.substr(0, expected_head.size()), expected_head);

    // The contour lines are the window's contour summary, one line per CR LF.
    Session session;
    session.paths.FileName = "DEFAULT\\RUN1.HG3";
    session.paths.DataDir = "AREADATA";
    session.paths.Model = "HALDOR";
    session.paths.RunDir = to_package_path(package_ / "RUN");
    INITVAR(session.projections);
    ASSERT_EQ(load_current_file(session), std::nullopt);
    std::string contours;
    std::string_view text = session.contours.summaryText.view();
    for (std::size_t end; (end = text.find("\r\n")) != std::string_view::npos;
         text.remove_prefix(end + 2)) {
        contours += std::string(trim_right(text.substr(0, end))) + "\n";
    }
    contours += std::string(trim_right(text)) + "\n";
    EXPECT_EQ(run.out.substr(expected_head.size()), contours);
    // Two lines for each of the five slots, the empty ones included.
    EXPECT_EQ(std::count(contours.begin(), contours.end(), '\n'), 10);
    EXPECT_TRUE(contours.starts_with("DBU     Defined")) << contours;
    EXPECT_TRUE(contours.ends_with("\n\n\n\n\n\n\n")) << contours;
}

TEST_F(QortoolShowTest, TakesTheRunDirectoryGivenAndFindsFilesWhateverTheirCase) {
    fs::rename(package_ / "AREADATA/DEFAULT/RUN1.HG3", package_ / "AREADATA/DEFAULT/run1.hg3");
    ToolRun run =
        run_show(work_, {package_ / "AREADATA/DEFAULT/run1.hg3", "--run", package_ / "RUN"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("  File name : DEFAULT\\RUN1.HG3\n")) << run.out;
}

TEST_F(QortoolShowTest, PrintsTheReadersMessageAndFailsOnABrokenFile) {
    struct Case {
        const char* what;
        const char* file;
        std::string content;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"a grid file that ends early", "AREADATA/DEFAULT/RUN1.HG3",
         grid_file_text.substr(0, grid_file_text.rfind(std::string(26, '.'))),
         "READ error on file=DEFAULT\\RUN1.HG3"},
        {"a requirement file with six parameters", "AREADATA/DEFAULT/RUN1.HAL",
         testing::lines({"Model    :HALDOR", "Colors   :", "Nparms   :    6"}),
         "In readmain, more than 5 Parameter lines in\n..\\AREADATA\\DEFAULT\\RUN1.HAL"},
        {"a plot parameter file that ends inside a group", "database/HALPLT.GPH",
         testing::lines({"a", "b", "c", "DBU    Field strength", ""}),
         "In zonegrfw/readGPH, end of file inside a group\n..\\DATABASE\\HALPLT.GPH"},
    };
    for (const Case& c : cases) {
        SetUp();
        write_file(package_ / c.file, c.content);
        ToolRun run = run_show(work_, {package_ / "AREADATA/DEFAULT/RUN1.HG3"});
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_EQ(run.out, "") << c.what;
        EXPECT_EQ(run.err, c.message + "\n") << c.what;
    }
    fs::remove(package_ / "AREADATA/DEFAULT/RUN1.HAL");
    ToolRun missing = run_show(work_, {package_ / "AREADATA/DEFAULT/RUN1.HG3"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "In readmain, could not OPEN\n..\\AREADATA\\DEFAULT\\RUN1.HAL\n");
}

TEST_F(QortoolShowTest, ShowsASlotWhoseParameterTheGridLacksAndReportsItOnStandardError) {
    std::string text = requirement_text;
    text.replace(text.find("SNR      0"), 10, "MUFD     0");
    write_file(package_ / "AREADATA/DEFAULT/RUN1.HAL", text);
    ToolRun run = run_show(work_, {package_ / "AREADATA/DEFAULT/RUN1.HG3"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Could not find parameter in AUTOCON\n"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.starts_with("  File name : DEFAULT\\RUN1.HG3\n")) << run.out;
    EXPECT_NE(run.out.find("\nParameters:\n  DBU       MUFD\n"), std::string::npos) << run.out;
}

TEST_F(QortoolShowTest, ExplainsItselfAndRefusesBadArguments) {
    ToolRun help = run_show(work_, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("usage: qortool show GRIDFILE [--run RUNDIR]\n"));
    EXPECT_EQ(run_show(work_, {}).status, 2);
    EXPECT_EQ(run_show(work_, {"a.HG1", "b.HG1"}).status, 2);
    EXPECT_EQ(run_show(work_, {"--colour"}).status, 2);
    EXPECT_EQ(run_show(work_, {"a.HG1", "--run"}).status, 2);
}

TEST(QortoolShowSampleTest, ShowsEveryGridFileOfTheSamplePackage) {
    TempDir package;
    TempDir work;
    ASSERT_EQ(sample::write_sample_package(package.path()), "");
    int shown = 0;
    for (const char* root : {"AREADATA", "AREA_INV"}) {
        for (const auto& sub : fs::directory_iterator(package / root)) {
            for (const auto& entry : fs::directory_iterator(sub.path())) {
                std::string name = entry.path().filename().string();
                if (name.size() < 3 || name[name.size() - 2] != 'G') continue;
                ToolRun run = run_show(work, {entry.path().string()});
                ASSERT_EQ(run.status, 0) << name << ": " << run.err;
                EXPECT_TRUE(run.out.starts_with("  File name : " + sub.path().filename().string() +
                                                "\\" + name + "\n"))
                    << run.out;
                for (const char* heading : {"\nComments:\n", "\nTitle:\n", "\nLayers:\n",
                                            "\nParameters:\n", "\nContours:\n"}) {
                    EXPECT_NE(run.out.find(heading), std::string::npos) << name << heading;
                }
                ++shown;
            }
        }
    }
    EXPECT_GE(shown, 2);
}

}  // namespace
}  // namespace qor
