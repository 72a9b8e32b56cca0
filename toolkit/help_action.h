#pragma once
// Help, Contents: opens the help file with the desktop's viewer.

#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace qor {

/// Opens a document given by its native path; true when the desktop took it.
using DocumentOpener = std::function<bool(const std::string& native_path)>;

/// Replaces how documents are opened (tests record instead); an empty
/// opener restores the desktop's.
void set_document_opener(DocumentOpener opener);

/// Shows the help file's contents: help_file (package form, "...\qorplot.hlp")
/// when it exists, else the HTML page beside it; otherwise, or when the desktop
/// cannot open it, a message box over parent says so. True when it was opened.
bool open_help_contents(std::string_view help_file, QWidget* parent);

}  // namespace qor
