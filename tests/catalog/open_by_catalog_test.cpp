#include "catalog/open_by_catalog.h"

#include <gtest/gtest.h>

#include "catalog/catalog_file.h"
#include "tests/catalog/catalog_fixture.h"

namespace qor {
namespace {

using testing::CatalogPackage;
using testing::entry_line;
using testing::read_file;
using testing::ScriptedWindows;
using testing::write_file;

// A catalog of three requirements of one grid file each, in file order
// C, A, B; only A's grid file exists.
struct OpenFixture {
    OpenFixture() {
        lines = {entry_line("C.HAL", "11.85", "0600-1800", "ABC"),
                 entry_line("A.HAL", " 9.85", "0000-2400", "BON"),
                 entry_line("B.HAL", "11.85", "0000-2400", "ZZZ")};
        write_catalog();
        package.write_grid("A.HG1", "Title of A hour 1");
    }
    void write_catalog() {
        std::string text = "    3" + std::string(catalog_count_literal) + "Requirement Number\n" +
                           std::string(catalog_heading) + "\n";
        for (const std::string& line : lines) text += line + "\n";
        write_file(package.catalog(), text);
    }
    std::string path() const { return to_package_path(package.catalog()); }

    CatalogPackage package;
    std::vector<std::string> lines;
    ScriptedWindows windows;
};

TEST(OpenByCatalogTest, OpensTheOnlyGridFileOfADoubleClickedRequirementAtOnce) {
    OpenFixture f;
    f.windows.requirementScript.push_back([](RequirementWindow& window) {
        EXPECT_EQ(window.select(2), 1);
        EXPECT_EQ(window.highlighted(), 2);
        EXPECT_EQ(window.double_click(2), 0);
    });
    EXPECT_EQ(OPCAT_CB(*f.package.session, f.windows), 0);
    const Session& session = *f.package.session;
    EXPECT_EQ(session.catalog.SelectedLine.view(), f.lines[1]);
    EXPECT_EQ(session.paths.FileName, "SAMPLE_001\\A.HG1");
    EXPECT_EQ(session.paths.NewFileChosen, 1);
    EXPECT_TRUE(f.windows.gridWindows.empty());
    ASSERT_EQ(f.windows.requirementWindows.size(), 1u);
    const auto& shown = f.windows.requirementWindows[0];
    EXPECT_EQ(shown.caption, "Select requirement from:" + f.path() + "    3 requirements found");
    EXPECT_EQ(shown.sortName, "Requirement Number");
    EXPECT_EQ(shown.listFormat, "%03.106^lb");
    EXPECT_EQ(shown.lines, f.lines);
}

TEST(OpenByCatalogTest, ShowsTheNotCalculatedBoxForTheOnlyGridFileWhenItIsMissing) {
    OpenFixture f;
    f.windows.requirementScript.push_back([](RequirementWindow& window) {
        window.select(1);
        EXPECT_EQ(window.accept(), 0);
    });
    EXPECT_EQ(OPCAT_CB(*f.package.session, f.windows), 1);
    ASSERT_EQ(f.windows.messages.size(), 1u);
    EXPECT_EQ(f.windows.messages[0].caption, "Grid file has not been calculated");
    EXPECT_EQ(f.windows.messages[0].button, "File=SAMPLE_001\\C.HG1       ");
    EXPECT_EQ(f.windows.messages[0].background, "red");
    EXPECT_EQ(f.package.session->paths.NewFileChosen, 0);
    EXPECT_TRUE(f.package.session->paths.FileName.blank());
}

TEST(OpenByCatalogTest, EndsWithNothingChosenOnExitOrAcceptWithoutAHighlightedLine) {
    const std::vector<std::pair<const char*, std::function<void(RequirementWindow&)>>> scripts = {
        {"exit at once", [](RequirementWindow&) {}},
        {"exit after a click", [](RequirementWindow& w) { w.select(2); }},
        {"accept with no line", [](RequirementWindow& w) { EXPECT_EQ(w.accept(), 0); }},
    };
    for (const auto& [what, script] : scripts) {
        SCOPED_TRACE(what);
        OpenFixture f;
        f.package.session->catalog.SelectedLine = f.lines[1];  // accepted earlier
        f.windows.requirementScript.push_back(script);
        EXPECT_EQ(OPCAT_CB(*f.package.session, f.windows), 1);
        EXPECT_TRUE(f.windows.gridWindows.empty());
        EXPECT_TRUE(f.windows.messages.empty());
        EXPECT_EQ(f.package.session->paths.NewFileChosen, 0);
        EXPECT_EQ(f.package.session->catalog.SelectedLine.view(), f.lines[1]);
    }
}

TEST(OpenByCatalogTest, RewritesTheCatalogOnASortAndShowsItAgainInTheNewOrder) {
    OpenFixture f;
    f.windows.requirementScript.push_back([](RequirementWindow& window) {
        window.select(3);
        EXPECT_EQ(window.sort(4), 0);
    });
    f.windows.requirementScript.push_back(
        [](RequirementWindow& window) { EXPECT_EQ(window.highlighted(), 0); });
    EXPECT_EQ(OPCAT_CB(*f.package.session, f.windows), 1);
    ASSERT_EQ(f.windows.requirementWindows.size(), 2u);
    // Location/Time/Frequency: ABC, BON, ZZZ.
    const std::vector<std::string> sorted = {f.lines[0], f.lines[1], f.lines[2]};
    EXPECT_EQ(f.windows.requirementWindows[1].sortName, "Location/Time/Frequency");
    EXPECT_EQ(f.windows.requirementWindows[1].lines, sorted);
    EXPECT_EQ(read_file(f.package.catalog()),
              "    3 Requirement files found.  Sorted by:Location/Time/Frequency \n" +
                  std::string(catalog_heading) + " \n" + sorted[0] + "\n" + sorted[1] + "\n" +
                  sorted[2] + "\n");
}

TEST(SortCommandTest, EachCommandWritesItsSortNameAndOrder) {
    struct Case {
        int (*command)(Session&, CatalogWindows&);
        const char* name;
        std::vector<int> order;  // of the fixture's lines C, A, B
    };
    const std::vector<Case> cases = {
        {SORT_R, "Requirement Number", {2, 3, 1}},
        {SORT_FTL, "Frequency/Time/Location", {2, 3, 1}},
        {SORT_LFT, "Location/Frequency/Time", {1, 2, 3}},
        {SORT_LTF, "Location/Time/Frequency", {1, 2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenFixture f;
        EXPECT_EQ(c.command(*f.package.session, f.windows), 0);
        EXPECT_EQ(f.package.session->catalog.RequirementIndex, -1);
        std::string expected = "    3" + std::string(catalog_count_literal) + padded(c.name, 24) +
                               "\n" + padded(catalog_heading, 94) + "\n";
        for (int line : c.order) expected += f.lines[static_cast<std::size_t>(line - 1)] + "\n";
        EXPECT_EQ(read_file(f.package.catalog()), expected);
    }
}

TEST(SortCommandTest, ReportsAnUnreadableCatalogAndClosesTheWindow) {
    OpenFixture f;
    write_file(f.package.catalog(), "    5 Requirement files found.  Sorted by:\nheading\n");
    f.package.session->catalog.RequirementIndex = 2;
    EXPECT_EQ(SORT_FTL(*f.package.session, f.windows), 0);
    EXPECT_NE(f.package.session->catalog.RequirementIndex, -1);
    ASSERT_EQ(f.windows.messages.size(), 1u);
    EXPECT_EQ(f.windows.messages[0].caption, "catalog file READ ERROR");
    EXPECT_EQ(f.windows.messages[0].button, "File:" + f.path());
}

TEST(SortCommandTest, ReportsACatalogThatCannotBeRewrittenAndKeepsIt) {
    OpenFixture f;
    const std::string before = read_file(f.package.catalog());
    std::filesystem::create_directory(replacement_temporary(f.package.catalog()));
    EXPECT_EQ(SORT_LTF(*f.package.session, f.windows), 0);
    EXPECT_EQ(read_file(f.package.catalog()), before);
    ASSERT_EQ(f.windows.messages.size(), 1u);
    EXPECT_EQ(f.windows.messages[0].caption, "catalog file WRITE ERROR");
    EXPECT_EQ(f.windows.messages[0].button, "File:" + f.path());
    EXPECT_NE(f.package.session->catalog.RequirementIndex, -1);
}

TEST(OpenByCatalogTest, ShowsOpenAndReadErrorBoxesNamingTheCatalog) {
    CatalogPackage package;
    ScriptedWindows windows;
    EXPECT_EQ(OPCAT_CB(*package.session, windows), 1);
    write_file(package.catalog(), "garbage\n");
    EXPECT_EQ(OPCAT_CB(*package.session, windows), 1);
    ASSERT_EQ(windows.messages.size(), 2u);
    const std::string path = to_package_path(package.catalog());
    EXPECT_EQ(windows.messages[0].caption, "catalog file OPEN ERROR");
    EXPECT_EQ(windows.messages[0].button, "File:" + path);
    EXPECT_EQ(windows.messages[0].background, "red");
    EXPECT_EQ(windows.messages[1].caption, "catalog file READ ERROR");
    EXPECT_TRUE(windows.requirementWindows.empty());
}

TEST(OpenByCatalogTest, ShowsAnEmptyCatalogAsAnEmptyList) {
    CatalogPackage package;
    write_file(package.catalog(),
               "    0" + std::string(catalog_count_literal) + "\n" + std::string(catalog_heading));
    ScriptedWindows windows;
    windows.requirementScript.push_back([](RequirementWindow& w) { EXPECT_EQ(w.accept(), 0); });
    EXPECT_EQ(OPCAT_CB(*package.session, windows), 1);
    ASSERT_EQ(windows.requirementWindows.size(), 1u);
    EXPECT_TRUE(windows.requirementWindows[0].lines.empty());
    EXPECT_EQ(windows.requirementWindows[0].listFormat, "%00.106^lb");
}

TEST(RequirementListTest, IsAsTallAsTheCatalogUpToTheScreensLimit) {
    struct Case {
        int count, width, height;
        const char* format;
    };
    const std::vector<Case> cases = {
        {5, 800, 5, "%05.106^lb"},    {25, 800, 25, "%25.106^lb"},   {25, 1024, 25, "%25.106^lb"},
        {29, 640, 29, "%29.106^lb"},  {30, 800, 20, "%20.106^lb"},   {45, 800, 20, "%20.106^lb"},
        {45, 1024, 30, "%30.106^lb"}, {2000, 801, 30, "%30.106^lb"},
    };
    for (const Case& c : cases) {
        int height = requirement_list_height(c.count, c.width);
        EXPECT_EQ(height, c.height) << c.count << " lines, " << c.width << " pixels";
        EXPECT_EQ(requirement_list_format(height), c.format);
    }
}

TEST(RequirementListTest, UsesSmallerTextOnlyForLargeTextOnAnEightHundredPixelScreen) {
    const std::vector<std::tuple<int, bool, bool>> cases = {
        {800, true, true}, {800, false, false}, {1024, true, false}, {640, true, false}};
    for (const auto& [width, large, smaller] : cases) {
        CatalogPackage package;
        ScriptedWindows windows;
        windows.width = width;
        windows.large = large;
        RequirementWindow window(*package.session, windows, "X", Text<24>("Requirement Number"));
        EXPECT_EQ(window.smallerText, smaller) << width << " " << large;
    }
}

TEST(ReqDoubleClickTest, AcceptsOnlyTheChoiceOfAnItem) {
    CatalogList catalog;
    catalog.Count = 2;
    catalog.Lines[0] = "first";
    catalog.Lines[1] = "second";
    catalog.RequirementIndex = 2;
    EXPECT_EQ(REQ_DOUBLE_CLICK(catalog, 0), 1);
    EXPECT_TRUE(catalog.SelectedLine.blank());
    EXPECT_EQ(REQ_DOUBLE_CLICK(catalog, 1), 0);
    EXPECT_EQ(catalog.SelectedLine, "second");
    catalog.RequirementIndex = 3;  // beyond the list: nothing is copied
    EXPECT_EQ(REQ_SELECTED(catalog), 0);
    EXPECT_EQ(catalog.SelectedLine, "second");
}

}  // namespace
}  // namespace qor
