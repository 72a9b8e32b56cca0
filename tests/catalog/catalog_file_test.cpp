#include "catalog/catalog_file.h"

#include <gtest/gtest.h>

#include "tests/catalog/catalog_fixture.h"

namespace qor {
namespace {

using testing::CatalogPackage;
using testing::entry_line;
using testing::read_file;
using testing::write_file;

std::string line1(int count, const std::string& sortName) {
    return format_integer(count, 5) + std::string(catalog_count_literal) + sortName + "\n";
}
const std::string heading = std::string(catalog_heading) + "\n";

CatalogReadOutcome read(CatalogPackage& p, Text<24>& sortName) {
    std::string path;
    CatalogReadOutcome outcome =
        READ_CATALOG_FILE(p.session->paths, p.session->catalog, path, sortName);
    EXPECT_EQ(path, p.catalog_path());
    return outcome;
}

TEST(CatalogFileTest, ReadsACreatedCatalogAndRewritesItSortedWithFullWidthLines) {
    CatalogPackage p;
    std::string a = entry_line("A.HAL", "11.85", "0000-2400", "BON");
    std::string b = entry_line("B.HAL", " 9.85", "0600-1800", "ABC");
    // CR LF ends a line too; a line longer than 94 characters is cut.
    write_file(p.catalog(), line1(2, "Requirement Number") + heading + a + "TAIL\r\n" + b);
    Text<24> sortName;
    ASSERT_EQ(read(p, sortName), CatalogReadOutcome::read);
    EXPECT_EQ(sortName, "Requirement Number");
    sortName = "Frequency/Time/Location";
    SORT_CATALOG_FILE(p.session->catalog, sortName);
    ASSERT_TRUE(WRITE_CATALOG_FILE(p.session->catalog, p.catalog_path(), sortName).ok);
    EXPECT_EQ(read_file(p.catalog()),
              testing::written(line1(2, "Frequency/Time/Location ") + std::string(catalog_heading) +
                               " \n" + b + "\n" + a + "\n"));
    EXPECT_EQ(p.session->catalog.Lines[0].view(), a);  // memory keeps the file's order
}

TEST(CatalogFileTest, LimitsA2500LineCatalogTo2000AndReadsABlankSortNameAsKeyOne) {
    CatalogPackage p;
    std::string text = line1(2500, "  x") + heading;
    for (int i = 0; i < 2500; ++i) text += entry_line("R" + std::to_string(i), "", "", "") + "\n";
    write_file(p.catalog(), text);
    Text<24> sortName;
    ASSERT_EQ(read(p, sortName), CatalogReadOutcome::read);
    EXPECT_EQ(sortName, "Requirement Number");
    EXPECT_EQ(p.session->catalog.Count, 2000);
    SORT_CATALOG_FILE(p.session->catalog, sortName);
    ASSERT_TRUE(WRITE_CATALOG_FILE(p.session->catalog, p.catalog_path(), sortName).ok);
    std::string written = read_file(p.catalog());
    EXPECT_EQ(written.substr(0, 5), " 2000");
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 2002);
}

TEST(CatalogFileTest, ReportsMissingAndDamagedCatalogsKeepingTheAnnouncedCount) {
    const std::string entry = entry_line("A.HAL", "", "", "") + "\n";
    const std::vector<std::tuple<const char*, std::string, int>> cases = {
        {"empty file", "", 7},
        {"count not a number", "  two Requirement files\n" + heading, 7},
        {"negative count", line1(-3, "") + heading, 7},
        {"no heading", line1(1, ""), 1},
        {"fewer entries than announced", line1(3, "") + heading + entry, 3},
        {"garbage", std::string("\x01\xff\x00\x7f\n", 5), 7},
    };
    for (const auto& [what, content, count] : cases) {
        CatalogPackage p;
        write_file(p.catalog(), content);
        p.session->catalog.Count = 7;
        Text<24> sortName;
        EXPECT_EQ(read(p, sortName), CatalogReadOutcome::read_error) << what;
        EXPECT_EQ(p.session->catalog.Count, count) << what;
    }
    CatalogPackage missing;
    Text<24> sortName;
    EXPECT_EQ(read(missing, sortName), CatalogReadOutcome::cannot_open);
}

TEST(IorderTest, ComparesTheKeysTextsAsUnsignedBytes) {
    CatalogList c;
    c.Lines[0] = entry_line("A.HAL", " 9.85", "0000-2400", "BON");
    c.Lines[1] = entry_line("B.HAL", "11.85", "0000-2400", "ABC");
    c.Lines[2] = entry_line("C.HAL", "?????", "0000-2400", "???");
    c.Lines[3] = entry_line("\xC4.HAL", " 9.85", "0000-2400", "BON");
    // {key, a, b, a strictly before b}
    const std::vector<std::array<int, 4>> cases = {
        {2, 1, 2, 1}, {2, 2, 1, 0},  // ' 9.85' before '11.85'
        {2, 2, 3, 1},                // '?????' after digits
        {3, 2, 1, 1}, {4, 1, 2, 0},  // location first: ABC before BON
        {1, 1, 4, 1}, {1, 4, 1, 0},  // a latin-1 letter after ASCII
        {2, 1, 4, 0}, {2, 4, 1, 0},  // equal keys: neither before the other
        {9, 2, 1, 0},                // an unknown key is key 1
    };
    for (const auto& [key, a, b, before] : cases) {
        EXPECT_EQ(IORDER(c, key, a, b), before) << key << ": " << a << " " << b;
    }
    const std::vector<std::pair<std::string, int>> names = {
        {"Location/Time/whatever", 4}, {"Location/Frequ", 3}, {"Frequency/Tim", 1}, {"", 1}};
    for (const auto& [name, key] : names) EXPECT_EQ(sort_key(Text<24>(name)), key) << name;
}

TEST(SortHeapTest, LeavesEqualKeysInTheOrderOfTheHeapProcedureWorkedByHand) {
    const std::vector<std::pair<std::vector<std::string>, std::vector<int>>> cases = {
        {{"A"}, {1}},
        {{"A", "A"}, {2, 1}},
        {{"A", "A", "A"}, {2, 3, 1}},
        {{"B", "A", "B", "A"}, {2, 4, 3, 1}},
    };
    for (const auto& [keys, expected] : cases) {
        CatalogList c;
        c.Count = static_cast<int>(keys.size());
        for (std::size_t i = 0; i < keys.size(); ++i) c.Lines[i] = keys[i];
        SORT_CATALOG_FILE(c, Text<24>("?"));
        EXPECT_EQ(std::vector<int>(c.Order.begin(), c.Order.begin() + c.Count), expected);
    }
}

}  // namespace
}  // namespace qor
