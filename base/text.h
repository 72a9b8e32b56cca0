#pragma once
// Fixed-width, blank-padded byte fields and the six text helpers that every
// part of the program uses to find lengths, dots and case in them.
//
// Positions handed to and returned by the helpers are 1-based; a length of 0
// means "empty". Bytes stay bytes (latin-1); nothing is NUL-terminated.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace qor {

/// A text field of exactly N bytes, padded on the right with blanks.
template <std::size_t N>
struct Text {
    std::array<char, N> bytes;

    Text() { bytes.fill(' '); }
    Text(std::string_view value) { assign(value); }  // NOLINT: fields are set from literals
    Text(const char* value) { assign(value); }       // NOLINT

    static constexpr int width = static_cast<int>(N);

    /// Replaces the content: cut to N bytes or padded with blanks.
    void assign(std::string_view value) {
        bytes.fill(' ');
        // An empty view may carry a null pointer, which memcpy must not see.
        if (!value.empty()) std::memcpy(bytes.data(), value.data(), std::min(value.size(), N));
    }
    Text& operator=(std::string_view value) {
        assign(value);
        return *this;
    }
    Text& operator=(const char* value) {
        assign(value);
        return *this;
    }
    /// Copies another field's bytes, cut or padded to this width.
    template <std::size_t M>
    void assign(const Text<M>& other) {
        assign(other.view());
    }

    char* data() { return bytes.data(); }
    const char* data() const { return bytes.data(); }
    char& operator[](std::size_t i) { return bytes[i]; }  // 0-based
    char operator[](std::size_t i) const { return bytes[i]; }
    /// 1-based access, as the system's routines count positions.
    char& at1(int position) { return bytes[static_cast<std::size_t>(position - 1)]; }
    char at1(int position) const { return bytes[static_cast<std::size_t>(position - 1)]; }

    /// All N bytes, trailing blanks included.
    std::string_view view() const { return {bytes.data(), N}; }
    std::string str() const { return std::string(view()); }
    /// The bytes up to the last one that is not a blank.
    std::string_view trimmed() const;
    /// Positions first..last (1-based, inclusive), clipped to the field.
    std::string_view sub(int first, int last) const;
    bool blank() const { return trimmed().empty(); }

    bool operator==(const Text& other) const { return bytes == other.bytes; }
    bool operator==(std::string_view other) const { return view() == Text(other).view(); }
    bool operator==(const char* other) const { return *this == std::string_view(other); }
};

/// Position of the last byte among the first n that is not a blank (byte 32);
/// 0 for an all-blank prefix; n itself when n is 0 or negative. NUL counts as
/// significant.
int LCOUNT(const char* text, int n);
template <std::size_t N>
int LCOUNT(const Text<N>& text, int n) {
    return LCOUNT(text.data(), std::min(n, static_cast<int>(N)));
}

/// Significant length over the declared width: blanks and NULs both count as fill.
int LENCHAR(const char* text, int width);
template <std::size_t N>
int LENCHAR(const Text<N>& text) {
    return LENCHAR(text.data(), static_cast<int>(N));
}

/// Position of the last '.' within the significant part (LENCHAR), 0 if none.
int INDEX_DOT(const char* text, int width);
template <std::size_t N>
int INDEX_DOT(const Text<N>& text) {
    return INDEX_DOT(text.data(), static_cast<int>(N));
}

/// Upper-cases 'a'..'z' among the first n bytes; other bytes unchanged.
void UCASE(char* text, int n);
template <std::size_t N>
void UCASE(Text<N>& text, int n) {
    UCASE(text.data(), std::min(n, static_cast<int>(N)));
}

/// Lower-cases 'A'..'Z' among the first n bytes; other bytes unchanged.
void LCASE(char* text, int n);
template <std::size_t N>
void LCASE(Text<N>& text, int n) {
    LCASE(text.data(), std::min(n, static_cast<int>(N)));
}

/// Removes every blank from the first n bytes, packing the rest to the left,
/// sets n to the number kept and blanks the freed positions.
void RBLANKC(char* text, int& n);
template <std::size_t N>
void RBLANKC(Text<N>& text, int& n) {
    n = std::min(n, static_cast<int>(N));
    RBLANKC(text.data(), n);
}

template <std::size_t N>
std::string_view Text<N>::trimmed() const {
    int length = LCOUNT(bytes.data(), static_cast<int>(N));
    return {bytes.data(), static_cast<std::size_t>(std::max(length, 0))};
}

template <std::size_t N>
std::string_view Text<N>::sub(int first, int last) const {
    first = std::max(first, 1);
    last = std::min(last, static_cast<int>(N));
    if (last < first) return {};
    return {bytes.data() + first - 1, static_cast<std::size_t>(last - first + 1)};
}

/// Pads or cuts a string to exactly width bytes.
std::string padded(std::string_view value, std::size_t width);
/// The value without its trailing blanks.
std::string_view trim_right(std::string_view value);

}  // namespace qor
