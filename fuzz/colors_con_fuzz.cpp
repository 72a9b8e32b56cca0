// colors.con: the seven default contour colours are always colours of the
// sixteen (0 to 15), whatever the file holds.

#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "plotsettings/contour_colours.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = qor::fuzz::as_text(data, size);
    qor::LineReader file;
    file.open_text(input);
    qor::ContourSettings contours;
    qor::read_contour_colour_lines(file, contours);
    for (std::int32_t colour : contours.defaultColors) {
        QOR_FUZZ_CHECK(colour >= 0 && colour <= 15, input);
    }
    return 0;
}
