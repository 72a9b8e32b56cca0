#pragma once
// The Help menu's Contents item.

#include <string_view>

class QWidget;

namespace qor {

/// Shows the help file's contents: help_file (package form, "...\qorplot.hlp")
/// when it exists, else the HTML page beside it, in the desktop's viewer; where
/// the desktop has none, the HTML page in the program's help window. Without
/// either file, or with neither a viewer nor a page, a message box over parent
/// says so. True when the help is shown.
bool open_help_contents(std::string_view help_file, QWidget* parent);

}  // namespace qor
