#pragma once
// Help, Contents: opens a help file with the desktop's viewer, or, where the
// desktop has none for it, shows its HTML page in the program's own help
// window.

#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace qor {

/// Opens a document given by its native path; true when a viewer took it.
using DocumentOpener = std::function<bool(const std::string& native_path)>;

/// Replaces how documents are opened (tests record instead); an empty
/// opener restores the desktop's.
void set_document_opener(DocumentOpener opener);

/// Opens the help file given by its package path with the desktop's viewer.
/// When no viewer takes it, the HTML page (package path; "" when there is
/// none) is shown in the program's own help window beside parent; without a
/// page either, a message box over parent says the help could not be opened.
/// True when the help is shown.
bool open_help_file(std::string_view file, std::string_view page, QWidget* parent);

/// The program's own help window on an HTML page given by its package path:
/// a text browser that follows the page's links, with the page's title as
/// caption. It stays open beside parent (also while parent runs modally) until
/// it is closed or Escape is pressed; a second call shows the new page in the
/// same window. Returns the window (objectName "helpWindow"; its browser is
/// "helpBrowser").
QWidget* show_help_window(std::string_view page, QWidget* parent);

}  // namespace qor
