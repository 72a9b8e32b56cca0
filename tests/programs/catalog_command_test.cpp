// qortool catalog started as a process on the sample package: what a script
// sees on its output, and the catalog files it leaves.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "sample/sample_package.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

struct ToolRun {
    std::string output;
    int status = -1;
};

ToolRun run_qortool(const std::string& arguments) {
    std::string command = std::string(QOR_BINARY_DIR) + "/qortool catalog " + arguments + " 2>&1";
    ToolRun run;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        run.output.append(buffer.data(), got);
    }
    int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string package_form(std::string path) {
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

const std::string heading =
    "SEA Req#     ADM  Freq    Time  (?/#) CIRAF zones                    LOC  PWR Azimuth Slw Ant";
const std::string sample01 =
    "SAMPLE01.HAL USA 15.26 0700-1000(3/3) 27,28,37,38                    GRV  250    45.0   0 "
    "301 ";
const std::string sample02 =
    "SAMPLE02.HAL USA  9.59 0200-0900(3/4) 10,11,12,13,14,15,16           DEL  250   140.0   0 "
    "302 ";
const std::string sample03 =
    "SAMPLE03.HAL GRC 11.85 1900-2000(1/1) 18,19,27,28,29                 KAV  500   300.0   0 "
    "301 ";

class CatalogCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(sample::write_sample_package(dir.path()), "");
        tokens = dir.path() + "/RUN HALDOR SAMPLE_001 ";
    }
    std::string catalog() const {
        return testing::read_file(dir / "AREADATA/SAMPLE_001/HALDOR.TXT");
    }

    testing::TempDir dir;
    std::string tokens;
};

TEST_F(CatalogCommandTest, CreatesListsSortsAndListsGridFilesOfTheSampleRuns) {
    ToolRun created = run_qortool(tokens + "create");
    EXPECT_EQ(created.status, 0);
    EXPECT_EQ(created.output, "Catalog file created with    3 HALDOR grid files\nCatalog file=" +
                                  package_form(dir.path()) +
                                  "\\AREADATA\\SAMPLE_001\\HALDOR.TXT created.\n");
    EXPECT_EQ(catalog(), "    3 Requirement files found.  Sorted by:Requirement Number\n" +
                             heading + "\n" + sample01 + "\n" + sample02 + "\n" + sample03 + "\n");

    ToolRun listed = run_qortool(dir.path() + "/RUN haldor sample_001 list");
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(
        listed.output,
        testing::lines({"    3 Requirement files found.  Sorted by:Requirement Number", heading,
                        sample01.substr(0, 93), sample02.substr(0, 93), sample03.substr(0, 93)}));

    struct Sort {
        const char* key;
        const char* name;
        std::vector<std::string> entries;
    };
    const std::vector<Sort> sorts = {
        {"FTL", "Frequency/Time/Location", {sample02, sample03, sample01}},
        {"lft", "Location/Frequency/Time", {sample02, sample01, sample03}},
        {"\"Location/Time/Frequency\"", "Location/Time/Frequency", {sample02, sample01, sample03}},
        // The three names share their first five characters, the key: the heap
        // sort leaves lines 1, 2, 3 of equal keys in the order 2, 3, 1.
        {"R", "Requirement Number", {sample01, sample03, sample02}},
    };
    for (const Sort& sort : sorts) {
        SCOPED_TRACE(sort.key);
        ToolRun sorted = run_qortool(tokens + "sort " + sort.key);
        EXPECT_EQ(sorted.status, 0);
        EXPECT_EQ(sorted.output, "Sorted by: " + std::string(sort.name) + "\n");
        std::string expected =
            "    3 Requirement files found.  Sorted by:" +
            testing::lines(
                {std::string(sort.name) + std::string(24 - std::string(sort.name).size(), ' ')});
        expected += heading + " \n";
        for (const std::string& entry : sort.entries) expected += entry + "\n";
        EXPECT_EQ(catalog(), expected);
    }

    ToolRun grids = run_qortool(tokens + "grids 3");
    EXPECT_EQ(grids.status, 0);
    std::vector<std::string> shown;
    for (std::size_t start = 0, end; (end = grids.output.find('\n', start)) != std::string::npos;
         start = end + 1) {
        shown.push_back(grids.output.substr(start, end - start));
    }
    ASSERT_EQ(shown.size(), 4u) << grids.output;
    EXPECT_EQ(shown[0].substr(0, 13), "SAMPLE02.HG1=");
    EXPECT_EQ(shown[2], "SAMPLE02.HG3=(file not calculated)");
    EXPECT_EQ(shown[3].substr(0, 13), "SAMPLE02.HG4=");
}

TEST_F(CatalogCommandTest, RefusesBadTokensKeysAndEntriesWithAFailureStatus) {
    ToolRun missing = run_qortool(tokens + "list");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.output, "catalog file OPEN ERROR\nFile:" + package_form(dir.path()) +
                                  "\\AREADATA\\SAMPLE_001\\HALDOR.TXT\n");
    ASSERT_EQ(run_qortool(tokens + "create").status, 0);
    const std::string before = catalog();

    struct Bad {
        std::string arguments;
        int status;
    };
    const std::vector<Bad> cases = {
        {tokens + "sort sideways", 1},
        {tokens + "sort", 2},
        {tokens + "grids 4", 1},
        {tokens + "grids x", 1},
        {tokens + "shuffle", 2},
        {dir.path() + "/RUN PARVIS SAMPLE_001 list", 1},
        {dir.path() + "/RUN HALDOR SAMPLE_1 list", 1},
    };
    for (const Bad& bad : cases) {
        ToolRun run = run_qortool(bad.arguments);
        EXPECT_EQ(run.status, bad.status) << bad.arguments << "\n" << run.output;
        EXPECT_FALSE(run.output.empty()) << bad.arguments;
    }
    EXPECT_EQ(catalog(), before);

    ToolRun help = run_qortool("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("sort KEY"), std::string::npos);
}

}  // namespace
}  // namespace qor
