#include "catalog/catalog_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/catalog/catalog_fixture.h"

namespace qor {
namespace {

using testing::CatalogPackage;
using testing::entry_line;
using testing::lines;
using testing::read_file;
using testing::write_file;

std::string line1(int count, const std::string& sortName) {
    return format_integer(count, 5) + std::string(catalog_count_literal) + sortName;
}

// A catalog list holding the given key texts as the first five columns.
void fill_keys(CatalogList& catalog, const std::vector<std::string>& keys) {
    catalog.Count = static_cast<int>(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) catalog.Lines[i] = keys[i];
}

std::vector<int> sorted_order(const CatalogList& catalog, int key) {
    std::array<std::int32_t, catalog_capacity> order{};
    SORTHEAP(catalog, key, catalog.Count, order);
    return std::vector<int>(order.begin(), order.begin() + catalog.Count);
}

TEST(CatalogPathTest, IsTheModelFileInTheDataSubDirectoryOfThePackageRoot) {
    PathState paths;
    paths.RunDir = "C:\\QOR\\RUN";
    paths.DataDir = "AREADATA";
    paths.SubDir = "SAMPLE_001";
    paths.Model = "HALDOR";
    EXPECT_EQ(catalog_path(paths), "C:\\QOR\\AREADATA\\SAMPLE_001\\HALDOR.TXT");
    paths.DataDir = "AREA_INV";
    EXPECT_EQ(catalog_path(paths), "C:\\QOR\\AREA_INV\\SAMPLE_001\\HALDOR.TXT");
    paths.DataDir = "";
    EXPECT_EQ(catalog_path(paths), "C:\\QOR\\AREADATA\\SAMPLE_001\\HALDOR.TXT");
}

TEST(ReadCatalogTest, ReadsCountSortNameHeadingAndEntries) {
    CatalogPackage package;
    std::string a = entry_line("A.HAL", "11.85", "0000-2400", "BON");
    std::string b = entry_line("B.HAL", " 9.85", "0600-1800", "ABC");
    // A longer entry line is cut at 94 characters; CR LF ends a line as well.
    write_file(package.catalog(), line1(2, "Location/Time/Frequency") + "\r\n" +
                                      std::string(catalog_heading) + "\r\n" + a + "TAIL\n" + b);
    std::string path;
    Text<24> sortName;
    ASSERT_EQ(READ_CATALOG_FILE(package.session->paths, package.session->catalog, path, sortName),
              CatalogReadOutcome::read);
    EXPECT_EQ(path, to_package_path(package.catalog()));
    EXPECT_EQ(sortName, "Location/Time/Frequency");
    const CatalogList& catalog = package.session->catalog;
    EXPECT_EQ(catalog.Count, 2);
    EXPECT_EQ(catalog.Header.trimmed(), catalog_heading);
    EXPECT_EQ(catalog.Lines[0].view(), a);
    EXPECT_EQ(catalog.Lines[1].view(), b);
}

TEST(ReadCatalogTest, TakesABlankSortNameAsRequirementNumber) {
    CatalogPackage package;
    write_file(package.catalog(), lines({line1(0, "  x"), "heading"}));
    std::string path;
    Text<24> sortName;
    ASSERT_EQ(READ_CATALOG_FILE(package.session->paths, package.session->catalog, path, sortName),
              CatalogReadOutcome::read);
    EXPECT_EQ(sortName, "Requirement Number");
    EXPECT_EQ(package.session->catalog.Count, 0);
}

TEST(ReadCatalogTest, LimitsACatalogAnnouncing2500LinesTo2000) {
    CatalogPackage package;
    std::string text =
        line1(2500, "Requirement Number") + "\n" + std::string(catalog_heading) + "\n";
    for (int i = 1; i <= 2500; ++i)
        text += entry_line("R" + std::to_string(i) + ".HAL", "", "", "") + "\n";
    write_file(package.catalog(), text);
    std::string path;
    Text<24> sortName;
    CatalogList& catalog = package.session->catalog;
    ASSERT_EQ(READ_CATALOG_FILE(package.session->paths, catalog, path, sortName),
              CatalogReadOutcome::read);
    EXPECT_EQ(catalog.Count, 2000);
    EXPECT_EQ(catalog.Lines[1999].trimmed().substr(0, 9), "R2000.HAL");

    SORT_CATALOG_FILE(catalog, sortName);
    ASSERT_TRUE(WRITE_CATALOG_FILE(catalog, path, sortName).ok);
    std::string written = read_file(package.catalog());
    EXPECT_EQ(written.substr(0, 5), " 2000");
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 2002);
}

struct BadCatalog {
    const char* what;
    std::string content;
    CatalogReadOutcome outcome;
    int count;  // CatalogList.Count afterwards
};

TEST(ReadCatalogTest, ReportsMissingAndDamagedCatalogs) {
    const std::string heading(catalog_heading);
    const std::string entry = entry_line("A.HAL", "", "", "");
    const std::vector<BadCatalog> cases = {
        {"an empty file", "", CatalogReadOutcome::read_error, 7},
        {"a count that is not a number", lines({"  two Requirement files", heading}),
         CatalogReadOutcome::read_error, 7},
        {"a negative count", lines({line1(-3, ""), heading}), CatalogReadOutcome::read_error, 7},
        {"no heading line", lines({line1(1, "")}), CatalogReadOutcome::read_error, 1},
        {"fewer entries than announced", lines({line1(3, ""), heading, entry}),
         CatalogReadOutcome::read_error, 3},
        {"garbage bytes", std::string("\x01\xff\x00\x7f", 4) + "\n", CatalogReadOutcome::read_error,
         7},
    };
    for (const BadCatalog& c : cases) {
        SCOPED_TRACE(c.what);
        CatalogPackage package;
        write_file(package.catalog(), c.content);
        package.session->catalog.Count = 7;
        std::string path;
        Text<24> sortName;
        EXPECT_EQ(
            READ_CATALOG_FILE(package.session->paths, package.session->catalog, path, sortName),
            c.outcome);
        EXPECT_EQ(package.session->catalog.Count, c.count);
    }
    CatalogPackage missing;
    std::string path;
    Text<24> sortName;
    EXPECT_EQ(READ_CATALOG_FILE(missing.session->paths, missing.session->catalog, path, sortName),
              CatalogReadOutcome::cannot_open);
    EXPECT_EQ(path, to_package_path(missing.catalog()));
}

TEST(WriteCatalogTest, RewritesACreatedCatalogWithFullWidthLinesInTheNewOrder) {
    CatalogPackage package;
    std::string a = entry_line("A.HAL", "11.85", "0000-2400", "BON");
    std::string b = entry_line("B.HAL", " 9.85", "0600-1800", "ABC");
    // As creation writes it: a 60-character line 1 and a 93-character heading.
    std::string created =
        lines({line1(2, "Requirement Number"), std::string(catalog_heading), a, b});
    write_file(package.catalog(), created);
    std::string path;
    Text<24> sortName;
    CatalogList& catalog = package.session->catalog;
    ASSERT_EQ(READ_CATALOG_FILE(package.session->paths, catalog, path, sortName),
              CatalogReadOutcome::read);
    sortName = "Frequency/Time/Location";
    SORT_CATALOG_FILE(catalog, sortName);
    ASSERT_TRUE(WRITE_CATALOG_FILE(catalog, path, sortName).ok);
    EXPECT_EQ(read_file(package.catalog()),
              lines({"    2 Requirement files found.  Sorted by:Frequency/Time/Location ",
                     std::string(catalog_heading) + " ", b, a}));
    // The lines in memory keep the file's order.
    EXPECT_EQ(catalog.Lines[0].view(), a);
}

TEST(WriteCatalogTest, WritesAnEmptyCatalogAsItsTwoFirstLines) {
    CatalogList catalog;
    catalog.Count = 0;
    catalog.Header = "HEAD";
    catalog.Order[0] = 42;
    SORT_CATALOG_FILE(catalog, Text<24>("Requirement Number"));
    EXPECT_EQ(catalog.Order[0], 42);
    EXPECT_EQ(catalog_file_content(catalog, Text<24>("Requirement Number")),
              "    0" + std::string(catalog_count_literal) + "Requirement Number      \n" +
                  padded("HEAD", 94) + "\n");
}

TEST(WriteCatalogTest, KeepsTheOldCatalogWholeWhenItCannotBeRewritten) {
    CatalogPackage package;
    std::string old = lines({line1(1, "Requirement Number"), std::string(catalog_heading),
                             entry_line("A.HAL", "", "", "")});
    write_file(package.catalog(), old);
    std::string path;
    Text<24> sortName;
    CatalogList& catalog = package.session->catalog;
    ASSERT_EQ(READ_CATALOG_FILE(package.session->paths, catalog, path, sortName),
              CatalogReadOutcome::read);
    SORT_CATALOG_FILE(catalog, sortName);
    // A directory where the temporary file would go makes the write fail.
    std::filesystem::create_directory(replacement_temporary(package.catalog()));
    WriteResult result = WRITE_CATALOG_FILE(catalog, path, sortName);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(read_file(package.catalog()), old);
}

TEST(SortKeyTest, ChoosesTheKeyByTheFirstFourteenCharacters) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"Requirement Number", 1},      {"Frequency/Time/Location", 2},
        {"Location/Frequency/Time", 3}, {"Location/Time/Frequency", 4},
        {"Location/Time/whatever", 4},  {"Frequency/Tim", 1},
        {"location/time/frequency", 1}, {"", 1},
    };
    for (const auto& [name, key] : cases) {
        EXPECT_EQ(sort_key(Text<24>(name)), key) << name;
    }
}

TEST(IorderTest, ComparesKeyTextsAsUnsignedBytes) {
    CatalogList catalog;
    catalog.Lines[0] = entry_line("A.HAL", " 9.85", "0000-2400", "BON");
    catalog.Lines[1] = entry_line("B.HAL", "11.85", "0000-2400", "ABC");
    catalog.Lines[2] = entry_line("C.HAL", "?????", "???\?-???\?", "???");
    catalog.Lines[3] = entry_line("\xC4.HAL", " 9.85", "0000-2400", "BON");
    catalog.Count = 4;
    struct Case {
        int key, a, b, before;
    };
    const std::vector<Case> cases = {
        {2, 1, 2, 1},                // ' 9.85' before '11.85': a blank is below a digit
        {2, 2, 1, 0}, {2, 2, 3, 1},  // '?????' after every frequency starting with a digit
        {3, 2, 1, 1},                // by location ABC before BON
        {4, 1, 2, 0}, {1, 1, 4, 1},  // a latin-1 letter sorts after every ASCII one
        {1, 4, 1, 0}, {2, 1, 4, 0},  // equal key texts: neither comes before the other
        {2, 4, 1, 0}, {9, 2, 1, 0},  // an unknown key is key 1
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IORDER(catalog, c.key, c.a, c.b), c.before)
            << "key " << c.key << " lines " << c.a << "," << c.b;
    }
}

TEST(KeyTextTest, JoinsFrequencyTimeAndLocationInTheKeysOrder) {
    Text<94> line(entry_line("SAMPLE01.HAL", "11.85", "0600-1800", "BON"));
    std::array<char, 12> buffer;
    EXPECT_EQ(key_text(line, 1, buffer), "SAMPL");
    EXPECT_EQ(key_text(line, 2, buffer), "11.850600BON");
    EXPECT_EQ(key_text(line, 3, buffer), "BON11.850600");
    EXPECT_EQ(key_text(line, 4, buffer), "BON060011.85");
}

TEST(SortHeapTest, OrdersEqualKeysAsTheHeapProcedureDoes) {
    // Orders worked through the procedure by hand.
    struct Case {
        std::vector<std::string> keys;
        std::vector<int> order;
    };
    const std::vector<Case> cases = {
        {{"A"}, {1}},
        {{"A", "A"}, {2, 1}},
        {{"A", "A", "A"}, {2, 3, 1}},
        {{"B", "A", "B", "A"}, {2, 4, 3, 1}},
        {{"C", "B", "A"}, {3, 2, 1}},
    };
    for (const Case& c : cases) {
        CatalogList catalog;
        fill_keys(catalog, c.keys);
        EXPECT_EQ(sorted_order(catalog, 1), c.order) << ::testing::PrintToString(c.keys);
    }
}

TEST(SortHeapTest, SortsAnyCatalogIntoAPermutationInAscendingKeyOrder) {
    CatalogList catalog;
    std::vector<std::string> keys;
    unsigned seed = 12345;
    for (int i = 0; i < 777; ++i) {
        seed = seed * 1103515245u + 12345u;
        keys.push_back(std::string(1, static_cast<char>('A' + (seed >> 16) % 7)) +
                       std::to_string((seed >> 8) % 13));
    }
    fill_keys(catalog, keys);
    std::vector<int> order = sorted_order(catalog, 1);
    std::vector<int> numbers = order;
    std::sort(numbers.begin(), numbers.end());
    for (int i = 0; i < 777; ++i) ASSERT_EQ(numbers[static_cast<std::size_t>(i)], i + 1);
    for (std::size_t k = 1; k < order.size(); ++k) {
        ASSERT_EQ(IORDER(catalog, 1, order[k], order[k - 1]), 0) << "position " << k;
    }
}

}  // namespace
}  // namespace qor
