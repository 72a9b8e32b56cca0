#pragma once
// Help, Contents: opens a help file with the desktop's viewer.

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

/// Opens the help file given by its package path with the desktop's viewer;
/// when the desktop cannot open it, a message box over parent says so. True
/// when it was opened.
bool open_help_file(std::string_view file, QWidget* parent);

}  // namespace qor
