#pragma once
// The About box: the program's name, the site's contact block from
// database\contact.txt, the credit line and the disclaimer. The box is
// described as pieces in the window description notation (see
// toolkit/format_notation.h), in the order they are shown; the window layer
// renders them and ends the box with its OK button.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/path_state.h"

namespace qor {

struct AboutBox {
    std::string caption;              ///< "About QOR_PLOT"
    std::vector<std::string> pieces;  ///< shown in order
    std::string button;               ///< label of the centred default button
};

/// Contact lines of more than this many characters are cut.
inline constexpr std::size_t contact_line_width = 120;
/// At most this many contact lines are shown; a longer file is cut there.
inline constexpr std::size_t contact_line_limit = 200;

/// The credit line piece (the tools the program was written with).
std::string_view credit_line();

/// The disclaimer: two paragraphs of four lines, each exactly 80 characters.
const std::array<std::string, 8>& disclaimer_lines();

/// Adds the contact block: each line of the contact file except comments
/// (first character "#") and lines of at most one significant character; or,
/// when the file cannot be read, a red notice that it is missing.
void CONTACT(const PathState& paths, std::vector<std::string>& pieces);

/// Adds the disclaimer block: the heading in bold red, then the two paragraphs.
void DISCLAIM(std::vector<std::string>& pieces);

/// The whole box: caption, program line, contact block, credit line,
/// disclaimer, and the OK button's label.
AboutBox about_box(const PathState& paths);

}  // namespace qor
