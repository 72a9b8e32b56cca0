#include "plotsettings/contour_dialogs.h"

#include <gtest/gtest.h>

#include "plotsettings/summaries.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

constexpr float E = -999.0f;  // an empty level position

// Two slots plotted: DBU on automatic levels (fixed rule values 20, 10, 30 give
// four empty positions below them) and SNR with ten user-defined levels; slot 3
// is empty.
class ContourDialogsTest : public ::testing::Test {
  protected:
    ContourDialogsTest() {
        session.console = &console;
        testing::add_plot_parameter(session, "DBU    Field strength", 1.0f, 0, {20, 10, 30}, 3.2f,
                                    37.0f);
        testing::add_plot_parameter(session, "SNR    Signal to noise", 2.0f, 0, {1, 2}, -1.5f,
                                    20.0f);
        testing::add_plot_parameter(session, "ANGLE  Elevation angle", 1.0f, 0, {5, 15}, 0.0f,
                                    30.0f);
        session.parameters.names = {"DBU", "SNR", "", "", ""};
        session.parameters.count = 2;
        contours().levelCount = {0, 10, 0, 0, 0};
        contours().levels[0].fill(-1.0f);
        contours().colors[0].fill(-1);
        contours().levels[1] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        contours().colors[1] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        contours_prepare(session.plotParameters, contours(), session.parameters, console, pending);
    }

    ContourSettings& contours() { return session.contours; }
    void open_editor(std::int32_t slot) {
        contour_editor_prepare(session.plotParameters, contours().defaultColors, session.parameters,
                               pending, slot, console, editor);
    }
    CallbackResult accept() {
        return CONTOURX_OK(session.plotParameters, contours().defaultColors, console, editor,
                           pending);
    }
    // The block SET_CONT builds for a slot's pending values.
    std::string block_of(const char* name, std::size_t index) {
        Text<6> copy(name);
        LevelArray levels = pending.levels[index];
        std::string block(160, ' ');
        SET_CONT(session.plotParameters, contours().defaultColors, console,
                 static_cast<int>(index + 1), copy, pending.levelCount[index], levels,
                 pending.colors[index], block.data());
        return block;
    }

    Session session;
    testing::RecordingConsole console;
    PendingContours pending;
    ContourEditor editor;
};

TEST_F(ContourDialogsTest, TheOverviewCopiesEverySlotAndSummarisesTheNamedOnes) {
    EXPECT_EQ(pending.levelCount, contours().levelCount);
    EXPECT_EQ(pending.levels, contours().levels);
    EXPECT_EQ(pending.colors, contours().colors);
    EXPECT_EQ(pending.lines[0].sub(1, 74),
              "DBU     Auto        -999.0  -999.0  -999.0  -999.0    10.0    20.0    30.0");
    EXPECT_EQ(pending.lines[1].sub(1, 15), "SNR     Defined");
    EXPECT_EQ(pending.lines[1].sub(81, 93), "  -3.0/  40.0");
    EXPECT_TRUE(pending.lines[2].blank());
    EXPECT_TRUE(console.events.empty());
}

TEST_F(ContourDialogsTest, AnAutomaticSlotOpensWithItsAutomaticLevelsAndSwitchesToUserLevels) {
    open_editor(1);
    EXPECT_EQ(editor.slot, 1);
    EXPECT_EQ(editor.name, "DBU");
    EXPECT_DOUBLE_EQ(editor.rangeLow, 3.2f);
    EXPECT_DOUBLE_EQ(editor.rangeHigh, 37.0);
    EXPECT_EQ(editor.method, 0);
    EXPECT_EQ(editor.methodText, "AUTO scaled ");
    EXPECT_EQ(editor.levelInputs, (std::array<double, 10>{E, E, E, E, 10, 20, 30, 0, 0, 0}));
    // The default colours 10, 9, 14, 13, 3, 7, 15 as list items; 0 beyond them.
    EXPECT_EQ(editor.colorChoices,
              (std::array<std::int32_t, 10>{12, 11, 16, 15, 5, 9, 17, 2, 2, 2}));

    EXPECT_EQ(CONTOURX_METHOD(session.plotParameters, contours().defaultColors, console, editor),
              1);
    EXPECT_EQ(editor.method, 7);
    EXPECT_EQ(editor.methodText, "USER defined");
    EXPECT_EQ(editor.levelInputs[4], 10.0);

    const CallbackResult result = accept();
    EXPECT_EQ(result.keepOpen, 0);
    EXPECT_FALSE(result.message);
    EXPECT_EQ(pending.levelCount[0], 7);
    EXPECT_EQ(pending.levels[0], (LevelArray{E, E, E, E, 10, 20, 30, 0, 0, 0}));
    EXPECT_EQ(pending.colors[0], (ColourArray{10, 9, 14, 13, 3, 7, 15, 0, 0, 0}));
    EXPECT_EQ(pending.lines[0].view(), block_of("DBU", 0));
    EXPECT_EQ(pending.lines[0].sub(1, 15), "DBU     Defined");
    // The overview's copy only: the settings wait for the overview's Accept.
    EXPECT_EQ(contours().levelCount[0], 0);
}

TEST_F(ContourDialogsTest, SwitchingBackToAutomaticRefillsTheSevenShownLevelsAndTheirColours) {
    open_editor(2);
    EXPECT_EQ(editor.method, 10);
    EXPECT_EQ(editor.colorChoices[0], 2);
    CONTOURX_METHOD(session.plotParameters, contours().defaultColors, console, editor);
    EXPECT_EQ(editor.method, 0);
    EXPECT_EQ(editor.methodText, "AUTO scaled ");
    EXPECT_EQ(editor.levelInputs, (std::array<double, 10>{E, E, E, E, E, 1, 2, 8, 9, 10}));
    EXPECT_EQ(editor.colorChoices[6], 17);

    // In automatic mode Accept keeps only the switch.
    EXPECT_EQ(accept().keepOpen, 0);
    EXPECT_EQ(pending.levelCount[1], 0);
    EXPECT_EQ(pending.levels[1], contours().levels[1]);
    EXPECT_EQ(pending.lines[1].sub(1, 15), "SNR     Auto   ");
}

TEST_F(ContourDialogsTest, ACountTakenOverIsStoredBackWithAllTenPositions) {
    open_editor(2);
    editor.levelInputs[6] = 7.5;
    editor.colorChoices[6] = 1;  // "not set"
    EXPECT_EQ(accept().keepOpen, 0);
    EXPECT_EQ(pending.levelCount[1], 10);
    EXPECT_EQ(pending.levels[1], (LevelArray{1, 2, 3, 4, 5, 6, 7.5f, 8, 9, 10}));
    EXPECT_EQ(pending.colors[1], (ColourArray{0, 1, 2, 3, 4, 5, -1, 7, 8, 9}));
}

TEST_F(ContourDialogsTest, TheOrderCheckLooksAtTheSevenShownLevelsOnly) {
    struct Case {
        const char* what;
        std::array<double, 10> levels;
        bool accepted;
    };
    const Case cases[] = {
        {"empty positions below three levels", {E, E, E, E, 10, 20, 30, 0, 0, 0}, true},
        {"equal neighbours", {5, 5, 5, 5, 5, 5, 5, 0, 0, 0}, true},
        {"position 2 above position 1", {10, 20, 30, 40, 50, 60, 70, 0, 0, 0}, true},
        {"position 2 below position 1", {20, 10, 30, 40, 50, 60, 70, 0, 0, 0}, false},
        {"the top level below the one under it", {1, 2, 3, 4, 5, 6, 5.5, 0, 0, 0}, false},
        {"an empty position above a level", {10, E, 30, 40, 50, 60, 70, 0, 0, 0}, false},
        {"positions 8 to 10 are not shown", {1, 2, 3, 4, 5, 6, 7, -5, 999, -999}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open_editor(2);
        editor.method = 7;
        editor.levelInputs = c.levels;
        const PendingContours before = pending;
        const CallbackResult result = accept();
        EXPECT_EQ(result.keepOpen, c.accepted ? 0 : 1);
        ASSERT_EQ(result.message.has_value(), !c.accepted);
        if (!c.accepted) {
            EXPECT_EQ(result.message->caption, "CONTOUR VALUES Input ERROR");
            EXPECT_EQ(result.message->background, "red");
            EXPECT_EQ(result.message->button,
                      "CONTOUR VALUES MUST be ordered from greatest to least\n"
                      "as you go from top to bottom.");
            EXPECT_EQ(pending.levelCount, before.levelCount);
            EXPECT_EQ(pending.levels, before.levels);
        }
        contours_prepare(session.plotParameters, contours(), session.parameters, console, pending);
    }
}

TEST_F(ContourDialogsTest, ARefusedAcceptLeavesAnAutomaticSlotAutomatic) {
    // Switching to user-defined levels and typing them out of order, then
    // leaving with Cancel, must not leave the slot switched to levels that
    // were never accepted.
    open_editor(1);
    CONTOURX_METHOD(session.plotParameters, contours().defaultColors, console, editor);
    editor.levelInputs[5] = 50.0;  // above position 7's 30
    const PendingContours before = pending;
    EXPECT_EQ(accept().keepOpen, 1);
    EXPECT_EQ(CONTOURX_NO(), 0);
    EXPECT_EQ(pending.levelCount[0], 0);
    EXPECT_EQ(pending.levels[0], before.levels[0]);
    EXPECT_EQ(pending.colors[0], before.colors[0]);
    EXPECT_EQ(pending.lines[0], before.lines[0]);
}

TEST_F(ContourDialogsTest, AutoSwitchesTheSlotAndKeepsItsStoredLevels) {
    open_editor(2);
    EXPECT_EQ(
        CONTOURX_AUTO(session.plotParameters, contours().defaultColors, console, editor, pending),
        0);
    EXPECT_EQ(pending.levelCount[1], 0);
    EXPECT_EQ(pending.levels[1], contours().levels[1]);
    EXPECT_EQ(pending.colors[1], contours().colors[1]);
    EXPECT_EQ(pending.lines[1].view(), block_of("SNR", 1));
}

TEST_F(ContourDialogsTest, AStoredColourNotSetIsTheFirstItemAndComesBackNotSet) {
    contours().colors[1][3] = -1;
    contours_prepare(session.plotParameters, contours(), session.parameters, console, pending);
    open_editor(2);
    EXPECT_EQ(editor.colorChoices[3], 1);
    accept();
    EXPECT_EQ(pending.colors[1][3], -1);
}

TEST_F(ContourDialogsTest, TheOverviewsAcceptCopiesTheCountAndThePositionsUpToIt) {
    pending.levelCount = {7, 0, 0, 0, 0};
    pending.levels[0] = {1, 2, 3, 4, 5, 6, 7, 80, 90, 100};
    pending.colors[0] = {1, 1, 1, 1, 1, 1, 1, 5, 5, 5};
    pending.levels[1] = {9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
    EXPECT_EQ(CONTOURS_OK(session.plotParameters, pending, session.parameters, contours(), console),
              0);
    EXPECT_EQ(contours().levelCount, (std::array<std::int32_t, 5>{7, 0, 0, 0, 0}));
    EXPECT_EQ(contours().levels[0], (LevelArray{1, 2, 3, 4, 5, 6, 7, -1, -1, -1}));
    EXPECT_EQ(contours().colors[0], (ColourArray{1, 1, 1, 1, 1, 1, 1, -1, -1, -1}));
    // An automatic slot copies no position.
    EXPECT_EQ(contours().levels[1], (LevelArray{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    Text<800> expected;
    SET_CONTOURS(session.plotParameters, session.parameters, contours(), console, expected);
    EXPECT_EQ(contours().summaryText, expected);
    EXPECT_EQ(contours().summaryText.sub(1, 15), "DBU     Defined");
}

TEST_F(ContourDialogsTest, ASlotTheTableLacksShowsNoRangeAndOnAutomaticLevelsEmptyOnes) {
    session.parameters.names[0] = "XYZ";
    contours_prepare(session.plotParameters, contours(), session.parameters, console, pending);
    open_editor(1);
    EXPECT_EQ(editor.rangeLow, 0.0);
    EXPECT_EQ(editor.rangeHigh, 0.0);
    EXPECT_EQ(editor.levelInputs, (std::array<double, 10>{E, E, E, E, E, E, E, 0, 0, 0}));
    EXPECT_EQ(console.events.back(), "PAUSE Could not find parameter in AUTOCON");

    console.events.clear();
    session.parameters.names[1] = "QRS";
    open_editor(2);
    EXPECT_EQ(editor.rangeHigh, 0.0);
    EXPECT_EQ(editor.levelInputs[0], 1.0);
    EXPECT_TRUE(console.events.empty());
}

TEST_F(ContourDialogsTest, AnAngleNameIsRewrittenInTheEditorsCopyOnly) {
    session.parameters.names[0] = "TANGLE";
    contours_prepare(session.plotParameters, contours(), session.parameters, console, pending);
    EXPECT_EQ(session.parameters.names[0], "TANGLE");
    EXPECT_EQ(pending.lines[0].sub(1, 6), "ANGLE ");
    open_editor(1);
    EXPECT_EQ(editor.name, "ANGLE ");
    EXPECT_EQ(session.parameters.names[0], "TANGLE");
    // The range was looked up under the name the slot holds.
    EXPECT_EQ(editor.rangeHigh, 0.0);
    EXPECT_EQ(editor.levelInputs[5], 5.0);
    EXPECT_TRUE(console.events.empty());
}

TEST(ContourLayoutTest, TheScreenSetsBoxWidthSizeFactorAndListLines) {
    ColorTables tables;
    tables.WindowColourCount = 17;
    struct Case {
        ScreenSize screen;
        int width;
        double factor;
        int lines;
    };
    const Case cases[] = {
        {{640, 0}, 70, 0.9, 13},  {{800, 0}, 70, 0.9, 17},  {{800, 1}, 80, 0.85, 13},
        {{1024, 0}, 80, 1.0, 17}, {{1024, 1}, 80, 1.0, 17}, {{700, 1}, 70, 0.9, 17},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen.width * 10 + c.screen.largeText);
        const ContourOverviewLayout layout = contour_overview_layout(c.screen);
        EXPECT_EQ(layout.boxWidth, c.width);
        EXPECT_DOUBLE_EQ(layout.sizeFactor, c.factor);
        EXPECT_EQ(contour_colour_lines(tables, c.screen), c.lines);
    }
}

}  // namespace
}  // namespace qor
