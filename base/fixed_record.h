#pragma once
// Fixed-column records in the package's formatted style, read and written with
// Fortran's rules. Every reader and writer of the package's text files goes
// through this module, so the rules live in one place:
//  - Iw, Fw.d: numbers right-aligned; a number too wide for its field fills it
//    with asterisks; Fw.d rounds to d decimals, halves away from zero.
//  - On input blanks inside a number field are ignored and a blank field reads
//    as zero; an Fw.d field without a decimal point carries d implied decimals;
//    a field that is not a number is a read failure the caller reports.
//  - Aw: text fields are cut or blank-padded.
//  - Free format (list-directed) lists: numbers separated by blanks, commas or
//    line ends; "r*v" repeats a value; "/" ends the list.
//  - A line ends at LF or at CR LF.
// Nothing here depends on the user's locale, nothing throws, nothing reads past
// a buffer.

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"

namespace qor {

// ---------------------------------------------------------------- fields --

/// Iw input. False when the field is not an integer (or does not fit 32 bits).
bool parse_integer(std::string_view field, std::int32_t& value);
/// Fw.d input (decimals = d; 0 for a free-format number). False when the field
/// is not a number.
bool parse_real(std::string_view field, int decimals, float& value);
bool parse_real(std::string_view field, int decimals, double& value);

namespace detail {
// Byte classes of the fast Fw.d conversion: 0 blank, 1 sign, 2 digit, 3 other;
// and each byte's digit value (0 for a byte that is not a digit).
struct FieldBytes {
    std::uint8_t kind[256];
    std::uint8_t digit[256];
};
constexpr FieldBytes make_field_bytes() {
    FieldBytes bytes{};
    for (int c = 0; c < 256; ++c) {
        bool is_digit = c >= '0' && c <= '9';
        bytes.kind[c] = c == ' ' ? 0 : (c == '-' || c == '+') ? 1 : is_digit ? 2 : 3;
        bytes.digit[c] = static_cast<std::uint8_t>(is_digit ? c - '0' : 0);
    }
    return bytes;
}
inline constexpr FieldBytes field_bytes = make_field_bytes();
}  // namespace detail

/// Fw.d input (1 <= d <= 5) for the hot loops that read many such fields: the
/// form a Fortran writer produces (right-aligned, an optional sign, the
/// decimal point d places from the right) is converted inline and without
/// data-dependent branches; any other field goes through parse_real. The
/// result is always the one parse_real gives.
inline bool parse_real_fast(std::string_view field, int decimals, float& value) {
    const std::size_t n = field.size();
    const auto d = static_cast<std::size_t>(decimals);
    // At most 7 columns: the mantissa has at most 6 digits, so it and the
    // power of ten are exact in a float and the one division rounds correctly.
    if (decimals >= 1 && decimals <= 5 && n <= 7 && d + 1 <= n && field[n - 1 - d] == '.') {
        static constexpr float powers[] = {1.0f, 10.0f, 100.0f, 1000.0f, 10000.0f, 100000.0f};
        const detail::FieldBytes& bytes = detail::field_bytes;
        const std::size_t point = n - 1 - d;
        std::uint32_t mantissa = 0;
        bool bad = false;
        bool negative = false;
        bool begun = false;  // a sign or digit has been seen
        for (std::size_t i = 0; i < point; ++i) {
            const auto c = static_cast<unsigned char>(field[i]);
            const std::uint8_t kind = bytes.kind[c];
            // Blanks only before the number, a sign only first, then digits.
            bad |= (kind == 3) | ((kind <= 1) & begun);
            negative |= c == '-';
            begun |= kind != 0;
            mantissa = mantissa * 10u + bytes.digit[c];
        }
        for (std::size_t i = point + 1; i < n; ++i) {
            const auto c = static_cast<unsigned char>(field[i]);
            bad |= bytes.kind[c] != 2;
            mantissa = mantissa * 10u + bytes.digit[c];
        }
        if (!bad) {
            // The sign goes straight into the sign bit: a branch on it would be
            // mispredicted on every other field of a grid.
            const float magnitude = static_cast<float>(mantissa) / powers[d];
            value = std::bit_cast<float>(std::bit_cast<std::uint32_t>(magnitude) |
                                         (static_cast<std::uint32_t>(negative) << 31));
            return true;
        }
    }
    return parse_real(field, decimals, value);
}

namespace detail {
// Which kinds of the three columns before the point of an F6.2 field make a
// number: blanks, then an optional sign, then digits (kinds as in FieldBytes).
constexpr std::array<bool, 64> make_hundredths_patterns() {
    std::array<bool, 64> valid{};
    for (unsigned k0 = 0; k0 < 4; ++k0) {
        for (unsigned k1 = 0; k1 < 4; ++k1) {
            for (unsigned k2 = 0; k2 < 4; ++k2) {
                const unsigned kinds[3] = {k0, k1, k2};
                unsigned stage = 0;  // 0 blanks, 1 after the sign, 2 digits
                bool ok = true;
                for (unsigned kind : kinds) {
                    if (kind == 3 || (kind == 0 && stage > 0) || (kind == 1 && stage > 0))
                        ok = false;
                    if (kind == 1) stage = 1;
                    if (kind == 2) stage = 2;
                }
                valid[k0 * 16 + k1 * 4 + k2] = ok;
            }
        }
    }
    return valid;
}
inline constexpr std::array<bool, 64> hundredths_patterns = make_hundredths_patterns();
}  // namespace detail

/// An F6.2 field of exactly six columns in the form the prediction programs
/// write it (blanks, an optional sign, digits, the point in column 4, two
/// digits) as a whole number of hundredths. parse_real(field, 2) gives the
/// float nearest to hundredths / 100, so values in this form can be compared
/// as integers and converted once. False for any other form, which parse_real
/// reads; a zero may carry a sign that the integer does not hold.
inline bool parse_hundredths(const char* field, std::int32_t& hundredths) {
    const detail::FieldBytes& bytes = detail::field_bytes;
    const auto c0 = static_cast<unsigned char>(field[0]);
    const auto c1 = static_cast<unsigned char>(field[1]);
    const auto c2 = static_cast<unsigned char>(field[2]);
    const auto c4 = static_cast<unsigned char>(field[4]);
    const auto c5 = static_cast<unsigned char>(field[5]);
    const unsigned pattern = bytes.kind[c0] * 16u + bytes.kind[c1] * 4u + bytes.kind[c2];
    const bool ok = detail::hundredths_patterns[pattern] & (field[3] == '.') &
                    (bytes.kind[c4] == 2) & (bytes.kind[c5] == 2);
    const std::int32_t magnitude = bytes.digit[c0] * 10000 + bytes.digit[c1] * 1000 +
                                   bytes.digit[c2] * 100 + bytes.digit[c4] * 10 + bytes.digit[c5];
    const std::int32_t negative = (c0 == '-') | (c1 == '-') | (c2 == '-');
    hundredths = (magnitude ^ -negative) + negative;
    return ok;
}

/// Iw output (and Iw.m when min_digits > 1: zero-filled to m digits).
std::string format_integer(long long value, int width, int min_digits = 1);
/// Fw.d output. The leading zero of a value below one is dropped when the
/// field has no room for it, as long as decimals follow the point; with no
/// decimals (Fw.0) the point itself is dropped instead, since a field without a
/// point reads back the same with d = 0. Whatever is written either reads back
/// as the value rounded to d decimals or is all asterisks.
std::string format_real(double value, int width, int decimals);

/// Reads the fields of one record from left to right. A record shorter than a
/// field reads as if padded with blanks.
class FieldReader {
  public:
    explicit FieldReader(std::string_view record) : record_(record) {}

    /// nX: skips n columns.
    void skip(int width) { position_ += static_cast<std::size_t>(std::max(width, 0)); }
    /// The next width columns, as far as the record reaches (may be shorter).
    std::string_view take(int width);
    /// Aw into a field: the columns, blank-padded or cut to the field's width.
    template <std::size_t N>
    void text(int width, Text<N>& value) {
        value.assign(take(width));
    }
    /// Iw. False when the field is not a number; value is then unchanged.
    bool integer(int width, std::int32_t& value) { return parse_integer(take(width), value); }
    /// Fw.d. False when the field is not a number; value is then unchanged.
    bool real(int width, int decimals, float& value) {
        return parse_real(take(width), decimals, value);
    }
    bool real(int width, int decimals, double& value) {
        return parse_real(take(width), decimals, value);
    }
    /// The rest of the record from the current column.
    std::string_view rest() const;
    /// Columns consumed so far.
    int column() const { return static_cast<int>(position_); }

  private:
    std::string_view record_;
    std::size_t position_ = 0;
};

/// Builds one output record field by field.
class RecordWriter {
  public:
    RecordWriter& integer(long long value, int width, int min_digits = 1) {
        line_ += format_integer(value, width, min_digits);
        return *this;
    }
    RecordWriter& real(double value, int width, int decimals) {
        line_ += format_real(value, width, decimals);
        return *this;
    }
    /// Aw: the text cut or blank-padded to width.
    RecordWriter& text(std::string_view value, int width) {
        line_ += padded(value, static_cast<std::size_t>(width));
        return *this;
    }
    /// A literal as it stands.
    RecordWriter& literal(std::string_view value) {
        line_ += value;
        return *this;
    }
    /// nX on output: n blanks.
    RecordWriter& blanks(int count) {
        line_.append(static_cast<std::size_t>(std::max(count, 0)), ' ');
        return *this;
    }
    const std::string& str() const { return line_; }

  private:
    std::string line_;
};

/// Appends one record and the platform's line end to a file's text. A record
/// that itself ends in CR is ended with CR LF, so that the line reader, which
/// takes CR LF as a line end, gives it back with its CR.
void append_record(std::string& text, std::string_view record);

// ----------------------------------------------------------------- lines --

/// Streams the lines of a text file in constant memory. A line ends at LF or at
/// CR LF (the CR is dropped); a last line without a line end still counts (a
/// CR at its end is dropped too). Lines longer than max_line are cut (the rest
/// up to the line end is skipped).
class LineReader {
  public:
    static constexpr std::size_t max_line = 65536;
    static constexpr std::size_t default_buffer = 1 << 16;

    /// The buffer size only changes how often the reader refills, never the
    /// lines it hands out.
    explicit LineReader(std::size_t buffer_size = default_buffer);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    /// Opens a file given by its package path (mapped to the native path).
    bool open(std::string_view package_path);
    /// Opens a file given by its native path.
    bool open_native(const std::string& native_path);
    /// Reads the lines of a file's content held in memory, exactly as they
    /// would be read from the file. The caller keeps the text alive while
    /// reading.
    void open_text(std::string_view text);
    bool is_open() const { return file_ != nullptr || in_memory_; }
    void close();

    /// The next line, valid until the next call. False at the end of the file
    /// or on a read error (see failed()).
    bool next(std::string_view& line);
    /// True when reading stopped on an I/O error rather than the end of the file.
    bool failed() const { return error_; }
    /// Number of lines handed out so far.
    long line_number() const { return line_number_; }

  private:
    bool fill();

    std::FILE* file_ = nullptr;
    bool in_memory_ = false;
    std::string_view text_;  // the rest of the text not yet in the buffer
    std::size_t buffer_size_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
    bool error_ = false;
    long line_number_ = 0;
    std::string long_line_;
};

// ------------------------------------------------------------ free format --

enum class ListResult {
    ok,           ///< a value was read (or a null value left the variable as it was)
    end_of_file,  ///< the file ended before the value
    bad_value,    ///< the next item is not a number of the asked kind
};

/// Free-format (list-directed) reading. Each statement() starts a new read on
/// the next line, as a new READ statement does; values are then taken from as
/// many lines as needed.
class ListReader {
  public:
    explicit ListReader(LineReader& lines) : lines_(&lines) {}
    /// Reads from a single record only (the end of the record is the end of the list).
    explicit ListReader(std::string_view record);

    /// Begins a new read: the rest of the current line is dropped.
    void statement();
    ListResult integer(std::int32_t& value);
    ListResult real(float& value);
    ListResult real(double& value);

  private:
    enum class Token { value, null, end };
    Token next_token(std::string_view& token);
    bool next_line();

    LineReader* lines_ = nullptr;
    std::string current_;
    std::size_t position_ = 0;
    bool have_line_ = false;
    bool single_record_ = false;
    bool slashed_ = false;
    int repeat_left_ = 0;
    std::string repeat_value_;
    bool repeat_null_ = false;
    bool expect_separator_ = false;
};

}  // namespace qor
