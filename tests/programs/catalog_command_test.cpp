// qortool catalog started as a process on the sample package: what a script
// sees, and the catalog file it leaves.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "platform/paths.h"
#include "sample/sample_package.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

std::pair<std::string, int> qortool_catalog(const std::string& arguments) {
    std::string command = std::string(QOR_BINARY_DIR) + "/qortool catalog " + arguments + " 2>&1";
    std::string output;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return {"", -1};
    std::array<char, 4096> buffer{};
    for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        output.append(buffer.data(), got);
    }
    int status = ::pclose(pipe);
    return {output, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

const std::string heading =
    "SEA Req#     ADM  Freq    Time  (?/#) CIRAF zones                    LOC  PWR Azimuth Slw Ant";
const std::string s1 =
    "SAMPLE01.HAL USA 15.26 0700-1000(3/3) 27,28,37,38                    GRV  250    45.0   0 "
    "301 ";
const std::string s2 =
    "SAMPLE02.HAL USA  9.59 0200-0900(3/4) 10,11,12,13,14,15,16           DEL  250   140.0   0 "
    "302 ";
const std::string s3 =
    "SAMPLE03.HAL GRC 11.85 1900-2000(1/1) 18,19,27,28,29                 KAV  500   300.0   0 "
    "301 ";

TEST(CatalogCommandTest, CreatesListsSortsAndListsTheGridFilesOfTheSampleRuns) {
    testing::TempDir dir;
    ASSERT_EQ(sample::write_sample_package(dir.path()), "");
    const std::string tokens = dir.path() + "/RUN HALDOR SAMPLE_001 ";
    const std::string file = dir / "AREADATA/SAMPLE_001/HALDOR.TXT";
    const std::string root = to_package_path(dir.path());

    EXPECT_EQ(
        qortool_catalog(tokens + "list"),
        std::make_pair(
            "catalog file OPEN ERROR\nFile:" + root + "\\AREADATA\\SAMPLE_001\\HALDOR.TXT\n", 1));
    EXPECT_EQ(qortool_catalog(tokens + "create"),
              std::make_pair("Catalog file created with    3 HALDOR grid files\nCatalog file=" +
                                 root + "\\AREADATA\\SAMPLE_001\\HALDOR.TXT created.\n",
                             0));
    EXPECT_EQ(testing::read_file(file),
              "    3 Requirement files found.  Sorted by:Requirement Number\n" + heading + "\n" +
                  s1 + "\n" + s2 + "\n" + s3 + "\n");
    EXPECT_EQ(qortool_catalog(dir.path() + "/RUN haldor sample_001 list").first,
              testing::lines({"    3 Requirement files found.  Sorted by:Requirement Number",
                              heading, s1.substr(0, 93), s2.substr(0, 93), s3.substr(0, 93)}));

    const std::vector<std::tuple<std::string, std::string, std::vector<std::string>>> sorts = {
        {"FTL", "Frequency/Time/Location ", {s2, s3, s1}},
        {"lft", "Location/Frequency/Time ", {s2, s1, s3}},
        {"'Location/Time/Frequency'", "Location/Time/Frequency ", {s2, s1, s3}},
        // All names share the key "SAMPL": the heap sort turns lines 1, 2, 3
        // of equal keys into 2, 3, 1.
        {"R", "Requirement Number      ", {s1, s3, s2}},
    };
    for (const auto& [key, name, entries] : sorts) {
        auto [output, status] = qortool_catalog(tokens + "sort " + key);
        EXPECT_EQ(status, 0) << key;
        EXPECT_EQ(output, "Sorted by: " + std::string(trim_right(name)) + "\n");
        std::string expected =
            "    3 Requirement files found.  Sorted by:" + name + "\n" + heading + " \n";
        for (const std::string& entry : entries) expected += entry + "\n";
        EXPECT_EQ(testing::read_file(file), expected) << key;
    }

    // Entry 3 is now SAMPLE02, whose hour 3 has no grid file.
    auto [grids, status] = qortool_catalog(tokens + "grids 3");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(grids.substr(0, 13), "SAMPLE02.HG1=");
    EXPECT_NE(grids.find("\nSAMPLE02.HG3=(file not calculated)\nSAMPLE02.HG4="), std::string::npos);

    const std::string before = testing::read_file(file);
    for (const auto& [arguments, failure] :
         std::vector<std::pair<std::string, int>>{{tokens + "sort sideways", 1},
                                                  {tokens + "sort", 2},
                                                  {tokens + "grids 4", 1},
                                                  {tokens + "grids x", 1},
                                                  {tokens + "shuffle", 2},
                                                  {dir.path() + "/RUN PARVIS SAMPLE_001 list", 1},
                                                  {dir.path() + "/RUN HALDOR SAMPLE_1 list", 1}}) {
        auto [output, code] = qortool_catalog(arguments);
        EXPECT_EQ(code, failure) << arguments;
        EXPECT_FALSE(output.empty()) << arguments;
    }
    EXPECT_EQ(testing::read_file(file), before);
    EXPECT_EQ(qortool_catalog("--help").second, 0);
}

}  // namespace
}  // namespace qor
