#pragma once
// Text conversions for the Windows calls of this layer (Windows only).
//
// The program's texts, paths included, are bytes of the package's 8-bit
// character set, which on Windows is the ANSI code page; the wide-character
// calls get them converted, so that paths longer or stranger than the narrow
// calls accept still work.

#ifdef _WIN32

#include <string>
#include <string_view>

namespace qor::windows {

/// The text in UTF-16, converted from the ANSI code page.
std::wstring widen(std::string_view text);

/// The text in the ANSI code page; false in converted when a character has no
/// form there (the text then holds a stand-in for it).
std::string narrow(std::wstring_view text, bool* converted = nullptr);

/// The system's description of an error code (GetLastError), without its
/// trailing line end, followed by the code: "Access is denied. (error 5)".
std::string error_text(unsigned long code);

}  // namespace qor::windows

#endif
