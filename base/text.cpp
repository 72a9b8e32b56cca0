#include "base/text.h"

namespace qor {

int LCOUNT(const char* text, int n) {
    if (n <= 0) return n;
    int position = n;
    while (position > 0 && text[position - 1] == ' ') --position;
    return position;
}

int LENCHAR(const char* text, int width) {
    int position = width;
    while (position > 0 && (text[position - 1] == ' ' || text[position - 1] == '\0')) --position;
    return std::max(position, 0);
}

int INDEX_DOT(const char* text, int width) {
    for (int position = LENCHAR(text, width); position >= 1; --position) {
        if (text[position - 1] == '.') return position;
    }
    return 0;
}

void UCASE(char* text, int n) {
    for (int i = 0; i < n; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 'a' && c <= 'z') text[i] = static_cast<char>(c - 32);
    }
}

void LCASE(char* text, int n) {
    for (int i = 0; i < n; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 'A' && c <= 'Z') text[i] = static_cast<char>(c + 32);
    }
}

void RBLANKC(char* text, int& n) {
    if (n <= 0) return;
    int kept = 0;
    for (int i = 0; i < n; ++i) {
        if (text[i] != ' ') text[kept++] = text[i];
    }
    for (int i = kept; i < n; ++i) text[i] = ' ';
    n = kept;
}

std::string padded(std::string_view value, std::size_t width) {
    std::string result(value.substr(0, std::min(value.size(), width)));
    result.resize(width, ' ');
    return result;
}

std::string_view trim_right(std::string_view value) {
    std::size_t length = value.size();
    while (length > 0 && value[length - 1] == ' ') --length;
    return value.substr(0, length);
}

}  // namespace qor
