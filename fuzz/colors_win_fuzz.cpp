// colors.win: a file the reader cannot take stops the program with a message
// (here: Stopped is thrown); one it takes fills the three lists within their
// capacities.

#include <cstdint>

#include "app/settings_files.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = qor::fuzz::as_text(data, size);
    qor::LineReader file;
    file.open_text(input);
    qor::ColorTables tables;
    qor::fuzz::QuietConsole console;
    try {
        qor::read_window_colour_lines(file, "colors.win", tables, console);
    } catch (const qor::fuzz::Stopped&) {
        return 0;
    }
    QOR_FUZZ_CHECK(tables.WindowColourCount >= 0 && tables.WindowColourCount <= 20, input);
    QOR_FUZZ_CHECK(tables.CityListCount >= 0 && tables.CityListCount <= 7, input);
    QOR_FUZZ_CHECK(tables.ContourListCount >= 0 && tables.ContourListCount <= 8, input);
    return 0;
}
