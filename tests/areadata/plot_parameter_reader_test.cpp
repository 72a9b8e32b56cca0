#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "areadata/readers.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

using testing::RecordingConsole;
using testing::TempDir;

const std::string headings = "Plot parameters of HALDOR\nname, description\nscale rule n values\n";

// One group: the entry line, the skipped line, the numbers.
std::string group(const std::string& name, const std::string& numbers) {
    return name + " description of " + name + "\n(skipped)\n" + numbers + "\n";
}

class PlotParameterReaderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        run_ = testing::make_minimal_package(dir_.path());
        testing::use_package(session_, run_, console_);
        session_.paths.Model = "HALDOR";
        GridFile& grid = session_.grid;
        grid.parameterCount = 3;
        grid.parameterNames[0] = "   DBU";
        grid.parameterNames[1] = "  MODE";
        grid.parameterNames[2] = "   SNR";
        grid.minimum = {-12.5f, 9999999.0f, 3.0f};
        grid.maximum = {40.0f, -9999999.0f, 77.5f};
    }
    std::optional<Message> read(const std::string& content,
                                const std::string& name = "HALPLT.GPH") {
        testing::write_file(dir_ / ("database/" + name), content);
        return READGPH(session_.paths, session_.grid, session_.plotParameters);
    }

    TempDir dir_;
    std::string run_;
    RecordingConsole console_;
    Session session_;
};

TEST_F(PlotParameterReaderTest, KeepsTheParametersTheGridCarriesWithTheirRanges) {
    ASSERT_EQ(read(headings + group("MUFD  ", "1.0 0 0") + group("SNR   ", "0.5, 2, 3, 10 20 30") +
                   group("MODE  ", "1.0 1 1\n5") + group("DBU   ", "1 3 2 -10 10") +
                   group("SNR   ", "2.0 0 0")),
              std::nullopt);
    const PlotParameterTable& table = session_.plotParameters;
    ASSERT_EQ(table.count, 4);
    EXPECT_EQ(table.entries[0].line.trimmed(), "SNR    description of SNR");
    EXPECT_FLOAT_EQ(table.entries[0].scale, 0.5f);
    EXPECT_EQ(table.entries[0].method, 2);
    EXPECT_EQ(table.entries[0].valueCount, 3);
    EXPECT_EQ(table.entries[0].values, (std::array<float, 6>{10, 20, 30, 0, 0, 0}));
    EXPECT_EQ(table.entries[0].minimum, 3.0f);
    EXPECT_EQ(table.entries[0].maximum, 77.5f);
    // "  MODE" in the grid matches the left-aligned "MODE  "; numbers over two lines.
    EXPECT_EQ(table.entries[1].line.sub(1, 6), "MODE  ");
    EXPECT_EQ(table.entries[1].values[0], 5.0f);
    EXPECT_EQ(table.entries[1].minimum, 9999999.0f);
    EXPECT_EQ(table.entries[1].maximum, -9999999.0f);
    EXPECT_EQ(table.entries[2].line.sub(1, 6), "DBU   ");
    EXPECT_EQ(table.entries[2].minimum, -12.5f);
    // A second group of the same name stays, with the same range.
    EXPECT_EQ(table.entries[3].line.sub(1, 6), "SNR   ");
    EXPECT_FLOAT_EQ(table.entries[3].scale, 2.0f);
    EXPECT_EQ(table.entries[3].maximum, 77.5f);
}

TEST_F(PlotParameterReaderTest, StartsTheNextGroupOnTheLineAfterTheLastNumber) {
    // The six rule values sit on the line after the first three numbers; the
    // next group's entry line follows them directly.
    ASSERT_EQ(read(headings + "DBU    d\nx\n1.0 1 6\n1 2 3 4 5 6\nSNR    d\nx\n1 0 0\n"),
              std::nullopt);
    ASSERT_EQ(session_.plotParameters.count, 2);
    EXPECT_EQ(session_.plotParameters.entries[0].values[5], 6.0f);
    EXPECT_EQ(session_.plotParameters.entries[1].line.sub(1, 6), "SNR   ");
}

TEST_F(PlotParameterReaderTest, GivesAnEmptyTableWhenTheGridCarriesNoneOrTheFileListsNone) {
    for (const std::string& content :
         {headings + group("MUFD  ", "1 0 0"), headings, std::string("only one line\n")}) {
        session_.plotParameters.count = 5;
        ASSERT_EQ(read(content), std::nullopt);
        EXPECT_EQ(session_.plotParameters.count, 0);
    }
}

TEST_F(PlotParameterReaderTest, FormsTheFileNameFromTheFirstThreeCharactersOfTheModel) {
    session_.paths.Model = "HA";
    ASSERT_EQ(read(headings + group("DBU   ", "1 0 0"), "HA PLT.GPH"), std::nullopt);
    EXPECT_EQ(session_.plotParameters.count, 1);
    session_.paths.Model = "MIRVEN";
    std::optional<Message> message =
        READGPH(session_.paths, session_.grid, session_.plotParameters);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->button, "In zonegrfw/readGPH, could not OPEN\n..\\DATABASE\\MIRPLT.GPH");
}

TEST_F(PlotParameterReaderTest, FailsOnAGroupAfterFortyKeptEntriesEvenOneThatWouldBeDropped) {
    // Dropped groups do not count: forty kept ones among many dropped ones fit.
    std::string forty = headings;
    for (int i = 0; i < 40; ++i) forty += group("MUFD  ", "1 0 0") + group("DBU   ", "1 0 0");
    ASSERT_EQ(read(forty), std::nullopt);
    EXPECT_EQ(session_.plotParameters.count, 40);
    std::optional<Message> message = read(forty + group("MUFD  ", "1 0 0"));
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->button, "In zonegrfw/readGPH, exceeded dimension\n..\\DATABASE\\HALPLT.GPH");
    EXPECT_EQ(session_.plotParameters.count, 40);
}

TEST_F(PlotParameterReaderTest, RefusesTruncatedAndMalformedGroupsAndKeepsTheTable) {
    struct Case {
        const char* what;
        std::string content;
        const char* first_line;
    };
    const std::vector<Case> cases = {
        {"a file that ends after an entry line", headings + "DBU    d\n",
         "In zonegrfw/readGPH, end of file inside a group"},
        {"a file that ends before the numbers", headings + "DBU    d\nx\n",
         "In zonegrfw/readGPH, end of file inside a group"},
        {"a file that ends before the last rule value", headings + "DBU    d\nx\n1 1 3 5 6\n",
         "In zonegrfw/readGPH, end of file inside a group"},
        {"seven rule values", headings + group("DBU   ", "1 1 7 1 2 3 4 5 6 7"),
         "In zonegrfw/readGPH, more than 6 rule values"},
        {"a negative value count", headings + group("DBU   ", "1 1 -1"),
         "In zonegrfw/readGPH, READ error"},
        {"a rule that is not a number", headings + group("DBU   ", "1 one 0"),
         "In zonegrfw/readGPH, READ error"},
    };
    for (const Case& c : cases) {
        session_.plotParameters.count = 3;
        std::optional<Message> message = read(c.content);
        ASSERT_TRUE(message.has_value()) << c.what;
        EXPECT_EQ(message->button, std::string(c.first_line) + "\n..\\DATABASE\\HALPLT.GPH")
            << c.what;
        EXPECT_EQ(session_.plotParameters.count, 3) << c.what;
    }
}

}  // namespace
}  // namespace qor
