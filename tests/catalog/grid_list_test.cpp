#include "catalog/grid_list.h"

#include <gtest/gtest.h>

#include "tests/catalog/catalog_fixture.h"

namespace qor {
namespace {

using testing::CatalogPackage;
using testing::ScriptedWindows;
using testing::write_file;

// A catalog line for requirement SAMPLE01.HAL with the given "(found/hours)".
Text<94> line_with_counts(const std::string& counts, const std::string& name = "SAMPLE01.HAL") {
    return Text<94>(padded(name, 12) + " ADM 11.85 0000-2400" + counts + " ZONES");
}

const std::string not_calculated = "=(file not calculated)";

TEST(ReadGridsTest, ListsOneLinePerHourWithTheTitlesOfTheFilesPresent) {
    CatalogPackage package;
    package.write_grid("SAMPLE01.HG2", "Hour two title");
    CatalogList& catalog = package.session->catalog;
    READ_GRIDS(package.session->paths, catalog, line_with_counts("(1/3)"));
    ASSERT_EQ(catalog.GridCount, 3);
    EXPECT_EQ(catalog.GridLines[0], "SAMPLE01.HG1" + not_calculated);
    EXPECT_EQ(catalog.GridLines[1], "SAMPLE01.HG2=Hour two title");
    EXPECT_EQ(catalog.GridLines[2], "SAMPLE01.HG3" + not_calculated);
}

TEST(ReadGridsTest, CutsLongTitlesAndMarksShortFilesAsNotCalculated) {
    CatalogPackage package;
    const std::string title(100, 'T');
    package.write_grid("R.HG1", title);
    write_file(package.data("R.HG2"), "only one line\n");
    write_file(package.data("R.HG3"), std::string("\xff\x00\n\x01\x02", 5));
    CatalogList& catalog = package.session->catalog;
    READ_GRIDS(package.session->paths, catalog, line_with_counts("(3/3)", "R.HAL"));
    ASSERT_EQ(catalog.GridCount, 3);
    EXPECT_EQ(catalog.GridLines[0].view(), "R.HG1       =" + std::string(77, 'T'));
    EXPECT_EQ(catalog.GridLines[1], "R.HG2       " + not_calculated);
    EXPECT_EQ(catalog.GridLines[2].view(),
              padded("R.HG3       =" + std::string("\x01\x02", 2), 90));
}

TEST(ReadGridsTest, TakesTheHourCountFromColumn36) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"(0/9)", 9}, {"(0/0)", 0}, {"(0/ )", 0}, {"(0/?)", 0}, {"(0/x)", 0}};
    for (const auto& [counts, expected] : cases) {
        CatalogPackage package;
        READ_GRIDS(package.session->paths, package.session->catalog, line_with_counts(counts));
        EXPECT_EQ(package.session->catalog.GridCount, expected) << counts;
    }
    CatalogPackage package;
    Text<94> error_line(padded("X.HAL", 12) + " Could not OPEN file:\\tmp\\qor\\X.HAL");
    READ_GRIDS(package.session->paths, package.session->catalog, error_line);
    EXPECT_EQ(package.session->catalog.GridCount, 0);
}

TEST(GridStepTest, ChoosesTheAcceptedLineFromTheWindow) {
    CatalogPackage package;
    package.write_grid("SAMPLE01.HG2", "Hour two");
    Session& session = *package.session;
    session.catalog.Header = "HEADING";
    session.catalog.SelectedLine = line_with_counts("(1/3)");
    ScriptedWindows windows;
    windows.gridScript.push_back([](GridWindow& window) {
        EXPECT_EQ(window.highlighted(), 0);
        EXPECT_EQ(window.caption, "Select grid file to plot");
        EXPECT_EQ(window.header(), "HEADING");
        EXPECT_EQ(window.selectedLine().sub(1, 12), "SAMPLE01.HAL");
        EXPECT_EQ(window.listFormat, "%3.106^lb");
        EXPECT_EQ(window.select(2), 1);
        EXPECT_EQ(window.accept(), 0);
    });
    EXPECT_EQ(
        grid_file_step(session, windows, session.catalog.SelectedLine, GridStep::from_catalog), 0);
    EXPECT_EQ(session.paths.FileName, "SAMPLE_001\\SAMPLE01.HG2");
    EXPECT_EQ(session.paths.NewFileChosen, 1);
    EXPECT_EQ(windows.gridWindows.size(), 1u);
}

TEST(GridStepTest, ChoosesNothingOnExitOrAnAcceptWithoutALine) {
    const std::vector<std::function<void(GridWindow&)>> scripts = {
        [](GridWindow&) {},
        [](GridWindow& w) { w.select(2); },
        [](GridWindow& w) { w.accept(); },
    };
    for (std::size_t i = 0; i < scripts.size(); ++i) {
        CatalogPackage package;
        package.write_grid("SAMPLE01.HG2", "Hour two");
        ScriptedWindows windows;
        windows.gridScript.push_back(scripts[i]);
        EXPECT_EQ(grid_file_step(*package.session, windows, line_with_counts("(1/3)"),
                                 GridStep::from_catalog),
                  1)
            << "script " << i;
        EXPECT_TRUE(package.session->paths.FileName.blank());
        EXPECT_TRUE(windows.messages.empty());
    }
}

TEST(GridStepTest, DoubleClickOnAMissingFileShowsTheNotCalculatedBox) {
    CatalogPackage package;
    ScriptedWindows windows;
    windows.gridScript.push_back([](GridWindow& w) { EXPECT_EQ(w.double_click(1), 0); });
    EXPECT_EQ(grid_file_step(*package.session, windows, line_with_counts("(0/2)"),
                             GridStep::from_catalog),
              1);
    ASSERT_EQ(windows.messages.size(), 1u);
    EXPECT_EQ(windows.messages[0].caption, "Grid file has not been calculated");
    EXPECT_EQ(windows.messages[0].button, "File=SAMPLE_001\\SAMPLE01.HG1");
}

TEST(NewGroupTest, AsksForARequirementBeforeAnyWasAccepted) {
    CatalogPackage package;
    package.session->paths.NewFileChosen = 1;
    ScriptedWindows windows;
    EXPECT_EQ(NEW_GROUP_CB(*package.session, windows), 1);
    ASSERT_EQ(windows.messages.size(), 1u);
    EXPECT_EQ(windows.messages[0].caption, "No initial grid file has been selected");
    EXPECT_EQ(windows.messages[0].button, "OK");
    EXPECT_EQ(windows.messages[0].background, "red");
    EXPECT_EQ(package.session->paths.NewFileChosen, 0);
    EXPECT_TRUE(windows.gridWindows.empty());
}

TEST(NewGroupTest, AlwaysShowsTheWindowEvenForASingleGridFile) {
    CatalogPackage package;
    package.write_grid("SAMPLE01.HG1", "Only hour");
    Session& session = *package.session;
    session.catalog.SelectedLine = line_with_counts("(1/1)");
    ScriptedWindows windows;
    windows.gridScript.push_back([](GridWindow& w) { w.double_click(1); });
    EXPECT_EQ(NEW_GROUP_CB(session, windows), 0);
    ASSERT_EQ(windows.gridWindows.size(), 1u);
    EXPECT_EQ(windows.gridWindows[0].lines,
              std::vector<std::string>{padded("SAMPLE01.HG1=Only hour", 90)});
    EXPECT_EQ(session.paths.FileName, "SAMPLE_001\\SAMPLE01.HG1");

    // Nothing chosen the second time: the flag set by the first choice is cleared.
    windows.gridScript.push_back([](GridWindow&) {});
    EXPECT_EQ(NEW_GROUP_CB(session, windows), 1);
    EXPECT_EQ(session.paths.NewFileChosen, 0);
}

TEST(NewGroupTest, ShowsAnEmptyListForARequirementWithoutHours) {
    CatalogPackage package;
    package.session->catalog.SelectedLine = line_with_counts("(0/0)");
    ScriptedWindows windows;
    windows.gridScript.push_back([](GridWindow& w) { EXPECT_EQ(w.accept(), 0); });
    EXPECT_EQ(NEW_GROUP_CB(*package.session, windows), 1);
    ASSERT_EQ(windows.gridWindows.size(), 1u);
    EXPECT_TRUE(windows.gridWindows[0].lines.empty());
    EXPECT_EQ(windows.gridWindows[0].listFormat, "%0.106^lb");
}

}  // namespace
}  // namespace qor
