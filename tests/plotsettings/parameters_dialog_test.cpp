#include "plotsettings/parameters_dialog.h"

#include <gtest/gtest.h>

#include "plotsettings/contour_levels.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

// A table of twelve parameters P01 to P12 (P05 is "DBU"), each on fixed
// levels; slots 1 and 2 hold P12 and P07 with user-defined levels.
class ParametersDialogTest : public ::testing::Test {
  protected:
    ParametersDialogTest() {
        session.console = &console;
        for (int k = 1; k <= 12; ++k) {
            const std::string name = k == 5 ? "DBU" : (k < 10 ? "P0" : "P") + std::to_string(k);
            const std::string line = padded(name, 7) + "Parameter number " + std::to_string(k);
            testing::add_plot_parameter(session, line.c_str(), 1.0f, 0, {10, 20}, 0.0f,
                                        static_cast<float>(k));
        }
        parameters().names = {"P12", "P07", "", "", ""};
        parameters().count = 2;
        contours().levelCount = {7, 8, 0, 0, 0};
        contours().levels[0] = {1, 2, 3, 4, 5, 6, 7, -1, -1, -1};
        contours().colors[0] = {1, 1, 1, 1, 1, 1, 1, -1, -1, -1};
        contours().levels[1] = {10, 20, 30, 40, 50, 60, 70, 80, -1, -1};
        contours().colors[1] = {2, 2, 2, 2, 2, 2, 2, 2, -1, -1};
    }
    ParameterSelection& parameters() { return session.parameters; }
    ContourSettings& contours() { return session.contours; }
    const PlotParameterTable& table() const { return session.plotParameters; }
    void select(std::initializer_list<int> entries) {
        parameters().selected.fill(0);
        for (int k : entries) parameters().selected[static_cast<std::size_t>(k - 1)] = 1;
    }
    int accept() { return PARAMS_OK(table(), parameters(), contours(), console); }

    Session session;
    testing::RecordingConsole console;
};

TEST_F(ParametersDialogTest, IparamsFindsTheFirstEntryOfANameAndNothingForOthers) {
    EXPECT_EQ(IPARAMS(table(), "P07"), 7);
    EXPECT_EQ(IPARAMS(table(), "DBU"), 5);
    EXPECT_EQ(IPARAMS(table(), "dbu"), 0);
    EXPECT_EQ(IPARAMS(table(), "P07   x"), 7);
    EXPECT_EQ(IPARAMS(table(), ""), 0);
    session.plotParameters.entries[9].line = "P07    a second P07";
    EXPECT_EQ(IPARAMS(table(), "P07"), 7);
}

TEST_F(ParametersDialogTest, OpeningSelectsTheSlotsParametersAndShowsThemInTableOrder) {
    parameters().selected.fill(1);
    params_prepare(table(), parameters());
    std::array<std::int32_t, 40> expected{};
    expected[6] = 1;
    expected[11] = 1;
    EXPECT_EQ(parameters().selected, expected);
    EXPECT_EQ(parameters().activeText, "  P07       P12");
}

TEST_F(ParametersDialogTest, TheActiveTextShowsOnlyTheFirstFiveSelectedInTableOrder) {
    select({12, 1, 9, 3, 7, 2, 5});
    EXPECT_EQ(PARAMS_ACTION(table(), parameters()), 1);
    EXPECT_EQ(parameters().activeText.view(), "  P01       P02       P03       DBU       P07     ");
    EXPECT_EQ(accept(), 0);
    EXPECT_EQ(parameters().count, 5);
    EXPECT_EQ(parameters().names, (std::array<Text<6>, 5>{"P01", "P02", "P03", "DBU", "P07"}));
}

TEST_F(ParametersDialogTest, ContourSettingsFollowTheirParameterToItsNewSlot) {
    select({3, 7, 12});
    accept();
    EXPECT_EQ(parameters().count, 3);
    EXPECT_EQ(parameters().names, (std::array<Text<6>, 5>{"P03", "P07", "P12", "", ""}));
    // Slot 1 holds a new parameter: automatic, with the levels its previous
    // occupant P12 left there.
    EXPECT_EQ(contours().levelCount, (std::array<std::int32_t, 5>{0, 8, 7, 0, 0}));
    EXPECT_EQ(contours().levels[0], (LevelArray{1, 2, 3, 4, 5, 6, 7, -1, -1, -1}));
    EXPECT_EQ(contours().levels[1], (LevelArray{10, 20, 30, 40, 50, 60, 70, 80, -1, -1}));
    EXPECT_EQ(contours().colors[1][0], 2);
    EXPECT_EQ(contours().levels[2], (LevelArray{1, 2, 3, 4, 5, 6, 7, -1, -1, -1}));
    EXPECT_EQ(contours().colors[2][0], 1);
    EXPECT_EQ(parameters().summaryText, "  P03       P07       P12");
    EXPECT_EQ(contours().summaryText.sub(1, 15), "P03     Auto   ");
    EXPECT_EQ(contours().summaryText.sub(161, 175), "P07     Defined");
    EXPECT_EQ(contours().summaryText.sub(321, 335), "P12     Defined");
    EXPECT_TRUE(contours().summaryText.sub(481, 800).find_first_not_of(" \r\n") ==
                std::string_view::npos);
}

TEST_F(ParametersDialogTest, NothingSelectedPlotsDbuAloneOnAutomaticLevels) {
    select({});
    accept();
    EXPECT_EQ(parameters().count, 1);
    EXPECT_EQ(parameters().names, (std::array<Text<6>, 5>{"DBU", "", "", "", ""}));
    EXPECT_EQ(contours().levelCount[0], 0);
    EXPECT_EQ(parameters().summaryText, "  DBU");
}

TEST_F(ParametersDialogTest, ASlotNameTheTableLacksIsDroppedAtTheNextAccept) {
    parameters().names = {"P12", "XYZ", "P07", "", ""};
    params_prepare(table(), parameters());
    EXPECT_EQ(parameters().activeText, "  P07       P12");
    accept();
    EXPECT_EQ(parameters().names, (std::array<Text<6>, 5>{"P07", "P12", "", "", ""}));
}

TEST_F(ParametersDialogTest, DefaultPlotsDbuAloneWhateverTheListShows) {
    select({1, 2, 3});
    EXPECT_EQ(PARAMS_DEFAULT(table(), parameters(), contours(), console), 0);
    EXPECT_EQ(parameters().count, 1);
    EXPECT_EQ(parameters().names, (std::array<Text<6>, 5>{"DBU", "", "", "", ""}));
    EXPECT_EQ(contours().levelCount, (std::array<std::int32_t, 5>{}));
    EXPECT_EQ(parameters().summaryText, "  DBU");
    EXPECT_EQ(contours().summaryText.sub(1, 74),
              "DBU     Auto        -999.0  -999.0  -999.0  -999.0  -999.0    10.0    20.0");
}

TEST_F(ParametersDialogTest, ListItemsShowNameDescriptionAndTheScaledRange) {
    session.plotParameters.entries[0].line =
        "DBU    Median field strength of the most reliable mode, in dB above 1 uV/m";
    session.plotParameters.entries[0].scale = 0.5f;
    session.plotParameters.entries[0].minimum = -3.0f;
    session.plotParameters.entries[0].maximum = 100.0f;
    session.plotParameters.entries[1].maximum = 1e7f;
    const std::vector<std::string> items = parameter_list_items(table());
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[0],
              "DBU    Median field strength of the most reliable mode, in d   -1.50   50.00");
    EXPECT_EQ(items[1], padded("P02    Parameter number 2", 60) + "    0.00********");
    for (const std::string& item : items) EXPECT_EQ(item.size(), 76u);
}

TEST(ParameterListLayoutTest, TheScreenSetsTheListWidthAndItsFontSize) {
    struct Case {
        ScreenSize screen;
        int width;
        double factor;
    };
    const Case cases[] = {
        {{640, 0}, 70, 0.9}, {{800, 0}, 70, 0.9}, {{800, 1}, 70, 0.87}, {{1024, 1}, 80, 1.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen.width * 10 + c.screen.largeText);
        const ParameterListLayout layout = parameter_list_layout(c.screen);
        EXPECT_EQ(layout.width, c.width);
        EXPECT_DOUBLE_EQ(layout.sizeFactor, c.factor);
    }
}

}  // namespace
}  // namespace qor
