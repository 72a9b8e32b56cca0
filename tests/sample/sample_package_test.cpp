#include "sample/sample_package.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <regex>
#include <set>

#include "app/startup.h"
#include "base/fixed_record.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::RecordingConsole;
using testing::TempDir;

constexpr std::array<const char*, 16> sixteen_colour_labels{
    "0=Blck", "1=Red ", "2=Grn ", "3=Yell", "4=Blue", "5=Magn", "6=Cyan", "7=Grey",
    "8=DGry", "9=Orng", "A=Lgrn", "B=Brwn", "C=Lblu", "D=Pink", "E=LLbl", "F=Whit"};

std::vector<std::string> file_lines(const std::string& path) {
    std::vector<std::string> result;
    LineReader reader;
    if (!reader.open_native(path)) return result;
    std::string_view line;
    while (reader.next(line)) result.emplace_back(line);
    return result;
}

// Every regular file below root, by relative path.
std::map<std::string, std::string> package_contents(const std::string& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), root).string()] = read_file(entry.path().string());
        }
    }
    return files;
}

std::vector<std::string> files_matching(const std::string& directory, const std::regex& name) {
    std::vector<std::string> result;
    for (const auto& entry : fs::directory_iterator(directory)) {
        if (std::regex_match(entry.path().filename().string(), name)) {
            result.push_back(entry.path().string());
        }
    }
    std::sort(result.begin(), result.end());
    return result;
}

class SamplePackageTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<TempDir>();
        ASSERT_EQ(sample::write_sample_package(dir_->path()), "");
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static std::string path(const std::string& relative) { return *dir_ / relative; }
    static std::vector<std::string> grid_files() {
        std::vector<std::string> all;
        for (const char* sub : {"AREADATA/SAMPLE_001", "AREA_INV/SAMPLE_INV"}) {
            for (std::string& file : files_matching(path(sub), std::regex(".*\\.[HM]G[1-9]"))) {
                all.push_back(std::move(file));
            }
        }
        return all;
    }
    static std::vector<std::string> requirement_files() {
        std::vector<std::string> all;
        for (const char* sub : {"AREADATA/SAMPLE_001", "AREA_INV/SAMPLE_INV"}) {
            for (std::string& file : files_matching(path(sub), std::regex(".*\\.(HAL|MIR)"))) {
                all.push_back(std::move(file));
            }
        }
        return all;
    }

    static std::unique_ptr<TempDir> dir_;
};

std::unique_ptr<TempDir> SamplePackageTest::dir_;

TEST_F(SamplePackageTest, LaysOutAnInstallationWithoutMapProgramsOrCatalogs) {
    for (const char* file : {"database/colors.win", "database/colors.dat", "database/colors.con",
                             "database/contact.txt", "database/HALPLT.GPH", "database/MIRPLT.GPH",
                             "database/TABPLT.GPH", "database/PARPLT.GPH", "USERDB/RECEIVE.CTY",
                             "help_win/qorplot.html"}) {
        EXPECT_TRUE(fs::is_regular_file(path(file))) << file;
    }
    EXPECT_TRUE(fs::is_directory(path("RUN")));
    EXPECT_EQ(files_matching(path("USERDB"), std::regex("RECEIVE\\..*")).size(), 3u);
    for (const char* absent :
         {"bin", "bin_win", "fonts", "database/setup.ini", "AREADATA/SAMPLE_001/HALDOR.TXT",
          "AREADATA/SAMPLE_001/MIRVEN.TXT"}) {
        EXPECT_FALSE(fs::exists(path(absent))) << absent;
    }
    auto requirements = files_matching(path("AREADATA/SAMPLE_001"), std::regex(".*\\.HAL"));
    EXPECT_GE(requirements.size(), 4u);
    EXPECT_GE(files_matching(path("AREADATA/SAMPLE_001"), std::regex(".*\\.MIR")).size(), 2u);
    EXPECT_EQ(files_matching(path("AREA_INV/SAMPLE_INV"), std::regex(".*\\.HAL")).size(), 1u);
    for (const std::string& file : requirement_files()) {
        EXPECT_LE(fs::path(file).filename().string().size(), 12u) << file;
    }
}

TEST_F(SamplePackageTest, IsTheSameByteForByteEveryTimeAndOverAnEarlierPackage) {
    TempDir other;
    ASSERT_EQ(sample::write_sample_package(other.path()), "");
    auto first = package_contents(dir_->path());
    EXPECT_EQ(package_contents(other.path()), first);
    // Written again over itself: the same files, no temporary left behind.
    ASSERT_EQ(sample::write_sample_package(other.path()), "");
    EXPECT_EQ(package_contents(other.path()), first);
}

TEST(SamplePackageWriterTest, ReportsADirectoryItCannotCreate) {
    TempDir dir;
    testing::write_file(dir / "plain", "not a directory\n");
    std::string error = sample::write_sample_package(dir / "plain");
    EXPECT_NE(error.find("cannot create"), std::string::npos) << error;
    EXPECT_NE(sample::write_sample_package(""), "");
}

TEST_F(SamplePackageTest, SettingsFilesReadBackWithTheStartupLoaders) {
    Session session;
    RecordingConsole console;
    testing::use_package(session, path("RUN"), console);
    load_settings_files(session);
    EXPECT_TRUE(console.events.empty());

    const ColorTables& tables = session.colors;
    ASSERT_EQ(tables.WindowColourCount, 17);
    EXPECT_EQ(tables.WindowColourCodes[0], "Ignore");
    EXPECT_EQ(tables.WindowColourNames[0], "Ignore");
    EXPECT_EQ(tables.WindowColourNames[1], "Black");
    EXPECT_EQ(tables.WindowColourNames[2], "Red");
    ASSERT_EQ(tables.DosColourCount, 16);
    for (std::size_t code = 0; code < 16; ++code) {
        // Contour editor item n + 2 is colour n; the DOS list's second names
        // are the same labels.
        EXPECT_EQ(tables.WindowColourCodes[code + 1], sixteen_colour_labels[code]);
        EXPECT_EQ(tables.DosCodes[code], static_cast<std::int32_t>(code));
        EXPECT_EQ(tables.DosSecondNames[code], sixteen_colour_labels[code]);
        EXPECT_FALSE(tables.DosFirstNames[code].blank());
    }
    EXPECT_EQ(tables.DosFirstNames[0], "black");
    std::set<std::string> first_names;
    for (std::size_t i = 0; i < 16; ++i) first_names.insert(tables.DosFirstNames[i].str());
    EXPECT_EQ(first_names.size(), 16u) << "first names must tell the colours apart";

    const char* cities[] = {"Ignore", "0=BLCK", "1=blck", "2=RED ", "3=red ", "4=BLUE", "5=blue"};
    ASSERT_EQ(tables.CityListCount, 7);
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(tables.CityListCodes[i], cities[i]);
    const char* contours[] = {"Ignore", "0=BLCK", "1=RED ", "2=blck",
                              "3=red ", "4=Shad", "5=Bin ", "6=bin "};
    ASSERT_EQ(tables.ContourListCount, 8);
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(tables.ContourListCodes[i], contours[i]);
    for (std::size_t i = 0; i < 8; ++i) EXPECT_FALSE(tables.ContourListNames[i].blank());

    // colors.con differs from the built-in colours, so this shows it was read.
    EXPECT_EQ(session.contours.defaultColors,
              (std::array<std::int32_t, 7>{12, 10, 3, 9, 1, 5, 15}));
    EXPECT_EQ(session.window.MainColour, "white");
    EXPECT_EQ(session.window.ScrollColumns, 77);
}

TEST_F(SamplePackageTest, ContactFileMixesShownLinesCommentsAndBlankLines) {
    auto lines = file_lines(path("database/contact.txt"));
    int shown = 0, comments = 0, blank = 0;
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), 120u);
        if (line.empty())
            ++blank;
        else if (line[0] == '#')
            ++comments;
        else if (line.rfind("%nl", 0) == 0)
            ++shown;
        else
            ADD_FAILURE() << "not a format-notation line: " << line;
    }
    EXPECT_GT(shown, 2);
    EXPECT_GT(comments, 0);
    EXPECT_GT(blank, 0);
}

struct GridHeader {
    std::int32_t columns = 0;
    std::int32_t rows = 0;
    std::vector<std::string> names;
};

GridHeader grid_header(const std::string& line) {
    GridHeader header;
    FieldReader fields(line);
    EXPECT_TRUE(fields.integer(3, header.columns));
    EXPECT_TRUE(fields.integer(3, header.rows));
    EXPECT_EQ(fields.take(20), std::string(20, ' '));
    while (!fields.rest().empty()) header.names.emplace_back(fields.take(6));
    return header;
}

TEST_F(SamplePackageTest, GridFilesHoldTheirDeclaredPointsInFixedColumns) {
    auto grids = grid_files();
    ASSERT_GE(grids.size(), 12u);
    int files_with_missing_values = 0;
    for (const std::string& grid : grids) {
        SCOPED_TRACE(grid);
        auto lines = file_lines(grid);
        ASSERT_GE(lines.size(), 3u);
        EXPECT_LE(lines[0].size(), 40u);
        EXPECT_LE(lines[1].size(), 75u);
        GridHeader header = grid_header(lines[2]);
        EXPECT_GE(header.columns, 37);
        EXPECT_GE(header.rows, 37);
        ASSERT_GE(header.names.size(), 5u);
        for (const std::string& name : header.names) {
            EXPECT_NE(name.back(), ' ') << "names are right-aligned: '" << name << "'";
        }
        bool mode_text = header.names[1] == "  MODE";
        bool haldor = grid.find(".HG") != std::string::npos;
        EXPECT_EQ(mode_text, haldor);
        ASSERT_EQ(lines.size(), 3u + static_cast<std::size_t>(header.columns * header.rows));

        const std::size_t width = 26 + 6 * header.names.size();
        bool missing_seen = false;
        double previous_latitude = -1000;
        for (std::size_t i = 3; i < lines.size(); ++i) {
            const std::string& record = lines[i];
            ASSERT_EQ(record.size(), width) << "record " << i - 2;
            FieldReader fields(record);
            double latitude = 0, longitude = 0;
            std::int32_t row = 0, point = 0;
            ASSERT_TRUE(fields.real(8, 2, latitude));
            ASSERT_TRUE(fields.real(8, 2, longitude));
            ASSERT_TRUE(fields.integer(5, row));
            ASSERT_TRUE(fields.integer(5, point));
            auto index = static_cast<std::int32_t>(i - 3);
            EXPECT_EQ(row, index / header.columns + 1);
            EXPECT_EQ(point, index % header.columns + 1);
            EXPECT_LE(std::abs(latitude), 90.0);
            EXPECT_LE(std::abs(longitude), 180.0);
            // Rows run south to north.
            if (point == 1) {
                EXPECT_GT(latitude, previous_latitude);
                previous_latitude = latitude;
            }
            bool no_sky_wave = false;
            for (std::size_t k = 0; k < header.names.size(); ++k) {
                std::string_view field = fields.take(6);
                if (k == 1 && mode_text) {
                    no_sky_wave = field == "      ";
                    if (!no_sky_wave) {
                        static const std::regex mode("  [1-9]F2 ");
                        EXPECT_TRUE(std::regex_match(std::string(field), mode)) << field;
                    }
                    continue;
                }
                double value = 0;
                ASSERT_TRUE(parse_real(field, 2, value)) << "'" << field << "'";
                if (value <= -998.9) missing_seen = true;
            }
            if (mode_text && no_sky_wave) {
                // Without a mode there is no signal: DBU (field 1) is missing too.
                double dbu = 0;
                ASSERT_TRUE(parse_real(std::string_view(record).substr(26, 6), 2, dbu));
                EXPECT_LE(dbu, -998.9);
            }
        }
        if (missing_seen) ++files_with_missing_values;
    }
    EXPECT_GT(files_with_missing_values, 0);
}

// The lines of a requirement file that begin with a label.
std::vector<std::string> labelled(const std::vector<std::string>& lines, std::string_view label) {
    std::vector<std::string> result;
    for (const std::string& line : lines) {
        if (line.compare(0, label.size(), label) == 0) result.push_back(line);
    }
    return result;
}

// What a requirement file's header and kept lines hold; the readers check the
// header itself (see the read-back tests).
TEST_F(SamplePackageTest, RequirementFilesCoverTheCasesTheProgramDistinguishes) {
    int old_form = 0, without_months = 0, runs_missing_a_grid = 0;
    std::set<std::string> level_counts;
    for (const std::string& file : requirement_files()) {
        SCOPED_TRACE(file);
        auto lines = file_lines(file);
        ASSERT_GE(lines.size(), 4u);
        ASSERT_GE(lines[1].size(), 20u);
        if (lines[1][19] != ':') ++old_form;
        auto first_kept = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
            return line.rfind("Months   :", 0) == 0 || line.rfind("Hours    :", 0) == 0;
        });
        for (auto it = lines.begin(); it != first_kept; ++it) {
            if (it->rfind("Parameter:", 0) == 0)
                level_counts.insert(Text<80>(*it).str().substr(16, 4));
        }
        std::vector<std::string> kept(first_kept, lines.end());
        EXPECT_LE(kept.size(), 30u);
        for (const std::string& line : kept) EXPECT_LE(line.size(), 80u);
        EXPECT_LE(labelled(kept, "Comment  :").size(), 10u);
        if (labelled(kept, "Months   :").empty()) ++without_months;

        auto hours = labelled(kept, "Hours    :");
        ASSERT_EQ(hours.size(), 1u);
        FieldReader hour_fields(hours[0]);
        hour_fields.skip(10);
        int hour_count = 0;
        for (int k = 1; k <= 9; ++k) {
            std::int32_t hour = -1;
            ASSERT_TRUE(hour_fields.integer(7, hour));
            if (hour > 0) hour_count = k;
        }
        std::string stem = file.substr(0, file.size() - 2);
        int present = 0;
        for (int k = 1; k <= hour_count; ++k) present += fs::exists(stem + "G" + std::to_string(k));
        if (present < hour_count) ++runs_missing_a_grid;

        // The map program places the grid by the area's corners: the first and
        // the last point of every grid file of the run.
        ASSERT_EQ(labelled(kept, "Transmit :").size(), 1u);
        auto area = labelled(kept, "Area     :");
        ASSERT_EQ(area.size(), 1u);
        FieldReader corners(area[0]);
        corners.skip(10);
        double south = 0, west = 0, north = 0, east = 0;
        ASSERT_TRUE(corners.real(8, 2, south) && corners.real(9, 2, west) &&
                    corners.real(8, 2, north) && corners.real(9, 2, east));
        for (int k = 1; k <= hour_count; ++k) {
            std::string grid = stem + "G" + std::to_string(k);
            if (!fs::exists(grid)) continue;
            auto grid_lines = file_lines(grid);
            ASSERT_GT(grid_lines.size(), 4u);
            EXPECT_EQ(grid_lines[3].substr(0, 16),
                      format_real(south, 8, 2) + format_real(west, 8, 2));
            EXPECT_EQ(grid_lines.back().substr(0, 16),
                      format_real(north, 8, 2) + format_real(east, 8, 2));
        }
    }
    EXPECT_EQ(old_form, 1);
    EXPECT_EQ(without_months, 1);
    EXPECT_EQ(runs_missing_a_grid, 1);
    EXPECT_EQ(level_counts, (std::set<std::string>{"   0", "   3", "   7"}));
}

struct PlotGroup {
    std::string name;
    std::int32_t rule = -1;
    std::int32_t count = -1;
    long number_lines = 0;
};

// Reads a plot parameter file group by group: the name line, a skipped line,
// then the free-format numbers.
std::vector<PlotGroup> plot_groups(const std::string& path) {
    std::vector<PlotGroup> groups;
    LineReader file;
    EXPECT_TRUE(file.open_native(path));
    std::string_view line;
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(file.next(line));
    while (file.next(line)) {
        PlotGroup group;
        EXPECT_LE(line.size(), 70u);
        group.name = std::string(line.substr(0, 6));
        EXPECT_TRUE(file.next(line)) << group.name;
        long before = file.line_number();
        ListReader numbers(file);
        numbers.statement();
        float scale = 0;
        EXPECT_EQ(numbers.real(scale), ListResult::ok) << group.name;
        EXPECT_GT(scale, 0.0f);
        EXPECT_EQ(numbers.integer(group.rule), ListResult::ok) << group.name;
        EXPECT_EQ(numbers.integer(group.count), ListResult::ok) << group.name;
        for (std::int32_t k = 0; k < group.count; ++k) {
            float value = 0;
            EXPECT_EQ(numbers.real(value), ListResult::ok) << group.name;
        }
        group.number_lines = file.line_number() - before;
        groups.push_back(group);
    }
    return groups;
}

TEST_F(SamplePackageTest, PlotParameterFilesOfferEveryRuleAndTheGridParameters) {
    std::map<std::string, std::set<std::string>> carried{
        {"HALPLT.GPH", {}}, {"MIRPLT.GPH", {}}, {"TABPLT.GPH", {}}, {"PARPLT.GPH", {}}};
    for (const std::string& grid : grid_files()) {
        auto lines = file_lines(grid);
        ASSERT_GE(lines.size(), 3u);
        std::string file = grid.find(".HG") != std::string::npos ? "HALPLT.GPH" : "MIRPLT.GPH";
        for (std::string name : grid_header(lines[2]).names) {
            Text<6> squeezed(name);
            int n = 6;
            RBLANKC(squeezed, n);
            carried[file].insert(squeezed.str());
        }
    }
    for (const auto& [file, names] : carried) {
        SCOPED_TRACE(file);
        auto groups = plot_groups(path("database/" + file));
        EXPECT_GE(groups.size(), 15u);
        EXPECT_LE(groups.size(), 30u);
        std::set<std::int32_t> rules;
        std::set<std::string> listed;
        bool spans_two_lines = false;
        for (const PlotGroup& group : groups) {
            rules.insert(group.rule);
            listed.insert(group.name);
            EXPECT_GE(group.count, 0);
            EXPECT_LE(group.count, 6);
            if (group.rule == 1) {
                EXPECT_EQ(group.count, 2) << group.name;
            }
            if (group.rule == 3) {
                EXPECT_GE(group.count, 1) << group.name;
            }
            if (group.number_lines > 1) spans_two_lines = true;
        }
        EXPECT_EQ(rules, (std::set<std::int32_t>{0, 1, 2, 3}));
        EXPECT_TRUE(spans_two_lines);
        EXPECT_TRUE(listed.count("ANGLE "));
        for (const std::string& name : names) EXPECT_TRUE(listed.count(name)) << name;
        EXPECT_GT(listed.size(), names.size()) << "also parameters the grids do not carry";
    }
}

TEST_F(SamplePackageTest, CityFilesGiveANameAndCoordinatesPerLine) {
    for (const std::string& file : files_matching(path("USERDB"), std::regex("RECEIVE\\..*"))) {
        SCOPED_TRACE(file);
        auto lines = file_lines(file);
        EXPECT_GE(lines.size(), 10u);
        for (const std::string& line : lines) {
            FieldReader fields(line);
            EXPECT_FALSE(Text<20>(fields.take(20)).blank());
            double latitude = 0, longitude = 0;
            ASSERT_TRUE(fields.real(8, 2, latitude)) << line;
            ASSERT_TRUE(fields.real(9, 2, longitude)) << line;
            EXPECT_LE(std::abs(latitude), 90.0);
            EXPECT_LE(std::abs(longitude), 180.0);
        }
    }
}

TEST_F(SamplePackageTest, HelpPageIsOneSelfContainedHtmlFile) {
    std::string page = read_file(path("help_win/qorplot.html"));
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("</html>"), std::string::npos);
    for (const char* external : {"http:", "https:", "src=", "<link", "@import"}) {
        EXPECT_EQ(page.find(external), std::string::npos) << external;
    }
    // Every internal link has its anchor.
    std::regex link("href=\"#([a-z]+)\"");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), link);
         it != std::sregex_iterator(); ++it) {
        EXPECT_NE(page.find("id=\"" + (*it)[1].str() + "\""), std::string::npos) << (*it)[1];
    }
}

}  // namespace
}  // namespace qor
