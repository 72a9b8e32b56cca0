#include "catalog/open_by_catalog.h"

#include <gtest/gtest.h>

#include "tests/catalog/catalog_fixture.h"

namespace qor {
namespace {

using testing::entry_line;
using testing::read_file;
using testing::ScriptedWindows;

// A catalog of three one-hour requirements in the file order C, A, B; only
// A's grid file exists.
struct OpenFixture : testing::CatalogPackage {
    OpenFixture() {
        std::string text = "    3" + std::string(catalog_count_literal) + "Requirement Number\n" +
                           std::string(catalog_heading) + "\n";
        for (const std::string& line : lines) text += line + "\n";
        testing::write_file(catalog(), text);
        grid("A.HG1", "Title of A");
    }
    std::vector<std::string> lines = {entry_line("C.HAL", "11.85", "0600-1800", "ABC"),
                                      entry_line("A.HAL", " 9.85", "0000-2400", "BON"),
                                      entry_line("B.HAL", "11.85", "0000-2400", "ZZZ")};
    ScriptedWindows windows;
};

TEST(OpenByCatalogTest, OpensTheOnlyGridFileOfADoubleClickedRequirementAtOnce) {
    OpenFixture f;
    f.windows.requirementScript.push_back([](RequirementWindow& w) {
        EXPECT_EQ(w.select(2), 1);
        EXPECT_EQ(w.double_click(2), 0);
    });
    EXPECT_EQ(OPCAT_CB(f.session->paths, f.session->catalog, f.windows), 0);
    EXPECT_EQ(f.session->catalog.SelectedLine.view(), f.lines[1]);
    EXPECT_EQ(f.session->paths.FileName, "SAMPLE_001\\A.HG1");
    EXPECT_EQ(f.session->paths.NewFileChosen, 1);
    EXPECT_EQ(f.windows.listsShown, (std::vector<std::vector<std::string>>{f.lines}));
    EXPECT_EQ(f.windows.sortNamesShown, std::vector<std::string>{"Requirement Number"});
}

TEST(OpenByCatalogTest, EndsWithNothingChosenOnExitOrAnEmptyAccept) {
    const std::vector<std::function<void(RequirementWindow&)>> scripts = {
        [](RequirementWindow&) {},                               // Exit at once
        [](RequirementWindow& w) { w.select(2); },               // Exit after a click
        [](RequirementWindow& w) { EXPECT_EQ(w.accept(), 0); },  // Accept, nothing highlighted
    };
    for (const auto& script : scripts) {
        OpenFixture f;
        f.session->catalog.SelectedLine = f.lines[1];  // accepted earlier
        f.windows.requirementScript.push_back(script);
        EXPECT_EQ(OPCAT_CB(f.session->paths, f.session->catalog, f.windows), 1);
        EXPECT_EQ(f.windows.listsShown.size(), 1u);  // no grid-file window
        EXPECT_TRUE(f.windows.messages.empty());
        EXPECT_EQ(f.session->paths.NewFileChosen, 0);
        EXPECT_EQ(f.session->catalog.SelectedLine.view(), f.lines[1]);
    }
}

TEST(OpenByCatalogTest, ShowsTheNotCalculatedBoxForTheOnlyGridFileWhenItIsMissing) {
    OpenFixture f;
    f.windows.requirementScript.push_back([](RequirementWindow& w) {
        w.select(1);
        w.accept();
    });
    EXPECT_EQ(OPCAT_CB(f.session->paths, f.session->catalog, f.windows), 1);
    ASSERT_EQ(f.windows.messages.size(), 1u);
    EXPECT_EQ(f.windows.messages[0].caption, "Grid file has not been calculated");
    EXPECT_EQ(f.windows.messages[0].button, "File=SAMPLE_001\\C.HG1       ");
    EXPECT_TRUE(f.session->paths.FileName.blank());
}

TEST(OpenByCatalogTest, RewritesTheCatalogOnASortAndShowsItAgainUnselected) {
    OpenFixture f;
    f.windows.requirementScript.push_back([](RequirementWindow& w) {
        w.select(3);
        EXPECT_EQ(w.sort(4), 0);
    });
    f.windows.requirementScript.push_back(
        [](RequirementWindow& w) { EXPECT_EQ(w.highlighted(), 0); });
    EXPECT_EQ(OPCAT_CB(f.session->paths, f.session->catalog, f.windows), 1);
    const std::vector<std::string> sorted = {f.lines[0], f.lines[1], f.lines[2]};  // ABC BON ZZZ
    ASSERT_EQ(f.windows.listsShown.size(), 2u);
    EXPECT_EQ(f.windows.listsShown[1], sorted);
    EXPECT_EQ(f.windows.sortNamesShown[1], "Location/Time/Frequency");
    EXPECT_EQ(read_file(f.catalog()).substr(0, 66),
              "    3 Requirement files found.  Sorted by:Location/Time/Frequency ");
}

TEST(SortCommandTest, ReportsCatalogsThatCannotBeReadOrRewritten) {
    OpenFixture f;
    const std::string before = read_file(f.catalog());
    std::filesystem::create_directory(replacement_temporary(f.catalog()));  // blocks the write
    EXPECT_EQ(SORT_LTF(f.session->paths, f.session->catalog, f.windows), 0);
    EXPECT_EQ(read_file(f.catalog()), before);
    testing::write_file(f.catalog(), "    5 Requirement files found.  Sorted by:\nheading\n");
    EXPECT_EQ(SORT_FTL(f.session->paths, f.session->catalog, f.windows), 0);
    EXPECT_NE(f.session->catalog.RequirementIndex, -1);
    std::filesystem::remove(f.catalog());
    EXPECT_EQ(OPCAT_CB(f.session->paths, f.session->catalog, f.windows), 1);

    std::vector<std::string> captions;
    for (const Message& m : f.windows.messages) {
        captions.push_back(m.caption);
        EXPECT_EQ(m.button, "File:" + f.catalog_path());
        EXPECT_EQ(m.background, "red");
    }
    EXPECT_EQ(captions,
              (std::vector<std::string>{"catalog file WRITE ERROR", "catalog file READ ERROR",
                                        "catalog file OPEN ERROR"}));
    EXPECT_TRUE(f.windows.listsShown.empty());
}

TEST(RequirementWindowTest, ShowsTheCatalogAtAHeightTheScreenAllows) {
    // {lines, screen width, large text, list format, smaller text}
    const std::vector<std::tuple<int, int, bool, std::string, bool>> cases = {
        {0, 800, false, "%00.106^lb", false},   {5, 800, true, "%05.106^lb", true},
        {25, 1024, true, "%25.106^lb", false},  {29, 640, false, "%29.106^lb", false},
        {30, 800, false, "%20.106^lb", false},  {45, 800, false, "%20.106^lb", false},
        {45, 1024, false, "%30.106^lb", false}, {2000, 801, true, "%30.106^lb", false},
    };
    for (const auto& [count, width, large, format, smaller] : cases) {
        testing::CatalogPackage p;
        p.session->catalog.Count = count;
        ScriptedWindows windows;
        windows.width = width;
        windows.large = large;
        RequirementWindow w(p.session->paths, p.session->catalog, windows, "C:\\X.TXT",
                            Text<24>("Requirement Number"));
        EXPECT_EQ(w.listFormat, format) << count << " lines at " << width;
        EXPECT_EQ(w.smallerText, smaller);
        EXPECT_EQ(w.caption, "Select requirement from:C:\\X.TXT " + format_integer(count, 4) +
                                 " requirements found");
    }
}

}  // namespace
}  // namespace qor
