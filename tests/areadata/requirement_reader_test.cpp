#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "areadata/readers.h"
#include "base/fixed_record.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

using testing::RecordingConsole;
using testing::TempDir;

const std::string new_colours =
    "Colors   :yellow   :white    :Ignore   :RED      :green    :Shading, no contours";
const std::string cities = "Cities   :..\\DATABASE\\RECEIVE.CTY";

std::string join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

class RequirementReaderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        run_ = testing::make_minimal_package(dir_.path());
        testing::use_package(session_, run_, console_);
        session_.paths.FileName = "DEFAULT\\RUN1.HG3";
        session_.paths.Model = "HALDOR";
        testing::set_dos_colours(session_.colors,
                                 {{"yellow", 14, "Yellow"}, {"white", 15, "White"}});
    }
    void write_requirement(const std::vector<std::string>& lines) {
        testing::write_file(dir_ / "AREADATA/DEFAULT/RUN1.HAL", join(lines));
    }
    std::optional<Message> read(const std::vector<std::string>& lines) {
        write_requirement(lines);
        return testing::read_requirement_file(session_);
    }

    TempDir dir_;
    std::string run_;
    RecordingConsole console_;
    Session session_;
};

TEST_F(RequirementReaderTest, ReadsTheSettingsAndKeepsTheLinesAfterTheParameters) {
    ASSERT_EQ(read({"Model    :MIRVEN", new_colours, cities, "Nparms   :    3",
                    "Parameter:   DBU   3  1   10.00  2   20.00  3   30.00", "Parameter:  MODE   0",
                    "Parameter:   SNR   8  0    1.00  1    2.00  2    3.00  3    4.00  4    5.00"
                    "  5    6.00  6    7.00  7    8.00",
                    "Gridsize :         1", "Comment  :INFO  ZONES   12 13 14", "Months   :  1 2 3",
                    "Gridsize :        22", "Comment  :Transmitter at Ottawa"}),
              std::nullopt);
    EXPECT_EQ(session_.paths.Model, "MIRVEN");
    const LayerSettings& layers = session_.layers;
    EXPECT_EQ(layers.colors[0], "Yellow");
    EXPECT_EQ(layers.colors[1], "White");
    EXPECT_EQ(layers.colors[2], "Ignore");
    EXPECT_EQ(layers.colors[3], "2=RED ");
    EXPECT_EQ(layers.colors[5], "4=Shad");
    EXPECT_EQ(layers.cityFile, "RECEIVE.CTY");

    EXPECT_EQ(session_.parameters.count, 3);
    EXPECT_EQ(session_.parameters.names[0], "   DBU");
    EXPECT_EQ(session_.parameters.names[1], "  MODE");
    EXPECT_TRUE(session_.parameters.names[3].blank());
    const ContourSettings& contours = session_.contours;
    // Three levels are widened to seven, the given ones at the top.
    EXPECT_EQ(contours.levelCount[0], 7);
    EXPECT_EQ(contours.levels[0], (std::array<float, 10>{-999.0f, -999.0f, -999.0f, -999.0f, 10.0f,
                                                         20.0f, 30.0f, -1.0f, -1.0f, -1.0f}));
    EXPECT_EQ(contours.colors[0],
              (std::array<std::int32_t, 10>{15, 15, 15, 15, 1, 2, 3, -1, -1, -1}));
    // Automatic levels stay automatic; eight levels are kept as read.
    EXPECT_EQ(contours.levelCount[1], 0);
    EXPECT_EQ(contours.levels[1][0], -1.0f);
    EXPECT_EQ(contours.levelCount[2], 8);
    EXPECT_FLOAT_EQ(contours.levels[2][7], 8.0f);
    EXPECT_EQ(contours.colors[2][7], 7);
    // Empty slots are cleared.
    EXPECT_EQ(contours.levelCount[4], 0);
    EXPECT_EQ(contours.levels[4][9], -1.0f);
    EXPECT_EQ(contours.colors[4][0], -1);

    const RequirementFile& requirement = session_.requirement;
    EXPECT_EQ(requirement.lineCount, 5);
    EXPECT_EQ(requirement.lines[2].trimmed(), "Months   :  1 2 3");
    EXPECT_EQ(requirement.gridSize, 22);  // the last Gridsize line rules
    ASSERT_EQ(requirement.commentCount, 2);
    EXPECT_EQ(requirement.comments[0].trimmed(), "INFO  ZONES   12 13 14");
    EXPECT_EQ(requirement.comments[1].trimmed(), "Transmitter at Ottawa");
}

TEST_F(RequirementReaderTest, WidensEachShortLevelListToSevenLevels) {
    for (int n = 1; n <= 7; ++n) {
        std::string line = "Parameter:   DBU" + format_integer(n, 4);
        for (int i = 1; i <= n; ++i)
            line += format_integer(i, 3) + " " + format_real(i * 1.5, 7, 2);
        ASSERT_EQ(read({"Model    :HALDOR", new_colours, cities, "Nparms   :    1", line}),
                  std::nullopt);
        const ContourSettings& contours = session_.contours;
        EXPECT_EQ(contours.levelCount[0], 7) << n;
        for (int position = 1; position <= 7; ++position) {
            const auto p = static_cast<std::size_t>(position - 1);
            int given = position - (7 - n);  // the given level at this position, if any
            if (given >= 1) {
                EXPECT_FLOAT_EQ(contours.levels[0][p], static_cast<float>(given * 1.5)) << n;
                EXPECT_EQ(contours.colors[0][p], given) << n;
            } else {
                EXPECT_EQ(contours.levels[0][p], -999.0f) << n;
                EXPECT_EQ(contours.colors[0][p], 15) << n;
            }
        }
    }
}

TEST_F(RequirementReaderTest, ReadsAnOldFormColoursLineWithoutACitiesLine) {
    ASSERT_EQ(read({"Model    :TABLIN",
                    "Colors   :" + padded("YELLOW", 9) + padded("WHITE", 9) + padded("Ignore", 9) +
                        padded("3", 9) + padded("green", 9) + padded("5", 9) + "MY.CTY",
                    "Nparms   :    0", "Comment  :Season 3"}),
              std::nullopt);
    EXPECT_EQ(session_.layers.colors[0], "YELLOW");
    EXPECT_EQ(session_.layers.colors[3], "3     ");
    EXPECT_EQ(session_.layers.colors[5], "5     ");
    EXPECT_EQ(session_.layers.cityFile, "MY.CTY");
    EXPECT_EQ(session_.parameters.count, 0);
    EXPECT_EQ(session_.requirement.lineCount, 1);
    EXPECT_EQ(session_.requirement.commentCount, 1);
    EXPECT_EQ(session_.requirement.gridSize, 0);
}

TEST_F(RequirementReaderTest, CutsKeptLinesAtEightyCharactersButReadsLongParameterLinesWhole) {
    std::string ten = "Parameter:   SNR  10";
    for (int i = 1; i <= 10; ++i) ten += format_integer(i, 3) + " " + format_real(i, 7, 2);
    ASSERT_GT(ten.size(), 120u);
    const std::string long_line = "Comment  :" + std::string(100, 'c');
    ASSERT_EQ(read({"Model    :HALDOR", new_colours, cities, "Nparms   :    1", ten, long_line}),
              std::nullopt);
    EXPECT_EQ(session_.contours.levelCount[0], 10);
    EXPECT_FLOAT_EQ(session_.contours.levels[0][9], 10.0f);
    EXPECT_EQ(session_.contours.colors[0][9], 10);
    EXPECT_EQ(session_.requirement.lines[0].view(), long_line.substr(0, 80));
    EXPECT_EQ(session_.requirement.comments[0].view(), std::string(70, 'c') + std::string(10, ' '));
}

TEST_F(RequirementReaderTest, NamesTheRequirementFileWhenItIsMissing) {
    std::optional<Message> message = testing::read_requirement_file(session_);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->button, "In readmain, could not OPEN\n..\\AREADATA\\DEFAULT\\RUN1.HAL");
}

TEST_F(RequirementReaderTest, RefusesMalformedAndOversizedFilesAndKeepsTheSettings) {
    const std::string header = "Model    :MIRVEN";
    const std::string dbu = "Parameter:   DBU   1  1   10.00";
    std::vector<std::string> thirty_one = {header, new_colours, cities, "Nparms   :    0"};
    for (int i = 0; i < 31; ++i) thirty_one.push_back("Line " + std::to_string(i));
    std::vector<std::string> eleven = {header, new_colours, cities, "Nparms   :    0"};
    for (int i = 0; i < 11; ++i) eleven.push_back("Comment  :c" + std::to_string(i));
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        std::string first_line;
    };
    const std::vector<Case> cases = {
        {"an empty file", {}, "In readmain, could not READ line 1 of"},
        {"a file of one line", {header}, "In readmain, could not READ line 2 of"},
        {"a missing Cities line", {header, new_colours}, "In readmain, could not READ line 3 of"},
        {"a missing Nparms line",
         {header, new_colours, cities},
         "In readmain, could not READ line 4 of"},
        {"a count that is not a number",
         {header, new_colours, cities, "Nparms   :  two"},
         "In readmain, could not READ line 4 of"},
        {"a negative count",
         {header, new_colours, cities, "Nparms   :   -1"},
         "In readmain, could not READ line 4 of"},
        {"a file that ends before its last Parameter line",
         {header, new_colours, cities, "Nparms   :    2", dbu},
         "In readmain, could not READ line 6 of"},
        {"a level that is not a number",
         {header, new_colours, cities, "Nparms   :    1", "Parameter:   DBU   1  1   ten.00"},
         "In readmain, could not READ line 5 of"},
        {"a level count that is not a number",
         {header, new_colours, cities, "Nparms   :    1", "Parameter:   DBU   x"},
         "In readmain, could not READ line 5 of"},
        {"a Gridsize that is not a number",
         {header, new_colours, cities, "Nparms   :    0", "Gridsize :       big"},
         "In readmain, could not READ line 5 of"},
        {"six Parameter lines",
         {header, new_colours, cities, "Nparms   :    6"},
         "In readmain, more than 5 Parameter lines in"},
        {"eleven levels",
         {header, new_colours, cities, "Nparms   :    1", "Parameter:   DBU  11"},
         "In readmain, more than 10 levels in line 5 of"},
        {"thirty-one kept lines", thirty_one,
         "In readmain, more than 30 lines after the Parameter lines in"},
        {"eleven comments", eleven, "In readmain, more than 10 Comment lines in"},
    };
    for (const Case& c : cases) {
        session_.paths.Model = "HALDOR";
        session_.parameters.count = 2;
        session_.requirement.lineCount = 4;
        session_.contours.levelCount[0] = 9;
        std::optional<Message> message = read(c.lines);
        ASSERT_TRUE(message.has_value()) << c.what;
        EXPECT_EQ(message->button, c.first_line + "\n..\\AREADATA\\DEFAULT\\RUN1.HAL") << c.what;
        EXPECT_EQ(session_.paths.Model, "HALDOR") << c.what;
        EXPECT_EQ(session_.parameters.count, 2) << c.what;
        EXPECT_EQ(session_.requirement.lineCount, 4) << c.what;
        EXPECT_EQ(session_.contours.levelCount[0], 9) << c.what;
    }
}

TEST_F(RequirementReaderTest, AcceptsExactlyThirtyKeptLinesAndTenComments) {
    std::vector<std::string> lines = {"Model    :HALDOR", new_colours, cities, "Nparms   :    0"};
    for (int i = 0; i < 10; ++i) lines.push_back("Comment  :c" + std::to_string(i));
    for (int i = 0; i < 20; ++i) lines.push_back("Line " + std::to_string(i));
    ASSERT_EQ(read(lines), std::nullopt);
    EXPECT_EQ(session_.requirement.lineCount, 30);
    EXPECT_EQ(session_.requirement.commentCount, 10);
}

TEST(RequirementPathTest, TakesTheSuffixFromTheLetterAfterTheLastDot) {
    struct Case {
        const char* file;
        const char* path;
    };
    const Case cases[] = {
        {"DEFAULT\\RUN1.HG3", "C:\\QOR\\AREADATA\\DEFAULT\\RUN1.HAL"},
        {"DEFAULT\\run1.hg3", "C:\\QOR\\AREADATA\\DEFAULT\\run1.HAL"},
        {"DEFAULT\\A.B.MG1", "C:\\QOR\\AREADATA\\DEFAULT\\A.B.MIR"},
        {"DEFAULT\\RUN1.TG9", "C:\\QOR\\AREADATA\\DEFAULT\\RUN1.TAB"},
        {"DEFAULT\\RUN1.pg2", "C:\\QOR\\AREADATA\\DEFAULT\\RUN1.PAR"},
        {"DEFAULT\\RUN1.XG1", ""},
        {"DEFAULT\\RUN1", ""},
        {"DEFAULT\\RUN1.", ""},
    };
    for (const Case& c : cases) {
        PathState paths;
        paths.RunDir = "C:\\QOR\\RUN";
        paths.DataDir = "AREADATA";
        paths.FileName = c.file;
        EXPECT_EQ(requirement_path(paths), c.path) << c.file;
    }
}

TEST_F(RequirementReaderTest, ShowsTheGridFileNameWhenItsSuffixNamesNoProgram) {
    session_.paths.FileName = "DEFAULT\\RUN1.XG1";
    std::optional<Message> message = testing::read_requirement_file(session_);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->button, "In readmain, could not OPEN\n..\\AREADATA\\DEFAULT\\RUN1.");
}

}  // namespace
}  // namespace qor
