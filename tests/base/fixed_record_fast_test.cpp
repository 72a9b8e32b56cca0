#include <gtest/gtest.h>

#include <bit>
#include <string>

#include "base/fixed_record.h"

namespace qor {
namespace {

// The fast conversion must give exactly what parse_real gives, bit for bit,
// and fail exactly where it fails.
void expect_same_as_parse_real(std::string_view field, int decimals) {
    float slow = 123.0f;
    float fast = 123.0f;
    bool slow_ok = parse_real(field, decimals, slow);
    bool fast_ok = parse_real_fast(field, decimals, fast);
    ASSERT_EQ(fast_ok, slow_ok) << "'" << field << "' F." << decimals;
    EXPECT_EQ(std::bit_cast<std::uint32_t>(fast), std::bit_cast<std::uint32_t>(slow))
        << "'" << field << "' F." << decimals << ": " << fast << " vs " << slow;
}

TEST(ParseRealFastTest, AgreesWithParseRealOnUnusualFields) {
    const char* fields[] = {"  1.50", " -1.50", "+12.25",  "  -.50", "   .50",  "-0.00",  "  0.00",
                            "999.99", "-99.99", "123456",  "-99890", "-99889",  "      ", "",
                            "1.5",    "  1.5 ", " 1 .50",  "  -  1", "******",  "  1.5x", "1.2.3",
                            "  1e2",  "-999.0", "  -999",  "12.345", "\t 1.50", "-",      ".",
                            "+.",     " -.  ",  "00012.50"};
    for (const char* field : fields) {
        for (int decimals : {1, 2, 3}) expect_same_as_parse_real(field, decimals);
    }
}

bool same_as_parse_real(std::string_view field) {
    float slow = 0.0f;
    float fast = 0.0f;
    return parse_real(field, 2, slow) == parse_real_fast(field, 2, fast) &&
           std::bit_cast<std::uint32_t>(fast) == std::bit_cast<std::uint32_t>(slow);
}

TEST(ParseRealFastTest, AgreesWithParseRealOnEveryTwoDecimalValueInSixColumns) {
    for (int hundredths = -99999; hundredths <= 999999; ++hundredths) {
        // Written with the point (as F6.2 writes) and without it (implied decimals).
        std::string with_point = format_real(hundredths / 100.0, 6, 2);
        std::string implied = format_integer(hundredths, 6);
        if (!same_as_parse_real(with_point)) expect_same_as_parse_real(with_point, 2);
        if (!same_as_parse_real(implied)) expect_same_as_parse_real(implied, 2);
        if (::testing::Test::HasFailure()) return;
    }
}

// The integer form gives the same float as parse_real once divided, and is
// refused exactly where the field is not in the prediction programs' F6.2 form.
void expect_hundredths_like_parse_real(const std::string& field, bool in_form) {
    std::int32_t hundredths = 0;
    bool ok = parse_hundredths(field.data(), hundredths);
    ASSERT_EQ(ok, in_form) << "'" << field << "'";
    if (!ok) return;
    float slow = 0.0f;
    ASSERT_TRUE(parse_real(field, 2, slow)) << "'" << field << "'";
    float fast = static_cast<float>(hundredths) / 100.0f;
    EXPECT_EQ(fast, slow) << "'" << field << "'";
    if (hundredths != 0) {
        EXPECT_EQ(std::bit_cast<std::uint32_t>(fast), std::bit_cast<std::uint32_t>(slow));
    }
}

TEST(ParseHundredthsTest, AgreesWithParseRealOnEverySixColumnValue) {
    for (int hundredths = -9999; hundredths <= 99999; ++hundredths) {
        expect_hundredths_like_parse_real(format_real(hundredths / 100.0, 6, 2), true);
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(ParseHundredthsTest, RefusesEveryOtherForm) {
    const std::pair<const char*, bool> fields[] = {
        {"  -.50", true},  {"   .50", true},  {" -0.00", true},  {"-99.99", true},
        {"+12.25", true},  {" 1 .50", false}, {"- 1.50", false}, {"1-2.50", false},
        {"  1.5 ", false}, {"-999.0", false}, {"      ", false}, {" 12,50", false},
        {"  12.5", false}, {"1.2.30", false}, {"  1e.2", false}, {"--1.00", false},
    };
    for (const auto& [field, in_form] : fields) expect_hundredths_like_parse_real(field, in_form);
}

}  // namespace
}  // namespace qor
