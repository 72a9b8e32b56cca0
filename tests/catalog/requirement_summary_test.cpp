#include "catalog/requirement_summary.h"

#include <gtest/gtest.h>

#include "tests/catalog/catalog_fixture.h"

namespace qor {
namespace {

using testing::CatalogPackage;
using testing::Requirement;

std::string unknown_summary(const std::string& counts) {
    return "??? ????? ???\?-???\?" + counts + " " + padded("?????", 30) + " " + padded("?????", 24);
}

Text<80> summarise(const CatalogPackage& p, const std::string& name, int* hourCount = nullptr) {
    RequirementSummaryResult result;
    READ_REQ_FILE(to_package_path(p.data(name)), result);
    if (hourCount != nullptr) *hourCount = result.hourCount;
    return result.RequirementSummary;
}

TEST(ReadReqFileTest, CondensesTheLastCommentLinesWithTheExactLabels) {
    CatalogPackage p;
    testing::write_file(p.data("R.HAL"),
                        testing::lines({
                            "Hours    :      9      9      9",
                            "Hours    :      1      6     12",
                            "Comment  :Admin     ABC",
                            "Comment  :Admin     D  ",
                            "Comment  :admin     low",
                            "comment  :Admin     low",
                            "Comment  :Time      0600-1800 rest of the line",
                            padded("Comment  :INFO", 18) + "11.85 " + padded("27,28", 30) + " " +
                                padded("BON 500  45  0 ANT", 24) + "beyond column 79",
                        }));
    p.grid("R.HG1", "t");
    p.grid("R.HG3", "t");
    EXPECT_EQ(summarise(p, "R.HAL").view(),
              "D   11.85 0600-1800(2/3) 27,28                          BON 500  45  0 ANT      ");
}

TEST(ReadReqFileTest, CountsHoursToTheLastPositiveValueAndTheGridFilesOfEachDigit) {
    struct Case {
        std::vector<int> hours;
        std::vector<std::string> grids;
        std::string counts;
    };
    const std::vector<Case> cases = {
        {{1, 0, 0, 0, 0, 0, 0, 0, 0}, {}, "(0/1)"},
        {{1, 0, 0, 0, 0, 0, 0, 0, 0}, {"R.HG1"}, "(1/1)"},
        {{3, 5, 0, 0, 0, 0, 0, 0, 0}, {"R.HG1"}, "(1/2)"},
        {{1, 0, 5, 0, 0, 0, 0, 0, 0}, {"R.HG1", "R.HG2"}, "(2/3)"},  // digit 2 counts too
        {{0, 0, 0, 0, 0, 0, 0, 0, 0}, {"R.HG1"}, "(0/0)"},
        {{}, {"R.HG1"}, "(0/0)"},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {"R.HG9", "R.HG5"}, "(2/9)"},
    };
    for (const Case& c : cases) {
        CatalogPackage p;
        p.requirement("R.HAL", testing::with_hours(c.hours));
        for (const std::string& grid : c.grids) p.grid(grid, "t");
        int hourCount = -1;
        EXPECT_EQ(summarise(p, "R.HAL", &hourCount).view(), unknown_summary(c.counts)) << c.counts;
        EXPECT_EQ(hourCount, c.counts[3] - '0');
    }
}

TEST(ReadReqFileTest, ReportsFilesThatCannotBeOpenedOrHaveUnreadableHours) {
    CatalogPackage p;
    const std::string missing = to_package_path(p.data("NONE.HAL"));
    RequirementSummaryResult result;
    READ_REQ_FILE(missing, result);
    EXPECT_EQ(result.RequirementSummary, Text<80>("Could not OPEN file:" + missing));

    testing::write_file(p.data("BAD.HAL"), "Hours    :      1    two\n");
    EXPECT_EQ(summarise(p, "BAD.HAL"), Text<80>("ERROR READing file."));
    testing::write_file(p.data("BIN.HAL"), std::string("\0\xff\r\n\x1a Hours\n", 10));
    EXPECT_EQ(summarise(p, "BIN.HAL").view(), unknown_summary("(0/0)"));
}

}  // namespace
}  // namespace qor
