#include "areadata/file_summary.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(GridSizeTextTest, WritesEachDimensionInTwoColumns) {
    struct Case {
        std::int32_t columns;
        std::int32_t rows;
        const char* text;
    };
    const Case cases[] = {
        {37, 37, "37x37"}, {5, 99, " 5x99"}, {100, 7, "**x 7"}, {0, 0, " 0x 0"}, {-1, -10, "-1x**"},
    };
    for (const Case& c : cases) {
        GridFile grid;
        grid.columns = c.columns;
        grid.rows = c.rows;
        EXPECT_EQ(grid_size_text(grid), c.text) << c.columns << " " << c.rows;
    }
}

TEST(GridTypeTextTest, NamesTheProjectionOfTheGridSizeCode) {
    ProjectionList projections;
    INITVAR(projections);
    RequirementFile requirement;
    requirement.gridSize = 0;  // a file without a Gridsize line
    EXPECT_EQ(grid_type_text(projections, requirement), padded(" 0=Great Circle", 20));
    requirement.gridSize = 23;
    EXPECT_EQ(grid_type_text(projections, requirement), padded("23=SE Hemisphere", 20));
    requirement.gridSize = 2;
    EXPECT_EQ(grid_type_text(projections, requirement), std::nullopt);
    // With two entries of one code the last one is named.
    requirement.gridSize = 23;
    projections.Codes[3] = 23;
    EXPECT_EQ(grid_type_text(projections, requirement), padded("23=SE Hemisphere", 20));
    projections.Codes[2] = 23;
    projections.Codes[4] = 5;
    EXPECT_EQ(grid_type_text(projections, requirement), padded("22=NW Hemisphere", 20));
}

TEST(ShownCommentsTest, HidesSeasonAndZonesAndShowsInfoAsCiraf) {
    RequirementFile requirement;
    const char* comments[] = {"INFO  ZONES   12 13 14 15 16 17 18 19 20 21 22 23 24",
                              "Season 3",
                              "Zones of the run",
                              "Info x",
                              "Transmitter at Ottawa",
                              "SEASON 4"};
    for (const char* comment : comments) {
        requirement.comments[static_cast<std::size_t>(requirement.commentCount++)] = comment;
    }
    // A comment filled from a source that leaves NULs ends before them.
    requirement.comments[static_cast<std::size_t>(requirement.commentCount++)] =
        std::string_view("Antenna\0\0 ", 10);
    std::vector<std::string> expected = {"CIRAF: " + std::string("12 13 14 15 16 17 18 19 20 21 "),
                                         "Info x", "Transmitter at Ottawa", "SEASON 4", "Antenna"};
    EXPECT_EQ(shown_comments(requirement), expected);
    requirement.commentCount = 0;
    EXPECT_TRUE(shown_comments(requirement).empty());
}

}  // namespace
}  // namespace qor
