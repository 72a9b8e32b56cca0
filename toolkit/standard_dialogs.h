#pragma once
// The window system's own dialogs and services: the file-open dialog and
// letting waiting window messages through.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QWidget;

namespace qor {

/// Lets the window layer process the waiting window messages once.
void YIELDIT();

/// The standard file-open dialog. start is the package path of the start
/// folder followed by the file pattern shown first
/// ("\opt\qor\AREADATA\SUB\*.HG?"); filters are (label, patterns) pairs,
/// patterns separated by blanks. Returns the chosen file's native path, or
/// nothing when the user cancelled.
std::optional<std::string> open_file_dialog(
    QWidget* parent, std::string_view title,
    const std::vector<std::pair<std::string, std::string>>& filters, std::string_view start);

}  // namespace qor
