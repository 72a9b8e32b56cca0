#include "app/about_box.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/test_support.h"

namespace qor {
namespace {

using testing::lines;
using testing::RecordingConsole;
using testing::TempDir;
using testing::write_file;

class AboutBoxTest : public ::testing::Test {
  protected:
    AboutBoxTest() { testing::use_package(*session, dir / "RUN", console); }

    // The pieces between the program line and the credit line.
    std::vector<std::string> contact_block() {
        AboutBox box = about_box(session->paths);
        auto program = std::find(box.pieces.begin(), box.pieces.end(),
                                 "%nl%cnQOR Area Planning PLOT for Windows");
        auto credit = std::find(box.pieces.begin(), box.pieces.end(), credit_line());
        if (program == box.pieces.end() || credit == box.pieces.end() || credit < program) {
            return {"(program or credit line missing)"};
        }
        return {program + 1, credit};
    }

    TempDir dir;
    std::unique_ptr<Session> session = std::make_unique<Session>();
    RecordingConsole console;
};

TEST_F(AboutBoxTest, AMissingContactFileShowsTheRedNoticeThenTheCreditLineInBlack) {
    const std::vector<std::string> expected{"%nl%cn%tc[RED]********************************",
                                            "%nl%cnNo contact.txt file, notify Ardo",
                                            "%nl%cn********************************%tc[BLACK]"};
    EXPECT_EQ(contact_block(), expected);
}

TEST_F(AboutBoxTest, ContactLinesAreShownUnlessCommentsOrAtMostOneCharacter) {
    write_file(
        dir / "database/contact.txt",
        lines({"# site contacts, edit freely", "", "   ", "x", "x  ", std::string("x\0\0", 3),
               "%nl", "ab", "%nl%cn%tc[blue]Help desk:%tc[black] +49 30 1234   ",
               std::string("Name\0 \0", 7), " #not a comment"}) +
            "last line without end\r\n");
    const std::vector<std::string> expected{"%nl",
                                            "ab",
                                            "%nl%cn%tc[blue]Help desk:%tc[black] +49 30 1234",
                                            "Name",
                                            " #not a comment",
                                            "last line without end"};
    EXPECT_EQ(contact_block(), expected);
}

TEST_F(AboutBoxTest, AContactFileOfOnlyCommentsAndBlankLinesAddsNothing) {
    write_file(dir / "database/contact.txt", lines({"# one", "", "#", "     ", "#two"}));
    EXPECT_TRUE(contact_block().empty());
    write_file(dir / "database/contact.txt", "");
    EXPECT_TRUE(contact_block().empty());
}

TEST_F(AboutBoxTest, LongContactLinesAreCutTo120CharactersAndLongFilesTo200Lines) {
    std::string long_line = std::string(119, 'a') + "bc" + std::string(5000, 'd');
    std::string content = long_line + "\n";
    for (int i = 0; i < 300; ++i) content += "line " + std::to_string(i) + "\n";
    write_file(dir / "database/contact.txt", content);
    std::vector<std::string> block = contact_block();
    ASSERT_EQ(block.size(), contact_line_limit);
    EXPECT_EQ(block[0], std::string(119, 'a') + "b");
    EXPECT_EQ(block[1], "line 0");
    EXPECT_EQ(block.back(), "line 198");
}

TEST_F(AboutBoxTest, TheDisclaimerIsTwoParagraphsOfFourLinesOfEightyCharacters) {
    const std::array<std::string, 8>& text = disclaimer_lines();
    for (const std::string& line : text) {
        EXPECT_EQ(line.size(), 80u) << line;
        EXPECT_NE(line[0], ' ') << line;
    }
    std::vector<std::string> pieces;
    DISCLAIM(pieces);
    ASSERT_EQ(pieces.size(), 10u);
    EXPECT_EQ(pieces[0], "%nl%nl%tc[RED]%bfDisclaimer:%`bf%tc[BLACK]");
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(pieces[1 + i], "%nl" + text[i]);
    EXPECT_EQ(pieces[5], "%nl");
    for (std::size_t i = 4; i < 8; ++i) EXPECT_EQ(pieces[2 + i], "%nl" + text[i]);
}

TEST_F(AboutBoxTest, TheBoxNamesTheProgramThenContactsCreditAndDisclaimerInOrder) {
    write_file(dir / "database/contact.txt", "%nl%cnSite contact\n");
    AboutBox box = about_box(session->paths);
    EXPECT_EQ(box.caption, "About QOR_PLOT");
    EXPECT_EQ(box.button, "OK");
    ASSERT_EQ(box.pieces.size(), 13u);
    EXPECT_EQ(box.pieces[0], "%nl%cnQOR Area Planning PLOT for Windows");
    EXPECT_EQ(box.pieces[1], "%nl%cnSite contact");
    EXPECT_EQ(box.pieces[2], credit_line());
    EXPECT_TRUE(credit_line().starts_with("%nl%cn"));
    EXPECT_EQ(box.pieces[3], "%nl%nl%tc[RED]%bfDisclaimer:%`bf%tc[BLACK]");
}

}  // namespace
}  // namespace qor
