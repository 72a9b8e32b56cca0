#include "base/fixed_record.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/paths.h"

namespace qor {

namespace {

// A number field taken apart: its digits without blanks, where the decimal
// point stood, and the exponent. Blanks anywhere in the field are ignored.
struct DecimalField {
    bool negative = false;
    std::string digits;  // significant digits, leading zeros dropped
    int exponent = 0;    // value = digits * 10^exponent
    bool any_digit = false;
    bool all_blank = true;
};

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\0';
}

bool split_decimal(std::string_view field, int implied_decimals, DecimalField& out) {
    std::size_t i = 0;
    const std::size_t n = field.size();
    auto skip_blanks = [&] {
        while (i < n && is_blank(field[i])) ++i;
    };
    skip_blanks();
    if (i == n) return true;  // all blank: zero
    out.all_blank = false;
    if (field[i] == '+' || field[i] == '-') {
        out.negative = field[i] == '-';
        ++i;
    }
    bool seen_point = false;
    int fraction_digits = 0;
    for (; i < n; ++i) {
        char c = field[i];
        if (is_blank(c)) continue;
        if (c >= '0' && c <= '9') {
            out.any_digit = true;
            if (seen_point) ++fraction_digits;
            if (out.digits.empty() && c == '0') continue;
            if (out.digits.size() < 40) {
                out.digits += c;
            } else if (!seen_point) {
                ++out.exponent;  // digits beyond 40 only scale the value
            } else {
                --fraction_digits;
            }
            continue;
        }
        if (c == '.' && !seen_point) {
            seen_point = true;
            continue;
        }
        break;
    }
    if (!out.any_digit) return false;
    int exponent = 0;
    if (i < n) {
        char c = field[i];
        bool marked = c == 'E' || c == 'e' || c == 'D' || c == 'd' || c == 'Q' || c == 'q';
        if (!marked && c != '+' && c != '-') return false;
        if (marked) ++i;
        skip_blanks();
        bool negative_exponent = false;
        if (i < n && (field[i] == '+' || field[i] == '-')) {
            negative_exponent = field[i] == '-';
            ++i;
        }
        bool exponent_digit = false;
        for (; i < n; ++i) {
            char e = field[i];
            if (is_blank(e)) continue;
            if (e < '0' || e > '9') return false;
            exponent_digit = true;
            if (exponent < 100000) exponent = exponent * 10 + (e - '0');
        }
        if (!exponent_digit) return false;
        if (negative_exponent) exponent = -exponent;
    }
    // Without a decimal point the last d digits are decimals.
    int scale = seen_point ? fraction_digits : implied_decimals;
    out.exponent += exponent - scale;
    return true;
}

template <typename Float>
bool decimal_to_float(const DecimalField& d, Float& value) {
    if (d.digits.empty()) {
        value = d.negative ? -Float(0) : Float(0);
        return true;
    }
    // Fast path: a mantissa and a power of ten that are both exact in the type;
    // one division or multiplication is then correctly rounded.
    constexpr int exact_digits = std::numeric_limits<Float>::digits10;  // 6 or 15
    constexpr int exact_power = sizeof(Float) == 4 ? 10 : 22;
    if (static_cast<int>(d.digits.size()) <= exact_digits && d.exponent >= -exact_power &&
        d.exponent <= exact_power) {
        long long mantissa = 0;
        for (char c : d.digits) mantissa = mantissa * 10 + (c - '0');
        Float power = 1;
        for (int k = 0; k < std::abs(d.exponent); ++k) power *= Float(10);
        Float m = static_cast<Float>(mantissa);
        value = d.exponent < 0 ? m / power : m * power;
        if (d.negative) value = -value;
        return true;
    }
    std::string text = d.digits + "e" + std::to_string(d.exponent);
    Float parsed{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for the type: Fortran gives infinity or zero.
        parsed = d.exponent > 0 ? std::numeric_limits<Float>::infinity() : Float(0);
    } else if (error != std::errc() || end != text.data() + text.size()) {
        return false;
    }
    value = d.negative ? -parsed : parsed;
    return true;
}

template <typename Float>
bool parse_real_as(std::string_view field, int decimals, Float& value) {
    DecimalField d;
    if (!split_decimal(field, decimals, d)) return false;
    if (d.all_blank) {
        value = 0;
        return true;
    }
    return decimal_to_float(d, value);
}

std::string asterisks(int width) {
    return std::string(static_cast<std::size_t>(std::max(width, 0)), '*');
}

std::string right_aligned(const std::string& text, int width) {
    if (static_cast<int>(text.size()) > width) return asterisks(width);
    return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

// True when the binary value lies exactly halfway between two values of d
// decimals: v * 2 * 10^d is then an odd integer.
bool is_decimal_tie(double v, int decimals) {
    if (v == 0 || !std::isfinite(v)) return false;
    int exponent = 0;
    double fraction = std::frexp(std::fabs(v), &exponent);  // v = fraction * 2^exponent
    auto mantissa = static_cast<unsigned long long>(std::ldexp(fraction, 53));
    int e = exponent - 53;  // v = mantissa * 2^e
    int trailing = 0;
    while ((mantissa & 1ULL) == 0) {
        mantissa >>= 1;
        ++trailing;
    }
    // v * 2 * 10^d = odd * 5^d * 2^(trailing + e + 1 + d): odd integer exactly when
    // the power of two is zero.
    return trailing + e + 1 + decimals == 0;
}

}  // namespace

bool parse_integer(std::string_view field, std::int32_t& value) {
    long long result = 0;
    bool negative = false;
    bool any_digit = false;
    bool any_char = false;
    for (char c : field) {
        if (is_blank(c)) continue;
        if (!any_char && (c == '+' || c == '-')) {
            negative = c == '-';
            any_char = true;
            continue;
        }
        any_char = true;
        if (c < '0' || c > '9') return false;
        any_digit = true;
        result = result * 10 + (c - '0');
        if (result > 2147483648LL) return false;
    }
    if (any_char && !any_digit) return false;
    if (negative) result = -result;
    if (result > std::numeric_limits<std::int32_t>::max()) return false;
    value = static_cast<std::int32_t>(result);
    return true;
}

bool parse_real(std::string_view field, int decimals, float& value) {
    return parse_real_as(field, decimals, value);
}

bool parse_real(std::string_view field, int decimals, double& value) {
    return parse_real_as(field, decimals, value);
}

std::string format_integer(long long value, int width, int min_digits) {
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    std::string digits = std::to_string(magnitude);
    if (static_cast<int>(digits.size()) < min_digits) {
        digits.insert(0, static_cast<std::size_t>(min_digits) - digits.size(), '0');
    }
    if (value < 0) digits.insert(0, 1, '-');
    return right_aligned(digits, width);
}

std::string format_real(double value, int width, int decimals) {
    if (!std::isfinite(value) || decimals < 0) return asterisks(width);
    bool negative = value < 0;
    double magnitude = std::fabs(value);
    // Halves round away from zero: a value exactly on a tie is nudged outward
    // so that the correctly rounded conversion below goes up.
    if (is_decimal_tie(magnitude, decimals)) {
        magnitude = std::nextafter(magnitude, std::numeric_limits<double>::infinity());
    }
    char buffer[400];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::fixed, decimals);
    if (error != std::errc()) return asterisks(width);
    std::string digits(buffer, end);
    if (decimals == 0) digits += '.';
    // The leading zero of a value below one is optional: it is dropped when the
    // field has no room for it. Without decimals it is the only digit, and the
    // point goes instead ("0" reads back as zero, "." would not read at all).
    bool fits = static_cast<int>(digits.size() + (negative ? 1 : 0)) <= width;
    if (!fits && decimals == 0) {
        digits.pop_back();
    } else if (!fits && digits.size() > 1 && digits[0] == '0' && digits[1] == '.') {
        digits.erase(0, 1);
    }
    if (negative) digits.insert(digits.begin(), '-');
    return right_aligned(digits, width);
}

void append_record(std::string& text, std::string_view record) {
    text += record;
    if (!record.empty() && record.back() == '\r') {
        text += "\r\n";
    } else {
        text += line_end();
    }
}

std::string_view FieldReader::take(int width) {
    if (width <= 0 || position_ >= record_.size()) {
        position_ += static_cast<std::size_t>(std::max(width, 0));
        return {};
    }
    std::string_view field = record_.substr(
        position_,
        std::min<std::size_t>(static_cast<std::size_t>(width), record_.size() - position_));
    position_ += static_cast<std::size_t>(width);
    return field;
}

std::string_view FieldReader::rest() const {
    if (position_ >= record_.size()) return {};
    return record_.substr(position_);
}

// ------------------------------------------------------------------ lines --

LineReader::LineReader(std::size_t buffer_size)
    : buffer_size_(std::max<std::size_t>(buffer_size, 1)) {}
LineReader::~LineReader() {
    close();
}

bool LineReader::open(std::string_view package_path) {
    return open_native(native_path(package_path));
}

bool LineReader::open_native(const std::string& path) {
    close();
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr) return false;
    buffer_.resize(buffer_size_);
    begin_ = end_ = 0;
    eof_ = error_ = false;
    line_number_ = 0;
    return true;
}

void LineReader::open_text(std::string_view text) {
    close();
    in_memory_ = true;
    text_ = text;
    // A short text needs no more buffer than itself (lines come out the same
    // whatever the buffer's size): reading many small texts stays cheap.
    buffer_.resize(std::min(buffer_size_, std::max<std::size_t>(text.size(), 1)));
    begin_ = end_ = 0;
    eof_ = error_ = false;
    line_number_ = 0;
}

void LineReader::close() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    in_memory_ = false;
    text_ = {};
}

bool LineReader::fill() {
    if (eof_ || !is_open()) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    // Text in memory goes through the same buffer as a file's bytes, so that
    // both are cut into lines by the same code.
    std::size_t got = 0;
    if (in_memory_) {
        got = std::min(text_.size(), buffer_.size() - end_);
        if (got > 0) std::memcpy(buffer_.data() + end_, text_.data(), got);
        text_.remove_prefix(got);
    } else {
        got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
    }
    if (got == 0) {
        if (file_ != nullptr && std::ferror(file_)) error_ = true;
        eof_ = true;
        return false;
    }
    end_ += got;
    return true;
}

bool LineReader::next(std::string_view& line) {
    if (!is_open()) return false;
    long_line_.clear();
    bool cut = false;
    for (;;) {
        const char* start = buffer_.data() + begin_;
        const void* found = std::memchr(start, '\n', end_ - begin_);
        if (found != nullptr) {
            std::size_t length = static_cast<std::size_t>(static_cast<const char*>(found) - start);
            std::size_t consumed = length + 1;
            ++line_number_;
            if (long_line_.empty() && !cut) {
                if (length > 0 && start[length - 1] == '\r') --length;
                line = std::string_view(start, std::min(length, max_line));
                begin_ += consumed;
                return true;
            }
            if (!cut) long_line_.append(start, length);
            begin_ += consumed;
            if (!long_line_.empty() && long_line_.back() == '\r') long_line_.pop_back();
            if (long_line_.size() > max_line) long_line_.resize(max_line);
            line = long_line_;
            return true;
        }
        // No line end in the buffer: keep what there is (up to the cut) and read on.
        if (begin_ == 0 && end_ == buffer_.size()) {
            if (!cut) long_line_.append(start, end_ - begin_);
            if (long_line_.size() > max_line + 1) {
                long_line_.resize(max_line + 1);
                cut = true;
            }
            begin_ = end_ = 0;
        }
        if (!fill()) {
            if (error_) return false;
            std::size_t length = end_ - begin_;
            if (length == 0 && long_line_.empty()) return false;
            if (!cut) long_line_.append(buffer_.data() + begin_, length);
            begin_ = end_ = 0;
            if (!long_line_.empty() && long_line_.back() == '\r') long_line_.pop_back();
            if (long_line_.size() > max_line) long_line_.resize(max_line);
            ++line_number_;
            line = long_line_;
            return true;
        }
    }
}

// ------------------------------------------------------------ free format --

ListReader::ListReader(std::string_view record)
    : current_(record), have_line_(true), single_record_(true) {}

void ListReader::statement() {
    if (!single_record_) {
        have_line_ = false;
        current_.clear();
    }
    position_ = 0;
    slashed_ = false;
    repeat_left_ = 0;
    expect_separator_ = false;
}

bool ListReader::next_line() {
    if (single_record_ || lines_ == nullptr) return false;
    std::string_view line;
    if (!lines_->next(line)) return false;
    current_.assign(line);
    position_ = 0;
    have_line_ = true;
    expect_separator_ = false;
    return true;
}

ListReader::Token ListReader::next_token(std::string_view& token) {
    if (repeat_left_ > 0) {
        --repeat_left_;
        token = repeat_value_;
        return repeat_null_ ? Token::null : Token::value;
    }
    if (slashed_) return Token::null;
    for (;;) {
        if (!have_line_ && !next_line()) return Token::end;
        while (position_ < current_.size() && is_blank(current_[position_])) ++position_;
        if (position_ >= current_.size()) {
            // A line end separates values like a blank.
            have_line_ = false;
            if (single_record_) return Token::end;
            continue;
        }
        char c = current_[position_];
        if (c == ',') {
            ++position_;
            if (!expect_separator_) return Token::null;  // ",," leaves the value as it was
            expect_separator_ = false;
            continue;
        }
        if (c == '/') {
            slashed_ = true;
            return Token::null;
        }
        std::size_t start = position_;
        while (position_ < current_.size() && !is_blank(current_[position_]) &&
               current_[position_] != ',' && current_[position_] != '/') {
            ++position_;
        }
        expect_separator_ = true;
        token = std::string_view(current_).substr(start, position_ - start);
        std::size_t star = token.find('*');
        if (star != std::string_view::npos) {
            std::int32_t count = 0;
            if (!parse_integer(token.substr(0, star), count) || count <= 0) return Token::value;
            repeat_value_ = std::string(token.substr(star + 1));
            repeat_null_ = repeat_value_.empty();
            repeat_left_ = count - 1;
            token = repeat_value_;
            return repeat_null_ ? Token::null : Token::value;
        }
        return Token::value;
    }
}

ListResult ListReader::integer(std::int32_t& value) {
    std::string_view token;
    switch (next_token(token)) {
        case Token::end:
            return ListResult::end_of_file;
        case Token::null:
            return ListResult::ok;
        case Token::value:
            break;
    }
    return parse_integer(token, value) ? ListResult::ok : ListResult::bad_value;
}

ListResult ListReader::real(float& value) {
    std::string_view token;
    switch (next_token(token)) {
        case Token::end:
            return ListResult::end_of_file;
        case Token::null:
            return ListResult::ok;
        case Token::value:
            break;
    }
    return parse_real(token, 0, value) ? ListResult::ok : ListResult::bad_value;
}

ListResult ListReader::real(double& value) {
    std::string_view token;
    switch (next_token(token)) {
        case Token::end:
            return ListResult::end_of_file;
        case Token::null:
            return ListResult::ok;
        case Token::value:
            break;
    }
    return parse_real(token, 0, value) ? ListResult::ok : ListResult::bad_value;
}

}  // namespace qor
