// colors.dat: at most 20 entries whatever the file holds; the list the reader
// fills gives every entry's code back by its first name (unless an earlier
// entry has the same name).

#include <cstdint>

#include "app/settings_files.h"
#include "fuzz/fuzz_support.h"
#include "plotout/colour_codes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = qor::fuzz::as_text(data, size);
    qor::LineReader file;
    file.open_text(input);
    qor::ColorTables tables;
    qor::fuzz::QuietConsole console;
    qor::read_dos_colour_lines(file, "colors.dat", tables, console);
    QOR_FUZZ_CHECK(tables.DosColourCount >= 0 && tables.DosColourCount <= 20, input);
    for (std::size_t i = 0; i < static_cast<std::size_t>(tables.DosColourCount); ++i) {
        const std::int32_t code = qor::ICOLDOS(tables, tables.DosFirstNames[i]);
        bool earlier = false;
        for (std::size_t j = 0; j < i; ++j) {
            earlier |= tables.DosFirstNames[j] == tables.DosFirstNames[i] ||
                       tables.DosSecondNames[j] == tables.DosFirstNames[i];
        }
        if (!earlier) QOR_FUZZ_CHECK(code == tables.DosCodes[i], input);
    }
    return 0;
}
