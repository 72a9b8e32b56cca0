#include "plotsettings/summaries.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_support.h"

namespace qor {
namespace {

constexpr float E = -999.0f;

// Two display lines of a 160-character block: the first ends with CR LF in
// columns 79-80, the second is blank-padded to 80.
std::string two_lines(std::string_view first, std::string_view second, std::size_t width = 80) {
    return padded(first, 78) + "\r\n" + padded(second, width);
}

void add_entry(Session& session, const char* line, float scale, std::int32_t method,
               std::vector<float> values, float minimum, float maximum) {
    testing::add_plot_parameter(session, line, scale, method, std::move(values), minimum, maximum);
}

TEST(SetParamsTest, WritesOneTenCharacterCellPerSlot) {
    struct Case {
        std::array<const char*, 5> names;
        const char* text;
    };
    const Case cases[] = {
        {{"DBU", "", "", "", ""}, "  DBU                                             "},
        {{"MUF", "FOT   ", "SNR50", "", "ANGLE"},
         "  MUF       FOT       SNR50               ANGLE   "},
        {{"", "", "", "", ""}, "                                                  "},
    };
    for (const Case& c : cases) {
        ParameterSelection selection;
        for (std::size_t i = 0; i < 5; ++i) selection.names[i] = c.names[i];
        Text<50> text("old summary");
        SET_PARAMS(selection, text);
        EXPECT_EQ(text.view(), c.text);
    }
}

TEST(SetLayersTest, WritesTheHeadingAndTheConvertedNamesUnderIt) {
    Session session;
    testing::set_dos_colours(
        session.colors,
        {{"BLACK ", 0, "Black "}, {"GRAY  ", 7, "Grey  "}, {"LRED  ", 12, "Lred  "}});
    const std::string heading = "  Grid    Countries  Zones  Cities  MainBeam  Contours";

    LayerSettings layers;
    layers.colors = {"Grey  ", "Black ", "Ignore", "2=RED ", "Lred  ", "4=Shad"};
    SET_LAYERS(session.colors, layers, layers.summaryText);
    EXPECT_EQ(
        layers.summaryText.view(),
        two_lines(heading, "   GRAY      BLACK    Ignore RED      LRED     Shading, no contours"));

    layers.colors = {"Ignore", "Ignore", "Ignore", "Ignore", "Ignore", "Ignore"};
    SET_LAYERS(session.colors, layers, layers.summaryText);
    EXPECT_EQ(
        layers.summaryText.view(),
        two_lines(heading, "   Ignore    Ignore   Ignore Ignore   Ignore   Ignore              "));
}

class SetContTest : public ::testing::Test {
  protected:
    SetContTest() {
        session.console = &console;
        add_entry(session, "FOT    Frequency of optimum traffic", 1.0f, 1, {5, 10}, 3.2f, 37.0f);
        add_entry(session, "ANGLE  Elevation angle", 1.0f, 2, {}, 2.4f, 29.7f);
        add_entry(session, "BIG    Values too wide for the fields", 100.0f, 0, {}, -10.0f, 5.0f);
        block.assign(160, '#');
    }
    void build(Text<6>& name, std::int32_t count) {
        SET_CONT(session.plotParameters, session.contours.defaultColors, *session.console, 1, name,
                 count, levels, colors, block.data());
    }
    Session session;
    testing::RecordingConsole console;
    LevelArray levels{};
    ColourArray colors{};
    std::string block;
};

TEST_F(SetContTest, ShowsAnAutomaticSlotWithItsRangeAndTheDefaultColours) {
    Text<6> name("FOT");
    levels.fill(-1.0f);
    colors.fill(-1);
    build(name, 0);
    const std::string first =
        "FOT     Auto          10.0    15.0    20.0    25.0    30.0    35.0    40.0";
    ASSERT_EQ(first.size(), 74u);
    EXPECT_EQ(block, two_lines(first,
                               "   3.2/  37.0    A=Lgrn  9=Orng  E=LLbl  D=Pink  3=Yell  "
                               "7=Grey  F=Whit"));
    // The automatic levels are not stored in the slot.
    EXPECT_EQ(levels, (LevelArray{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
    EXPECT_TRUE(console.events.empty());
}

TEST_F(SetContTest, SortsDefinedLevelsInPlaceWhileEachPositionKeepsItsColour) {
    Text<6> name("MUF");
    levels = {30, 10, 20, E, 5, 40, 35, 99, -1, -1};
    colors = {15, 16, -1, 0, 10, 5, 12, 1, -1, -1};
    build(name, 7);
    EXPECT_EQ(levels, (LevelArray{E, 5, 10, 20, 30, 35, 40, 99, -1, -1}));
    EXPECT_EQ(block, two_lines("MUF     Defined     -999.0     5.0    10.0    20.0    30.0    "
                               "35.0    40.0",
                               "No Min/Max       F=Whit  Ignore  Ignore  0=Blck  A=Lgrn  5=Magn  "
                               "C=Lblu"));
}

TEST_F(SetContTest, SortsAllTenDefinedLevelsAndShowsTheFirstSeven) {
    Text<6> name("FOT");
    levels = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    colors = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    build(name, 10);
    EXPECT_EQ(levels, (LevelArray{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(block, two_lines("FOT     Defined        1.0     2.0     3.0     4.0     5.0     "
                               "6.0     7.0",
                               "   3.2/  37.0    1=Red   2=Grn   3=Yell  4=Blue  5=Magn  6=Cyan  "
                               "7=Grey"));
}

TEST_F(SetContTest, FillsNumbersTooWideForTheirFieldsWithAsterisks) {
    Text<6> name("BIG");
    levels = {12345678.0f, -100000.0f, 123456.7f, E, E, -99999.9f, E, 0, 0, 0};
    colors = {0, 1, 2, 3, 4, 5, 6, 0, 0, 0};
    build(name, 7);
    EXPECT_EQ(block, two_lines("BIG     Defined   ********-99999.9  -999.0  -999.0  -999.0123456.7"
                               "********",
                               "******/ 500.0    0=Blck  1=Red   2=Grn   3=Yell  4=Blue  5=Magn  "
                               "6=Cyan"));
}

TEST_F(SetContTest, LeavesAnEmptySlotBlankButForItsLineBreak) {
    Text<6> name;
    build(name, 7);
    EXPECT_EQ(block, two_lines("", ""));
}

TEST_F(SetContTest, ShowsEmptyLevelsForAnAutomaticSlotTheTableLacks) {
    Text<6> name("XYZ");
    build(name, 0);
    EXPECT_EQ(console.events.back(), "PAUSE Could not find parameter in AUTOCON");
    EXPECT_EQ(block, two_lines("XYZ     Auto        -999.0  -999.0  -999.0  -999.0  -999.0  "
                               "-999.0  -999.0",
                               "No Min/Max       A=Lgrn  9=Orng  E=LLbl  D=Pink  3=Yell  7=Grey  "
                               "F=Whit"));
}

TEST_F(SetContTest, RenamesAnAutomaticAngleSlotAfterLookingUpItsRange) {
    Text<6> name("RANGLE");
    build(name, 0);
    EXPECT_EQ(name, "ANGLE ");
    EXPECT_EQ(block, two_lines("ANGLE   Auto           6.0    10.0    14.0    18.0    22.0    "
                               "26.0    30.0",
                               "No Min/Max       A=Lgrn  9=Orng  E=LLbl  D=Pink  3=Yell  7=Grey  "
                               "F=Whit"));
    EXPECT_TRUE(console.events.empty());
}

TEST(SetContoursTest, BreaksLinesInEveryBlockAndBetweenTheFirstFour) {
    Session session;
    Text<800> text("stale");
    SET_CONTOURS(session.plotParameters, session.parameters, session.contours, *session.console,
                 text);
    const std::string empty = two_lines("", "", 78) + "\r\n";
    EXPECT_EQ(text.view(), empty + empty + empty + empty + two_lines("", ""));
}

TEST(SetContoursTest, BuildsEachSlotFromTheSessionRecords) {
    Session session;
    add_entry(session, "FOT    Frequency of optimum traffic", 1.0f, 1, {5, 10}, 3.2f, 37.0f);
    add_entry(session, "ANGLE  Elevation angle", 1.0f, 2, {}, 2.4f, 29.7f);
    session.parameters.names = {"FOT", "", "TANGLE", "", "FOT"};
    session.contours.levelCount = {0, 0, 0, 0, 7};
    session.contours.levels[4] = {70, 60, 50, 40, 30, 20, 10, -1, -1, -1};
    session.contours.colors[4] = {1, 2, 3, 4, 5, 6, 7, -1, -1, -1};
    SET_CONTOURS(session.plotParameters, session.parameters, session.contours, *session.console,
                 session.contours.summaryText);

    const std::string_view text = session.contours.summaryText.view();
    EXPECT_EQ(
        text.substr(0, 160),
        two_lines("FOT     Auto          10.0    15.0    20.0    25.0    30.0    35.0    "
                  "40.0",
                  "   3.2/  37.0    A=Lgrn  9=Orng  E=LLbl  D=Pink  3=Yell  7=Grey  F=Whit", 78) +
            "\r\n");
    EXPECT_EQ(text.substr(160, 160), two_lines("", "", 78) + "\r\n");
    EXPECT_EQ(text.substr(320, 10), "ANGLE   Au");
    EXPECT_EQ(session.parameters.names[2], "ANGLE ");
    EXPECT_EQ(text.substr(640, 160),
              two_lines("FOT     Defined       10.0    20.0    30.0    40.0    50.0    60.0    "
                        "70.0",
                        "   3.2/  37.0    1=Red   2=Grn   3=Yell  4=Blue  5=Magn  6=Cyan  7=Grey"));
    EXPECT_EQ(session.contours.levels[4], (LevelArray{10, 20, 30, 40, 50, 60, 70, -1, -1, -1}));
}

}  // namespace
}  // namespace qor
