// print_a.ini: read, saved, read again gives the same placement (at the file's
// four decimals), within the dialog's limits, never asterisks.

#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "plotout/printer_setup.h"

namespace {

qor::PrinterPlacement read(std::string_view text) {
    qor::LineReader file;
    file.open_text(text);
    qor::PrinterPlacement placement;
    qor::read_printer_setup_lines(file, placement);
    return placement;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = qor::fuzz::as_text(data, size);
    const qor::PrinterPlacement first = read(input);
    QOR_FUZZ_CHECK(qor::within_limits(first), input);
    const std::string line = qor::printer_setup_line(first);
    QOR_FUZZ_CHECK(line.find('*') == std::string::npos, input);
    // What is read back is what was saved, at the file's four decimals (a
    // value that rounds to zero may come back as a zero of the other sign).
    const qor::PrinterPlacement second = read(line + "\n");
    QOR_FUZZ_CHECK(second.border == first.border, input);
    QOR_FUZZ_CHECK(std::fabs(second.scale - first.scale) <= 0.000051f, input);
    QOR_FUZZ_CHECK(std::fabs(second.xOffset - first.xOffset) <= 0.000051f, input);
    QOR_FUZZ_CHECK(std::fabs(second.yOffset - first.yOffset) <= 0.000051f, input);
    // From then on nothing changes.
    const qor::PrinterPlacement third = read(qor::printer_setup_line(second) + "\n");
    QOR_FUZZ_CHECK(third.scale == second.scale && third.xOffset == second.xOffset &&
                       third.yOffset == second.yOffset && third.border == second.border,
                   input);
    return 0;
}
