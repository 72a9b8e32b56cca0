#include "plotout/printer_setup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "platform/paths.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

using testing::read_file;
using testing::RecordingConsole;
using testing::TempDir;
using testing::write_file;

class PrinterSetup : public ::testing::Test {
  protected:
    void SetUp() override {
        run = testing::make_minimal_package(dir.path());
        testing::use_package(session, run, console);
    }
    std::string ini() const { return run + "/print_a.ini"; }
    PrinterSetupCopy begin() {
        return printer_setup_begin(session.paths, session.window, session.printer);
    }

    TempDir dir;
    std::string run;
    RecordingConsole console;
    Session session;
};

TEST_F(PrinterSetup, AcceptAppliesTheScaleRulesAndWritesTheLine) {
    struct Case {
        double scale, x, y;
        float storedScale, storedX, storedY;
        std::string line;
    };
    const Case cases[] = {
        {0.0, 1.0, 1.0, 1.0f, 0.0f, 0.0f, "    2    1.0000    0.0000    0.0000"},
        {-0.25, 1.0, 1.0, 1.0f, 0.0f, 0.0f, "    2    1.0000    0.0000    0.0000"},
        {0.5, 1.25, -2.0, 0.5f, 1.25f, -2.0f, "    2    0.5000    1.2500   -2.0000"},
        {0.995, 3.0, 3.0, 0.995f, 0.0f, 0.0f, "    2    0.9950    0.0000    0.0000"},
        {0.99, 3.0, -3.0, 0.99f, 3.0f, -3.0f, "    2    0.9900    3.0000   -3.0000"},
        {0.991, 3.0, -3.0, 0.991f, 0.0f, 0.0f, "    2    0.9910    0.0000    0.0000"},
        {static_cast<double>(0.99f), 3.0, 3.0, 0.99f, 0.0f, 0.0f,
         "    2    0.9900    0.0000    0.0000"},
        {1.0, -10.0, 10.0, 1.0f, 0.0f, 0.0f, "    2    1.0000    0.0000    0.0000"},
        {0.1, -10.0, 10.0, 0.1f, -10.0f, 10.0f, "    2    0.1000  -10.0000   10.0000"},
    };
    for (const Case& c : cases) {
        PrinterSetupCopy copy{2, c.scale, c.x, c.y};
        const CallbackResult result = PRINTER_SETUP_OK(session.paths, session.printer, copy);
        EXPECT_EQ(result.keepOpen, 0);
        EXPECT_FALSE(result.message);
        EXPECT_EQ(session.printer.border, 2);
        EXPECT_EQ(session.printer.scale, c.storedScale) << c.scale;
        EXPECT_EQ(session.printer.xOffset, c.storedX) << c.scale;
        EXPECT_EQ(session.printer.yOffset, c.storedY) << c.scale;
        EXPECT_EQ(read_file(ini()), testing::written(c.line + "\n")) << c.scale;
    }
}

TEST_F(PrinterSetup, CancelLeavesTheRecordAndTheFileAsTheyWere) {
    const std::string line = "    2    0.5000    1.0000    2.0000\n";
    write_file(ini(), line);
    PrinterSetupCopy copy = begin();
    copy = {1, 0.25, -4.0, 4.0};
    EXPECT_EQ(PRINTER_SETUP_NO(), 0);
    EXPECT_EQ(session.printer.border, 2);
    EXPECT_EQ(session.printer.scale, 0.5f);
    EXPECT_EQ(session.printer.xOffset, 1.0f);
    EXPECT_EQ(session.printer.yOffset, 2.0f);
    EXPECT_EQ(read_file(ini()), line);
}

TEST_F(PrinterSetup, DefaultSavesTheDefaultsWhateverTheDialogShows) {
    write_file(ini(), "    2    0.5000    1.0000    2.0000\n");
    PrinterSetupCopy copy = begin();
    copy = {2, 0.3, 5.0, 5.0};
    const CallbackResult result = PRINTER_SETUP_DEFAULT(session.paths, session.printer);
    EXPECT_EQ(result.keepOpen, 0);
    EXPECT_FALSE(result.message);
    EXPECT_EQ(session.printer.border, 1);
    EXPECT_EQ(session.printer.scale, 1.0f);
    EXPECT_EQ(session.printer.xOffset, 0.0f);
    EXPECT_EQ(session.printer.yOffset, 0.0f);
    EXPECT_EQ(read_file(ini()), testing::written("    1    1.0000    0.0000    0.0000\n"));
}

TEST_F(PrinterSetup, ReadTakesTheFourColumnsOfTheLine) {
    write_file(ini(), "    2   0.62500  -1.25000     3.5\r\nsecond line ignored\n");
    PRINTER_SETUP_READ(session.paths, session.printer);
    EXPECT_EQ(session.printer.border, 2);
    EXPECT_EQ(session.printer.scale, 0.625f);
    EXPECT_EQ(session.printer.xOffset, -1.25f);
    EXPECT_EQ(session.printer.yOffset, 3.5f);
}

TEST_F(PrinterSetup, ReadGivesTheDefaultsForAMissingOrUnreadableFile) {
    const std::string cases[] = {
        "",
        "\n",
        "          \r\n",
        "    x    0.5000    1.0000    2.0000\n",
        "    2    0.5000    one       2.0000\n",
        "    2    0.5000    1.0000    2.00z0\n",
        std::string("\x01\xff\x00garbage", 10),
        std::string(100000, 'x'),
    };
    for (const std::string& content : cases) {
        write_file(ini(), content);
        session.printer = {2, 0.5f, 1.0f, 2.0f};
        PRINTER_SETUP_READ(session.paths, session.printer);
        EXPECT_EQ(session.printer.border, 1) << content.substr(0, 40);
        EXPECT_EQ(session.printer.scale, 1.0f) << content.substr(0, 40);
        EXPECT_EQ(session.printer.xOffset, 0.0f) << content.substr(0, 40);
        EXPECT_EQ(session.printer.yOffset, 0.0f) << content.substr(0, 40);
    }
    std::filesystem::remove(ini());
    session.printer = {2, 0.5f, 1.0f, 2.0f};
    PRINTER_SETUP_READ(session.paths, session.printer);
    EXPECT_EQ(session.printer.border, 1);
    EXPECT_EQ(session.printer.scale, 1.0f);
    EXPECT_FALSE(std::filesystem::exists(ini()));
}

TEST_F(PrinterSetup, ReadBringsValuesBeyondTheDialogsLimitsWithinThemSoTheNextSaveKeepsThem) {
    struct Case {
        const char* line;
        PrinterPlacement read;
    };
    const Case cases[] = {
        {"    1    0.5000**********    0.0000", {1, 1.0f, 0.0f, 0.0f}},  // asterisks: unreadable
        {"    1    0.50001000000.0    0.0000", {1, 0.5f, 10.0f, 0.0f}},
        {"    2    5.0000  -12.5000   10.0001", {2, 1.0f, -10.0f, 10.0f}},
        {"    2   -0.5000    1.0000    2.0000", {2, 0.0f, 1.0f, 2.0f}},
        {"    2    1.0E39    1.0E39   -1.0E39", {2, 1.0f, 10.0f, -10.0f}},  // beyond a float
        {"    0    0.5000    1.0000    2.0000", {1, 0.5f, 1.0f, 2.0f}},
        {"   -7    0.5000    1.0000    2.0000", {1, 0.5f, 1.0f, 2.0f}},
        {"99999    0.5000    1.0000    2.0000", {1, 0.5f, 1.0f, 2.0f}},
    };
    for (const Case& c : cases) {
        write_file(ini(), std::string(c.line) + "\n");
        PRINTER_SETUP_READ(session.paths, session.printer);
        EXPECT_EQ(session.printer.border, c.read.border) << c.line;
        EXPECT_EQ(session.printer.scale, c.read.scale) << c.line;
        EXPECT_EQ(session.printer.xOffset, c.read.xOffset) << c.line;
        EXPECT_EQ(session.printer.yOffset, c.read.yOffset) << c.line;

        // Saved and read again: the same values, no asterisks on disk.
        ASSERT_FALSE(PRINTER_SETUP_SAVE(session.paths, session.printer)) << c.line;
        const std::string saved = read_file(ini());
        EXPECT_EQ(saved.find('*'), std::string::npos) << saved;
        PrinterPlacement again{2, 0.25f, 3.0f, 3.0f};
        PRINTER_SETUP_READ(session.paths, again);
        EXPECT_EQ(again.border, c.read.border) << saved;
        EXPECT_EQ(again.scale, c.read.scale) << saved;
        EXPECT_EQ(again.xOffset, c.read.xOffset) << saved;
        EXPECT_EQ(again.yOffset, c.read.yOffset) << saved;
    }
}

TEST_F(PrinterSetup, SaveRefusesAPlacementBeyondTheLimitsWithAMessageAndKeepsTheFile) {
    const std::string line = "    2    0.5000    1.0000    2.0000\n";
    struct Case {
        PrinterPlacement placement;
        const char* reason;
    };
    const Case cases[] = {
        {{1, 1.0f, 1000000.0f, 0.0f}, "X-offset 1000000.0000 is not within -10 to 10"},
        {{1, 1.0f, 0.0f, -10.5f}, "Y-offset -10.5000 is not within -10 to 10"},
        {{1, 2.0f, 0.0f, 0.0f}, "Scale 2.0000 is not within 0 to 1.0"},
        {{1, std::numeric_limits<float>::quiet_NaN(), 0.0f, 0.0f},
         "Scale (not a number) is not within 0 to 1.0"},
        {{3, 1.0f, 0.0f, 0.0f}, "Border 3 is neither 1 nor 2"},
    };
    for (const Case& c : cases) {
        write_file(ini(), line);
        const std::optional<Message> refused = PRINTER_SETUP_SAVE(session.paths, c.placement);
        ASSERT_TRUE(refused) << c.reason;
        EXPECT_EQ(refused->button, std::string("In printer_setup_save, could not WRITE\n"
                                               "..\\RUN\\print_a.ini\n") +
                                       c.reason);
        EXPECT_EQ(read_file(ini()), line);
    }
}

TEST_F(PrinterSetup, AFailedSaveIsReportedAndKeepsTheOldFile) {
    const std::string line = "    2    0.5000    1.0000    2.0000\n";
    write_file(ini(), line);
    // A directory where the temporary file must go fails for every user.
    std::filesystem::create_directory(replacement_temporary(ini()));
    PrinterSetupCopy copy{1, 0.5, 0.0, 0.0};
    const CallbackResult result = PRINTER_SETUP_OK(session.paths, session.printer, copy);
    EXPECT_EQ(result.keepOpen, 0);
    ASSERT_TRUE(result.message);
    EXPECT_EQ(result.message->button,
              "In printer_setup_save, could not WRITE\n..\\RUN\\print_a.ini");
    EXPECT_EQ(read_file(ini()), line);
}

}  // namespace
}  // namespace qor
