#include "plotout/requirement_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "app/main_window.h"
#include "app/settings_files.h"
#include "areadata/readers.h"
#include "platform/paths.h"
#include "sample/sample_package.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

using testing::lines;
using testing::read_file;
using testing::RecordingConsole;
using testing::TempDir;
using testing::write_file;

// Everything the requirement file carries, as one text, so that a difference
// shows where it is.
std::string settings_of(const Session& s) {
    std::ostringstream out;
    out << "model=" << s.paths.Model.view() << "\n";
    for (const auto& colour : s.layers.colors) out << "colour=" << colour.view() << "\n";
    out << "city=" << s.layers.cityFile.view() << "\ncount=" << s.parameters.count << "\n";
    for (std::size_t slot = 0; slot < 5; ++slot) {
        out << "slot " << slot << " " << s.parameters.names[slot].view() << " "
            << s.contours.levelCount[slot] << ":";
        for (std::size_t i = 0; i < 10; ++i) {
            out << " " << s.contours.colors[slot][i] << "/" << s.contours.levels[slot][i];
        }
        out << "\n";
    }
    out << "gridSize=" << s.requirement.gridSize << " lines=" << s.requirement.lineCount
        << " comments=" << s.requirement.commentCount << "\n";
    for (int i = 0; i < s.requirement.lineCount; ++i) {
        out << s.requirement.lines[static_cast<std::size_t>(i)].view() << "\n";
    }
    return out.str();
}

class RequirementWriter : public ::testing::Test {
  protected:
    void SetUp() override {
        run = testing::make_minimal_package(dir.path());
        testing::use_package(session, run, console);
        session.paths.FileName = "DEFAULT\\RUN1.HG3";
        session.paths.Model = "HALDOR";
        std::filesystem::create_directories(std::filesystem::path(file_path()).parent_path());
        testing::set_dos_colours(
            session.colors, {{"GREEN", 2, "2=Grn"}, {"BLACK", 0, "0=Blck"}, {"RED", 1, "1=Red"}});
        session.layers.colors = {Text<6>("2=Grn"), Text<6>("0=Blck"), Text<6>("Ignore"),
                                 Text<6>("2=RED"), Text<6>("RED"),    Text<6>("0=BLCK")};
        session.layers.cityFile = "receive.cty";
    }
    std::string file_path() const { return dir / "AREADATA/DEFAULT/RUN1.HAL"; }

    void set_slot(std::size_t slot, const char* name, std::vector<float> levels,
                  std::vector<std::int32_t> colours) {
        session.parameters.names[slot] = name;
        session.contours.levelCount[slot] = static_cast<std::int32_t>(levels.size());
        session.contours.levels[slot].fill(-1.0f);
        session.contours.colors[slot].fill(-1);
        for (std::size_t i = 0; i < levels.size(); ++i) {
            session.contours.levels[slot][i] = levels[i];
            session.contours.colors[slot][i] = colours[i];
        }
    }
    std::string written() {
        std::string text;
        std::optional<Message> refused = requirement_file_text(plot_records(session), text);
        EXPECT_FALSE(refused) << (refused ? refused->button : "");
        return text;
    }

    TempDir dir;
    std::string run;
    RecordingConsole console;
    Session session;
};

TEST_F(RequirementWriter, WritesTheHeaderLinesAndTheKeptLinesByteForByte) {
    session.parameters.count = 3;
    set_slot(0, "DBU", {-999.0f, -999.0f, -999.0f, -999.0f, 10.0f, 20.0f, 30.0f},
             {15, 15, 15, 15, 1, 2, 3});
    set_slot(1, "SNR", {}, {});
    set_slot(2, "MUF", {10.0f, 20.0f}, {12, 15});
    set_slot(3, "REL", {1.0f}, {1});  // beyond the count: not written
    session.requirement.lineCount = 3;
    session.requirement.lines[0] = "Gridsize :     1   ";
    session.requirement.lines[1] = "";
    session.requirement.lines[2] = "Comment  :  two  words  ";
    session.requirement.lines[3] = "never written";

    const std::string expected = testing::written(lines({
        "Model    :HALDOR",
        "Colors   :GREEN    :BLACK    :Ignore   :RED      :RED      :Black with shading",
        "Cities   :receive.cty ",
        "Nparms   :    3",
        "Parameter:DBU      3  1   10.00  2   20.00  3   30.00",
        "Parameter:SNR      0",
        "Parameter:MUF      2 12   10.00 15   20.00",
        "Gridsize :     1",
        "",
        "Comment  :  two  words",
    }));
    EXPECT_EQ(written(), expected);
    EXPECT_EQ(std::string("Parameter:MUF      2 12   10.00 15   20.00").size(), 42u);

    ASSERT_FALSE(WRITMAIN(plot_records(session)));
    EXPECT_EQ(read_file(file_path()), expected);
}

TEST_F(RequirementWriter, WritesNoParameterLinesForACountOfZero) {
    session.parameters.count = 0;
    set_slot(0, "DBU", {10.0f}, {1});
    session.requirement.lineCount = 1;
    session.requirement.lines[0] = "Months   :  6";
    std::string text = written();
    EXPECT_NE(text.find(testing::written("Nparms   :    0\nMonths   :  6\n")), std::string::npos)
        << text;
    EXPECT_EQ(text.find("Parameter:"), std::string::npos);
}

TEST_F(RequirementWriter, WritesEveryRealLevelInPositionOrderWhereverTheMarkersStand) {
    struct Case {
        std::vector<float> levels;
        std::string line;
    };
    const Case cases[] = {
        {{-999.0f, -999.0f, -999.0f, -999.0f, 1.5f, 2.5f, 3.5f},
         "Parameter:SNR      3  4    1.50  5    2.50  6    3.50"},
        {{1.5f, -999.0f, 2.5f, -1000.0f, 3.5f, -998.5f, -999.0f},
         "Parameter:SNR      3  0    1.50  2    2.50  4    3.50"},
        {{-999.0f, -999.0f, -999.0f, -999.0f, -999.0f, -999.0f, -999.0f}, "Parameter:SNR      0"},
        {{-998.4f, 9999.99f, -998.49f, 0.004f, -0.006f},
         "Parameter:SNR      5  0 -998.40  1 9999.99  2 -998.49  3    0.00  4   -0.01"},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
         "Parameter:SNR     10  0    1.00  1    2.00  2    3.00  3    4.00  4    5.00"
         "  5    6.00  6    7.00  7    8.00  8    9.00  9   10.00"},
    };
    for (const Case& c : cases) {
        std::vector<std::int32_t> colours;
        for (std::size_t i = 0; i < c.levels.size(); ++i) colours.push_back(static_cast<int>(i));
        session.parameters.count = 1;
        set_slot(0, "SNR", c.levels, colours);
        std::string text = written();
        EXPECT_NE(text.find(testing::written("\n" + c.line + "\n")), std::string::npos) << text;
    }
}

TEST_F(RequirementWriter, RefusesALevelThatDoesNotFitItsFieldAndKeepsTheOldFile) {
    write_file(file_path(), "old content\n");
    struct Case {
        float level;
        std::string shown;
    };
    const Case cases[] = {
        {10000.0f, "10000.00"},
        {9999.995f, "10000.00"},  // rounds up in the field
        {123456.7f, "123456.70"},
        {INFINITY, "(out of range)"},
    };
    for (const Case& c : cases) {
        session.parameters.count = 2;
        set_slot(0, "DBU", {10.0f}, {1});
        set_slot(1, "  MODE", {-999.0f, 20.0f, c.level}, {15, 2, 3});
        std::optional<Message> message = WRITMAIN(plot_records(session));
        ASSERT_TRUE(message) << c.level;
        EXPECT_EQ(message->button,
                  "In writmain, could not WRITE\n..\\AREADATA\\DEFAULT\\RUN1.HAL\n"
                  "Contour level " +
                      c.shown + " of parameter MODE does not fit in 7 columns");
        EXPECT_EQ(read_file(file_path()), "old content\n");
    }
}

TEST_F(RequirementWriter, RefusesAColourThatDoesNotFitItsFieldAndKeepsTheOldFile) {
    write_file(file_path(), "old content\n");
    for (std::int32_t colour : {1000, -100, 2147483647}) {
        session.parameters.count = 1;
        set_slot(0, "DBU", {10.0f, 20.0f}, {1, colour});
        std::optional<Message> message = WRITMAIN(plot_records(session));
        ASSERT_TRUE(message) << colour;
        EXPECT_EQ(message->button,
                  "In writmain, could not WRITE\n..\\AREADATA\\DEFAULT\\RUN1.HAL\n"
                  "Contour colour " +
                      std::to_string(colour) + " of parameter DBU does not fit in 3 columns");
        EXPECT_EQ(read_file(file_path()), "old content\n");
    }
}

TEST_F(RequirementWriter, AFailedReplacementIsReportedAndKeepsTheOldFile) {
    write_file(file_path(), "old content\n");
    // A directory where the temporary file must go fails for every user.
    std::filesystem::create_directory(replacement_temporary(file_path()));
    std::optional<Message> message = WRITMAIN(plot_records(session));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->button, "In writmain, could not WRITE\n..\\AREADATA\\DEFAULT\\RUN1.HAL");
    EXPECT_EQ(read_file(file_path()), "old content\n");
}

TEST_F(RequirementWriter, ReplacesTheFileUnderTheCaseItHasOnDisk) {
    std::filesystem::remove_all(dir / "AREADATA");
    write_file(dir / "areadata/default/run1.hal", "old content\n");
    session.paths.FileName = "default\\run1.hg3";
    ASSERT_FALSE(WRITMAIN(plot_records(session)));
    EXPECT_EQ(read_file(dir / "areadata/default/run1.hal").substr(0, 16), "Model    :HALDOR");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "areadata/default"),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(RequirementWriter, RefusesAGridFileNameWithoutAProgramSuffix) {
    session.paths.FileName = "DEFAULT\\RUN1.XG3";
    std::optional<Message> message = WRITMAIN(plot_records(session));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->button, "In writmain, could not WRITE\n..\\AREADATA\\DEFAULT\\RUN1.XG3");
}

TEST_F(RequirementWriter, AnOldFormFileComesBackInTheNewFormWithTheSameSettings) {
    write_file(file_path(),
               lines({"Model    :MIRVEN",
                      "Colors   :2=Grn    0=Blck   Ignore   3=red    1=Red    4=Shad   "
                      "RECEIVE.EUR",
                      "Nparms   :    1", "Parameter:DBU      2  3  10.00  9  20.00",
                      "Gridsize :    21", "Comment  :kept   "}));
    ASSERT_FALSE(testing::read_requirement_file(session));
    const std::string before = settings_of(session);
    ASSERT_FALSE(WRITMAIN(plot_records(session)));
    std::string text = read_file(file_path());
    EXPECT_EQ(text.substr(0, text.find("Nparms")),
              testing::written(lines({"Model    :MIRVEN",
                                      "Colors   :GREEN    :BLACK    :Ignore   :red      :RED      "
                                      ":Shading, no contours",
                                      "Cities   :RECEIVE.EUR "})));
    ASSERT_FALSE(testing::read_requirement_file(session));
    EXPECT_EQ(settings_of(session), before);
}

// Lines the program cannot have written itself: a city file given with a path
// in the old form, kept lines ending in a carriage return (CR CR LF in the
// file). The first write keeps every setting, and every later one the bytes.
TEST_F(RequirementWriter, OddCityFilesAndCarriageReturnsSurviveEveryRewrite) {
    write_file(file_path(),
               "Model    :HALDOR\n"
               "Colors   :2=Grn    0=Blck   Ignore   3=red    1=Red    4=Shad   C:RECV.EUR\n"
               "Nparms   :    0\n"
               "Comment  :ends in CR\r\r\n"
               "Months   :  6 \r\r\n"
               "\r\r\n"
               "last\r\r\n");
    ASSERT_FALSE(testing::read_requirement_file(session));
    EXPECT_EQ(session.layers.cityFile.view(), "RECV.EUR    ");
    EXPECT_EQ(session.requirement.lines[0].trimmed(), "Comment  :ends in CR\r");
    EXPECT_EQ(session.requirement.lines[2].trimmed(), "\r");
    EXPECT_EQ(session.requirement.comments[0].trimmed(), "ends in CR\r");
    const std::string before = settings_of(session);
    ASSERT_FALSE(WRITMAIN(plot_records(session)));
    const std::string first = read_file(file_path());
    for (int round = 0; round < 3; ++round) {
        ASSERT_FALSE(testing::read_requirement_file(session));
        EXPECT_EQ(settings_of(session), before) << round;
        ASSERT_FALSE(WRITMAIN(plot_records(session)));
        EXPECT_EQ(read_file(file_path()), first) << round;
    }
}

// Every requirement file of the sample package: read, written back unchanged,
// read again gives the same settings, and a second write the same bytes.
TEST(RequirementWriterOnTheSample, ReadWriteReadKeepsEverySetting) {
    TempDir dir;
    ASSERT_EQ(sample::write_sample_package(dir.path()), "");
    RecordingConsole console;
    Session session;
    testing::use_package(session, dir / "RUN", console);
    DOSCOLR(session.paths, session.colors, *session.console);
    int files = 0;
    for (const char* root : {"AREADATA", "AREA_INV"}) {
        for (const auto& sub : std::filesystem::directory_iterator(dir / root)) {
            for (const auto& entry : std::filesystem::directory_iterator(sub.path())) {
                std::string name = entry.path().filename().string();
                std::string suffix = name.substr(name.rfind('.') + 1);
                if (suffix != "HAL" && suffix != "MIR" && suffix != "TAB" && suffix != "PAR") {
                    continue;
                }
                ++files;
                session.paths.DataDir = root;
                session.paths.FileName = sub.path().filename().string() + "\\" +
                                         name.substr(0, name.size() - 3) + suffix[0] + "G1";
                ASSERT_FALSE(testing::read_requirement_file(session)) << name;
                const std::string before = settings_of(session);
                ASSERT_FALSE(WRITMAIN(plot_records(session))) << name;
                const std::string first = read_file(entry.path().string());
                // The new form: a colon in column 20 of the Colors line.
                EXPECT_EQ(first.at(first.find('\n') + 20), ':') << name;
                ASSERT_FALSE(testing::read_requirement_file(session)) << name;
                EXPECT_EQ(settings_of(session), before) << name;
                ASSERT_FALSE(WRITMAIN(plot_records(session))) << name;
                EXPECT_EQ(read_file(entry.path().string()), first) << name;
            }
        }
    }
    EXPECT_GE(files, 2);
}

}  // namespace
}  // namespace qor
