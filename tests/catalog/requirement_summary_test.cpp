#include "catalog/requirement_summary.h"

#include <gtest/gtest.h>

#include "tests/catalog/catalog_fixture.h"

namespace qor {
namespace {

using testing::CatalogPackage;
using testing::Requirement;
using testing::write_file;

// The question-mark defaults of every field but the count part.
const std::string unknown_admin_frequency = "??? ?????";
const std::string unknown_time = "???\?-???\?";
const std::string unknown_ciraf = std::string("?????") + std::string(25, ' ');
const std::string unknown_station = std::string("?????") + std::string(19, ' ');

std::string unknown_summary(const std::string& counts) {
    return unknown_admin_frequency + " " + unknown_time + counts + " " + unknown_ciraf + " " +
           unknown_station;
}

RequirementSummaryResult summarise(const CatalogPackage& package, const std::string& name) {
    RequirementSummaryResult result;
    READ_REQ_FILE(to_package_path(package.data(name)), result);
    return result;
}

TEST(ReadReqFileTest, CondensesTheCommentLinesAndCountsTheGridFilesPresent) {
    CatalogPackage package;
    Requirement r;
    r.hours = {1, 6, 12, 0, 0, 0, 0, 0, 0};
    r.admin = "D  ";
    r.time = "0000-2400";
    r.frequency = "11.85";
    r.ciraf = "27,28";
    r.station = "BON 500  45  0 ANT";
    package.write_requirement("SAMPLE01.HAL", r);
    package.write_grid("SAMPLE01.HG1", "title");
    package.write_grid("SAMPLE01.HG3", "title");
    RequirementSummaryResult result = summarise(package, "SAMPLE01.HAL");
    EXPECT_EQ(result.RequirementSummary.view(),
              "D   11.85 0000-2400(2/3) 27,28                          BON 500  45  0 ANT      ");
    EXPECT_EQ(result.hourCount, 3);
    EXPECT_EQ(result.hours[2], 12);
}

struct HoursCase {
    const char* what;
    std::vector<int> hours;
    std::vector<std::string> grids;
    std::string counts;
    int hourCount;
};

TEST(ReadReqFileTest, CountsHoursUpToTheLastPositiveValue) {
    const std::vector<HoursCase> cases = {
        {"one hour, its grid file missing", {1, 0, 0, 0, 0, 0, 0, 0, 0}, {}, "(0/1)", 1},
        {"one hour, its grid file present", {1, 0, 0, 0, 0, 0, 0, 0, 0}, {"R.HG1"}, "(1/1)", 1},
        {"two hours, only the first file", {3, 5, 0, 0, 0, 0, 0, 0, 0}, {"R.HG1"}, "(1/2)", 2},
        {"a zero inside the list", {1, 0, 5, 0, 0, 0, 0, 0, 0}, {"R.HG1", "R.HG2"}, "(2/3)", 3},
        {"all hours zero", {0, 0, 0, 0, 0, 0, 0, 0, 0}, {"R.HG1"}, "(0/0)", 0},
        {"no hour line", {}, {"R.HG1"}, "(0/0)", 0},
        {"nine hours", {1, 2, 3, 4, 5, 6, 7, 8, 9}, {"R.HG9", "R.HG5"}, "(2/9)", 9},
        {"negative hours are not positive", {4, -1, 0, 0, 0, 0, 0, 0, 0}, {}, "(0/1)", 1},
    };
    for (const HoursCase& c : cases) {
        SCOPED_TRACE(c.what);
        CatalogPackage package;
        Requirement r;
        r.hours = c.hours;
        package.write_requirement("R.HAL", r);
        for (const std::string& grid : c.grids) package.write_grid(grid, "t");
        RequirementSummaryResult result = summarise(package, "R.HAL");
        EXPECT_EQ(result.RequirementSummary.view(), unknown_summary(c.counts));
        EXPECT_EQ(result.hourCount, c.hourCount);
    }
}

TEST(ReadReqFileTest, TakesTheLastOfRepeatedLinesAndOnlyExactLabels) {
    CatalogPackage package;
    write_file(package.data("R.HAL"),
               testing::lines({
                   "Hours    :      9      9      9",
                   "Hours    :      1      2",
                   "Comment  :Admin     ABC",
                   "Comment  :Admin     XYZ",
                   "Comment  :admin     low",
                   "comment  :Admin     low",
                   "Comment  :Time      0600-1800 the rest of the line",
                   padded("Comment  :INFO", 18) + " 9.85 " + padded("CIRAF", 30) + " " +
                       padded("LOC stationtext", 24) + "cut-off",
                   "Comment  :Other     ignored",
               }));
    RequirementSummaryResult result = summarise(package, "R.HAL");
    EXPECT_EQ(result.RequirementSummary.view(), "XYZ  9.85 0600-1800(0/2) " + padded("CIRAF", 30) +
                                                    " " + padded("LOC stationtext", 24));
    EXPECT_EQ(result.hours[0], 1);
    EXPECT_EQ(result.hours[2], 0);
    EXPECT_EQ(result.hourCount, 2);
}

TEST(ReadReqFileTest, ReadsOnlyTheFirstEightyColumnsOfALine) {
    CatalogPackage package;
    // A tenth hour field beyond column 73 and anything past column 80 are not read.
    std::string hours = "Hours    :" + std::string(62, ' ') + "1" + std::string(7, ' ') + "xx";
    write_file(package.data("R.HAL"), hours + "\n");
    RequirementSummaryResult result = summarise(package, "R.HAL");
    EXPECT_EQ(result.RequirementSummary.view(), unknown_summary("(0/9)"));
}

TEST(ReadReqFileTest, ReportsFilesThatCannotBeOpenedOrHaveUnreadableHours) {
    CatalogPackage package;
    RequirementSummaryResult result;
    result.hours[0] = 77;
    const std::string missing = to_package_path(package.data("NONE.HAL"));
    READ_REQ_FILE(missing, result);
    EXPECT_EQ(result.RequirementSummary, Text<80>("Could not OPEN file:" + missing));
    EXPECT_EQ(result.hourCount, 0);
    EXPECT_EQ(result.hours[0], 77);

    write_file(package.data("BAD.HAL"), "Comment  :Admin     ABC\nHours    :      1    two\n");
    result = summarise(package, "BAD.HAL");
    EXPECT_EQ(result.RequirementSummary, Text<80>("ERROR READing file."));

    write_file(package.data("BIN.HAL"), std::string("\0\xff\r\n\x1a Hours\n", 10));
    result = summarise(package, "BIN.HAL");
    EXPECT_EQ(result.RequirementSummary.view(), unknown_summary("(0/0)"));
}

TEST(ItExistTest, AnswersForFilesOnly) {
    CatalogPackage package;
    package.write_grid("R.HG1", "t");
    EXPECT_EQ(IT_EXIST(to_package_path(package.data("R.HG1"))), 1);
    EXPECT_EQ(IT_EXIST(to_package_path(package.data("r.hg1"))), 1);
    EXPECT_EQ(IT_EXIST(to_package_path(package.data("R.HG2"))), 0);
    EXPECT_EQ(IT_EXIST(to_package_path(package.data(""))), 0);
}

}  // namespace
}  // namespace qor
