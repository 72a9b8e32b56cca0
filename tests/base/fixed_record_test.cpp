#include "base/fixed_record.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>

#include "tests/support/test_support.h"

namespace qor {
namespace {

struct RealCase {
    double value;
    int width;
    int decimals;
    const char* expected;
};

TEST(FormatRealTest, WritesFixedPointAsFortranDoes) {
    const RealCase cases[] = {
        {12.5, 7, 2, "  12.50"},      {-999.0, 7, 2, "-999.00"},
        {0.5, 4, 2, "0.50"},  // room for the leading zero
        {0.5, 3, 2, ".50"},   // no room: the optional zero is dropped
        {-0.5, 4, 2, "-.50"},         {-0.5, 3, 2, "***"},
        {12345.678, 7, 2, "*******"}, {9999.994, 7, 2, "9999.99"},
        {9999.995, 7, 2, "*******"},  // rounds up to 10000.00, too wide
        {3.0, 5, 0, "   3."},         {37.0, 6, 1, "  37.0"},
        {-3.2, 6, 1, "  -3.2"},       {0.0, 6, 1, "   0.0"},
        {1.25, 10, 4, "    1.2500"},
    };
    for (const RealCase& c : cases) {
        EXPECT_EQ(format_real(c.value, c.width, c.decimals), c.expected)
            << c.value << " F" << c.width << "." << c.decimals;
    }
}

TEST(FormatRealTest, RoundsHalvesAwayFromZeroOnTheExactBinaryValue) {
    const RealCase cases[] = {
        {0.125, 5, 2, " 0.13"},   // an exact tie goes up
        {-0.125, 5, 2, "-0.13"},  // and away from zero when negative
        {2.25, 6, 1, "   2.3"},
        {2.5, 3, 0, " 3."},
        {0.15, 4, 1, " 0.1"},                        // 0.1499999... in binary: not a tie
        {2.45, 4, 1, " 2.5"},                        // 2.4500000000000002 in binary
        {static_cast<double>(0.15f), 4, 1, " 0.2"},  // the float is 0.150000006
        {1e-300, 6, 2, "  0.00"},
    };
    for (const RealCase& c : cases) {
        EXPECT_EQ(format_real(c.value, c.width, c.decimals), c.expected)
            << c.value << " F" << c.width << "." << c.decimals;
    }
}

TEST(FormatRealTest, KeepsTheSignOfNegativeValuesThatRoundToZero) {
    EXPECT_EQ(format_real(-0.001, 7, 2), "  -0.00");
    EXPECT_EQ(format_real(-0.04, 6, 1), "  -0.0");
    EXPECT_EQ(format_real(-0.0, 6, 1), "   0.0");  // a negative zero itself carries no sign
}

TEST(FormatRealTest, WritesOnlyWhatReadsBackAsTheRoundedValueOrAsterisks) {
    // Narrow fields with no decimals: the point goes before the zero does.
    const RealCase narrow[] = {
        {0.0, 1, 0, "0"},   {0.4, 1, 0, "0"},   {5.0, 1, 0, "5"},    {-0.4, 2, 0, "-0"},
        {-0.4, 1, 0, "*"},  {12.0, 2, 0, "12"}, {12.0, 3, 0, "12."}, {-0.04, 3, 1, "-.0"},
        {0.04, 2, 1, ".0"}, {-5.0, 2, 0, "-5"},
    };
    for (const RealCase& c : narrow) {
        EXPECT_EQ(format_real(c.value, c.width, c.decimals), c.expected)
            << c.value << " F" << c.width << "." << c.decimals;
    }
    // Every width and a spread of values: what fits reads back as the value
    // written in a wide field.
    for (double value : {0.0, 0.4, 0.5, -0.5, 0.96, 1.0, -1.0, 9.5, 99.99, -0.004, 12345.678}) {
        for (int decimals = 0; decimals <= 4; ++decimals) {
            double wide = 0;
            ASSERT_TRUE(parse_real(format_real(value, 40, decimals), decimals, wide));
            for (int width = 1; width <= 12; ++width) {
                const std::string field = format_real(value, width, decimals);
                ASSERT_EQ(static_cast<int>(field.size()), width);
                if (field == std::string(static_cast<std::size_t>(width), '*')) continue;
                double back = -12345;
                EXPECT_TRUE(parse_real(field, decimals, back))
                    << value << " F" << width << "." << decimals << " '" << field << "'";
                EXPECT_EQ(back, wide) << value << " F" << width << "." << decimals;
            }
        }
    }
}

TEST(FormatRealTest, FillsTheFieldWithAsterisksForValuesThatAreNotNumbers) {
    EXPECT_EQ(format_real(std::numeric_limits<double>::infinity(), 5, 1), "*****");
    EXPECT_EQ(format_real(std::numeric_limits<double>::quiet_NaN(), 5, 1), "*****");
}

TEST(FormatIntegerTest, RightAlignsAndOverflowsToAsterisks) {
    EXPECT_EQ(format_integer(2, 5), "    2");
    EXPECT_EQ(format_integer(-99, 3), "-99");
    EXPECT_EQ(format_integer(-10, 2), "**");
    EXPECT_EQ(format_integer(100000, 5), "*****");
    EXPECT_EQ(format_integer(37, 2), "37");
    EXPECT_EQ(format_integer(100, 2), "**");
    EXPECT_EQ(format_integer(77, 3, 3), "077");
    EXPECT_EQ(format_integer(5, 2, 2), "05");
    EXPECT_EQ(format_integer(0, 3), "  0");
}

struct ParseCase {
    const char* field;
    int decimals;
    bool ok;
    double expected;
};

TEST(ParseRealTest, ReadsFieldsWithFortransInputRules) {
    const ParseCase cases[] = {
        {" 12.50", 2, true, 12.5},
        {"  1234", 2, true, 12.34},  // no decimal point: d implied decimals
        {"-99900", 2, true, -999.0},
        {"      ", 2, true, 0.0},  // a blank field is zero
        {"", 2, true, 0.0},
        {"1 2.5 ", 2, true, 12.5},  // blanks inside are ignored
        {"-999.0", 2, true, -999.0},
        {"1.5E2 ", 2, true, 150.0},
        {"  15E2", 2, true, 15.0},  // the implied decimals apply to the mantissa
        {" -15E2", 2, true, -15.0},
        {"  15E0", 1, true, 1.5},
        {"1.5e+2", 2, true, 150.0},
        {"1.5D-1", 2, true, 0.15},
        {"  1.5+2", 2, true, 150.0},  // an exponent may follow the sign directly
        {" +3.25", 2, true, 3.25},
        {"   .5 ", 2, true, 0.5},
        {"  MODE", 2, false, 0},
        {" 1F2  ", 2, false, 0},
        {" 12,5 ", 2, false, 0},  // a comma is no decimal point, whatever the locale
        {"  -   ", 2, false, 0},
        {"1.2.3 ", 2, false, 0},
        {"1.5E  ", 2, false, 0},
    };
    for (const ParseCase& c : cases) {
        double value = -12345;
        bool ok = parse_real(c.field, c.decimals, value);
        EXPECT_EQ(ok, c.ok) << "'" << c.field << "'";
        if (ok && c.ok) {
            EXPECT_DOUBLE_EQ(value, c.expected) << "'" << c.field << "'";
        }
        if (!ok) {
            EXPECT_EQ(value, -12345) << "a failed read leaves the value";
        }
    }
}

TEST(ParseRealTest, GivesTheCorrectlyRoundedFloat) {
    const char* fields[] = {"  0.10",  "-998.9", "-998.89",       " 37.00",
                            "9999.99", "  0.01", "123456789.125", "1.00000017"};
    for (const char* field : fields) {
        float value = 0;
        ASSERT_TRUE(parse_real(field, 2, value)) << field;
        float expected = 0;
        std::string_view text(field);
        text.remove_prefix(text.find_first_not_of(' '));
        std::from_chars(text.data(), text.data() + text.size(), expected);
        EXPECT_EQ(value, expected) << field;
    }
}

TEST(ParseIntegerTest, ReadsSignedIntegersAndRefusesAnythingElse) {
    std::int32_t value = 0;
    EXPECT_TRUE(parse_integer("  -12", value));
    EXPECT_EQ(value, -12);
    EXPECT_TRUE(parse_integer("1 2", value));
    EXPECT_EQ(value, 12);
    EXPECT_TRUE(parse_integer("     ", value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(parse_integer("-2147483648", value));
    EXPECT_EQ(value, std::numeric_limits<std::int32_t>::min());
    value = 7;
    EXPECT_FALSE(parse_integer("1.0", value));
    EXPECT_FALSE(parse_integer("  +", value));
    EXPECT_FALSE(parse_integer("2147483648", value));
    EXPECT_FALSE(parse_integer("99999999999999999999", value));
    EXPECT_FALSE(parse_integer("1-2", value));
    EXPECT_EQ(value, 7);
}

TEST(FieldReaderTest, ReadsColumnsLeftToRightAndPadsShortRecords) {
    FieldReader fields("Parameter:   DBU   3  1  10.00");
    Text<6> name;
    std::int32_t count = 0;
    std::int32_t colour = 0;
    float level = 0;
    fields.skip(10);
    fields.text(6, name);
    EXPECT_TRUE(fields.integer(4, count));
    EXPECT_TRUE(fields.integer(3, colour));
    fields.skip(1);
    EXPECT_TRUE(fields.real(7, 2, level));
    EXPECT_EQ(name.view(), "   DBU");
    EXPECT_EQ(count, 3);
    EXPECT_EQ(colour, 1);
    EXPECT_EQ(level, 10.0f);
    // Past the end every field reads as blanks.
    EXPECT_TRUE(fields.integer(3, colour));
    EXPECT_EQ(colour, 0);
    fields.text(6, name);
    EXPECT_TRUE(name.blank());
    EXPECT_EQ(fields.rest(), "");
}

TEST(RecordWriterTest, JoinsFieldsIntoOneRecord) {
    std::string line = RecordWriter()
                           .literal("Parameter:")
                           .text("DBU", 6)
                           .integer(2, 4)
                           .integer(12, 3)
                           .blanks(1)
                           .real(10.0, 7, 2)
                           .integer(15, 3)
                           .blanks(1)
                           .real(20.0, 7, 2)
                           .str();
    EXPECT_EQ(line, "Parameter:DBU      2 12   10.00 15   20.00");
    EXPECT_EQ(line.size(), 42u);
}

class LineReaderTest : public ::testing::Test {
  protected:
    std::vector<std::string> read_all(const std::string& content) {
        testing::write_file(dir / "f.txt", content);
        LineReader reader;
        EXPECT_TRUE(reader.open_native(dir / "f.txt"));
        std::vector<std::string> result;
        std::string_view line;
        while (reader.next(line)) result.emplace_back(line);
        EXPECT_FALSE(reader.failed());
        return result;
    }
    testing::TempDir dir;
};

TEST_F(LineReaderTest, ReadsWindowsLineEndsExactlyAsUnixOnes) {
    std::vector<std::string> expected{"Model    :HALDOR", "", "last"};
    EXPECT_EQ(read_all("Model    :HALDOR\r\n\r\nlast\r\n"), expected);
    EXPECT_EQ(read_all("Model    :HALDOR\n\nlast\n"), expected);
    EXPECT_EQ(read_all("Model    :HALDOR\n\nlast"), expected);  // no line end at the end
}

TEST_F(LineReaderTest, ReadsEmptyFilesAndLinesLongerThanItsBuffer) {
    EXPECT_TRUE(read_all("").empty());
    std::string long_line(200000, 'x');
    std::vector<std::string> got = read_all("a\n" + long_line + "\r\nb\n");
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0], "a");
    EXPECT_EQ(got[1].size(), LineReader::max_line);  // cut, not grown without bound
    EXPECT_EQ(got[2], "b");
    std::string medium(70000 - 1, 'y');
    got = read_all(medium.substr(0, 65000) + "\n" + medium.substr(0, 100000));
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].size(), 65000u);
}

TEST_F(LineReaderTest, ReadsTextInMemoryAsItReadsTheSameFileWhateverTheBufferSize) {
    std::string long_line(70000, 'z');
    const std::string contents[] = {
        "",
        "one line without an end",
        "a\r\nb\r\r\nc\rd\n\n\r\nlast\r",
        "\n\n\n",
        std::string("nul\0inside\nx", 13),
        "short\n" + long_line + "\r\nafter\n" + long_line,
    };
    for (const std::string& content : contents) {
        const std::vector<std::string> from_file = read_all(content);
        for (std::size_t buffer : {std::size_t{1}, std::size_t{2}, std::size_t{7},
                                   std::size_t{4096}, LineReader::default_buffer}) {
            LineReader reader(buffer);
            reader.open_text(content);
            std::vector<std::string> from_memory;
            std::string_view line;
            while (reader.next(line)) from_memory.emplace_back(line);
            EXPECT_EQ(from_memory, from_file)
                << "buffer " << buffer << ": " << content.substr(0, 30);
            EXPECT_EQ(reader.line_number(), static_cast<long>(from_file.size()));
        }
    }
}

TEST_F(LineReaderTest, CountsLinesAndFailsToOpenMissingFiles) {
    testing::write_file(dir / "g.txt", "1\n2\n3\n");
    LineReader reader;
    EXPECT_FALSE(reader.open_native(dir / "missing.txt"));
    ASSERT_TRUE(reader.open_native(dir / "g.txt"));
    std::string_view line;
    while (reader.next(line)) {
    }
    EXPECT_EQ(reader.line_number(), 3);
}

TEST(ListReaderTest, ReadsNumbersSeparatedByBlanksCommasAndLineEnds) {
    testing::TempDir dir;
    testing::write_file(dir / "list.txt", "1.0 2, 3\n 4.5,\n6*7 2*\n8 /9\nnext 1\n");
    LineReader file;
    ASSERT_TRUE(file.open_native(dir / "list.txt"));
    ListReader list(file);
    list.statement();
    float scale = 0;
    std::int32_t method = 0, count = 0;
    EXPECT_EQ(list.real(scale), ListResult::ok);
    EXPECT_EQ(list.integer(method), ListResult::ok);
    EXPECT_EQ(list.integer(count), ListResult::ok);
    EXPECT_EQ(scale, 1.0f);
    EXPECT_EQ(method, 2);
    EXPECT_EQ(count, 3);
    float value = 0;
    EXPECT_EQ(list.real(value), ListResult::ok);
    EXPECT_EQ(value, 4.5f);
    for (int i = 0; i < 6; ++i) {
        value = 0;
        EXPECT_EQ(list.real(value), ListResult::ok);
        EXPECT_EQ(value, 7.0f) << i;
    }
    value = -1;
    EXPECT_EQ(list.real(value), ListResult::ok);  // "2*": null values leave it
    EXPECT_EQ(list.real(value), ListResult::ok);
    EXPECT_EQ(value, -1.0f);
    EXPECT_EQ(list.real(value), ListResult::ok);
    EXPECT_EQ(value, 8.0f);
    value = -1;
    EXPECT_EQ(list.real(value), ListResult::ok);  // after "/" nothing more is read
    EXPECT_EQ(value, -1.0f);
    // The next statement starts on the next line.
    list.statement();
    std::int32_t word = 0;
    EXPECT_EQ(list.integer(word), ListResult::bad_value);
    list.statement();
    EXPECT_EQ(list.integer(word), ListResult::end_of_file);
}

TEST(ListReaderTest, ReadsASingleRecordOnly) {
    ListReader list(std::string_view("3, 2"));
    std::int32_t a = 0, b = 0, c = 5;
    EXPECT_EQ(list.integer(a), ListResult::ok);
    EXPECT_EQ(list.integer(b), ListResult::ok);
    EXPECT_EQ(list.integer(c), ListResult::end_of_file);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 2);
    ListReader nulls(std::string_view("1,,3"));
    b = 9;
    EXPECT_EQ(nulls.integer(a), ListResult::ok);
    EXPECT_EQ(nulls.integer(b), ListResult::ok);
    EXPECT_EQ(nulls.integer(c), ListResult::ok);
    EXPECT_EQ(b, 9);
    EXPECT_EQ(c, 3);
}

}  // namespace
}  // namespace qor
