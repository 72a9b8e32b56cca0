#include "catalog/catalog_creation.h"

#include <gtest/gtest.h>

#include "catalog/catalog_file.h"
#include "tests/catalog/catalog_fixture.h"

namespace qor {
namespace {

using testing::CatalogPackage;
using testing::read_file;
using testing::Requirement;
using testing::ScriptedWindows;

const std::string created_line1 = "Requirement files found.  Sorted by:Requirement Number\n";
const std::string heading = std::string(catalog_heading) + "\n";

TEST(CreateCatalogTest, WritesTheRealRequirementFilesInNameOrderAndConfirms) {
    CatalogPackage p;
    p.requirement("ZULU.HAL", {{1, 6}, "D", "0000-2400", "11.85", "27", "BON", true});
    p.requirement("ALPHA.HAL", testing::with_hours({1}));
    p.requirement("NOMONTHS.HAL", {{1}, "", "", "", "", "", false});
    p.requirement("OTHER.MIR", testing::with_hours({1}));
    std::filesystem::create_directories(p.data("DIR.HAL"));
    testing::write_file(p.data("DIR.HAL/X"), "Months   :\n");
    p.grid("ZULU.HG2", "t");
    const std::string before = current_directory();

    ScriptedWindows windows;
    EXPECT_EQ(CREATECB(p.session->paths, windows), 1);
    EXPECT_EQ(read_file(p.catalog()),
              testing::written(
                  "    2 " + created_line1 + heading +
                  "ALPHA.HAL    ??? ????? ???\?-???\?(0/1) ?????                          ?????   "
                  "                 \n"
                  "ZULU.HAL     D   11.85 0000-2400(1/2) 27                             BON     "
                  "                 \n"));
    ASSERT_EQ(windows.messages.size(), 1u);
    const Message& done = windows.messages[0];
    EXPECT_EQ(done.caption, "Catalog file created with    2 HALDOR grid files");
    EXPECT_EQ(done.background, "green");
    EXPECT_EQ(done.text(), "Catalog file=" + p.catalog_path() + " created.\n");
    EXPECT_EQ(done.button, "OK");
    EXPECT_EQ(windows.progressOpen, 0);
    EXPECT_EQ(windows.progress.front().caption, "Reading HALDOR grid data files");
    EXPECT_EQ(current_directory(), before);
    EXPECT_EQ(p.session->catalog.Count, 0);
}

TEST(CreateCatalogTest, RefreshesProgressOnlyWhenItsTextChanges) {
    for (int n : {3, 400}) {
        CatalogPackage p;
        for (int i = 0; i < n; ++i) p.requirement("R" + std::to_string(1000 + i) + ".HAL", {});
        ScriptedWindows windows;
        CREATECB(p.session->paths, windows);
        // Opened at '  0%' with a blank count, the count, then each rounded value once.
        std::vector<std::string> expected = {"  0%    ", "  0%" + format_integer(n, 4)};
        if (n == 3) expected.insert(expected.end(), {" 33%   3", " 67%   3", "100%   3"});
        for (int k = 1; n == 400 && k <= 100; ++k)
            expected.push_back(format_integer(k, 3) + "% 400");
        std::vector<std::string> shown;
        for (const CatalogProgress& c : windows.progress)
            shown.push_back(c.percentage.str() + c.count.str());
        EXPECT_EQ(shown, expected);
    }
    std::vector<MessageLine> lines = progress_lines({"", "  7%", "  25"});
    EXPECT_EQ(lines[0].runs[1].colour, "red");
    EXPECT_EQ(lines[0].runs[0].text + lines[0].runs[1].text + lines[0].runs[2].text,
              "Reading:   7% done");
    EXPECT_EQ(lines[1].runs[0].text + lines[1].runs[1].text, "  25 files found");
    EXPECT_EQ(progress_percentage(1, 8).str(), " 13%");  // 12.5 rounds away from zero
}

TEST(CreateCatalogTest, ReplacesAnEarlierCatalogAndWritesAnEmptyOne) {
    CatalogPackage p;
    p.requirement("A.HAL", testing::with_hours({1}));
    ScriptedWindows windows;
    CREATECB(p.session->paths, windows);
    std::filesystem::remove(p.data("A.HAL"));
    CREATECB(p.session->paths, windows);
    EXPECT_EQ(read_file(p.catalog()), testing::written("    0 " + created_line1 + heading));
    EXPECT_EQ(windows.messages.back().caption, "Catalog file created with    0 HALDOR grid files");
}

TEST(CreateCatalogTest, FailsWithAMessageAndLeavesTheOldCatalogWhole) {
    CatalogPackage p;
    p.requirement("A.HAL", testing::with_hours({1}));
    testing::write_file(p.catalog(), "old catalog\n");
    std::filesystem::create_directory(replacement_temporary(p.catalog()));  // blocks the write
    ScriptedWindows windows;
    EXPECT_EQ(CREATECB(p.session->paths, windows), 1);
    EXPECT_EQ(read_file(p.catalog()), "old catalog\n");
    EXPECT_EQ(windows.progressOpen, 0);
    ASSERT_EQ(windows.messages.size(), 1u);
    const Message& failed = windows.messages[0];
    EXPECT_EQ(failed.caption, "Could not CREATE catalog file");
    EXPECT_EQ(failed.text(),
              "Could not CREATE catalog file=" + p.catalog_path() +
                  "\nPossible problem is: Files have not been created in QOR_PLAN.\n");
    EXPECT_EQ(failed.lines[0].runs[1].colour, "red");
    EXPECT_EQ(failed.lines[1].runs[1].colour, "red");

    p.session->paths.SubDir = "NOWHERE_01";  // cannot be created: no progress shown
    ScriptedWindows nowhere;
    CREATECB(p.session->paths, nowhere);
    EXPECT_TRUE(nowhere.progress.empty());
    EXPECT_EQ(nowhere.messages.at(0).caption, "Could not CREATE catalog file");
}

TEST(CreateCatalogTest, UsesTheInverseAreaDirectoryWhenItIsCurrent) {
    CatalogPackage p;
    p.session->paths.DataDir = "AREA_INV";
    p.session->paths.SubDir = "SAMPLE_INV";
    testing::write_file(p.dir / "AREA_INV/SAMPLE_INV/INV.HAL",
                        testing::requirement_text(testing::with_hours({1, 2})));
    testing::write_file(p.dir / "AREA_INV/SAMPLE_INV/INV.HG2", "x\ny\n");
    ScriptedWindows windows;
    CREATECB(p.session->paths, windows);
    std::string catalog = read_file(p.dir / "AREA_INV/SAMPLE_INV/HALDOR.TXT");
    EXPECT_EQ(catalog.substr(catalog.find("INV.HAL"), 38),
              "INV.HAL      ??? ????? ???\?-???\?(1/2) ");
}

TEST(GetFilesTest, ListsTheWholeSubDirectoryNameBeyondTwelveCharacters) {
    CatalogPackage p;
    testing::write_file(p.dir / "AREADATA/LONG_SUBDIR_17/A.HAL", "Months   :\n");
    testing::write_file(p.dir / "AREADATA/LONG_SUBDIR/B.HAL", "Months   :\n");
    std::vector<Text<12>> names = GET_FILES(p.session->paths, Text<20>("LONG_SUBDIR_17"));
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], "A.HAL");
}

}  // namespace
}  // namespace qor
