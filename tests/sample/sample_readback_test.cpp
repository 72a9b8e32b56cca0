// The sample package read the way the main window reads it: every grid file
// with its requirement file and its plot parameter file, then the summaries.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/settings_files.h"
#include "areadata/readers.h"
#include "catalog/catalog_creation.h"
#include "platform/paths.h"
#include "plotsettings/contour_colours.h"
#include "plotsettings/summaries.h"
#include "sample/sample_package.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

namespace fs = std::filesystem;
using testing::RecordingConsole;
using testing::TempDir;

struct GridCase {
    const char* data_root;
    const char* file;  // as PathState.FileName holds it
    const char* model;
    std::int32_t parameters;  // grid parameters
    std::int32_t plotted;     // plotted slots of the requirement file
    std::int32_t projection;  // RequirementFile.gridSize
};

const GridCase cases[] = {
    {"AREADATA", "SAMPLE_001\\SAMPLE01.HG1", "HALDOR", 7, 3, 1},
    {"AREADATA", "SAMPLE_001\\SAMPLE01.HG3", "HALDOR", 7, 3, 1},
    {"AREADATA", "SAMPLE_001\\SAMPLE02.HG4", "HALDOR", 7, 2, 1},
    {"AREADATA", "SAMPLE_001\\SAMPLE03.HG1", "HALDOR", 7, 3, 0},
    {"AREADATA", "SAMPLE_001\\SAMPLE04.HG2", "HALDOR", 7, 1, 1},
    {"AREADATA", "SAMPLE_001\\MIRV01.MG1", "MIRVEN", 6, 2, 1},
    {"AREADATA", "SAMPLE_001\\MIRV02.MG3", "MIRVEN", 6, 2, 21},
    {"AREA_INV", "SAMPLE_INV\\INVRS01.HG2", "HALDOR", 7, 2, 1},
};

class SampleReadBackTest : public ::testing::TestWithParam<GridCase> {
  protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<TempDir>();
        ASSERT_EQ(sample::write_sample_package(dir_->path()), "");
    }
    static void TearDownTestSuite() { dir_.reset(); }

    // A session started on the package as start-up leaves it.
    void SetUp() override {
        testing::use_package(session, *dir_ / "RUN", console);
        COLORDEF(session.paths, session.contours);
        DOSCOLR(session.paths, session.colors, *session.console);
        WINCOLR(session.paths, session.colors, *session.console);
        R_SETUP(session.paths, session.window);
        const GridCase& c = GetParam();
        session.paths.DataDir = c.data_root;
        session.paths.FileName = c.file;
        session.paths.Model = "HALDOR";
    }

    template <std::size_t N, std::size_t M>
    static bool listed(const Text<6>& code, const std::array<Text<N>, M>& codes,
                       std::int32_t count) {
        for (std::int32_t i = 0; i < count; ++i) {
            if (codes[static_cast<std::size_t>(i)] == code) return true;
        }
        return false;
    }

    static std::unique_ptr<TempDir> dir_;
    Session session;
    RecordingConsole console;
};

std::unique_ptr<TempDir> SampleReadBackTest::dir_;

TEST_P(SampleReadBackTest, ReadsLikeTheMainWindowAndBuildsEverySummary) {
    const GridCase& c = GetParam();
    auto message = READGRID(session.paths, session.grid);
    ASSERT_FALSE(message.has_value()) << message->button;
    const GridFile& grid = session.grid;
    EXPECT_GE(grid.columns, 37);
    EXPECT_GE(grid.rows, 37);
    ASSERT_EQ(grid.parameterCount, c.parameters);
    for (std::int32_t k = 0; k < grid.parameterCount; ++k) {
        auto i = static_cast<std::size_t>(k);
        std::string name(grid.parameterNames[i].trimmed());
        if (grid.parameterNames[i] == "  MODE") {
            EXPECT_EQ(grid.minimum[i], 9999999.0f);
            continue;
        }
        // Every parameter has values somewhere, and none of them is a marker.
        EXPECT_GT(grid.minimum[i], missing_value_limit) << name;
        EXPECT_LE(grid.minimum[i], grid.maximum[i]) << name;
        EXPECT_LT(grid.maximum[i], 1000.0f) << name;
        if (name == "REL") {
            EXPECT_GE(grid.minimum[i], 0.0f);
            EXPECT_LE(grid.maximum[i], 100.0f);
        }
    }

    message = testing::read_requirement_file(session);
    ASSERT_FALSE(message.has_value()) << message->button;
    EXPECT_EQ(session.paths.Model, c.model);
    EXPECT_EQ(session.parameters.count, c.plotted);
    EXPECT_EQ(session.requirement.gridSize, c.projection);
    EXPECT_GE(session.requirement.commentCount, 3);
    EXPECT_FALSE(session.layers.cityFile.blank());
    // The layer colours are codes the Layers dialog's lists hold.
    const ColorTables& tables = session.colors;
    for (int layer : {layer_grid, layer_countries, layer_zones, layer_main_beam}) {
        EXPECT_TRUE(listed(session.layers.colors[static_cast<std::size_t>(layer)],
                           tables.WindowColourCodes, tables.WindowColourCount))
            << session.layers.colors[static_cast<std::size_t>(layer)].view();
    }
    EXPECT_TRUE(
        listed(session.layers.colors[layer_cities], tables.CityListCodes, tables.CityListCount));
    EXPECT_TRUE(listed(session.layers.colors[layer_contours], tables.ContourListCodes,
                       tables.ContourListCount));

    message = READGPH(session.paths, session.grid, session.plotParameters);
    ASSERT_FALSE(message.has_value()) << message->button;
    // Each grid parameter has exactly one entry in its plot parameter file.
    ASSERT_EQ(session.plotParameters.count, grid.parameterCount);
    for (std::int32_t k = 0; k < session.plotParameters.count; ++k) {
        const PlotParameterEntry& entry =
            session.plotParameters.entries[static_cast<std::size_t>(k)];
        EXPECT_LE(entry.valueCount, 6);
        EXPECT_LE(entry.minimum, entry.maximum == -9999999.0f ? 9999999.0f : entry.maximum);
    }

    SET_PARAMS(session.parameters, session.parameters.summaryText);
    SET_LAYERS(session.colors, session.layers, session.layers.summaryText);
    // Automatic levels of every plotted slot come from the table; a slot whose
    // parameter is not in it would stop the program here.
    ASSERT_NO_THROW(SET_CONTOURS(session.plotParameters, session.parameters, session.contours,
                                 *session.console, session.contours.summaryText));
    EXPECT_TRUE(console.events.empty());
    EXPECT_NE(session.contours.summaryText.view().find(session.parameters.names[0].view()),
              std::string_view::npos);
}

// Cases are named by their grid file, e.g. AREADATA_SAMPLE01_HG1.
std::string case_name(const ::testing::TestParamInfo<GridCase>& info) {
    std::string file = info.param.file;
    std::string result = std::string(info.param.data_root) + "_";
    for (char c : file.substr(file.find('\\') + 1)) result += c == '.' ? '_' : c;
    return result;
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfRun, SampleReadBackTest, ::testing::ValuesIn(cases), case_name);

// The lines of a text the program wrote, each ended by the platform's line end.
std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> result;
    const std::string_view end_of_line = line_end();
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(end_of_line, start)) != std::string::npos;
         start = end + end_of_line.size()) {
        result.push_back(text.substr(start, end - start));
    }
    return result;
}

TEST(SampleCatalogTest, CataloguesTheRunsThatHaveAMonthsLineWithTheirGridCounts) {
    TempDir dir;
    ASSERT_EQ(sample::write_sample_package(dir.path()), "");
    Session session;
    RecordingConsole console;
    testing::use_package(session, dir / "RUN", console);
    session.paths.SubDir = "SAMPLE_001";

    session.paths.Model = "HALDOR";
    auto names = GET_FILES(session.paths, session.paths.SubDir);
    ASSERT_EQ(names.size(), 3u);  // SAMPLE04.HAL has no Months line
    auto lines = lines_of(catalog_creation_content(session.paths, names));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "    3 Requirement files found.  Sorted by:Requirement Number");
    EXPECT_EQ(lines[2],
              "SAMPLE01.HAL USA 15.26 0700-1000(3/3) 27,28,37,38                   "
              " GRV  250    45.0   0 301 ");
    EXPECT_EQ(lines[3].substr(0, 38), "SAMPLE02.HAL USA  9.59 0200-0900(3/4) ");
    EXPECT_EQ(lines[4].substr(0, 38), "SAMPLE03.HAL GRC 11.85 1900-2000(1/1) ");

    session.paths.Model = "MIRVEN";
    names = GET_FILES(session.paths, session.paths.SubDir);
    ASSERT_EQ(names.size(), 2u);
    lines = lines_of(catalog_creation_content(session.paths, names));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2].substr(0, 38), "MIRV01.MIR   DEU  9.83 0600-1300(2/2) ");
    EXPECT_EQ(lines[3].substr(0, 38), "MIRV02.MIR   UZB 17.74 1500-1800(3/3) ");
}

}  // namespace
}  // namespace qor
