#include "plotsettings/contour_levels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/support/test_support.h"

namespace qor {
namespace {

constexpr float E = -999.0f;  // an empty level position
const std::array<std::int32_t, 7> built_in_colours{10, 9, 14, 13, 3, 7, 15};

std::vector<float> first_seven(const LevelArray& levels) {
    return {levels.begin(), levels.begin() + 7};
}

void add_entry(Session& session, const char* line, float scale, std::int32_t method,
               std::vector<float> values, float minimum, float maximum) {
    testing::add_plot_parameter(session, line, scale, method, std::move(values), minimum, maximum);
}

struct LevelCase {
    const char* what;
    std::int32_t method;
    float low, high;
    std::vector<float> rule;
    std::vector<float> expected;
};

TEST(GetlevelTest, AppliesEachLevelRuleAndSortsTheSevenLevels) {
    // clang-format off
    const LevelCase cases[] = {
        {"fixed levels", 0, 0.0f, 50.0f, {20, 10, 30}, {E, E, E, E, 10, 20, 30}},
        {"unknown rule keeps the values", 4, 0.0f, 50.0f, {20, 10, 30}, {E, E, E, E, 10, 20, 30}},
        {"step from the top, worked example", 1, 3.2f, 37.0f, {5, 10}, {10, 15, 20, 25, 30, 35, 40}},
        {"step from the top drops the lowest levels", 1, 0.0f, 20.0f, {1, 0},
         {14, 15, 16, 17, 18, 19, 20}},
        {"top within half a unit is kept, last level raised", 1, 0.0f, 35.4f, {5, 10},
         {E, 10, 15, 20, 25, 30, 40}},
        {"top exactly half a unit below the range is kept", 1, 0.0f, 35.5f, {5, 10},
         {E, 10, 15, 20, 25, 30, 40}},
        {"the top is found with the unrounded step", 1, 0.0f, 10.3f, {2.4f, 0},
         {E, 0, 2, 4, 6, 8, 10.0f + 2.4f}},
        {"unrounded step raises a kept top", 1, 0.0f, 9.2f, {2.6f, 0},
         {E, E, E, 0, 3, 6, 9.0f + 2.6f}},
        {"top a step or more below the base: the step, raised", 1, 0.0f, 20.0f, {5, 50},
         {E, E, E, E, E, E, 10}},
        {"top a step or more below the base: the step alone", 1, 0.0f, 3.0f, {5, 50},
         {E, E, E, E, E, E, 5}},
        {"top less than a step below the base", 1, 0.0f, 20.0f, {5, 22}, {E, E, E, E, E, E, 20}},
        {"equal steps, worked example", 2, 2.4f, 29.7f, {}, {6, 10, 14, 18, 22, 26, 30}},
        {"equal steps on a constant field", 2, 5.0f, 5.0f, {}, {5, 5, 5, 5, 5, 5, 5}},
        {"equal steps truncate toward zero", 2, -20.5f, -3.2f, {},
         {-20, -17, -14, -11, -8, -5, -2}},
        {"equal steps empty the levels below the range", 2, 2.5f, 3.0f, {}, {E, E, E, E, E, E, 3}},
        // 5.001 + 0.999 is 6 in single precision (it would be 5.99999... wider).
        {"equal steps are computed in single precision", 2, 0.0f, 5.001f, {},
         {0, 1, 2, 3, 4, 5, 6}},
        {"step from the bottom ends above the range", 3, 3.0f, 100.0f, {10},
         {10, 20, 30, 40, 50, 60, 110}},
        {"step from the bottom replaces a level equal to the top", 3, 3.0f, 40.0f, {10},
         {E, E, E, 10, 20, 30, 50}},
        {"step from the bottom stops at the first level past the top", 3, 3.0f, 35.0f, {10},
         {E, E, E, 10, 20, 30, 40}},
        {"step from the bottom starts with the unrounded step", 3, 4.0f, 11.0f, {2.5f},
         {E, E, E, E, 6, 9, 12}},
        {"step from the bottom of a negative range", 3, -7.5f, 2.0f, {5}, {E, E, E, E, E, 0, 5}},
        {"zero step from the top gives equal steps", 1, 2.4f, 29.7f, {0, 10},
         {6, 10, 14, 18, 22, 26, 30}},
        {"step rounding to zero from the top gives equal steps", 1, 2.4f, 29.7f, {0.3f, 10},
         {6, 10, 14, 18, 22, 26, 30}},
        {"zero step from the bottom gives equal steps", 3, 2.4f, 29.7f, {0},
         {6, 10, 14, 18, 22, 26, 30}},
        // The top saturates at the largest whole number instead of overflowing.
        {"a range beyond the whole numbers", 1, 0.0f, 1.0e30f, {1, 0},
         std::vector<float>(7, 2147483648.0f)},
    };
    // clang-format on
    for (const LevelCase& c : cases) {
        Session session;
        session.contours.defaultColors = {1, 2, 3, 4, 5, 6, 7};
        LevelArray levels;
        levels.fill(-1.0f);
        std::copy(c.rule.begin(), c.rule.end(), levels.begin());
        ColourArray colors;
        colors.fill(-1);
        std::int32_t count = static_cast<std::int32_t>(c.rule.size());
        GETLEVEL(session.contours.defaultColors, c.low, c.high, c.method, count, levels, colors);
        EXPECT_EQ(count, 7) << c.what;
        EXPECT_EQ(first_seven(levels), c.expected) << c.what;
        EXPECT_EQ(std::vector<std::int32_t>(colors.begin(), colors.begin() + 7),
                  (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7}))
            << c.what;
    }
}

TEST(SortxTest, SortsTheFirstCountValuesBySelection) {
    std::array<float, 6> values{3, -1, 2, -999, 2, 9};
    SORTX(5, values.data());
    EXPECT_EQ(values, (std::array<float, 6>{-999, -1, 2, 2, 3, 9}));

    std::array<float, 3> untouched{3, 2, 1};
    SORTX(1, untouched.data());
    SORTX(0, untouched.data());
    SORTX(-4, untouched.data());
    EXPECT_EQ(untouched, (std::array<float, 3>{3, 2, 1}));
}

TEST(SortxTest, KeepsTheFirstFoundAmongEqualValuesAsTheSelectionSortDoes) {
    // +0 and -0 compare equal but can be told apart. The selection sort swaps
    // +0 away to the back first, and then keeps -0 where it is found.
    std::array<float, 3> values{0.0f, -0.0f, -1.0f};
    SORTX(3, values.data());
    EXPECT_EQ(values[0], -1.0f);
    EXPECT_TRUE(std::signbit(values[1]));
    EXPECT_FALSE(std::signbit(values[2]));

    std::array<float, 3> kept{-0.0f, 0.0f, 1.0f};
    SORTX(3, kept.data());
    EXPECT_TRUE(std::signbit(kept[0]));
    EXPECT_FALSE(std::signbit(kept[1]));
}

class AutoconTest : public ::testing::Test {
  protected:
    AutoconTest() {
        session.console = &console;
        add_entry(session, "FOT    Frequency of optimum traffic", 10.0f, 1, {5, 10}, 0.32f, 3.7f);
        add_entry(session, "ANGLE  Elevation angle", 1.0f, 2, {}, 2.4f, 29.7f);
        add_entry(session, "DBU    First with this name", 1.0f, 0, {20, 10, 30}, 0, 1);
        add_entry(session, "DBU    Second with this name", 1.0f, 0, {1}, 0, 1);
        add_entry(session, "SNR1   Six characters matter", 1.0f, 0, {1}, 0, 1);
    }
    void run(Text<6>& name) {
        levels.fill(-1.0f);
        colors.fill(-1);
        AUTOCON(session.plotParameters, session.contours.defaultColors, *session.console, name,
                count, levels, colors);
    }
    Session session;
    testing::RecordingConsole console;
    std::int32_t count = 0;
    LevelArray levels;
    ColourArray colors;
};

TEST_F(AutoconTest, ScalesTheRangeAndFillsTheSlotsAfterTheSeventhWithZeros) {
    Text<6> name("FOT");
    run(name);
    EXPECT_EQ(count, 7);
    EXPECT_EQ(levels, (LevelArray{10, 15, 20, 25, 30, 35, 40, 0, 0, 0}));
    EXPECT_EQ(colors, (ColourArray{10, 9, 14, 13, 3, 7, 15, 0, 0, 0}));
    EXPECT_EQ(name, "FOT   ");
    EXPECT_TRUE(console.events.empty());
}

TEST_F(AutoconTest, UsesTheFirstEntryWhoseSixCharacterNameMatches) {
    Text<6> name("DBU");
    run(name);
    EXPECT_EQ(levels, (LevelArray{E, E, E, E, 10, 20, 30, 0, 0, 0}));
    EXPECT_EQ(colors, (ColourArray{10, 9, 14, 13, 3, 7, 15, 0, 0, 0}));
}

TEST_F(AutoconTest, FindsTheAngleNamesThroughTheAngleEntryAndRenamesTheCallersName) {
    for (const char* angle : {"TANGLE", "RANGLE", "ANGLER"}) {
        Text<6> name(angle);
        run(name);
        EXPECT_EQ(name, "ANGLE ") << angle;
        EXPECT_EQ(first_seven(levels), (std::vector<float>{6, 10, 14, 18, 22, 26, 30})) << angle;
    }
    EXPECT_TRUE(console.events.empty());
}

TEST_F(AutoconTest, ReportsAMissingParameterAndReturnsSevenEmptyLevels) {
    Text<6> name("SNR");  // "SNR   " is not "SNR1  "
    run(name);
    EXPECT_EQ(console.events, (std::vector<std::string>{
                                  " parms=SNR   ", " npltparms=    5", "    1=FOT   ",
                                  "    2=ANGLE ", "    3=DBU   ", "    4=DBU   ", "    5=SNR1  ",
                                  "PAUSE Could not find parameter in AUTOCON"}));
    EXPECT_EQ(count, 7);
    EXPECT_EQ(levels, (LevelArray{E, E, E, E, E, E, E, 0, 0, 0}));
    EXPECT_EQ(colors, (ColourArray{10, 9, 14, 13, 3, 7, 15, 0, 0, 0}));
    EXPECT_EQ(name, "SNR   ");
}

TEST_F(AutoconTest, ReportsTheAngleNameWhenTheTableHasNoAngleEntry) {
    session.plotParameters.count = 1;
    Text<6> name("RANGLE");
    run(name);
    EXPECT_EQ(name, "ANGLE ");
    ASSERT_EQ(console.events.size(), 4u);
    EXPECT_EQ(console.events[0], " parms=ANGLE ");
    EXPECT_EQ(console.events[1], " npltparms=    1");
    EXPECT_EQ(console.events[3], "PAUSE Could not find parameter in AUTOCON");
    EXPECT_EQ(first_seven(levels), (std::vector<float>(7, E)));
}

}  // namespace
}  // namespace qor
