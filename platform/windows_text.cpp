#include "platform/windows_text.h"

#ifdef _WIN32

#include <windows.h>

namespace qor::windows {

std::wstring widen(std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, result.data(), needed);
    return result;
}

std::string narrow(std::wstring_view text, bool* converted) {
    if (converted != nullptr) *converted = true;
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    BOOL defaulted = FALSE;
    // Without best-fit mapping a character missing from the code page shows as
    // a stand-in and is reported, instead of silently becoming a look-alike
    // that names a different file.
    const int needed = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr,
                                           0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, result.data(), needed,
                        nullptr, &defaulted);
    if (converted != nullptr) *converted = !defaulted;
    return result;
}

std::string error_text(unsigned long code) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text;
    if (length > 0 && buffer != nullptr) text.assign(buffer, length);
    if (buffer != nullptr) LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    if (!text.empty()) text += ' ';
    return text + "(error " + std::to_string(code) + ")";
}

}  // namespace qor::windows

#endif
