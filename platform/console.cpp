#include "platform/console.h"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>

#include "platform/windows_text.h"
#endif

namespace qor {

namespace {

// Writes text and a line end to standard output and flushes it. A Windows
// console shows bytes in its own (OEM) code page, in which the package's
// accented letters come out wrong; there the text goes in as characters.
// Redirected to a file or pipe the bytes go as they are, with the platform's
// line end.
void write_out(std::string_view text) {
#ifdef _WIN32
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (out != nullptr && out != INVALID_HANDLE_VALUE && GetConsoleMode(out, &mode)) {
        std::fflush(stdout);
        std::wstring wide = windows::widen(text);
        wide += L"\r\n";
        DWORD written = 0;
        WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
#endif
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace

void Console::write_line(std::string_view line) {
    write_out(line);
    pending_.emplace_back(line);
}

void Console::pause(std::string_view message) {
    present(pending_, message, false);
    pending_.clear();
}

void Console::stop(std::string_view message, int status) {
    present(pending_, message, true);
    pending_.clear();
    end_process(status);
}

void Console::present(const std::vector<std::string>&, std::string_view message, bool) {
    // The pause of a command-line run does not wait: nobody may be there to
    // answer it. Its message still reaches standard output.
    std::string_view shown = message;
    while (!shown.empty() && shown.back() == ' ') shown.remove_suffix(1);
    if (!shown.empty()) write_out(shown);
    std::fflush(stdout);
}

void end_process(int status) {
    std::fflush(stdout);
    std::fflush(stderr);
    std::exit(status);
}

}  // namespace qor
