// qortool set, run as a program on the sample package in a temporary directory.

#include <gtest/gtest.h>

#include <filesystem>

#include "sample/sample_package.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::TempDir;
using ToolRun = testing::ProgramRun;

const std::string qortool = std::string(QOR_BINARY_DIR) + "/qortool";

class QortoolSetTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(sample::write_sample_package(package_.path()), ""); }

    std::string grid() const { return package_ / "AREADATA/SAMPLE_001/SAMPLE01.HG1"; }
    std::string requirement() const {
        return read_file(package_ / "AREADATA/SAMPLE_001/SAMPLE01.HAL");
    }

    ToolRun run(const std::string& command, std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {qortool, command});
        return testing::run_program(work_, arguments);
    }
    ToolRun set(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), grid());
        return run("set", std::move(arguments));
    }

    // The first lines of the requirement file, up to the first kept line.
    std::string header() const {
        const std::string file = requirement();
        return file.substr(0, file.find("Months"));
    }

    TempDir package_;
    TempDir work_;
};

TEST_F(QortoolSetTest, ChangesParametersLevelsAndLayersAndTheFileReadsBackWithThem) {
    const std::string before = requirement();
    const ToolRun done = set({"--params", "SNR,MUF,DBU", "--levels", "MUF=5,10,15,20,25,30,35",
                              "--colors", "DBU=0,1,2,3,4,A,f", "--grid", "7=Grey", "--city-file",
                              "receive.eur", "--contour-style", "bin b/w shading"});
    ASSERT_EQ(done.status, 0) << done.err;
    EXPECT_EQ(done.err, "");
    EXPECT_EQ(header(),
              testing::written(testing::lines({
                  "Model    :HALDOR",
                  "Colors   :grey     :blue     :Ignore   :RED      :red      :Bin  B/W  shading",
                  "Cities   :RECEIVE.EUR ",
                  "Nparms   :    3",
                  // DBU was automatic: its automatic levels became its own.
                  "Parameter:DBU      7  0   10.00  1   20.00  2   30.00  3   40.00  4   50.00 "
                  "10   60.00 15   70.00",
                  "Parameter:SNR      3  3   10.00  9   20.00  1   30.00",
                  // MUF was not plotted: its levels keep the automatic colours.
                  "Parameter:MUF      7 12    5.00 10   10.00  3   15.00  9   20.00  1   25.00 "
                  " 5   30.00 15   35.00",
              })));
    // The lines after the header are copied back unchanged.
    EXPECT_EQ(requirement().substr(requirement().find("Months")),
              testing::written(before.substr(before.find("Months"))));
    EXPECT_FALSE(fs::exists(package_ / "RUN/zonegrfx.dat"));

    // What set prints is what show prints for the file it wrote.
    const ToolRun shown = run("show", {grid()});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out.substr(shown.out.find("Layers:\n")), done.out);
    EXPECT_NE(done.out.find("\nParameters:\n  DBU       SNR       MUF\nContours:\n"),
              std::string::npos)
        << done.out;
}

TEST_F(QortoolSetTest, TheDefaultsAndAutomaticLevelsGoThroughTheirDialogRoutines) {
    ToolRun done = set({"--auto", "REL", "--layers-default", "--main-beam", "Blue"});
    ASSERT_EQ(done.status, 0) << done.err;
    EXPECT_EQ(header(),
              testing::written(testing::lines({
                  "Model    :HALDOR",
                  "Colors   :black    :blue     :Ignore   :Ignore   :blue     :Black with shading",
                  "Cities   :RECEIVE.CTY ",
                  "Nparms   :    3",
                  "Parameter:DBU      0",
                  "Parameter:SNR      3  3   10.00  9   20.00  1   30.00",
                  "Parameter:REL      0",
              })));

    done = set({"--params-default"});
    ASSERT_EQ(done.status, 0) << done.err;
    EXPECT_NE(header().find(testing::written("Nparms   :    1\nParameter:DBU      0\n")),
              std::string::npos)
        << header();
    // Slots 2 to 5 are empty: their lines are blank, all ten are printed.
    EXPECT_TRUE(done.out.ends_with(std::string(8, '\n'))) << done.out;
}

TEST_F(QortoolSetTest, RefusesWhatTheDialogsRefuseAndWritesNothing) {
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"--levels", "SNR=5,40,30"},
         "qortool set: slot SNR: CONTOUR VALUES Input ERROR\n"
         "CONTOUR VALUES MUST be ordered from greatest to least\n"
         "as you go from top to bottom.\n"},
        {{"--levels", "2=1,2,3,4,5,6,1000"},
         "qortool set: slot 2: level 1000.0 is outside -999.0 to 999.0\n"},
        {{"--params", "DBU,FOT"},
         "qortool set: parameter 'FOT' is not in the plot parameter table of this grid file; it "
         "has: DBU MODE SNR REL MUF ANGLE LUF\n"},
        {{"--auto", "4"},
         "qortool set: slot '4' holds no parameter (slots:   DBU       SNR       REL)\n"},
        {{"--params", "DBU", "--auto", "SNR"},
         "qortool set: slot 'SNR' holds no parameter (slots:   DBU)\n"},
        {{"--cities", "7=GRN "},
         "qortool set: '7=GRN ' is not in the list of layer 4: \"Ignore\", \"0=BLCK\", \"1=blck\", "
         "\"2=RED\", \"3=red\", \"4=BLUE\", \"5=blue\"\n"},
        {{"--city-file", "RECEIVE.XYZ"},
         "qortool set: city file 'RECEIVE.XYZ' is not in the package's USERDB (RECEIVE.CTY "
         "RECEIVE.EUR RECEIVE.LAM)\n"},
    };
    const std::string before = requirement();
    for (const Case& c : cases) {
        const ToolRun refused = set(c.arguments);
        EXPECT_EQ(refused.status, 1) << c.arguments[1];
        EXPECT_EQ(refused.out, "") << c.arguments[1];
        EXPECT_EQ(refused.err, c.message);
        EXPECT_EQ(requirement(), before) << c.arguments[1];
    }
}

TEST_F(QortoolSetTest, RefusesAColourTheEditorsListDoesNotOffer) {
    // A window colour list of "Ignore" and colours 0 to 2 only.
    testing::write_file(package_ / "database/colors.win",
                        testing::lines({"Short lists", "  4  2  2", "Ignore Ignore", "0=Blck Black",
                                        "1=Red  Red", "2=Grn  Green", "Ignore no cities",
                                        "0=BLCK BLACK", "Ignore no contours", "0=BLCK Black"}));
    const std::string before = requirement();
    ToolRun refused = set({"--colors", "SNR=2,3"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              "qortool set: slot SNR: colour 3 is not in the window colour list (4 items, item n "
              "is colour n-2)\n");
    EXPECT_EQ(requirement(), before);
    ToolRun accepted = set({"--colors", "SNR=-1,2"});
    EXPECT_EQ(accepted.status, 0) << accepted.err;
    EXPECT_NE(
        header().find(testing::written("Parameter:SNR      3  3   10.00 -1   20.00  2   30.00\n")),
        std::string::npos)
        << header();
}

TEST_F(QortoolSetTest, ExplainsItselfAndRefusesBadArguments) {
    const ToolRun help = run("set", {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("usage: qortool set GRIDFILE [--run RUNDIR] OPTION...\n"));
    for (const char* option :
         {"--params-default", "--params NAME", "--auto SLOT", "--levels SLOT", "--colors SLOT",
          "--layers-default", "--grid CODE", "--countries CODE", "--zones CODE", "--main-beam CODE",
          "--cities CODE", "--contour-style CODE", "--city-file NAME"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    const std::string before = requirement();
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"--grid"},
        {"--shading", "1"},
        {"--auto", "1", "--levels", "1=5"},
        {"--levels", "1"},
        {"--levels", "1=5,x"},
        {"--levels", "1=1,2,3,4,5,6,7,8"},
        {"--levels", "1="},
        {"--colors", "1=16"},
        {"--colors", "1=G"},
        {"--params", "DBU", "--params", "SNR"},
    };
    for (const std::vector<std::string>& arguments : wrong) {
        const ToolRun refused = set(arguments);
        EXPECT_EQ(refused.status, 2) << (arguments.empty() ? "(none)" : arguments[0]);
        EXPECT_TRUE(refused.err.starts_with("qortool set: ")) << refused.err;
    }
    EXPECT_EQ(run("set", {"--grid", "0=Blck"}).status, 2);
    EXPECT_EQ(requirement(), before);
}

}  // namespace
}  // namespace qor
