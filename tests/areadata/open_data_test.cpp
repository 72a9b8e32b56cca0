#include "areadata/open_data.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

struct AcceptedCase {
    const char* chosen;
    const char* dataDir;
    const char* fileName;
};

class OpendataAcceptsTest : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(OpendataAcceptsTest, SetsTheDataRootTheFileNameAndTheNewFileFlag) {
    const AcceptedCase& row = GetParam();
    PathState paths;
    paths.ChosenFile = row.chosen;
    const CallbackResult result = OPENDATA(paths);
    EXPECT_EQ(result.keepOpen, 0);
    EXPECT_FALSE(result.message.has_value());
    EXPECT_EQ(paths.DataDir, row.dataDir);
    EXPECT_EQ(paths.FileName, row.fileName);
    EXPECT_EQ(paths.NewFileChosen, 1);
}

INSTANTIATE_TEST_SUITE_P(
    ChosenPaths, OpendataAcceptsTest,
    ::testing::Values(
        AcceptedCase{"C:\\X\\AREADATA\\DEFAULT\\RUN1.HG3", "AREADATA", "DEFAULT\\RUN1.HG3"},
        AcceptedCase{"c:\\x\\area_inv\\test\\run1.pg1", "AREA_INV", "TEST\\RUN1.PG1"},
        AcceptedCase{"C:\\X\\AREADATA\\DEFAULT\\RUN1.HGX", "AREADATA", "DEFAULT\\RUN1.HGX"},
        AcceptedCase{"C:\\X\\AREADATA\\DEFAULT\\RUN1.MG9", "AREADATA", "DEFAULT\\RUN1.MG9"},
        AcceptedCase{"C:\\X\\AREADATA\\DEFAULT\\RUN1.TG2", "AREADATA", "DEFAULT\\RUN1.TG2"},
        AcceptedCase{"C:\\AREADATA\\OLD\\AREA_INV\\NEW\\R.HG1", "AREA_INV", "NEW\\R.HG1"},
        AcceptedCase{"C:\\X\\AREADATA\\A\\B\\RUN1.HG3", "AREADATA", "B\\RUN1.HG3"},
        AcceptedCase{"\\TMP\\Q\\AREADATA\\SUB_ABCDEFGHIJ\\NAME_678901.HG1", "AREADATA",
                     "SUB_ABCDEFGHIJ\\NAME_678901.HG1"}));

struct RejectedCase {
    const char* chosen;
    const char* caption;
    const char* dataRootShown;  // for the sub-directory message
};

class OpendataRejectsTest : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(OpendataRejectsTest, ShowsWhyAndLeavesTheCurrentFileAlone) {
    const RejectedCase& row = GetParam();
    PathState paths;
    paths.FileName = "OLD\\RUN9.HG1";
    paths.DataDir = "AREADATA";
    paths.ChosenFile = row.chosen;
    const CallbackResult result = OPENDATA(paths);
    const std::optional<Message>& message = result.message;
    EXPECT_EQ(result.keepOpen, 1);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->caption, row.caption);
    EXPECT_EQ(paths.FileName, "OLD\\RUN9.HG1");
    EXPECT_EQ(paths.DataDir, "AREADATA");
    EXPECT_EQ(paths.NewFileChosen, 0);
    if (*row.dataRootShown != '\0') {
        EXPECT_EQ(
            message->lines.at(1).runs.at(0).text,
            std::string("that is located under the ..\\") + row.dataRootShown + "\\ directory.");
    }
}

constexpr const char* suffix_caption = "ERROR: File name suffix not valid";
constexpr const char* subdir_caption = "OPEN file not in proper sub-directory";

INSTANTIATE_TEST_SUITE_P(
    ChosenPaths, OpendataRejectsTest,
    ::testing::Values(RejectedCase{"C:\\X\\AREADATA\\RUN1.HG3", subdir_caption, "AREADATA"},
                      RejectedCase{"C:\\X\\DATA\\DEFAULT\\RUN1.HG3", subdir_caption, "AREADATA"},
                      RejectedCase{"C:\\X\\AREA_INV\\RUN1.PG3", subdir_caption, "AREA_INV"},
                      RejectedCase{"C:\\X\\AREADATA\\DEFAULT\\RUN1.HG10", suffix_caption, ""},
                      RejectedCase{"C:\\X\\AREADATA\\DEFAULT\\RUN1.XG1", suffix_caption, ""},
                      RejectedCase{"C:\\X\\AREADATA\\DEFAULT\\RUN1.TXT", suffix_caption, ""},
                      RejectedCase{"G1", suffix_caption, ""}, RejectedCase{"", suffix_caption, ""},
                      RejectedCase{"C:\\X\\AREADATA\\SUB_ABCDEFGHIJ\\NAME_6789012.HG1",
                                   "OPEN file name too long", ""}));

TEST(OpendataTest, UpperCasesTheChosenPathInPlaceEvenWhenRejected) {
    PathState paths;
    paths.ChosenFile = "c:\\x\\areadata\\run1.txt";
    OPENDATA(paths);
    EXPECT_EQ(paths.ChosenFile, "C:\\X\\AREADATA\\RUN1.TXT");
}

TEST(OpendataTest, SuffixMessageCarriesTheUpperCasedPathAboveACancelButton) {
    PathState paths;
    paths.ChosenFile = "c:\\x\\run1.abc";
    const CallbackResult result = OPENDATA(paths);
    const std::optional<Message>& message = result.message;
    ASSERT_EQ(result.keepOpen, 1);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->background, "red");
    EXPECT_FALSE(message->exclamation);
    EXPECT_EQ(message->button, "Cancel");
    EXPECT_EQ(message->text(),
              "Filename MUST end with   .MG?   .HG?   .TG?  or .PG?\n"
              "File specified=\n\nC:\\X\\RUN1.ABC\n");
}

TEST(OpendataTest, SubdirectoryMessageShowsTheHelpHintAndThePathInRed) {
    PathState paths;
    paths.ChosenFile = "C:\\X\\AREA_INV\\RUN1.HG3";
    const CallbackResult result = OPENDATA(paths);
    const std::optional<Message>& message = result.message;
    ASSERT_EQ(result.keepOpen, 1);
    ASSERT_TRUE(message.has_value());
    EXPECT_TRUE(message->exclamation);
    EXPECT_EQ(message->background, "");
    EXPECT_EQ(message->button, "OK");
    EXPECT_EQ(message->buttonColour, "black");
    EXPECT_EQ(message->text(),
              "Area Coverage data must exist in a sub-directory\n"
              "that is located under the ..\\AREA_INV\\ directory.\n"
              "For example, the ..\\AREA_INV\\DEFAULT directory.\n"
              "See HELP/CONTENTS/FILE/OPEN for more information.\n\n\n"
              "Your file specified was:C:\\X\\AREA_INV\\RUN1.HG3\n");
    const MessageLine& hint = message->lines.at(3);
    ASSERT_EQ(hint.runs.size(), 3u);
    EXPECT_EQ(hint.runs[1].colour, "red");
    const MessageLine& file = message->lines.at(6);
    EXPECT_TRUE(file.centred);
    ASSERT_EQ(file.runs.size(), 2u);
    EXPECT_EQ(file.runs[1].colour, "red");
}

TEST(ChooseFileTest, TurnsANativePosixPathIntoThePackageFormBeforeTheChecks) {
    PathState paths;
    choose_file(paths, "/home/u/qor/areadata/sample_001/run1.hg3");
    EXPECT_EQ(paths.ChosenFile, "\\home\\u\\qor\\areadata\\sample_001\\run1.hg3");
    EXPECT_EQ(OPENDATA(paths).keepOpen, 0);
    EXPECT_EQ(paths.FileName, "SAMPLE_001\\RUN1.HG3");
    EXPECT_EQ(paths.DataDir, "AREADATA");
}

}  // namespace
}  // namespace qor
