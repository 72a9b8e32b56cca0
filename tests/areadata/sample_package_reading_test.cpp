// The three readers on the real files of the sample package.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/settings_files.h"
#include "areadata/readers.h"
#include "sample/sample_package.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

namespace fs = std::filesystem;

TEST(SamplePackageReadingTest, ReadsEveryGridFileWithItsRequirementAndPlotParameters) {
    testing::TempDir dir;
    ASSERT_EQ(sample::write_sample_package(dir.path()), "");
    int read = 0;
    for (const char* root : {"AREADATA", "AREA_INV"}) {
        for (const auto& sub : fs::directory_iterator(dir / root)) {
            for (const auto& entry : fs::directory_iterator(sub.path())) {
                const std::string name = entry.path().filename().string();
                if (name.size() < 3 || name[name.size() - 2] != 'G') continue;
                SCOPED_TRACE(name);
                testing::RecordingConsole console;
                Session session;
                testing::use_package(session, dir / "RUN", console);
                session.paths.DataDir = root;
                session.paths.FileName = sub.path().filename().string() + "\\" + name;
                DOSCOLR(session.paths, session.colors, *session.console);
                ASSERT_EQ(READGRID(session.paths, session.grid), std::nullopt);
                ASSERT_EQ(testing::read_requirement_file(session), std::nullopt);
                ASSERT_EQ(READGPH(session.paths, session.grid, session.plotParameters),
                          std::nullopt);
                ++read;

                const GridFile& grid = session.grid;
                ASSERT_GT(grid.parameterCount, 0);
                ASSERT_GT(grid.columns * grid.rows, 0);
                for (std::size_t k = 0; k < static_cast<std::size_t>(grid.parameterCount); ++k) {
                    if (grid.minimum[k] == 9999999.0f) continue;  // no valid value
                    EXPECT_LE(grid.minimum[k], grid.maximum[k]) << k;
                    EXPECT_GT(grid.minimum[k], -998.9f) << k;
                }
                if (grid.parameterNames[1] == "  MODE") {
                    EXPECT_EQ(grid.minimum[1], 9999999.0f);
                }

                // Every plotted slot holds automatic levels or at least seven.
                for (std::size_t j = 0; j < static_cast<std::size_t>(session.parameters.count);
                     ++j) {
                    std::int32_t count = session.contours.levelCount[j];
                    EXPECT_TRUE(count == 0 || (count >= 7 && count <= 10)) << j << ": " << count;
                }

                // Each kept entry names a grid parameter and carries its range.
                const PlotParameterTable& table = session.plotParameters;
                EXPECT_GT(table.count, 0);
                for (std::size_t e = 0; e < static_cast<std::size_t>(table.count); ++e) {
                    const PlotParameterEntry& parameter = table.entries[e];
                    bool found = false;
                    for (std::size_t k = 0; k < static_cast<std::size_t>(grid.parameterCount);
                         ++k) {
                        Text<6> squeezed = grid.parameterNames[k];
                        int length = 6;
                        RBLANKC(squeezed, length);
                        if (squeezed.view() != parameter.line.sub(1, 6)) continue;
                        EXPECT_EQ(parameter.minimum, grid.minimum[k]);
                        EXPECT_EQ(parameter.maximum, grid.maximum[k]);
                        found = true;
                        break;
                    }
                    EXPECT_TRUE(found) << parameter.line.view();
                }
            }
        }
    }
    EXPECT_GE(read, 2);
}

}  // namespace
}  // namespace qor
