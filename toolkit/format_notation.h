#pragma once
// The window description notation of the package's editable text files (the
// site's contact block in database\contact.txt): text with embedded codes.
//
//   %nl          new line              %cn          centre the line
//   %tc[colour]  text colour           %bf, %`bf    bold on, bold off
//   %ta          next tab position     %fn[font]    font; %sf standard font
//
// A code that is not one of these is shown as it stands, so a line with a
// typing error still shows all its text.

#include <string_view>

#include "toolkit/window_builder.h"

namespace qor {

/// Adds one piece written in the notation to the window being built.
void render_format(WindowBuilder& builder, std::string_view piece);

}  // namespace qor
