#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "areadata/readers.h"
#include "base/fixed_record.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

using testing::RecordingConsole;
using testing::TempDir;

// Right-aligns each field in 6 columns after the 26 columns the reader skips.
std::string grid_record(const std::vector<std::string>& fields) {
    std::string record = "  12.50N   3.00E  1  1 ...";
    for (const std::string& field : fields) {
        record += std::string(6 - std::min<std::size_t>(field.size(), 6), ' ') + field.substr(0, 6);
    }
    return record;
}

std::string grid_header(int columns, int rows, const std::vector<std::string>& names) {
    std::string line = format_integer(columns, 3) + format_integer(rows, 3) + std::string(20, ' ');
    for (const std::string& name : names) line += padded(name, 6);
    return line;
}

class GridReaderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        run_ = testing::make_minimal_package(dir_.path());
        testing::use_package(session_, run_, console_);
        session_.paths.FileName = "DEFAULT\\RUN1.HG3";
    }
    void write_grid(const std::string& content) {
        testing::write_file(dir_ / "AREADATA/DEFAULT/RUN1.HG3", content);
    }
    std::string grid_text(int columns, int rows, const std::vector<std::string>& names,
                          const std::vector<std::vector<std::string>>& records) {
        std::string text =
            "HALDOR  version 1.0\nTest title\n" + grid_header(columns, rows, names) + "\n";
        for (const auto& record : records) text += grid_record(record) + "\n";
        return text;
    }

    TempDir dir_;
    std::string run_;
    RecordingConsole console_;
    Session session_;
};

TEST_F(GridReaderTest, ReadsTheHeaderAndTheValidRangeOfEachParameter) {
    write_grid(grid_text(2, 2, {"   DBU", "  MODE", "   SNR", "  MUFD"},
                         {{"12.50", "2F2", "-3.25", "-999.0"},
                          {"-1.00", "1E", "40.00", "-999.0"},
                          {"7.75", "***", "-99890", "-999.0"},
                          {"0.00", "", "-99889", "-999.0"}}));
    ASSERT_EQ(READGRID(session_.paths, session_.grid), std::nullopt);
    const GridFile& grid = session_.grid;
    EXPECT_EQ(grid.modelVersion.trimmed(), "HALDOR  version 1.0");
    EXPECT_EQ(grid.title.trimmed(), "Test title");
    EXPECT_EQ(grid.columns, 2);
    EXPECT_EQ(grid.rows, 2);
    EXPECT_EQ(grid.parameterCount, 4);
    EXPECT_EQ(grid.parameterNames[1], "  MODE");
    EXPECT_FLOAT_EQ(grid.minimum[0], -1.0f);
    EXPECT_FLOAT_EQ(grid.maximum[0], 12.5f);
    // The mode is text: its field is not converted and keeps the start values.
    EXPECT_EQ(grid.minimum[1], 9999999.0f);
    EXPECT_EQ(grid.maximum[1], -9999999.0f);
    // -998.90 (written with implied decimals) is missing, -998.89 is a value.
    EXPECT_FLOAT_EQ(grid.minimum[2], -998.89f);
    EXPECT_FLOAT_EQ(grid.maximum[2], 40.0f);
    // A parameter missing everywhere keeps the start values.
    EXPECT_EQ(grid.minimum[3], 9999999.0f);
    EXPECT_EQ(grid.maximum[3], -9999999.0f);
}

TEST_F(GridReaderTest, KeepsTheFirstZeroOfARangeWithItsSign) {
    // Zeros written in both forms: the range keeps the first one met.
    write_grid(grid_text(1, 3, {"     A", "     B", "     C"},
                         {{"-0.00", "   0.0", "  -0.0"},
                          {"   0.0", "-0.00", "  0.00"},
                          {"  0.00", "  -0.0", "-0.00"}}));
    ASSERT_EQ(READGRID(session_.paths, session_.grid), std::nullopt);
    const GridFile& grid = session_.grid;
    EXPECT_TRUE(grid.minimum[0] == 0 && std::signbit(grid.minimum[0]));
    EXPECT_TRUE(grid.maximum[0] == 0 && std::signbit(grid.maximum[0]));
    EXPECT_TRUE(grid.minimum[1] == 0 && !std::signbit(grid.minimum[1]));
    EXPECT_TRUE(grid.maximum[1] == 0 && !std::signbit(grid.maximum[1]));
    EXPECT_TRUE(grid.minimum[2] == 0 && std::signbit(grid.minimum[2]));
}

TEST_F(GridReaderTest, ConvertsFieldTwoWhenItIsNotNamedMode) {
    // "MODE  " left-aligned is not the mode's own spelling.
    write_grid(grid_text(1, 2, {"   DBU", "MODE  "}, {{"1.00", "5.50"}, {"2.00", ""}}));
    ASSERT_EQ(READGRID(session_.paths, session_.grid), std::nullopt);
    EXPECT_FLOAT_EQ(session_.grid.minimum[1], 0.0f);  // a blank field reads as zero
    EXPECT_FLOAT_EQ(session_.grid.maximum[1], 5.5f);
}

TEST_F(GridReaderTest, CountsTheNamesBeforeTheFirstBlankOne) {
    std::vector<std::string> names;
    for (int k = 1; k <= 12; ++k) names.push_back("   P" + std::to_string(k));
    names.push_back("");
    names.push_back("  LATE");
    write_grid(grid_text(1, 1, names, {{"1.00", "2.00"}}));
    ASSERT_EQ(READGRID(session_.paths, session_.grid), std::nullopt);
    EXPECT_EQ(session_.grid.parameterCount, 12);
    EXPECT_EQ(session_.grid.parameterNames[13], "  LATE");
}

TEST_F(GridReaderTest, AcceptsThirtyNamesAndReadsAllThirtyFields) {
    std::vector<std::string> names;
    std::vector<std::string> values;
    for (int k = 1; k <= 30; ++k) {
        names.push_back("   P" + std::to_string(k));
        values.push_back(std::to_string(k) + ".25");
    }
    write_grid(grid_text(1, 1, names, {values}));
    ASSERT_EQ(READGRID(session_.paths, session_.grid), std::nullopt);
    EXPECT_EQ(session_.grid.parameterCount, 30);
    EXPECT_FLOAT_EQ(session_.grid.minimum[29], 30.25f);
}

TEST_F(GridReaderTest, IgnoresFieldsPastTheParameterCountAndReadsShortRecordsAsBlanks) {
    write_grid("m\nt\n" + grid_header(1, 2, {"   DBU", "   SNR"}) + "\r\n" +
               grid_record({"3.00", "4.00", "garbge"}) + "\r\n" + grid_record({"5.00"}) + "\r\n");
    ASSERT_EQ(READGRID(session_.paths, session_.grid), std::nullopt);
    EXPECT_FLOAT_EQ(session_.grid.maximum[0], 5.0f);
    EXPECT_FLOAT_EQ(session_.grid.minimum[1], 0.0f);
    EXPECT_FLOAT_EQ(session_.grid.maximum[1], 4.0f);
}

TEST_F(GridReaderTest, ReadsNoRecordsForAnEmptyGrid) {
    for (auto [columns, rows] : {std::pair{0, 5}, std::pair{5, 0}}) {
        write_grid(grid_text(columns, rows, {"   DBU"}, {}));
        ASSERT_EQ(READGRID(session_.paths, session_.grid), std::nullopt) << columns << "x" << rows;
        EXPECT_EQ(session_.grid.minimum[0], 9999999.0f);
        EXPECT_EQ(session_.grid.maximum[0], -9999999.0f);
    }
}

TEST_F(GridReaderTest, FindsTheFileWhateverTheCaseOnDisk) {
    testing::write_file(dir_ / "areadata/default/run1.hg3",
                        grid_text(1, 1, {"   DBU"}, {{"1.00"}}));
    ASSERT_EQ(READGRID(session_.paths, session_.grid), std::nullopt);
    EXPECT_EQ(session_.grid.columns, 1);
}

TEST_F(GridReaderTest, NamesOnlyTheSubDirectoryAndFileWhenTheFileIsMissing) {
    std::optional<Message> message = READGRID(session_.paths, session_.grid);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->button, "OPEN error on file=DEFAULT\\RUN1.HG3");
    EXPECT_TRUE(message->lines.empty());
}

TEST_F(GridReaderTest, ReportsEveryUnreadableFileWithTheReadError) {
    const std::string good_header = grid_header(2, 1, {"   DBU", "   SNR"});
    struct Case {
        const char* what;
        std::string content;
    };
    const std::vector<Case> cases = {
        {"an empty file", ""},
        {"a file without the names line", "model\ntitle\n"},
        {"a non-numeric grid size", "model\ntitle\n  x  1\n"},
        {"a grid that ends early",
         "model\ntitle\n" + good_header + "\n" + grid_record({"1.00", "2.00"}) + "\n"},
        {"a value that is not a number", "model\ntitle\n" + good_header + "\n" +
                                             grid_record({"1.00", "2.00"}) + "\n" +
                                             grid_record({"1.00", "abc"}) + "\n"},
        {"a value written as asterisks", "model\ntitle\n" + good_header + "\n" +
                                             grid_record({"******", "2.00"}) + "\n" +
                                             grid_record({"1.00", "2.00"}) + "\n"},
        {"binary garbage", std::string("\x01\xff\n\0\0\n", 6) + std::string(300, '\xee')},
    };
    for (const Case& c : cases) {
        write_grid(c.content);
        std::optional<Message> message = READGRID(session_.paths, session_.grid);
        ASSERT_TRUE(message.has_value()) << c.what;
        EXPECT_EQ(message->button, "READ error on file=DEFAULT\\RUN1.HG3") << c.what;
    }
}

TEST_F(GridReaderTest, ReadsAGridWithAnOversizedLineWithoutHarm) {
    std::string huge(200000, '9');
    write_grid("model\n" + huge + "\n" + grid_header(1, 1, {"   DBU"}) + "\n" +
               grid_record({"1.50"}) + huge + "\n");
    ASSERT_EQ(READGRID(session_.paths, session_.grid), std::nullopt);
    EXPECT_EQ(session_.grid.title.view(), std::string(75, '9'));
    EXPECT_FLOAT_EQ(session_.grid.maximum[0], 1.5f);
}

TEST(GridPathTest, JoinsTheRootTheDataRootAndTheFileName) {
    PathState paths;
    paths.RunDir = "C:\\QOR\\RUN";
    paths.DataDir = "AREA_INV";
    paths.FileName = "TEST\\RUN1.PG1";
    EXPECT_EQ(grid_path(paths), "C:\\QOR\\AREA_INV\\TEST\\RUN1.PG1");
}

}  // namespace
}  // namespace qor
