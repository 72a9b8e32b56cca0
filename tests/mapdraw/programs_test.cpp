// terrapix and qortool map as a user runs them from a shell.

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "tests/mapdraw/sample_maps.h"

namespace qor::map {
namespace {

using testing::SamplePackage;

const std::string terrapix = std::string(QOR_BINARY_DIR) + "/terrapix";
const std::string qortool = std::string(QOR_BINARY_DIR) + "/qortool";

qor::testing::ProgramRun run(const qor::testing::TempDir& scratch,
                             std::vector<std::string> arguments) {
    return qor::testing::run_program(scratch, arguments);
}

TEST(Terrapix, ExportsEveryFormatFromThePlotRequest) {
    SamplePackage package;
    package.request("SAMPLE_001\\SAMPLE01.HG1", "Export test");
    qor::testing::TempDir out;
    for (const char* name : {"map.png", "map.svg", "map.pdf", "map.geojson"}) {
        const auto result = run(out, {terrapix, "--export", out / name, "--size", "800x500",
                                      package.run(), "AREADATA", "zonegrfx.dat"});
        EXPECT_EQ(result.status, 0) << name << ": " << result.err;
        EXPECT_TRUE(std::filesystem::file_size(out / name) > 1000) << name;
    }
    EXPECT_EQ(QImage(QString::fromStdString(out / "map.png")).size(), QSize(800, 500));
    // The PDF holds one page per plotted parameter: DBU, SNR, REL.
    const std::string pdf = qor::testing::read_file(out / "map.pdf");
    std::size_t pages = 0;
    for (std::size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
         at = pdf.find("/Type /Page\n", at + 1)) {
        ++pages;
    }
    EXPECT_EQ(pages, 3u);
    // Nothing of the package was written.
    EXPECT_EQ(qor::testing::read_file(package.run() + "/zonegrfx.dat"),
              "SAMPLE_001\\SAMPLE01.HG1\nExport test\n");
}

TEST(Terrapix, BadInputGetsAMessageAndAnExitStatusNeverACrash) {
    SamplePackage package;
    qor::testing::TempDir out;
    struct Case {
        std::vector<std::string> extra;  // before the three positional arguments
        std::string request;             // zonegrfx.dat
        int status;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"--export", out / "m.png"},
         "SAMPLE_001\\GONE.HG1\nt\n",
         1,
         "OPEN error on file=SAMPLE_001\\GONE.HG1"},
        {{"--export", out / "m.png", "--param", "5"},
         "SAMPLE_001\\SAMPLE01.HG1\nt\n",
         1,
         "there is no parameter 5"},
        {{"--export", out / "no/such/dir/m.png"},
         "SAMPLE_001\\SAMPLE01.HG1\nt\n",
         1,
         "cannot write"},
        {{"--export", out / "m.bmp"},
         "SAMPLE_001\\SAMPLE01.HG1\nt\n",
         1,
         "use .png, .svg, .pdf or .geojson"},
        {{"--export", out / "m.png", "--size", "huge"},
         "SAMPLE_001\\SAMPLE01.HG1\nt\n",
         2,
         "--size"},
        {{"--export", out / "m.png", "--param", "0"},
         "SAMPLE_001\\SAMPLE01.HG1\nt\n",
         2,
         "--param"},
        {{"--frobnicate"}, "SAMPLE_001\\SAMPLE01.HG1\nt\n", 2, "unknown option"},
    };
    for (const Case& c : cases) {
        qor::testing::write_file(package.run() + "/zonegrfx.dat", c.request);
        std::vector<std::string> arguments = {terrapix};
        arguments.insert(arguments.end(), c.extra.begin(), c.extra.end());
        arguments.insert(arguments.end(), {package.run(), "AREADATA", "zonegrfx.dat"});
        const auto result = run(out, arguments);
        EXPECT_EQ(result.status, c.status) << c.message << ": " << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }

    // A plotted parameter the grid lacks: the map of the others is written,
    // the missing one reported.
    const std::string hal = package / "AREADATA/SAMPLE_001/SAMPLE01.HAL";
    std::string text = qor::testing::read_file(hal);
    text.replace(text.find("Parameter:SNR   "), 16, "Parameter:XYZ   ");
    qor::testing::write_file(hal, text);
    package.request("SAMPLE_001\\SAMPLE01.HG1");
    auto result = run(out, {terrapix, "--export", out / "x.png", "--param", "2", package.run(),
                            "AREADATA", "zonegrfx.dat"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("parameter 2 (XYZ): the grid file has no parameter XYZ"),
              std::string::npos)
        << result.err;
    result = run(out, {terrapix, "--export", out / "y.png", "--param", "1", package.run(),
                       "AREADATA", "zonegrfx.dat"});
    EXPECT_EQ(result.status, 0) << result.err;
}

TEST(QortoolMap, WritesOneFilePerPlottedParameterAndHourWithoutTouchingTheRequest) {
    SamplePackage package;
    package.request("SAMPLE_001\\SAMPLE01.HG1", "Left alone");
    const std::string hal = package / "AREADATA/SAMPLE_001/SAMPLE02.HAL";
    const std::string before = qor::testing::read_file(hal);
    qor::testing::TempDir out;
    // SAMPLE02 plots DBU and REL for hours 1, 2 and 4 (hour 3 was not run).
    const auto result = run(out, {qortool, "map", package / "AREADATA/SAMPLE_001/SAMPLE02.HG1",
                                  "--out", out / "maps", "--format", "svg", "--all-hours"});
    EXPECT_EQ(result.status, 0) << result.err;
    std::vector<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(out / "maps")) {
        written.push_back(entry.path().filename().string());
    }
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, (std::vector<std::string>{"SAMPLE02_HG1_DBU.svg", "SAMPLE02_HG1_REL.svg",
                                                 "SAMPLE02_HG2_DBU.svg", "SAMPLE02_HG2_REL.svg",
                                                 "SAMPLE02_HG4_DBU.svg", "SAMPLE02_HG4_REL.svg"}));
    EXPECT_EQ(qor::testing::read_file(hal), before);
    EXPECT_EQ(qor::testing::read_file(package.run() + "/zonegrfx.dat"),
              "SAMPLE_001\\SAMPLE01.HG1\nLeft alone\n");

    const auto refused = run(out, {qortool, "map", package / "AREADATA/SAMPLE_001/SAMPLE02.HG1"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("--out DIR is needed"), std::string::npos);
}

}  // namespace
}  // namespace qor::map
