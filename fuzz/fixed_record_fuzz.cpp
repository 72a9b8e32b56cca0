// The fixed-column field conversions: parse_real, its fast forms
// parse_real_fast and parse_hundredths, parse_integer, the FieldReader and the
// writers. The input is one field (the first byte chooses the decimals and a
// width); the properties:
//  - the fast forms give exactly what parse_real gives, or defer to it;
//  - whatever format_real or format_integer write in a field either reads back
//    as the value written in a wide field, or is all asterisks;
//  - the FieldReader never reads past its record.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "base/fixed_record.h"
#include "fuzz/fuzz_support.h"

namespace {

bool all_asterisks(const std::string& field) {
    return !field.empty() && field.find_first_not_of('*') == std::string::npos;
}

// A narrow field holds the same value as a wide one, or asterisks.
void check_real_output(double value, int width, int decimals, std::string_view input) {
    const std::string narrow = qor::format_real(value, width, decimals);
    QOR_FUZZ_CHECK(static_cast<int>(narrow.size()) == width, input);
    if (all_asterisks(narrow)) return;
    const std::string wide = qor::format_real(value, 60, decimals);
    double from_narrow = 0;
    double from_wide = 0;
    QOR_FUZZ_CHECK(qor::parse_real(narrow, decimals, from_narrow), input);
    QOR_FUZZ_CHECK(qor::parse_real(wide, decimals, from_wide), input);
    QOR_FUZZ_CHECK(from_narrow == from_wide, input);
}

void check_integer_output(long long value, int width, std::string_view input) {
    const std::string field = qor::format_integer(value, width);
    QOR_FUZZ_CHECK(static_cast<int>(field.size()) == width, input);
    if (all_asterisks(field)) return;
    std::int32_t back = 0;
    QOR_FUZZ_CHECK(qor::parse_integer(field, back), input);
    QOR_FUZZ_CHECK(back == value, input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int decimals = data[0] % 6;
    const int width = 1 + (data[0] / 6) % 16;
    const std::string_view field = qor::fuzz::as_text(data + 1, size - 1);

    float slow = 0;
    const bool slow_ok = qor::parse_real(field, decimals, slow);
    float fast = 0;
    const bool fast_ok = qor::parse_real_fast(field, decimals, fast);
    QOR_FUZZ_CHECK(fast_ok == slow_ok, field);
    if (slow_ok) QOR_FUZZ_CHECK(std::memcmp(&fast, &slow, sizeof fast) == 0, field);

    if (field.size() >= 6) {
        std::int32_t hundredths = 0;
        if (qor::parse_hundredths(field.data(), hundredths)) {
            float value = 0;
            QOR_FUZZ_CHECK(qor::parse_real(field.substr(0, 6), 2, value), field);
            QOR_FUZZ_CHECK(value == static_cast<float>(hundredths) / 100.0f, field);
        }
    }

    double wide = 0;
    if (qor::parse_real(field, decimals, wide) && std::isfinite(wide)) {
        check_real_output(wide, width, decimals, field);
        check_real_output(static_cast<double>(slow), width, decimals, field);
    }

    std::int32_t integer = 0;
    if (qor::parse_integer(field, integer)) check_integer_output(integer, width, field);

    // Fields of widths from the input itself, across a record that may end
    // anywhere.
    qor::FieldReader reader(field);
    for (std::size_t i = 0; i < 8 && i < field.size(); ++i) {
        const int w = static_cast<unsigned char>(field[i]) % 12;
        std::int32_t i32 = 0;
        float f = 0;
        qor::Text<6> text;
        switch (i % 3) {
            case 0:
                reader.integer(w, i32);
                break;
            case 1:
                reader.real(w, decimals, f);
                break;
            default:
                reader.text(w, text);
                break;
        }
        QOR_FUZZ_CHECK(reader.rest().size() <= field.size(), field);
    }

    qor::ListReader list(field);
    list.statement();
    for (int i = 0; i < 16; ++i) {
        double value = 0;
        if (list.real(value) == qor::ListResult::end_of_file) break;
    }
    return 0;
}
