#include "base/text.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(LcountTest, FindsTheLastNonBlankAndKeepsNonPositiveCounts) {
    EXPECT_EQ(LCOUNT("AB  ", 4), 2);
    EXPECT_EQ(LCOUNT("AB  ", 1), 1);
    EXPECT_EQ(LCOUNT("    ", 4), 0);
    EXPECT_EQ(LCOUNT("AB  ", 0), 0);
    EXPECT_EQ(LCOUNT("AB  ", -3), -3);
}

TEST(LcountTest, CountsNulAsSignificantWhileLencharTreatsItAsFill) {
    const char field[4] = {'A', 'B', '\0', '\0'};
    EXPECT_EQ(LCOUNT(field, 4), 4);
    EXPECT_EQ(LENCHAR(field, 4), 2);
    EXPECT_EQ(LENCHAR(field, 0), 0);
    const char fill[3] = {' ', '\0', ' '};
    EXPECT_EQ(LENCHAR(fill, 3), 0);
}

TEST(IndexDotTest, FindsTheLastDotOfTheSignificantPart) {
    EXPECT_EQ(INDEX_DOT(Text<30>("DEFAULT\\A.B.HG1")), 12);
    EXPECT_EQ(INDEX_DOT(Text<30>("NAME")), 0);
    EXPECT_EQ(INDEX_DOT(Text<30>("")), 0);
    const char with_nul[6] = {'A', '.', 'B', '\0', '.', '\0'};
    // LENCHAR's significant part ends at the last byte that is neither blank
    // nor NUL, which here is the dot after the first NUL.
    EXPECT_EQ(INDEX_DOT(with_nul, 6), 5);
}

TEST(CaseTest, ChangesOnlyAsciiLettersWithinTheCount) {
    Text<4> upper("aZ9\xE9");
    UCASE(upper, 4);
    EXPECT_EQ(upper.view(), std::string_view("AZ9\xE9", 4));
    Text<3> lower("Ab[");
    LCASE(lower, 3);
    EXPECT_EQ(lower.view(), "ab[");
    Text<3> untouched("abc");
    UCASE(untouched, 0);
    UCASE(untouched, -2);
    EXPECT_EQ(untouched.view(), "abc");
    Text<3> prefix("abc");
    UCASE(prefix, 2);
    EXPECT_EQ(prefix.view(), "ABc");
}

TEST(RblankcTest, PacksNonBlanksToTheLeftAndSetsTheCount) {
    char text[] = " A B  CZ";
    int n = 7;
    RBLANKC(text, n);
    EXPECT_EQ(std::string(text, 8), "ABC    Z");  // byte 8 lies beyond N and is kept
    EXPECT_EQ(n, 3);

    char blanks[] = "       ";
    n = 7;
    RBLANKC(blanks, n);
    EXPECT_EQ(std::string(blanks, 7), "       ");
    EXPECT_EQ(n, 0);

    char same[] = " A";
    n = 0;
    RBLANKC(same, n);
    EXPECT_EQ(std::string(same, 2), " A");
    EXPECT_EQ(n, 0);

    char nul[] = {' ', '\0', 'X'};
    n = 3;
    RBLANKC(nul, n);
    EXPECT_EQ(n, 2);  // NUL is not a blank
    EXPECT_EQ(std::string(nul, 3), std::string("\0X ", 3));
}

TEST(TextFieldTest, IsBlankPaddedCutAndComparedOverItsWidth) {
    Text<6> name("MODE");
    EXPECT_EQ(name.view(), "MODE  ");
    EXPECT_EQ(name.trimmed(), "MODE");
    EXPECT_TRUE(name == "MODE");
    EXPECT_TRUE(name == "MODE  ");
    EXPECT_FALSE(name == "MOD");
    Text<3> cut("ABCDEF");
    EXPECT_EQ(cut.view(), "ABC");
    EXPECT_EQ(Text<10>("ABCDEFGHIJ").sub(3, 5), "CDE");
    EXPECT_EQ(Text<10>("ABC").sub(9, 20), "  ");
    EXPECT_TRUE(Text<5>().blank());
}

}  // namespace
}  // namespace qor
