#include "toolkit/format_notation.h"

#include <string>

namespace qor {

namespace {

// The argument of a code written "%xx[argument]" at position at (of the '%'),
// and the position after its closing bracket; false without a bracket pair.
bool bracketed(std::string_view piece, std::size_t at, std::size_t code_length,
               std::string_view& argument, std::size_t& after) {
    std::size_t open = at + code_length;
    if (open >= piece.size() || piece[open] != '[') return false;
    std::size_t close = piece.find(']', open + 1);
    if (close == std::string_view::npos) return false;
    argument = piece.substr(open + 1, close - open - 1);
    after = close + 1;
    return true;
}

}  // namespace

void render_format(WindowBuilder& builder, std::string_view piece) {
    std::string pending;
    auto flush = [&] {
        builder.text(pending);
        pending.clear();
    };
    std::size_t i = 0;
    while (i < piece.size()) {
        if (piece[i] != '%') {
            // Control bytes (a NUL or tab from an editor) are shown as blanks.
            char c = piece[i++];
            pending += static_cast<unsigned char>(c) < 32 ? ' ' : c;
            continue;
        }
        std::string_view rest = piece.substr(i);
        std::string_view argument;
        std::size_t after = 0;
        if (rest.starts_with("%nl")) {
            flush();
            builder.newline();
            i += 3;
        } else if (rest.starts_with("%cn")) {
            flush();
            builder.centre();
            i += 3;
        } else if (rest.starts_with("%ta")) {
            flush();
            builder.tab();
            i += 3;
        } else if (rest.starts_with("%bf")) {
            flush();
            builder.bold(true);
            i += 3;
        } else if (rest.starts_with("%`bf")) {
            flush();
            builder.bold(false);
            i += 4;
        } else if (rest.starts_with("%sf")) {
            flush();
            builder.standard_font();
            i += 3;
        } else if (rest.starts_with("%tc") && bracketed(piece, i, 3, argument, after)) {
            flush();
            builder.colour(argument);
            i = after;
        } else if (rest.starts_with("%fn") && bracketed(piece, i, 3, argument, after)) {
            flush();
            builder.font(argument);
            i = after;
        } else {
            pending += piece[i++];
        }
    }
    flush();
}

}  // namespace qor
