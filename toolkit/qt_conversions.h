#pragma once
// The records' latin-1 texts, colour names and font names as the Qt values
// the windows draw with.

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

namespace qor {

/// Latin-1 bytes to a QString and back (characters beyond latin-1 become '?').
QString qt_text(std::string_view latin1);
std::string latin1_text(const QString& text);

/// The colour a colour name stands for ("white", "YELLOW", "red", "Gray", ...;
/// case does not matter). Invalid when the name is not known.
QColor colour_by_name(std::string_view name);

/// The font family a requested family is drawn with: "Courier New" and
/// "Courier" map to the metric-compatible "Liberation Mono".
QString font_family(std::string_view family);

}  // namespace qor
