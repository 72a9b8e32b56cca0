#include "plotsettings/title_dialog.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(TitleDialogTest, TheEntryHoldsTheTitleAndABlankAndAcceptKeepsSeventyFiveCharacters) {
    GridFile grid;
    grid.title = std::string(75, 'x');
    TitleEntry entry = title_prepare(grid);
    EXPECT_EQ(entry.view(), std::string(75, 'x') + " ");

    entry = std::string(75, 'y') + "Z";
    EXPECT_EQ(TITLE_OK(entry, grid), 0);
    EXPECT_EQ(grid.title.view(), std::string(75, 'y'));

    entry = "Short title";
    TITLE_OK(entry, grid);
    EXPECT_EQ(grid.title.view(), padded("Short title", 75));
}

TEST(TitleDialogTest, CancelLeavesTheTitleAndTheNextOpeningStartsFromIt) {
    GridFile grid;
    grid.title = "RUN1  15.26 MHz";
    TitleEntry entry = title_prepare(grid);
    entry = "edited";
    EXPECT_EQ(TITLE_NO(), 0);
    EXPECT_EQ(grid.title, "RUN1  15.26 MHz");
    EXPECT_EQ(title_prepare(grid), "RUN1  15.26 MHz");
}

TEST(TitleDialogTest, OnlySmallScreensUseTheSmallerFixedPitchFont) {
    struct Case {
        ScreenSize screen;
        double factor;  // 0: the standard font
    };
    const Case cases[] = {
        {{640, 0}, 0.9}, {{799, 1}, 0.9}, {{800, 0}, 0}, {{800, 1}, 0.87}, {{1024, 1}, 0}};
    for (const Case& c : cases) {
        const std::optional<TitleFont> font = title_font(c.screen);
        SCOPED_TRACE(c.screen.width * 10 + c.screen.largeText);
        ASSERT_EQ(font.has_value(), c.factor != 0);
        if (font) {
            EXPECT_EQ(font->family, "Courier New");
            EXPECT_DOUBLE_EQ(font->sizeFactor, c.factor);
        }
    }
}

}  // namespace
}  // namespace qor
