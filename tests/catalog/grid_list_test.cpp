#include "catalog/grid_list.h"

#include <gtest/gtest.h>

#include "tests/catalog/catalog_fixture.h"

namespace qor {
namespace {

using testing::CatalogPackage;
using testing::ScriptedWindows;

// The catalog line of SAMPLE01.HAL (or another name) with its "(found/hours)".
Text<94> line_with(const std::string& counts, const std::string& name = "SAMPLE01.HAL") {
    return Text<94>(padded(name, 12) + " ADM 11.85 0000-2400" + counts + " ZONES");
}

TEST(ReadGridsTest, ListsEveryHourWithTheTitleOfEachFilePresent) {
    CatalogPackage p;
    p.grid("SAMPLE01.HG2", std::string(100, 'T'));
    testing::write_file(p.data("SAMPLE01.HG3"), "only one line\n");
    CatalogList& c = p.session->catalog;
    READ_GRIDS(p.session->paths, c, line_with("(1/4)"));
    ASSERT_EQ(c.GridCount, 4);
    EXPECT_EQ(c.GridLines[0], "SAMPLE01.HG1=(file not calculated)");
    EXPECT_EQ(c.GridLines[1].view(), "SAMPLE01.HG2=" + std::string(77, 'T'));
    EXPECT_EQ(c.GridLines[2], "SAMPLE01.HG3=(file not calculated)");

    // The hour count is the character in column 36: a digit, else none.
    for (const auto& [counts, hours] :
         std::vector<std::pair<std::string, int>>{{"(0/9)", 9}, {"(0/ )", 0}, {"(0/?)", 0}}) {
        READ_GRIDS(p.session->paths, c, line_with(counts));
        EXPECT_EQ(c.GridCount, hours) << counts;
    }
    READ_GRIDS(p.session->paths, c, Text<94>("X.HAL        Could not OPEN file:\\tmp\\X.HAL"));
    EXPECT_EQ(c.GridCount, 0);
}

TEST(GridStepTest, MakesTheAcceptedGridFileCurrent) {
    CatalogPackage p;
    p.grid("SAMPLE01.HG2", "Hour two");
    p.session->catalog.Header = "HEADING";
    ScriptedWindows windows;
    windows.gridScript.push_back([](GridWindow& w) {
        EXPECT_EQ(w.highlighted(), 0);
        EXPECT_EQ(w.caption, "Select grid file to plot");
        EXPECT_EQ(w.header(), "HEADING");
        EXPECT_EQ(w.listFormat, "%3.106^lb");
        EXPECT_EQ(w.select(2), 1);
        EXPECT_EQ(w.accept(), 0);
    });
    EXPECT_EQ(grid_file_step(p.session->paths, p.session->catalog, windows, line_with("(1/3)"),
                             GridStep::from_catalog),
              0);
    EXPECT_EQ(p.session->paths.FileName, "SAMPLE_001\\SAMPLE01.HG2");
    EXPECT_EQ(p.session->paths.NewFileChosen, 1);
}

TEST(GridStepTest, ChoosesNothingOnExitAnEmptyAcceptOrAMissingFile) {
    const std::vector<std::function<void(GridWindow&)>> scripts = {
        [](GridWindow&) {}, [](GridWindow& w) { w.select(2); },  // then Exit
        [](GridWindow& w) { w.accept(); },
        [](GridWindow& w) { EXPECT_EQ(w.double_click(1), 0); },  // not calculated
    };
    for (const auto& script : scripts) {
        CatalogPackage p;
        p.grid("SAMPLE01.HG2", "Hour two");
        ScriptedWindows windows;
        windows.gridScript.push_back(script);
        EXPECT_EQ(grid_file_step(p.session->paths, p.session->catalog, windows, line_with("(1/3)"),
                                 GridStep::from_catalog),
                  1);
        EXPECT_TRUE(p.session->paths.FileName.blank());
    }
    CatalogPackage p;
    ScriptedWindows windows;
    windows.gridScript.push_back([](GridWindow& w) { w.double_click(1); });
    grid_file_step(p.session->paths, p.session->catalog, windows, line_with("(0/2)"),
                   GridStep::from_catalog);
    ASSERT_EQ(windows.messages.size(), 1u);
    EXPECT_EQ(windows.messages[0].caption, "Grid file has not been calculated");
    EXPECT_EQ(windows.messages[0].button, "File=SAMPLE_001\\SAMPLE01.HG1");
}

TEST(NewGroupTest, OffersTheGridFilesOfTheLastAcceptedRequirementAlwaysInTheWindow) {
    CatalogPackage p;
    Session& session = *p.session;
    session.paths.NewFileChosen = 1;
    ScriptedWindows windows;
    EXPECT_EQ(NEW_GROUP_CB(session.paths, session.catalog, windows), 1);  // nothing accepted yet
    ASSERT_EQ(windows.messages.size(), 1u);
    EXPECT_EQ(windows.messages[0].caption, "No initial grid file has been selected");
    EXPECT_EQ(windows.messages[0].button, "OK");
    EXPECT_EQ(session.paths.NewFileChosen, 0);

    p.grid("SAMPLE01.HG1", "Only hour");
    session.catalog.SelectedLine = line_with("(1/1)");
    windows.gridScript.push_back([](GridWindow& w) { w.double_click(1); });
    EXPECT_EQ(NEW_GROUP_CB(session.paths, session.catalog, windows), 0);
    EXPECT_EQ(windows.listsShown.back(),
              std::vector<std::string>{padded("SAMPLE01.HG1=Only hour", 90)});
    EXPECT_EQ(session.paths.FileName, "SAMPLE_001\\SAMPLE01.HG1");

    session.catalog.SelectedLine = line_with("(0/0)");
    windows.gridScript.push_back([](GridWindow& w) { EXPECT_EQ(w.listFormat, "%0.106^lb"); });
    EXPECT_EQ(NEW_GROUP_CB(session.paths, session.catalog, windows), 1);
    EXPECT_TRUE(windows.listsShown.back().empty());
    EXPECT_EQ(session.paths.NewFileChosen, 0);  // cleared when nothing is chosen
}

}  // namespace
}  // namespace qor
