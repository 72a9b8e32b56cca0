#include "app/settings_files.h"

#include <gtest/gtest.h>

#include <memory>

#include "base/fixed_record.h"
#include "plotsettings/contour_colours.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

using testing::lines;
using testing::ProgramStopped;
using testing::RecordingConsole;
using testing::TempDir;
using testing::write_file;

class SettingsFilesTest : public ::testing::Test {
  protected:
    SettingsFilesTest() { testing::use_package(*session, dir / "RUN", console); }
    TempDir dir;
    std::unique_ptr<Session> session = std::make_unique<Session>();
    RecordingConsole console;
};

TEST_F(SettingsFilesTest, ColorsWinFillsTheThreeListsInFileOrder) {
    write_file(dir / "database/colors.win",
               lines({"heading", " 3, 1 2", "Ignore Ignore", "0=Blck Black     x", "1=Red  Red",
                      "0=BLCK Black (upper case)   x", "0=BLCK Black with shading",
                      "4=Shad Shading", "not read"}));
    WINCOLR(session->paths, session->colors, *session->console);
    const ColorTables& t = session->colors;
    EXPECT_TRUE(console.events.empty());
    ASSERT_EQ(t.WindowColourCount, 3);
    EXPECT_EQ(t.WindowColourCodes[1].view(), "0=Blck");
    EXPECT_EQ(t.WindowColourNames[1].view(), "Black     ");  // columns 8-17 only
    EXPECT_EQ(t.WindowColourNames[2].view(), "Red       ");
    ASSERT_EQ(t.CityListCount, 1);
    EXPECT_EQ(t.CityListNames[0].view(), "Black (upper case)  ");
    ASSERT_EQ(t.ContourListCount, 2);
    EXPECT_EQ(t.ContourListCodes[1].view(), "4=Shad");
    EXPECT_EQ(t.ContourListNames[1].view(), "Shading             ");
}

struct BadColorsWin {
    const char* content;
    const char* second_line;
};

TEST_F(SettingsFilesTest, ColorsWinThatCannotBeReadStopsNamingTheLine) {
    const BadColorsWin cases[] = {
        {"heading\n21 1 1\n", " line 2: the window colour list holds at most 20 entries, not 21"},
        {"heading\n1 8 1\n", " line 2: the city list holds at most 7 entries, not 8"},
        {"heading\n1 1 9\n", " line 2: the contour list holds at most 8 entries, not 9"},
        {"heading\nthree 1 1\n",
         " line 2: three counts expected: window colours, cities, contours"},
        {"heading\n2 0 0\nIgnore Ignore\n",
         " line 4: the file ends before entry 2 of the window colour list"},
        {"", " line 1: the file is empty"},
    };
    for (const BadColorsWin& c : cases) {
        console.events.clear();
        write_file(dir / "database/colors.win", c.content);
        EXPECT_THROW(WINCOLR(session->paths, session->colors, *session->console), ProgramStopped);
        ASSERT_EQ(console.events.size(), 3u) << c.content;
        EXPECT_EQ(
            console.events[0],
            " Could not READ file=" + package_file(session->paths, "database\\colors.win") + ";");
        EXPECT_EQ(console.events[1], c.second_line);
        EXPECT_EQ(console.events[2], "STOP Bad file ..\\database\\colors.win in WINcolr");
    }
}

TEST_F(SettingsFilesTest, ColorsDatKeepsAtMostTwentyEntries) {
    write_file(dir / "database/colors.dat", "heading only\n");
    DOSCOLR(session->paths, session->colors, *session->console);
    EXPECT_EQ(session->colors.DosColourCount, 0);

    std::string content = "first name, code, second name\n";
    for (int i = 0; i < 25; ++i) {
        content += RecordWriter()
                       .text("col" + std::to_string(i), 6)
                       .integer(i, 5)
                       .blanks(2)
                       .text("n" + std::to_string(i), 6)
                       .str() +
                   "\n";
    }
    write_file(dir / "database/colors.dat", content);
    DOSCOLR(session->paths, session->colors, *session->console);
    const ColorTables& t = session->colors;
    ASSERT_EQ(t.DosColourCount, 20);
    EXPECT_EQ(t.DosFirstNames[19].view(), "col19 ");
    EXPECT_EQ(t.DosCodes[19], 19);
    EXPECT_EQ(t.DosSecondNames[19].view(), "n19   ");
}

TEST_F(SettingsFilesTest, ColorsDatEndsItsListBeforeALineThatCannotBeRead) {
    write_file(dir / "database/colors.dat",
               lines({"h", "black     0  0=Blck", "red     one  1=Red "}));
    DOSCOLR(session->paths, session->colors, *session->console);
    EXPECT_EQ(session->colors.DosColourCount, 1);
    ASSERT_EQ(console.events.size(), 3u);
    EXPECT_EQ(console.events[1], " line 3: the colour number in columns 7-11 is not a number");
    EXPECT_EQ(console.events[2], "PAUSE  ");
}

TEST_F(SettingsFilesTest, MissingColorsDatAndSetupIniGiveDefaults) {
    session->colors.DosColourCount = 5;
    session->window.MainColour = "black";
    DOSCOLR(session->paths, session->colors, *session->console);
    R_SETUP(session->paths, session->window);
    EXPECT_EQ(session->colors.DosColourCount, 0);
    EXPECT_EQ(session->window.MainColour.view(), "white ");
    EXPECT_EQ(session->window.InputColour.view(), "white ");
    EXPECT_EQ(session->window.ScrollFont.view(), padded("default", 14));
    EXPECT_EQ(session->window.ScrollColumns, 77);
    EXPECT_EQ(session->window.ScrollRows, 26);
    EXPECT_TRUE(console.events.empty());
}

TEST_F(SettingsFilesTest, SetupIniAppliesKnownKeysExactlyAndTheLastLineWins) {
    write_file(dir / "database/setup.ini",
               lines({"main      black", "MAIN      black", "SUBWINDOW yellowgreen",
                      "MAIN      gray", "SCROLL    100.40Courier New", "OTHER     x"}));
    R_SETUP(session->paths, session->window);
    const WindowSettings& w = session->window;
    EXPECT_EQ(w.MainColour.view(), "gray  ");
    EXPECT_EQ(w.InputColour.view(), "yellow");
    EXPECT_EQ(w.ScrollColumns, 100);
    EXPECT_EQ(w.ScrollRows, 40);
    EXPECT_EQ(w.ScrollFont.view(), padded("Courier New", 14));
}

TEST_F(SettingsFilesTest, AnUnreadableScrollLineChangesNoneOfItsFields) {
    write_file(dir / "database/setup.ini",
               "SCROLL    1x0.40Courier New\r\nSCROLL    080.ABfixed\r\n");
    R_SETUP(session->paths, session->window);
    EXPECT_EQ(session->window.ScrollColumns, 77);
    EXPECT_EQ(session->window.ScrollRows, 26);
    EXPECT_EQ(session->window.ScrollFont.view(), padded("default", 14));
}

TEST_F(SettingsFilesTest, SetupFileTextReadsBackAsWritten) {
    WindowSettings defaults;
    EXPECT_EQ(
        setup_file_text(defaults),
        testing::written("MAIN      white \nSUBWINDOW white \nSCROLL    077.26default       \n"));
    write_file(dir / "database/setup.ini", setup_file_text(defaults));
    session->window.ScrollColumns = 1;
    R_SETUP(session->paths, session->window);
    EXPECT_EQ(setup_file_text(session->window), setup_file_text(defaults));
}

TEST_F(SettingsFilesTest, ScrollSizesBeyondTheDialogsLimitsAreBroughtWithinThemOnReading) {
    struct Case {
        const char* line;
        std::int32_t columns, rows;
    };
    const Case cases[] = {
        {"SCROLL    999.99default", 160, 70}, {"SCROLL    -99.-9default", 0, 0},
        {"SCROLL    161.71default", 160, 70}, {"SCROLL    160.70default", 160, 70},
        {"SCROLL    000.00default", 0, 0},    {"SCROLL     40. 5default", 40, 5},
    };
    for (const Case& c : cases) {
        write_file(dir / "database/setup.ini", std::string(c.line) + "\n");
        R_SETUP(session->paths, session->window);
        EXPECT_EQ(session->window.ScrollColumns, c.columns) << c.line;
        EXPECT_EQ(session->window.ScrollRows, c.rows) << c.line;
        // Whatever was read is written in its columns and reads back the same.
        const std::string saved = setup_file_text(session->window);
        EXPECT_EQ(saved.find('*'), std::string::npos) << saved;
        write_file(dir / "database/setup.ini", saved);
        R_SETUP(session->paths, session->window);
        EXPECT_EQ(session->window.ScrollColumns, c.columns) << saved;
        EXPECT_EQ(session->window.ScrollRows, c.rows) << saved;
    }
}

TEST_F(SettingsFilesTest, ColourNamesEndingInACarriageReturnSurviveASaveAndARead) {
    // "red\r" as a name: the line ends in CR CR LF, the reader takes one CR
    // as part of the line end.
    write_file(dir / "database/setup.ini",
               "MAIN      green\r\r\nSUBWINDOW blue \r\r\nSCROLL    080.30Courier      \r\r\n");
    R_SETUP(session->paths, session->window);
    const WindowSettings first = session->window;
    EXPECT_EQ(first.MainColour.view(), "green\r");
    EXPECT_EQ(first.ScrollFont.view(), "Courier      \r");
    for (int round = 0; round < 3; ++round) {
        write_file(dir / "database/setup.ini", setup_file_text(session->window));
        R_SETUP(session->paths, session->window);
        EXPECT_EQ(session->window.MainColour, first.MainColour) << round;
        EXPECT_EQ(session->window.InputColour, first.InputColour) << round;
        EXPECT_EQ(session->window.ScrollFont, first.ScrollFont) << round;
    }
}

TEST_F(SettingsFilesTest, ColorsConGivesSevenColoursOrTheBuiltInOnes) {
    const std::array<std::int32_t, 7> built_in{10, 9, 14, 13, 3, 7, 15};
    COLORDEF(session->paths, session->contours);
    EXPECT_EQ(session->contours.defaultColors, built_in);

    write_file(dir / "database/colors.con", "1 2 3\n4,5\n6 7 8 9\n");
    COLORDEF(session->paths, session->contours);
    EXPECT_EQ(session->contours.defaultColors, (std::array<std::int32_t, 7>{1, 2, 3, 4, 5, 6, 7}));

    write_file(dir / "database/colors.con", "1 2 3\n");  // too short: none of them is taken
    COLORDEF(session->paths, session->contours);
    EXPECT_EQ(session->contours.defaultColors, built_in);

    write_file(dir / "database/colors.con", "1 2 3 red 5 6 7\n");
    COLORDEF(session->paths, session->contours);
    EXPECT_EQ(session->contours.defaultColors, built_in);

    // Only the sixteen colours: another number would not even fit the
    // requirement file's colour field.
    for (const char* content : {"1 2 3 4 5 6 16\n", "-1 2 3 4 5 6 7\n", "1 2 3 4 5 6 99999\n"}) {
        write_file(dir / "database/colors.con", content);
        COLORDEF(session->paths, session->contours);
        EXPECT_EQ(session->contours.defaultColors, built_in) << content;
    }
    write_file(dir / "database/colors.con", "0 15 0 15 0 15 0\n");
    COLORDEF(session->paths, session->contours);
    EXPECT_EQ(session->contours.defaultColors,
              (std::array<std::int32_t, 7>{0, 15, 0, 15, 0, 15, 0}));
}

}  // namespace
}  // namespace qor
