#include "app/setup_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/settings_files.h"
#include "platform/paths.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

using testing::read_file;
using testing::RecordingConsole;
using testing::TempDir;
using testing::write_file;

class SetupDialogTest : public ::testing::Test {
  protected:
    SetupDialogTest() {
        testing::make_minimal_package(dir.path());
        testing::use_package(*session, dir / "RUN", console);
    }
    std::string setup_ini() { return read_file(dir / "database/setup.ini"); }
    CallbackResult accept() { return SETUP_OK(session->paths, session->window, console); }
    CallbackResult defaults() { return SETUP_DEFAULT(session->paths, session->window, console); }

    TempDir dir;
    std::unique_ptr<Session> session = std::make_unique<Session>();
    RecordingConsole console;
};

TEST_F(SetupDialogTest, PreparationFindsTheCurrentSettingsInTheLists) {
    struct Row {
        const char* main;
        const char* input;
        const char* font;
        std::int32_t columns, rows;
        std::int32_t main_choice, input_choice, font_choice, columns_entry, rows_entry;
        const char* main_after;
    };
    const Row rows[] = {
        {"white", "white", "default", 77, 26, 1, 1, 1, 77, 26, "white "},
        {"WHITE", "GrEeN", "Courier Small", 40, 5, 1, 4, 3, 60, 10, "white "},
        {"purple", "x", "Arial", 160, 70, 6, 4, 1, 160, 70, "purple"},
        {"gray", "blue", "Courier", 60, 10, 2, 5, 4, 60, 10, "gray  "},
        {"YELLOW", "red", "courier new", 59, 9, 6, 3, 1, 60, 10, "yellow"},
    };
    for (const Row& row : rows) {
        WindowSettings settings;
        settings.MainColour = row.main;
        settings.InputColour = row.input;
        settings.ScrollFont = row.font;
        settings.ScrollColumns = row.columns;
        settings.ScrollRows = row.rows;
        setup_prepare(settings);
        EXPECT_EQ(settings.MainChoice, row.main_choice) << row.main;
        EXPECT_EQ(settings.InputChoice, row.input_choice) << row.input;
        EXPECT_EQ(settings.FontChoice, row.font_choice) << row.font;
        EXPECT_EQ(settings.ColumnsEntry, row.columns_entry);
        EXPECT_EQ(settings.RowsEntry, row.rows_entry);
        EXPECT_EQ(settings.MainColour.view(), row.main_after);
        // The scroll size itself is only changed by Accept.
        EXPECT_EQ(settings.ScrollColumns, row.columns);
    }
}

TEST_F(SetupDialogTest, AcceptStoresTheChoicesAndWritesSetupIni) {
    struct Row {
        std::int32_t main, input, font, columns, rows;
        const char* file;
    };
    const Row rows[] = {
        {6, 4, 3, 45, 70, "MAIN      yellow\nSUBWINDOW green \nSCROLL    060.70Courier Small \n"},
        {1, 2, 1, 160, 70, "MAIN      white \nSUBWINDOW gray  \nSCROLL    160.70default       \n"},
        {5, 3, 2, 0, 0, "MAIN      blue  \nSUBWINDOW red   \nSCROLL    060.10Courier New   \n"},
    };
    for (const Row& row : rows) {
        WindowSettings& settings = session->window;
        settings.MainChoice = row.main;
        settings.InputChoice = row.input;
        settings.FontChoice = row.font;
        settings.ColumnsEntry = row.columns;
        settings.RowsEntry = row.rows;
        const CallbackResult result = accept();
        EXPECT_EQ(result.keepOpen, 0);
        EXPECT_FALSE(result.message.has_value());
        EXPECT_EQ(setup_ini(), testing::written(row.file));
        EXPECT_EQ(setup_file_text(settings), testing::written(row.file));
    }
    EXPECT_EQ(session->window.ScrollColumns, 60);
    EXPECT_EQ(session->window.ScrollRows, 10);
    EXPECT_TRUE(console.events.empty());
}

TEST_F(SetupDialogTest, DefaultIgnoresTheDialogAndWritesYellowGreenAndTheDefaultScroll) {
    WindowSettings& settings = session->window;
    settings.MainChoice = 3;
    settings.FontChoice = 4;
    settings.ColumnsEntry = 100;
    const CallbackResult result = defaults();
    EXPECT_EQ(result.keepOpen, 0);
    EXPECT_FALSE(result.message.has_value());
    EXPECT_EQ(setup_ini(), testing::written("MAIN      yellow\nSUBWINDOW green \nSCROLL    "
                                            "077.26default       \n"));
    EXPECT_EQ(settings.MainColour.view(), "yellow");
    EXPECT_EQ(settings.ScrollColumns, 77);
}

TEST_F(SetupDialogTest, CancelChangesNothingAndWritesNoFile) {
    session->window.MainChoice = 2;
    session->window.ColumnsEntry = 100;
    EXPECT_EQ(SETUP_NO(), 0);
    EXPECT_EQ(session->window.MainColour.view(), "white ");
    EXPECT_EQ(session->window.ScrollColumns, 77);
    EXPECT_FALSE(std::filesystem::exists(dir / "database/setup.ini"));
}

TEST_F(SetupDialogTest, SavingMakesTheRunDirectoryCurrentAgain) {
    ASSERT_TRUE(change_directory(to_package_path(dir.path())));
    defaults();
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(dir / "RUN"));
}

TEST_F(SetupDialogTest, ASetupIniThatCannotBeWrittenIsReportedAndTheSettingsStayInMemory) {
    std::filesystem::remove_all(dir / "database");
    write_file(dir / "database", "a file where the directory should be\n");
    session->window.MainChoice = 5;
    session->window.InputChoice = 1;
    session->window.FontChoice = 1;
    session->window.ColumnsEntry = 80;
    session->window.RowsEntry = 30;
    const CallbackResult result = accept();
    EXPECT_EQ(result.keepOpen, 0);
    ASSERT_TRUE(result.message.has_value());
    const Message& failure = *result.message;
    EXPECT_EQ(failure.caption, "Could not SAVE setup file");
    EXPECT_EQ(failure.background, "red");
    EXPECT_EQ(failure.button, "OK");
    std::string path = to_package_path(dir.path()) + "\\database\\setup.ini";
    EXPECT_NE(failure.text().find("Could not write file=" + path), std::string::npos)
        << failure.text();
    EXPECT_EQ(session->window.MainColour.view(), "blue  ");
    EXPECT_EQ(session->window.ScrollColumns, 80);
    EXPECT_EQ(read_file(dir / "database"), "a file where the directory should be\n");
}

TEST_F(SetupDialogTest, ASizeTheScrollColumnsCannotHoldIsRefusedWithAMessageAndNotWritten) {
    write_file(dir / "database/setup.ini", "MAIN      gray  \n");
    struct Case {
        std::int32_t columns, rows;
        const char* reason;
    };
    const Case cases[] = {
        {1000, 26, "The scroll window width 1000 is not within 0 to 160."},
        {161, 26, "The scroll window width 161 is not within 0 to 160."},
        {77, 71, "The scroll window height 71 is not within 0 to 70."},
        {77, -1, "The scroll window height -1 is not within 0 to 70."},
    };
    for (const Case& c : cases) {
        session->window.ScrollColumns = c.columns;
        session->window.ScrollRows = c.rows;
        const std::optional<Message> refused = SETUP_SAVE(session->paths, session->window, console);
        ASSERT_TRUE(refused) << c.reason;
        EXPECT_EQ(refused->caption, "Could not SAVE setup file");
        EXPECT_NE(refused->text().find(c.reason), std::string::npos) << refused->text();
        EXPECT_EQ(setup_ini(), "MAIN      gray  \n");
    }
}

}  // namespace
}  // namespace qor
