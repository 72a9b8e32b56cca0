#include "plotout/colour_codes.h"

#include <gtest/gtest.h>

#include "plotsettings/layer_settings.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

// A DOS colour list as colors.dat gives it: first name, code, second name.
// GRAY and SILVER share code 7; the entry after the count must never be used.
ColorTables dos_list() {
    struct Row {
        const char* first;
        std::int32_t code;
        const char* second;
    };
    const Row rows[] = {{"BLACK ", 0, "Black "},  {"RED   ", 4, "Red   "},
                        {"GRAY  ", 7, "Grey  "},  {"SILVER", 7, "Silver"},
                        {"LRED  ", 12, "Lred  "}, {"PINK  ", 13, "Pink  "}};
    ColorTables tables;
    std::size_t i = 0;
    for (const Row& row : rows) {
        tables.DosFirstNames[i] = row.first;
        tables.DosCodes[i] = row.code;
        tables.DosSecondNames[i] = row.second;
        ++i;
    }
    tables.DosColourCount = 5;  // PINK lies beyond the count
    return tables;
}

TEST(ColortabTest, ReplacesTheCodeByTheLabelOfItsFirstCharacterInTheChosenTable) {
    struct Case {
        std::int32_t kind;
        const char* code;
        const char* label;
    };
    const Case cases[] = {
        {1, "A", "A=Lgrn"},      {1, "0", "0=Blck"},      {1, "F", "F=Whit"},
        {1, "9", "9=Orng"},      {1, "", "Ignore"},       {1, "G", "Ignore"},
        {1, "a", "Ignore"},      {0, "E", "E=LLbl"},      {5, "3", "3=Yell"},
        {4, "0", "0=BLCK"},      {4, "5", "5=blue"},      {4, "7", "Ignore"},
        {4, "A", "Ignore"},      {6, "6", "6=bin "},      {6, "4", "4=Shad"},
        {6, "7", "Ignore"},      {4, "3=foo ", "3=red "}, {6, "1xxxxx", "1=RED "},
        {1, "Ignore", "Ignore"}, {4, "Ignore", "Ignore"},
    };
    for (const Case& c : cases) {
        Text<6> code(c.code);
        COLORTAB(c.kind, code);
        EXPECT_EQ(code.view(), c.label) << "kind " << c.kind << " code '" << c.code << "'";
    }
}

TEST(DosColourTest, FindsANameInEitherColumnOfTheListedEntriesOnly) {
    const ColorTables tables = dos_list();
    EXPECT_EQ(ICOLDOS(tables, "RED   "), 4);
    EXPECT_EQ(ICOLDOS(tables, "Red   "), 4);
    EXPECT_EQ(ICOLDOS(tables, "Silver"), 7);
    EXPECT_EQ(ICOLDOS(tables, "red   "), -1);
    EXPECT_EQ(ICOLDOS(tables, "PINK  "), -1);
    EXPECT_EQ(ICOLDOS(tables, "Ignore"), -1);
    EXPECT_EQ(ICOLDOS(ColorTables{}, "BLACK "), -1);
}

TEST(DosColourTest, TakesEntriesInListOrderAndWithinAnEntryTheFirstNameBeforeTheSecond) {
    ColorTables tables;
    testing::set_dos_colours(tables, {{"BLUE  ", 1, "NAVY  "},
                                      {"NAVY  ", 2, "BLUE  "},
                                      {"TEAL  ", 3, "TEAL  "},
                                      {"CYAN  ", 4, "AQUA  "},
                                      {"AQUA  ", 5, "CYAN  "}});
    // A second name that is a later entry's first name: the earlier entry wins.
    EXPECT_EQ(ICOLDOS(tables, "NAVY  "), 1);
    EXPECT_EQ(ICOLDOS(tables, "AQUA  "), 4);
    // A first name that is a later entry's second name: the earlier entry too.
    EXPECT_EQ(ICOLDOS(tables, "BLUE  "), 1);
    EXPECT_EQ(ICOLDOS(tables, "CYAN  "), 4);
    EXPECT_EQ(ICOLDOS(tables, "TEAL  "), 3);
}

TEST(DosColourTest, TurnsACodeIntoTheEarliestEntrysFirstOrSecondName) {
    const ColorTables tables = dos_list();
    struct Case {
        std::int32_t code;
        std::int32_t mode;
        const char* name;
    };
    const Case cases[] = {{0, 0, "BLACK "},  {0, 1, "Black "},  {7, 0, "GRAY  "},
                          {7, 1, "Grey  "},  {12, 2, "Lred  "}, {13, 0, "Ignore"},
                          {-1, 0, "Ignore"}, {99, 1, "Ignore"}};
    for (const Case& c : cases) {
        Text<6> out("junk");
        COL_DOS(tables, out, c.code, c.mode);
        EXPECT_EQ(out.view(), c.name) << "code " << c.code << " mode " << c.mode;
    }
}

// Writes the rest of a requirement file after its Colours line and opens it.
struct RequirementLines {
    testing::TempDir dir;
    LineReader file;
    explicit RequirementLines(const std::string& content) {
        testing::write_file(dir / "run.hal", content);
        EXPECT_TRUE(file.open_native(dir / "run.hal"));
    }
    std::string next() {
        std::string_view line;
        return file.next(line) ? std::string(line) : std::string("<end>");
    }
};

constexpr std::string_view new_form =
    "GRAY     :Silver   :LRED     :RED      :Red      :Bin  B/W  shading   ";

TEST(ColFmtTest, ConvertsANewFormLineAndTakesTheCityFileFromTheFollowingLine) {
    const ColorTables tables = dos_list();
    RequirementLines file(
        testing::lines({"Cities   :..\\DATABASE\\RECEIVE.CTY", "Nparms   :    1"}));
    std::array<Text<6>, 6> colors;
    Text<12> cityFile("old.cty");
    COL_FMT(tables, file.file, new_form, colors, cityFile);

    // Grid and Zones are found by first name, Countries and MainBeam by second
    // name; all are held as the second name of the entry with their code.
    EXPECT_EQ(colors[layer_grid].view(), "Grey  ");
    EXPECT_EQ(colors[layer_countries].view(), "Grey  ");
    EXPECT_EQ(colors[layer_zones].view(), "Lred  ");
    EXPECT_EQ(colors[layer_cities].view(), "2=RED ");
    EXPECT_EQ(colors[layer_main_beam].view(), "Red   ");
    EXPECT_EQ(colors[layer_contours].view(), "6=bin ");
    EXPECT_EQ(cityFile.view(), "RECEIVE.CTY ");
    EXPECT_EQ(file.next(), "Nparms   :    1");
}

TEST(ColFmtTest, GivesIgnoreForNamesAndTextsThatMatchNoTableRowExactly) {
    const ColorTables tables = dos_list();
    RequirementLines file(testing::lines({"Cities   :rx.cty"}));
    std::array<Text<6>, 6> colors;
    Text<12> cityFile;
    COL_FMT(tables, file.file,
            "PINK     :Ignore   :BLUE     :Red      :black    :Bin  B/W  shading  x", colors,
            cityFile);
    EXPECT_EQ(colors[layer_grid].view(), "Ignore");  // beyond the list's count
    EXPECT_EQ(colors[layer_countries].view(), "Ignore");
    EXPECT_EQ(colors[layer_zones].view(), "Ignore");
    EXPECT_EQ(colors[layer_cities].view(), "Ignore");  // "Red   " is neither RED nor red
    EXPECT_EQ(colors[layer_main_beam].view(), "Ignore");
    EXPECT_EQ(colors[layer_contours].view(), "Ignore");
    EXPECT_EQ(cityFile.view(), "rx.cty      ");
}

TEST(ColFmtTest, TakesTheCityFileAfterTheLastSeparatorOfTheCitiesLine) {
    const ColorTables tables = dos_list();
    struct Case {
        std::string content;  // what follows the Colours line
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"Cities   :\n", "old.cty", "receive.cty"},
        {"Cities   :RECEIVE.CTY   \r\n", "", "RECEIVE.CTY"},
        {"Cities   :c:/usr/db/rx.cty  \n", "", "rx.cty"},
        {"Cities   :..\\db/x\\EUROPE_CITIES.CTY\n", "", "EUROPE_CITIE"},
        {"no separator at all\n", "keep.cty", "keep.cty"},
        {"no separator at all\n", "", "receive.cty"},
        {"", "kept.cty", "kept.cty"},
        // Only the first 80 characters are the Cities line.
        {padded("Cities   :A.CTY", 82) + "\\B.CTY\n", "", "A.CTY"},
    };
    for (const Case& c : cases) {
        RequirementLines file(c.content);
        std::array<Text<6>, 6> colors;
        Text<12> cityFile(c.before);
        COL_FMT(tables, file.file, new_form, colors, cityFile);
        EXPECT_EQ(cityFile, c.after) << c.content;
    }
}

TEST(ColFmtTest, KeepsAnOldFormLineAsWrittenAndReadsNoFurtherLine) {
    const ColorTables tables = dos_list();
    RequirementLines file(testing::lines({"Nparms   :    0"}));
    std::array<Text<6>, 6> colors;
    Text<12> cityFile;
    COL_FMT(tables, file.file, "Grey     Black    Lred     2=RED    Red      0=BLCK   RECEIVE.CTY",
            colors, cityFile);
    const char* expected[] = {"Grey  ", "Black ", "Lred  ", "2=RED ", "Red   ", "0=BLCK"};
    for (std::size_t i = 0; i < colors.size(); ++i) EXPECT_EQ(colors[i].view(), expected[i]);
    EXPECT_EQ(cityFile.view(), "RECEIVE.CTY ");
    EXPECT_EQ(file.next(), "Nparms   :    0");

    // A short old-form line leaves blank entries and the default city file.
    COL_FMT(tables, file.file, "Grey", colors, cityFile);
    EXPECT_EQ(colors[0].view(), "Grey  ");
    EXPECT_TRUE(colors[5].blank());
    EXPECT_EQ(cityFile.view(), "receive.cty ");
}

TEST(ColFmtTest, TakesTheOldFormCityFileAfterItsLastSeparatorAsTheCitiesLineDoes) {
    const ColorTables tables = dos_list();
    const std::string entries = "Grey     Black    Lred     2=RED    Red      0=BLCK   ";
    struct Case {
        const char* field;  // columns 65-76
        const char* city;
    };
    const Case cases[] = {{"C:RECV.EUR", "RECV.EUR    "},
                          {"..\\DB\\R.CTY", "R.CTY       "},
                          {"a/b:c\\d.cty", "d.cty       "},
                          {"RECEIVE.CTY", "RECEIVE.CTY "},
                          {"C:", "receive.cty "}};
    for (const Case& c : cases) {
        RequirementLines file(testing::lines({"Nparms   :    0"}));
        std::array<Text<6>, 6> colors;
        Text<12> cityFile;
        COL_FMT(tables, file.file, entries + c.field, colors, cityFile);
        EXPECT_EQ(cityFile.view(), c.city) << c.field;
    }
}

TEST(ColCvtTest, WritesFirstNamesFileNamesAndTheContourStyle) {
    const ColorTables tables = dos_list();
    struct Case {
        std::array<const char*, 6> colors;
        std::array<const char*, 5> names;
        const char* contour;
    };
    const Case cases[] = {
        {{"Grey  ", "Silver", "LRED  ", "2=RED ", "Red   ", "4=Shad"},
         {"GRAY  ", "GRAY  ", "LRED  ", "RED   ", "RED   "},
         "Shading, no contours"},
        {{"Ignore", "Pink  ", "Black ", "5=blue", "Black ", "0=BLCK"},
         {"Ignore", "Ignore", "BLACK ", "blue  ", "BLACK "},
         "Black with shading  "},
        {{"Black ", "Black ", "Black ", "6=xxxx", "Black ", "7=xxxx"},
         {"BLACK ", "BLACK ", "BLACK ", "Ignore", "BLACK "},
         "Ignore              "},
        {{"Black ", "Black ", "Black ", "Ignore", "Black ", "Ignore"},
         {"BLACK ", "BLACK ", "BLACK ", "Ignore", "BLACK "},
         "Ignore              "},
    };
    for (const Case& c : cases) {
        std::array<Text<6>, 6> colors;
        for (std::size_t i = 0; i < 6; ++i) colors[i] = c.colors[i];
        const std::array<Text<6>, 6> before = colors;
        std::array<Text<6>, 5> names;
        Text<20> contour;
        COL_CVT(tables, colors, names, contour);
        for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(names[i].view(), c.names[i]) << i;
        EXPECT_EQ(contour.view(), c.contour);
        EXPECT_EQ(colors, before);
    }
}

}  // namespace
}  // namespace qor
