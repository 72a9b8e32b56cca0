#pragma once
// Numbers as text with a fixed number of decimals and always a decimal point:
// a map and its files read the same whatever the user's locale (Qt sets the C
// library's locale from the environment, and printf would follow it).

#include <charconv>
#include <string>

namespace qor::map {

inline std::string fixed_text(double value, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

}  // namespace qor::map
