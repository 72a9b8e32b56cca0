#include "catalog/catalog_creation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalog/catalog_file.h"
#include "tests/catalog/catalog_fixture.h"

namespace qor {
namespace {

using testing::CatalogPackage;
using testing::read_file;
using testing::Requirement;
using testing::ScriptedWindows;
using testing::write_file;

const std::string heading_line = std::string(catalog_heading) + "\n";

Requirement hours(std::vector<int> values) {
    Requirement r;
    r.hours = std::move(values);
    return r;
}

TEST(CreateCatalogTest, WritesOneLinePerRequirementFileInNameOrder) {
    CatalogPackage package;
    Requirement full = hours({1, 6, 0, 0, 0, 0, 0, 0, 0});
    full.admin = "D";
    full.time = "0000-2400";
    full.frequency = "11.85";
    full.ciraf = "27";
    full.station = "BON";
    package.write_requirement("ZULU.HAL", full);
    package.write_requirement("ALPHA.HAL", hours({1, 0, 0, 0, 0, 0, 0, 0, 0}));
    Requirement not_a_requirement = hours({1});
    not_a_requirement.months = false;
    package.write_requirement("NOTREQ.HAL", not_a_requirement);
    package.write_grid("ZULU.HG2", "t");
    package.write_grid("ALPHA.MG1", "other model");
    write_file(package.data("OTHER.MIR"), testing::requirement_text(full));

    ScriptedWindows windows;
    EXPECT_EQ(CREATECB(*package.session, windows), 1);
    EXPECT_EQ(read_file(package.catalog()),
              "    2 Requirement files found.  Sorted by:Requirement Number\n" + heading_line +
                  "ALPHA.HAL    ??? ????? ???\?-???\?(0/1) ?????                          ?????   "
                  "                 \n"
                  "ZULU.HAL     D   11.85 0000-2400(1/2) 27                             BON     "
                  "                 \n");

    ASSERT_EQ(windows.messages.size(), 1u);
    const Message& done = windows.messages[0];
    EXPECT_EQ(done.caption, "Catalog file created with    2 HALDOR grid files");
    EXPECT_EQ(done.background, "green");
    EXPECT_EQ(done.text(), "Catalog file=" + to_package_path(package.catalog()) + " created.\n");
    EXPECT_TRUE(done.lines[0].centred);
    EXPECT_EQ(done.button, "OK");
    EXPECT_EQ(windows.progressOpen, 0);
    EXPECT_EQ(windows.progress.front().caption, "Reading HALDOR grid data files");
}

TEST(CreateCatalogTest, ReportsProgressOnlyWhenItsTextChanges) {
    CatalogPackage package;
    for (const char* name : {"A.HAL", "B.HAL", "C.HAL"}) {
        package.write_requirement(name, hours({1}));
    }
    ScriptedWindows windows;
    CREATECB(*package.session, windows);
    std::vector<std::string> shown;
    for (const CatalogProgress& p : windows.progress) {
        shown.push_back(p.percentage.str() + "|" + p.count.str());
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"  0%|    ", "  0%|   3", " 33%|   3", " 67%|   3",
                                               "100%|   3"}));
    std::vector<MessageLine> lines = progress_lines(windows.progress.back());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].runs[1].text, "100%");
    EXPECT_EQ(lines[0].runs[1].colour, "red");
    EXPECT_EQ(lines[0].runs[0].text + lines[0].runs[1].text + lines[0].runs[2].text,
              "Reading: 100% done");
    EXPECT_EQ(lines[1].runs[0].text + lines[1].runs[1].text, "   3 files found");
}

TEST(CreateCatalogTest, RefreshesEachRoundedPercentageOnceForManyFiles) {
    CatalogPackage package;
    for (int i = 0; i < 400; ++i) {
        package.write_requirement("R" + std::to_string(1000 + i) + ".HAL", hours({}));
    }
    ScriptedWindows windows;
    CREATECB(*package.session, windows);
    // The opening, the count, then 1% to 100% each once.
    ASSERT_EQ(windows.progress.size(), 102u);
    for (int k = 1; k <= 100; ++k) {
        EXPECT_EQ(windows.progress[static_cast<std::size_t>(k + 1)].percentage.str(),
                  format_integer(k, 3) + "%");
    }
}

TEST(ProgressPercentageTest, RoundsHalvesAwayFromZero) {
    const std::vector<std::tuple<int, int, std::string>> cases = {
        {1, 3, " 33%"}, {2, 3, " 67%"},   {3, 3, "100%"}, {1, 8, " 13%"},
        {3, 8, " 38%"}, {1, 200, "  1%"}, {0, 5, "  0%"}, {7, 7, "100%"},
    };
    for (const auto& [i, n, text] : cases) {
        EXPECT_EQ(progress_percentage(i, n).str(), text) << i << "/" << n;
    }
}

TEST(CreateCatalogTest, WritesTheCountAndHeadingOnlyWhenNothingIsFound) {
    CatalogPackage package;
    std::filesystem::create_directories(package.data("DIR.HAL"));
    write_file(package.data("DIR.HAL/X"), "Months   :\n");
    ScriptedWindows windows;
    CREATECB(*package.session, windows);
    EXPECT_EQ(read_file(package.catalog()),
              "    0 Requirement files found.  Sorted by:Requirement Number\n" + heading_line);
    ASSERT_EQ(windows.messages.size(), 1u);
    EXPECT_EQ(windows.messages[0].caption, "Catalog file created with    0 HALDOR grid files");
}

TEST(CreateCatalogTest, ReplacesAnEarlierCatalogCompletely) {
    CatalogPackage package;
    for (const char* name : {"A.HAL", "B.HAL", "C.HAL"})
        package.write_requirement(name, hours({1}));
    ScriptedWindows windows;
    CREATECB(*package.session, windows);
    std::filesystem::remove(package.data("B.HAL"));
    std::filesystem::remove(package.data("C.HAL"));
    CREATECB(*package.session, windows);
    std::string second = read_file(package.catalog());
    EXPECT_EQ(second.substr(0, 5), "    1");
    EXPECT_EQ(std::count(second.begin(), second.end(), '\n'), 3);
    EXPECT_FALSE(std::filesystem::exists(replacement_temporary(package.catalog())));
}

TEST(CreateCatalogTest, FailsWithAMessageAndLeavesTheOldCatalogWhole) {
    CatalogPackage package;
    package.write_requirement("A.HAL", hours({1}));
    write_file(package.catalog(), "old catalog\n");
    std::filesystem::create_directory(replacement_temporary(package.catalog()));
    ScriptedWindows windows;
    EXPECT_EQ(CREATECB(*package.session, windows), 1);
    EXPECT_EQ(read_file(package.catalog()), "old catalog\n");
    EXPECT_EQ(windows.progressOpen, 0);
    ASSERT_EQ(windows.messages.size(), 1u);
    const Message& failed = windows.messages[0];
    const std::string path = to_package_path(package.catalog());
    EXPECT_EQ(failed.caption, "Could not CREATE catalog file");
    EXPECT_EQ(failed.text(),
              "Could not CREATE catalog file=" + path +
                  "\nPossible problem is: Files have not been created in QOR_PLAN.\n");
    EXPECT_EQ(failed.lines[0].runs[1].colour, "red");
    EXPECT_EQ(failed.lines[1].runs[1].colour, "red");
    EXPECT_EQ(failed.button, "OK");
}

TEST(CreateCatalogTest, FailsBeforeShowingProgressForAMissingSubDirectory) {
    CatalogPackage package;
    package.session->paths.SubDir = "NOWHERE_01";
    ScriptedWindows windows;
    EXPECT_EQ(CREATECB(*package.session, windows), 1);
    EXPECT_TRUE(windows.progress.empty());
    ASSERT_EQ(windows.messages.size(), 1u);
    EXPECT_EQ(windows.messages[0].caption, "Could not CREATE catalog file");
}

TEST(CreateCatalogTest, LeavesTheCurrentDirectoryAndTheRecordsAlone) {
    CatalogPackage package;
    package.write_requirement("A.HAL", hours({1}));
    const std::string before = current_directory();
    package.session->catalog.Count = 5;
    package.session->catalog.SelectedLine = "kept";
    ScriptedWindows windows;
    CREATECB(*package.session, windows);
    EXPECT_EQ(current_directory(), before);
    EXPECT_EQ(package.session->catalog.Count, 5);
    EXPECT_EQ(package.session->catalog.SelectedLine, "kept");
    EXPECT_EQ(package.session->paths.SubDir, "SAMPLE_001");
}

TEST(CreateCatalogTest, ListsReadsAndWritesTheInverseAreaDirectoryWhenItIsCurrent) {
    CatalogPackage package;
    package.session->paths.DataDir = "AREA_INV";
    package.session->paths.SubDir = "SAMPLE_INV";
    write_file(package.dir / "AREA_INV/SAMPLE_INV/INV.HAL",
               testing::requirement_text(hours({1, 2})));
    write_file(package.dir / "AREA_INV/SAMPLE_INV/INV.HG2", testing::grid_text("t"));
    ScriptedWindows windows;
    CREATECB(*package.session, windows);
    std::string catalog = read_file(package.dir / "AREA_INV/SAMPLE_INV/HALDOR.TXT");
    EXPECT_NE(catalog.find("INV.HAL      ??? ????? ???\?-???\?(1/2)"), std::string::npos)
        << catalog;
    EXPECT_FALSE(std::filesystem::exists(package.dir / "AREADATA/SAMPLE_INV"));
}

TEST(GetFilesTest, ListsTheWholeSubDirectoryNameEvenBeyondTwelveCharacters) {
    CatalogPackage package;
    write_file(package.dir / "AREADATA/LONG_SUBDIR_17/A.HAL",
               testing::requirement_text(hours({1})));
    write_file(package.dir / "AREADATA/LONG_SUBDIR/B.HAL", testing::requirement_text(hours({1})));
    std::vector<Text<12>> names = GET_FILES(package.session->paths, Text<20>("LONG_SUBDIR_17"));
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], "A.HAL");
}

TEST(GetFilesTest, StopsAtTwoThousandEntries) {
    CatalogPackage package;
    for (int i = 0; i < 2003; ++i) {
        write_file(package.data("F" + std::to_string(10000 + i) + ".HAL"), "Months   :\n");
    }
    std::vector<Text<12>> names = GET_FILES(package.session->paths, package.session->paths.SubDir);
    ASSERT_EQ(names.size(), 2000u);
    EXPECT_EQ(names.back(), "F11999.HAL");
}

TEST(ValidateFilesTest, KeepsFilesWithAMonthsLineInTheirOrder) {
    CatalogPackage package;
    write_file(package.data("1"), "x\nMonths   :   1\n");
    write_file(package.data("2"), "Months  :\nmonths   :\n");
    write_file(package.data("3"), "Months   :");
    write_file(package.data("4"), "");
    std::vector<DirectoryEntry> entries;
    for (const char* name : {"1", "2", "missing", "3", "4"}) {
        entries.push_back({to_package_path(package.data(name)), name, false});
    }
    entries.push_back({to_package_path(package.dir / "AREADATA"), "AREADATA", true});
    VALIDATE_FILES(entries);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "1");
    EXPECT_EQ(entries[1].name, "3");
}

TEST(CreateCatalogLabelTest, NamesTheRequirementFileExtension) {
    PathState paths;
    paths.Model = "MIRVEN";
    EXPECT_EQ(create_catalog_label(paths), "Create catalog of *.MIR files");
}

}  // namespace
}  // namespace qor
