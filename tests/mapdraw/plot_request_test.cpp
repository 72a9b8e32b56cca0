// Reading the plot request and everything it names, from the sample package.

#include <gtest/gtest.h>

#include <cmath>

#include "mapdraw/plot_request.h"
#include "mapdraw/scene.h"
#include "tests/mapdraw/sample_maps.h"

namespace qor::map {
namespace {

using testing::SamplePackage;

std::optional<PlotRequest> read(const SamplePackage& package, std::string& error,
                                const std::string& root = "AREADATA") {
    return read_plot_request(package.run(), root, "zonegrfx.dat", error);
}

TEST(PlotRequest, ReadsTheGridTheSettingsAndTheLinesTheFrontEndSkips) {
    SamplePackage package;
    package.request("SAMPLE_001\\SAMPLE01.HG2", "Morning service");
    std::string error;
    std::optional<PlotRequest> request = read(package, error);
    ASSERT_TRUE(request) << error;
    EXPECT_EQ(request->title, "Morning service");
    EXPECT_EQ(request->model, "HALDOR");
    EXPECT_EQ(request->columns, 37);
    EXPECT_EQ(request->rows, 37);
    ASSERT_EQ(request->nodes.size(), 37u * 37u);
    // Rows from the south, points from the west: 10 N 100 W, 2 and 4 degree steps.
    EXPECT_EQ(request->nodes.front(), (GeoPoint{-100, 10}));
    EXPECT_EQ(request->nodes[1], (GeoPoint{-96, 10}));
    EXPECT_EQ(request->nodes[37], (GeoPoint{-100, 12}));
    EXPECT_EQ(request->projection_code, 1);

    // Transmit line, station text, Hours and Months lines.
    EXPECT_TRUE(request->has_station);
    EXPECT_EQ(request->station_name, "GREENVILLE");
    EXPECT_EQ(request->station, (GeoPoint{-77.2, 35.47}));
    EXPECT_TRUE(request->has_beam);
    EXPECT_EQ(request->beam_azimuth, 45.0);
    EXPECT_EQ(request->beam_slew, 0);
    EXPECT_EQ(request->hour_position, 2);
    EXPECT_EQ(request->hour_ut, 8);
    EXPECT_EQ(request->month, 6);
    EXPECT_NEAR(request->frequency, 15.26, 1e-9);

    // DBU on automatic levels, SNR with three defined levels, REL with seven.
    ASSERT_EQ(request->parameters.size(), 3u);
    const PlottedParameter& dbu = request->parameters[0];
    EXPECT_TRUE(dbu.automatic);
    EXPECT_TRUE(dbu.problem.empty());
    EXPECT_EQ(dbu.units, "dB above 1 uV/m");
    EXPECT_EQ(dbu.description, "Median field strength of the most reliable mode");
    EXPECT_EQ(dbu.colours.size(), dbu.levels.size());
    EXPECT_TRUE(std::is_sorted(dbu.levels.begin(), dbu.levels.end()));
    const PlottedParameter& snr = request->parameters[1];
    EXPECT_FALSE(snr.automatic);
    EXPECT_EQ(snr.levels, (std::vector<float>{10, 20, 30}));
    EXPECT_EQ(snr.colours, (std::vector<int>{3, 9, 1}));
    ASSERT_EQ(snr.bands.size(), 3u);
    EXPECT_EQ(request->parameters[2].levels.size(), 7u);

    // Values: the skip zone's -999.0 is no value; others are scaled numbers.
    const std::vector<float>& values = request->values[0];
    std::size_t missing = 0;
    for (const float v : values) missing += std::isnan(v);
    EXPECT_GT(missing, 0u);
    EXPECT_LT(missing, values.size());

    // Layers: black grid, blue countries, zones Ignore, RED (large) cities,
    // red beam, black lines with shading.
    EXPECT_EQ(request->grid_colour, 0);
    EXPECT_EQ(request->countries_colour, 4);
    EXPECT_EQ(request->zones_colour, -1);
    EXPECT_EQ(request->city_colour, 1);
    EXPECT_TRUE(request->large_city_names);
    EXPECT_EQ(request->beam_colour, 1);
    EXPECT_EQ(request->contour_style, ContourStyle::black_lines_shaded);
    EXPECT_FALSE(request->cities.empty());
    EXPECT_TRUE(request->city_problem.empty());
}

TEST(PlotRequest, InverseRunsAngleAliasesAndBinStylesAreRead) {
    SamplePackage package;
    // MIRV02 plots TANGLE, which the grid carries as ANGLE, in grey bins.
    package.request("SAMPLE_001\\MIRV02.MG3");
    std::string error;
    std::optional<PlotRequest> request = read(package, error);
    ASSERT_TRUE(request) << error;
    EXPECT_EQ(request->projection_code, 21);
    EXPECT_EQ(request->contour_style, ContourStyle::bin_grey);
    EXPECT_EQ(request->beam_slew, 15);
    ASSERT_EQ(request->parameters.size(), 2u);
    EXPECT_EQ(request->parameters[1].name, "TANGLE");
    EXPECT_TRUE(request->parameters[1].problem.empty()) << request->parameters[1].problem;
    EXPECT_EQ(request->field_names[static_cast<std::size_t>(request->parameters[1].field)],
              "ANGLE");

    package.request("SAMPLE_INV\\INVRS01.HG1");
    request = read(package, error, "AREA_INV");
    ASSERT_TRUE(request) << error;
    EXPECT_TRUE(request->inverse);
    EXPECT_EQ(request->station_name, "WASHINGTON");
}

TEST(PlotRequest, ModeIsPlottedAsItsNumberOfHops) {
    SamplePackage package;
    // Plot MODE (field 2, text such as "  2F2 ") in place of SNR.
    const std::string hal = package / "AREADATA/SAMPLE_001/SAMPLE01.HAL";
    std::string text = qor::testing::read_file(hal);
    const std::size_t at = text.find("Parameter:SNR   ");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 16, "Parameter:MODE  ");
    qor::testing::write_file(hal, text);
    package.request("SAMPLE_001\\SAMPLE01.HG1");
    std::string error;
    std::optional<PlotRequest> request = read(package, error);
    ASSERT_TRUE(request) << error;
    const std::vector<float>& hops = request->values[1];
    float low = 99, high = 0;
    std::size_t blank = 0;
    for (const float v : hops) {
        if (std::isnan(v)) {
            ++blank;
            continue;
        }
        low = std::min(low, v);
        high = std::max(high, v);
        EXPECT_EQ(v, std::floor(v));
    }
    EXPECT_GE(low, 1.0f);
    EXPECT_LE(high, 9.0f);
    EXPECT_GT(blank, 0u);  // no sky wave in the skip zone
}

TEST(PlotRequest, BadInputIsRefusedWithAMessageThatNamesIt) {
    SamplePackage package;
    std::string error;
    struct Case {
        std::string request;  // zonegrfx.dat content
        std::string root;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"SAMPLE_001\\NOSUCH.HG1\nx\n", "AREADATA", "OPEN error on file=SAMPLE_001\\NOSUCH.HG1"},
        {"SAMPLE_001\\SAMPLE01.XY1\nx\n", "AREADATA", "no suffix of a prediction program"},
        {"\n\n", "AREADATA", "names no grid file"},
        {"SAMPLE_001\\SAMPLE01.HG1\nx\n", "ELSEWHERE", "AREADATA or AREA_INV"},
    };
    for (const Case& c : cases) {
        qor::testing::write_file(package.run() + "/zonegrfx.dat", c.request);
        EXPECT_FALSE(read(package, error, c.root)) << c.request;
        EXPECT_NE(error.find(c.expected), std::string::npos) << error;
    }
    EXPECT_FALSE(read_plot_request(package.run(), "AREADATA", "missing.dat", error));
    EXPECT_NE(error.find("cannot open the plot request"), std::string::npos) << error;

    // A grid file that ends early, and one without coordinates.
    const std::string grid = package / "AREADATA/SAMPLE_001/SAMPLE01.HG1";
    const std::string whole = qor::testing::read_file(grid);
    package.request("SAMPLE_001\\SAMPLE01.HG1");
    qor::testing::write_file(grid, whole.substr(0, whole.size() / 2));
    EXPECT_FALSE(read(package, error));
    EXPECT_NE(error.find("READ error on file=SAMPLE_001\\SAMPLE01.HG1"), std::string::npos)
        << error;
    EXPECT_NE(error.find("of its 1369 point records"), std::string::npos) << error;

    std::string blanked;
    std::size_t line = 0, start = 0;
    while (start < whole.size()) {
        std::size_t end = whole.find('\n', start);
        std::string text = whole.substr(start, end - start);
        if (++line > 3) text.replace(0, 26, 26, ' ');
        blanked += text + "\n";
        start = end + 1;
    }
    qor::testing::write_file(grid, blanked);
    EXPECT_FALSE(read(package, error));
    EXPECT_NE(error.find("no latitude and longitude in columns 1-16"), std::string::npos) << error;
}

TEST(PlotRequest, ParameterTheGridLacksIsReportedAndAGreatCircleWithoutStationIsCentred) {
    SamplePackage package;
    const std::string hal = package / "AREADATA/SAMPLE_001/SAMPLE01.HAL";
    std::string text = qor::testing::read_file(hal);
    text.replace(text.find("Parameter:SNR   "), 16, "Parameter:XYZ   ");
    text.replace(text.find("Gridsize :   37    1"), 20, "Gridsize :   37    0");
    text.erase(text.find("Transmit :"),
               text.find('\n', text.find("Transmit :")) - text.find("Transmit :") + 1);
    qor::testing::write_file(hal, text);
    package.request("SAMPLE_001\\SAMPLE01.HG1");
    std::string error;
    std::optional<PlotRequest> request = read(package, error);
    ASSERT_TRUE(request) << error;
    EXPECT_EQ(request->parameters[1].problem, "the grid file has no parameter XYZ");
    EXPECT_FALSE(request->has_station);

    std::unique_ptr<MapProjection> projection = projection_for(*request, error);
    ASSERT_TRUE(projection) << error;
    EXPECT_EQ(projection->code(), 0);
    // Centred on the area's middle: 46 N, 28 W.
    EXPECT_NEAR(projection->centre().lat, 46.0, 1e-9);
    EXPECT_NEAR(projection->centre().lon, -28.0, 1e-9);
    ASSERT_FALSE(request->notes.empty());
    EXPECT_NE(request->notes.back().find("centred on the area's middle"), std::string::npos);
}

TEST(PlotRequest, ReadOnceTheRequestKeepsItsMapWhenTheFilesChangeLater) {
    SamplePackage package;
    package.request("SAMPLE_001\\SAMPLE01.HG1", "First request");
    std::string error;
    std::optional<PlotRequest> request = read(package, error);
    ASSERT_TRUE(request) << error;
    // A later "Plot to" rewrites the plot request and the requirement file.
    package.request("SAMPLE_001\\MIRV01.MG1", "Second request");
    qor::testing::write_file(package / "AREADATA/SAMPLE_001/SAMPLE01.HAL", "garbage\n");
    std::unique_ptr<MapProjection> projection = projection_for(*request, error);
    ASSERT_TRUE(projection) << error;
    const MapScene scene = build_scene(*request, 0, *projection, nullptr, {});
    EXPECT_EQ(scene.title, "First request");
    EXPECT_EQ(scene.parameter.substr(0, 3), "DBU");
    EXPECT_FALSE(scene.fills.empty());
}

}  // namespace
}  // namespace qor::map
