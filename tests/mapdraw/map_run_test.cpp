// The hours of a run as the map window steps through them: which grid files
// belong to it, which are missing, and the maps read against the settings
// taken when the window opened.

#include <gtest/gtest.h>

#include "mapdraw/map_run.h"
#include "tests/mapdraw/sample_maps.h"

namespace qor::map {
namespace {

using testing::SamplePackage;

std::unique_ptr<MapRun> open_run(const SamplePackage& package, std::string& error) {
    return MapRun::open(package.run(), "AREADATA", "zonegrfx.dat", nullptr, error);
}

TEST(MapRun, TheHoursOfARunAreItsGridFilesWithTheirHoursAndTheMissingOneMarked) {
    SamplePackage package;
    // Hours 2, 4, 6 and 8 UT; the third (6 UT) was not calculated.
    package.request("SAMPLE_001\\SAMPLE02.HG2", "Pacific");
    std::string error;
    std::unique_ptr<MapRun> run = open_run(package, error);
    ASSERT_TRUE(run) << error;
    const std::vector<RunHour>& hours = run->hours();
    ASSERT_EQ(hours.size(), 4u);
    const int uts[] = {2, 4, 6, 8};
    for (std::size_t k = 0; k < hours.size(); ++k) {
        EXPECT_EQ(hours[k].position, static_cast<int>(k) + 1);
        EXPECT_EQ(hours[k].ut, uts[k]);
        EXPECT_EQ(hours[k].grid_name, "SAMPLE_001\\SAMPLE02.HG" + std::to_string(k + 1));
        EXPECT_EQ(hours[k].present, k != 2) << k;
    }
    EXPECT_EQ(run->requested_hour(), 1u);
    EXPECT_EQ(hour_label(hours[0]), "02 UT");
    EXPECT_EQ(hour_label({3, 0, "", false}), "hour 3");

    EXPECT_TRUE(run->usable(0));
    EXPECT_FALSE(run->usable(2));
    EXPECT_FALSE(run->usable(7));
    EXPECT_EQ(run->hour(2, error), nullptr);
    EXPECT_NE(error.find("SAMPLE02.HG3"), std::string::npos) << error;
    EXPECT_NE(error.find("06 UT"), std::string::npos) << error;

    // Each hour carries its own hour; the request's title stays with its own
    // grid file, the others show theirs.
    const HourMap* fourth = run->hour(3, error);
    ASSERT_NE(fourth, nullptr) << error;
    EXPECT_EQ(fourth->request.hour_ut, 8);
    EXPECT_EQ(fourth->request.grid_name, "SAMPLE_001\\SAMPLE02.HG4");
    EXPECT_NE(fourth->request.title, "Pacific");
    const HourMap* own = run->hour(1, error);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->request.title, "Pacific");
    EXPECT_EQ(own->request.hour_ut, 4);
}

TEST(MapRun, AGridFileWhoseSuffixEndsInNoDigitIsTheRunsOnlyHour) {
    SamplePackage package;
    qor::testing::write_file(package / "AREADATA/SAMPLE_001/SAMPLE01.HGX",
                             qor::testing::read_file(package / "AREADATA/SAMPLE_001/SAMPLE01.HG1"));
    package.request("SAMPLE_001\\SAMPLE01.HGX");
    std::string error;
    std::unique_ptr<MapRun> run = open_run(package, error);
    ASSERT_TRUE(run) << error;
    ASSERT_EQ(run->hours().size(), 1u);
    EXPECT_TRUE(run->usable(0));
    EXPECT_EQ(run->requested_hour(), 0u);
}

TEST(MapRun, LaterHoursAreDrawnWithTheSettingsOfWhenTheWindowOpened) {
    SamplePackage package;
    package.request("SAMPLE_001\\SAMPLE01.HG1", "First");
    std::string error;
    std::unique_ptr<MapRun> run = open_run(package, error);
    ASSERT_TRUE(run) << error;
    ASSERT_EQ(run->parameter_names(), (std::vector<std::string>{"DBU", "SNR", "REL"}));

    // A later "Plot to" rewrites the request and spoils the requirement file.
    package.request("SAMPLE_001\\MIRV01.MG1", "Second");
    qor::testing::write_file(package / "AREADATA/SAMPLE_001/SAMPLE01.HAL", "garbage\n");
    const HourMap* third = run->hour(2, error);
    ASSERT_NE(third, nullptr) << error;
    EXPECT_EQ(third->request.grid_name, "SAMPLE_001\\SAMPLE01.HG3");
    ASSERT_EQ(third->request.parameters.size(), 3u);
    EXPECT_EQ(third->request.parameters[1].name, "SNR");
    EXPECT_EQ(third->request.parameters[1].levels, (std::vector<float>{10, 20, 30}));
}

TEST(MapRun, ASceneIsBuiltOnceAndKeptForEachHourParameterAndOptions) {
    SamplePackage package;
    package.request("SAMPLE_001\\SAMPLE01.HG1");
    std::string error;
    std::unique_ptr<MapRun> run = open_run(package, error);
    ASSERT_TRUE(run) << error;
    const MapScene* first = run->scene(0, 0, {}, error);
    ASSERT_NE(first, nullptr) << error;
    EXPECT_EQ(run->scene(0, 0, {}, error), first);
    SceneOptions safe;
    safe.safe_palette = true;
    const MapScene* other = run->scene(0, 0, safe, error);
    ASSERT_NE(other, nullptr);
    EXPECT_NE(other, first);
    // The safe palette changes the bands' colours, not their number.
    ASSERT_EQ(other->legend.size(), first->legend.size());
    EXPECT_NE(other->legend.front().colour, first->legend.front().colour);

    const MapScene* second_hour = run->scene(1, 2, {}, error);
    ASSERT_NE(second_hour, nullptr) << error;
    EXPECT_NE(second_hour->parameter.find("REL"), std::string::npos);
    EXPECT_EQ(run->scene(1, 3, {}, error), nullptr);
    EXPECT_NE(error.find("no parameter 4"), std::string::npos) << error;
}

}  // namespace
}  // namespace qor::map
