#include "plotsettings/layers_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/fixed_record.h"
#include "platform/paths.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

struct Item {
    const char* code;
    const char* name;
};

template <std::size_t Width, std::size_t Count>
void fill_list(std::int32_t& count, std::array<Text<6>, Count>& codes,
               std::array<Text<Width>, Count>& names, std::initializer_list<Item> items) {
    count = 0;
    for (const Item& item : items) {
        codes[static_cast<std::size_t>(count)] = item.code;
        names[static_cast<std::size_t>(count)] = item.name;
        ++count;
    }
}

class LayersDialogTest : public ::testing::Test {
  protected:
    LayersDialogTest() {
        run = testing::make_minimal_package(dir.path());
        paths.RunDir = to_package_path(run);
        fill_list(tables.WindowColourCount, tables.WindowColourCodes, tables.WindowColourNames,
                  {{"Ignore", "Ignore"},
                   {"0=Blck", "Black"},
                   {"1=Red ", "Red"},
                   {"4=Blue", "Blue"},
                   {"7=Grey", "Grey"}});
        fill_list(tables.CityListCount, tables.CityListCodes, tables.CityListNames,
                  {{"Ignore", "no cities"}, {"0=BLCK", "BLACK"}, {"2=RED ", "RED"}});
        fill_list(tables.ContourListCount, tables.ContourListCodes, tables.ContourListNames,
                  {{"Ignore", "no contours"}, {"0=BLCK", "Black shaded"}, {"4=Shad", "Shading"}});
        testing::set_dos_colours(tables, {{"black ", 0, "0=Blck"},
                                          {"red   ", 1, "1=Red "},
                                          {"blue  ", 4, "4=Blue"},
                                          {"grey  ", 7, "7=Grey"}});
        layers.colors = {"7=Grey", "4=Blue", "Ignore", "2=RED ", "1=Red ", "4=Shad"};
        layers.cityFile = "receive.cty";
    }
    void city_files(std::initializer_list<const char*> names) {
        for (const char* name : names)
            testing::write_file(dir / (std::string("USERDB/") + name), "");
    }

    testing::TempDir dir;
    std::string run;
    PathState paths;
    ColorTables tables;
    LayerSettings layers;
};

TEST_F(LayersDialogTest, EachLayerLooksItsCodeUpInItsOwnList) {
    struct Case {
        const char* code;
        std::int32_t layer;
        std::int32_t item;
    };
    const Case cases[] = {
        {"7=Grey", 1, 5}, {"7=Grey", 5, 5}, {"0=Blck", 3, 2}, {"0=BLCK", 1, 1},
        {"0=BLCK", 4, 2}, {"0=BLCK", 6, 2}, {"4=Shad", 6, 3}, {"4=Shad", 4, 1},
        {"2=red ", 4, 1}, {"1=Red", 2, 3},  {"Ignore", 6, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IWINCOLOR_IDX(tables, c.code, c.layer), c.item) << c.code << " " << c.layer;
    }
}

TEST_F(LayersDialogTest, CityFilesAreListedByBareNameInAscendingOrder) {
    city_files({"RECEIVE.LAM", "RECEIVE.CTY", "receive.eur", "OTHER.CTY"});
    std::filesystem::create_directories(dir / "USERDB/RECEIVE.DIR");
    std::array<Text<12>, 50> names;
    std::int32_t count = -1;
    RFILES(paths, names, count);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(names[0], "RECEIVE.CTY");
    EXPECT_EQ(names[1], "RECEIVE.LAM");
    EXPECT_EQ(names[2], "receive.eur");
    EXPECT_TRUE(names[3].blank());
}

TEST_F(LayersDialogTest, NoMoreThanTheFirstFiftyCityFilesAreOffered) {
    for (int i = 60; i >= 1; --i) {
        testing::write_file(dir / ("USERDB/RECEIVE." + format_integer(i, 3, 3)), "");
    }
    std::array<Text<12>, 50> names;
    std::int32_t count = 0;
    RFILES(paths, names, count);
    ASSERT_EQ(count, 50);
    EXPECT_EQ(names[0], "RECEIVE.001");
    EXPECT_EQ(names[49], "RECEIVE.050");
}

TEST_F(LayersDialogTest, WithoutAUserDatabaseNoCityFileIsListed) {
    std::array<Text<12>, 50> names;
    names[0] = "stale";
    std::int32_t count = 7;
    RFILES(paths, names, count);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(names[0].blank());
}

TEST_F(LayersDialogTest, OpeningSelectsTheStoredCodesAndTheCityFileInAnyCase) {
    city_files({"RECEIVE.CTY", "RECEIVE.EUR"});
    layers.colors[0] = "9=Orng";  // not in its list
    layers_prepare(paths, tables, layers);
    EXPECT_EQ(layers.choices, (std::array<std::int32_t, 6>{1, 4, 1, 3, 3, 3}));
    EXPECT_EQ(layers.cityFileCount, 2);
    EXPECT_EQ(layers.cityChoice, 1);
    EXPECT_EQ(layers.cityFile, "RECEIVE.CTY");
    // Cancel keeps the rest of the record as it was.
    EXPECT_EQ(LAYERS_NO(), 0);
    EXPECT_EQ(layers.colors[0], "9=Orng");
}

TEST_F(LayersDialogTest, AcceptStoresTheChosenCodesAndCityFileAndRebuildsTheSummary) {
    city_files({"RECEIVE.CTY", "RECEIVE.EUR"});
    layers.colors[0] = "9=Orng";
    layers_prepare(paths, tables, layers);
    layers.choices[1] = 2;
    layers.choices[3] = 1;
    layers.cityChoice = 2;
    EXPECT_EQ(LAYERS_OK(tables, layers), 0);
    EXPECT_EQ(layers.colors,
              (std::array<Text<6>, 6>{"Ignore", "0=Blck", "Ignore", "Ignore", "1=Red ", "4=Shad"}));
    EXPECT_EQ(layers.cityFile, "RECEIVE.EUR");
    EXPECT_EQ(layers.summaryText.sub(81, 160),
              padded("   Ignore    black    Ignore Ignore   red      Shading, no contours", 80));

    layers.cityChoice = 0;
    LAYERS_OK(tables, layers);
    EXPECT_EQ(layers.cityFile, "RECEIVE.CTY");
}

TEST_F(LayersDialogTest, AnEmptyListKeepsTheStoredCodeOfItsLayers) {
    tables.CityListCount = 0;
    tables.WindowColourCount = 0;
    layers_prepare(paths, tables, layers);
    EXPECT_EQ(layers.choices[3], 1);
    LAYERS_OK(tables, layers);
    EXPECT_EQ(layers.colors,
              (std::array<Text<6>, 6>{"7=Grey", "4=Blue", "Ignore", "2=RED ", "1=Red ", "4=Shad"}));
}

TEST_F(LayersDialogTest, DefaultStoresTheDefaultCodesOrTheFirstItemOfAListWithoutThem) {
    layers.cityFile = "RECEIVE.EUR";
    layers.choices = {2, 2, 2, 2, 2, 2};
    EXPECT_EQ(LAYERS_DEFAULT(tables, layers), 0);
    EXPECT_EQ(layers.colors,
              (std::array<Text<6>, 6>{"0=Blck", "4=Blue", "Ignore", "Ignore", "1=Red ", "0=BLCK"}));
    EXPECT_EQ(layers.cityFile, "RECEIVE.CTY");

    tables.WindowColourCodes[1] = "8=DGry";  // the list lacks "0=Blck"
    LAYERS_DEFAULT(tables, layers);
    EXPECT_EQ(layers.colors[0], "Ignore");
    EXPECT_EQ(layers.summaryText.sub(1, 54),
              "  Grid    Countries  Zones  Cities  MainBeam  Contours");
}

TEST(LayerColourLinesTest, SmallScreensShowTwelveLines) {
    ColorTables tables;
    tables.WindowColourCount = 17;
    EXPECT_EQ(layer_colour_lines(tables, {640, 0}), 12);
    EXPECT_EQ(layer_colour_lines(tables, {800, 1}), 12);
    EXPECT_EQ(layer_colour_lines(tables, {800, 0}), 17);
    EXPECT_EQ(layer_colour_lines(tables, {1024, 1}), 17);
}

}  // namespace
}  // namespace qor
