#include "app/main_window.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace qor {
namespace {

using testing::TempDir;

const Text<6> haldor("HALDOR");
const Text<8> areadata("AREADATA");
const Text<20> sample_sub("SAMPLE_001");

struct FileLoadedCase {
    const char* fileName;
    bool loaded;
};

TEST(MainWindowFrameTest, CountsAFileAsLoadedOnlyWhenANameFollowsTheFirstBackslash) {
    const FileLoadedCase rows[] = {
        {"DEFAULT\\RUN1.HG3", true}, {"DEFAULT\\", false},
        {"RUN1.HG3", false},         {"", false},
        {"\\RUN1.HG3", true},        {"A\\ B.HG1", false},
        {"A\\B\\C.HG1", true},       {"ABCDEFGHIJKLMNOPQRSTUVWXYZABC\\", false},
    };
    for (const FileLoadedCase& row : rows) {
        PathState paths;
        paths.FileName = row.fileName;
        EXPECT_EQ(file_loaded(paths), row.loaded) << row.fileName;
    }
}

TEST(MainWindowFrameTest, WithoutAFileShowsTheInputCaptionAndGreysThePlotMenu) {
    Session session;
    session.paths.RunDir = "C:\\QOR\\RUN";
    session.paths.DataDir = "AREADATA";
    session.paths.Model = "TABLIN";
    session.paths.NewFileChosen = 1;
    MainWindowFrame frame = main_window_frame(session, haldor, areadata, sample_sub, {640, 0});
    EXPECT_EQ(frame.caption, "QOR_PLOT - HALDOR Plot Area Coverage data input - SAMPLE_001");
    EXPECT_EQ(session.paths.NewFileChosen, 0);
    EXPECT_FALSE(frame.fileLoaded);
    EXPECT_EQ(frame.plotMenuState, 0);
    // No window style without a file: the default frame stays.
    EXPECT_FALSE(frame.noBorder);
    EXPECT_FALSE(frame.maximise);
    EXPECT_EQ(frame.createCatalogItem, "Create catalog of *.TAB files");
    EXPECT_EQ(frame.helpFile, "C:\\QOR\\help_win\\qorplot.hlp");
    EXPECT_EQ(frame.startFolder, "C:\\QOR\\AREADATA\\SAMPLE_001");
    EXPECT_EQ(frame.startPattern, "*.HG?");
    ASSERT_EQ(frame.filters.size(), 5u);
    const char* labels[] = {"MIRVEN files", "HALDOR files", "TABLIN files", "PARVIS files", "All"};
    const char* patterns[] = {"*.MG?", "*.HG?", "*.TG?", "*.PG?", "*.MG? *.HG? *.TG?"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(frame.filters[i].label, labels[i]);
        EXPECT_EQ(frame.filters[i].patterns, patterns[i]);
    }
}

TEST(MainWindowFrameTest, CaptionOfALoadedFileNamesItsDataRoot) {
    struct Row {
        const char* dataDir;
        const char* caption;
    };
    const Row rows[] = {
        {"AREADATA", " Plot results for:..\\AREADATA\\DEFAULT\\RUN1.HG3"},
        {"AREA_INV", " INVERSE Plot results for:..\\AREA_INV\\DEFAULT\\RUN1.HG3"},
    };
    for (const Row& row : rows) {
        Session session;
        session.paths.RunDir = "C:\\QOR\\RUN";
        session.paths.DataDir = row.dataDir;
        session.paths.FileName = "DEFAULT\\RUN1.HG3";
        MainWindowFrame frame = main_window_frame(session, haldor, areadata, sample_sub, {1024, 0});
        EXPECT_EQ(frame.caption, row.caption);
        EXPECT_EQ(frame.plotMenuState, 1);
    }
}

TEST(MainWindowFrameTest, AppliesTheScreenWidthRulesToALoadedFile) {
    struct Row {
        int width;
        int largeText;
        bool maximise;
        double scale;
        int contourWidth;
    };
    const Row rows[] = {
        {640, 0, true, 0.9, 70},   {640, 1, true, 0.9, 70},   {641, 0, false, 0.9, 70},
        {800, 0, false, 0.9, 80},  {800, 1, false, 0.85, 70}, {801, 1, false, 1.0, 80},
        {1024, 0, false, 1.0, 80}, {1024, 1, false, 1.0, 80},
    };
    for (const Row& row : rows) {
        Session session;
        session.paths.FileName = "DEFAULT\\RUN1.HG3";
        MainWindowFrame frame =
            main_window_frame(session, haldor, areadata, sample_sub, {row.width, row.largeText});
        SCOPED_TRACE(row.width);
        SCOPED_TRACE(row.largeText);
        EXPECT_TRUE(frame.noBorder);
        EXPECT_EQ(frame.maximise, row.maximise);
        EXPECT_DOUBLE_EQ(frame.textScale, row.scale);
        EXPECT_EQ(frame.contourWidth, row.contourWidth);
    }
}

TEST(MainWindowFrameTest, OffersDosScreenOnlyWhenTheDosProgramAndItsFontAreInstalled) {
    struct Row {
        bool program;
        bool font;
        bool offered;
    };
    const Row rows[] = {{true, true, true}, {true, false, false}, {false, true, false}};
    for (const Row& row : rows) {
        TempDir dir;
        testing::RecordingConsole console;
        Session session;
        testing::use_package(session, testing::make_minimal_package(dir.path()), console);
        if (row.program) testing::write_file(dir / "bin/terradox.exe", "");
        if (row.font) testing::write_file(dir / "fonts/VGAFIX.FON", "");
        MainWindowFrame frame = main_window_frame(session, haldor, areadata, sample_sub, {});
        EXPECT_EQ(frame.dosScreenOffered, row.offered) << row.program << row.font;
    }
}

TEST(BackgroundTest, UpperCasesAColourOfTwoOrMoreCharactersInTheRecord) {
    struct Row {
        const char* colour;
        const char* added;
        const char* kept;
    };
    const Row rows[] = {
        {"yellow", "YELLOW", "YELLOW"}, {"x", "", "x"},     {"", "", ""},
        {"Red", "RED", "RED"},          {"gr", "GR", "GR"},
    };
    for (const Row& row : rows) {
        WindowSettings settings;
        settings.MainColour = row.colour;
        settings.InputColour = row.colour;
        EXPECT_EQ(BACKMAIN(settings), row.added);
        EXPECT_EQ(settings.MainColour, row.kept);
        EXPECT_EQ(BACKGRND(settings), row.added);
        EXPECT_EQ(settings.InputColour, row.kept);
    }
}

Session& summary_session(Session& session) {
    INITVAR(session.projections);
    session.paths.FileName = "SAMPLE_001\\RUN1.HG3";
    session.grid.modelVersion = "HALDOR  Version 2.1   ";
    session.grid.columns = 37;
    session.grid.rows = 9;
    return session;
}

TEST(FileSummaryTest, ShowsNameModelAndGridWithTheProjectionAsType) {
    Session session;
    summary_session(session);
    session.requirement.gridSize = 22;
    std::vector<SummaryLine> summary = file_summary(session);
    ASSERT_EQ(summary.size(), 3u);
    EXPECT_EQ(summary[0].label, "  File name :");
    EXPECT_EQ(summary[0].value, "SAMPLE_001\\RUN1.HG3");
    EXPECT_EQ(summary[1].label, "  Model/Ver :");
    EXPECT_EQ(summary[1].value, "HALDOR  Version 2.1");
    EXPECT_EQ(summary[2].label, "  Grid size :");
    EXPECT_EQ(summary[2].value, "37x 9");
    ASSERT_TRUE(summary[2].type.has_value());
    EXPECT_EQ(*summary[2].type, "22=NW Hemisphere    ");
}

}  // namespace
}  // namespace qor
