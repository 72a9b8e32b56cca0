#pragma once
// The Help menu's Contents item.

#include <string_view>

class QWidget;

namespace qor {

/// Shows the help file's contents: help_file (package form, "...\qorplot.hlp")
/// when it exists, else the HTML page beside it; otherwise, or when the desktop
/// cannot open it, a message box over parent says so. True when it was opened.
bool open_help_contents(std::string_view help_file, QWidget* parent);

}  // namespace qor
