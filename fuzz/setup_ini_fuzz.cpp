// setup.ini: read, saved, read again gives the same settings, and the sizes
// saved are numbers, never asterisks.

#include <cstdint>
#include <string>

#include "app/settings_files.h"
#include "fuzz/fuzz_support.h"

namespace {

qor::WindowSettings read(std::string_view text) {
    qor::LineReader file;
    file.open_text(text);
    qor::WindowSettings settings;
    qor::read_setup_lines(file, settings);
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = qor::fuzz::as_text(data, size);
    const qor::WindowSettings first = read(input);
    const std::string saved = qor::setup_file_text(first);
    // The SCROLL line's numbers: columns and rows, three and two digits.
    const std::size_t scroll = saved.find("SCROLL    ");
    QOR_FUZZ_CHECK(scroll != std::string::npos, input);
    QOR_FUZZ_CHECK(saved.substr(scroll + 10, 6).find('*') == std::string::npos, input);
    const qor::WindowSettings second = read(saved);
    QOR_FUZZ_CHECK(second.MainColour == first.MainColour, input);
    QOR_FUZZ_CHECK(second.InputColour == first.InputColour, input);
    QOR_FUZZ_CHECK(second.ScrollFont == first.ScrollFont, input);
    QOR_FUZZ_CHECK(second.ScrollColumns == first.ScrollColumns, input);
    QOR_FUZZ_CHECK(second.ScrollRows == first.ScrollRows, input);
    QOR_FUZZ_CHECK(qor::setup_file_text(second) == saved, input);
    return 0;
}
