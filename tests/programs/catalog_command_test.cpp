// qortool catalog started as a process on the sample package: what a script
// sees, and the catalog file it leaves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/paths.h"
#include "sample/sample_package.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

using Arguments = std::vector<std::string>;

// What qortool catalog printed (standard output, then standard error) and its
// exit status.
std::pair<std::string, int> qortool_catalog(const Arguments& arguments) {
    testing::TempDir scratch;
    Arguments command = {testing::built_program("qortool"), "catalog"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    testing::ProgramRun run = testing::run_program(scratch, command);
    return {run.out + run.err, run.status};
}

Arguments operator+(Arguments first, const Arguments& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
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
    const Arguments tokens = {dir / "RUN", "HALDOR", "SAMPLE_001"};
    const std::string file = dir / "AREADATA/SAMPLE_001/HALDOR.TXT";
    const std::string root = to_package_path(dir.path());

    EXPECT_EQ(
        qortool_catalog(tokens + Arguments{"list"}),
        std::make_pair(
            "catalog file OPEN ERROR\nFile:" + root + "\\AREADATA\\SAMPLE_001\\HALDOR.TXT\n", 1));
    EXPECT_EQ(qortool_catalog(tokens + Arguments{"create"}),
              std::make_pair("Catalog file created with    3 HALDOR grid files\nCatalog file=" +
                                 root + "\\AREADATA\\SAMPLE_001\\HALDOR.TXT created.\n",
                             0));
    EXPECT_EQ(testing::read_file(file),
              testing::written(
                  testing::lines({"    3 Requirement files found.  Sorted by:Requirement Number",
                                  heading, s1, s2, s3})));
    EXPECT_EQ(qortool_catalog({dir / "RUN", "haldor", "sample_001", "list"}).first,
              testing::lines({"    3 Requirement files found.  Sorted by:Requirement Number",
                              heading, s1.substr(0, 93), s2.substr(0, 93), s3.substr(0, 93)}));

    const std::vector<std::tuple<std::string, std::string, std::vector<std::string>>> sorts = {
        {"FTL", "Frequency/Time/Location ", {s2, s3, s1}},
        {"lft", "Location/Frequency/Time ", {s2, s1, s3}},
        {"Location/Time/Frequency", "Location/Time/Frequency ", {s2, s1, s3}},
        // All names share the key "SAMPL": the heap sort turns lines 1, 2, 3
        // of equal keys into 2, 3, 1.
        {"R", "Requirement Number      ", {s1, s3, s2}},
    };
    for (const auto& [key, name, entries] : sorts) {
        auto [output, status] = qortool_catalog(tokens + Arguments{"sort", key});
        EXPECT_EQ(status, 0) << key;
        EXPECT_EQ(output, "Sorted by: " + std::string(trim_right(name)) + "\n");
        std::string expected =
            "    3 Requirement files found.  Sorted by:" + name + "\n" + heading + " \n";
        for (const std::string& entry : entries) expected += entry + "\n";
        EXPECT_EQ(testing::read_file(file), testing::written(expected)) << key;
    }

    // Entry 3 is now SAMPLE02, whose hour 3 has no grid file.
    auto [grids, status] = qortool_catalog(tokens + Arguments{"grids", "3"});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(grids.substr(0, 13), "SAMPLE02.HG1=");
    EXPECT_NE(grids.find("\nSAMPLE02.HG3=(file not calculated)\nSAMPLE02.HG4="), std::string::npos);

    const std::string before = testing::read_file(file);
    for (const auto& [arguments, failure] :
         std::vector<std::pair<Arguments, int>>{{tokens + Arguments{"sort", "sideways"}, 1},
                                                {tokens + Arguments{"sort"}, 2},
                                                {tokens + Arguments{"grids", "4"}, 1},
                                                {tokens + Arguments{"grids", "x"}, 1},
                                                {tokens + Arguments{"shuffle"}, 2},
                                                {{dir / "RUN", "PARVIS", "SAMPLE_001", "list"}, 1},
                                                {{dir / "RUN", "HALDOR", "SAMPLE_1", "list"}, 1}}) {
        auto [output, code] = qortool_catalog(arguments);
        EXPECT_EQ(code, failure) << arguments.back();
        EXPECT_FALSE(output.empty()) << arguments.back();
    }
    EXPECT_EQ(testing::read_file(file), before);
    EXPECT_EQ(qortool_catalog({"--help"}).second, 0);
}

}  // namespace
}  // namespace qor
