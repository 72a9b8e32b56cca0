#include "plotsettings/contour_colours.h"

namespace qor {

namespace {

constexpr std::array<std::int32_t, 7> built_in{10, 9, 14, 13, 3, 7, 15};

}  // namespace

void COLORDEF(const PathState& paths, ContourSettings& contours) {
    contours.defaultColors = built_in;
    LineReader file;
    if (!file.open(package_file(paths, "database\\colors.con"))) return;
    read_contour_colour_lines(file, contours);
}

void read_contour_colour_lines(LineReader& file, ContourSettings& contours) {
    std::array<std::int32_t, 7>& colours = contours.defaultColors;
    colours = built_in;
    ListReader list(file);
    list.statement();
    std::array<std::int32_t, 7> read = built_in;
    for (std::int32_t& value : read) {
        // A file that ends early, or holds something other than integers,
        // gives the built-in colours: values already read are dropped. So
        // does a number that is not one of the sixteen colours: it would be
        // written into the requirement file's three-column colour fields.
        if (list.integer(value) != ListResult::ok || value < 0 || value > 15) return;
    }
    colours = read;
}

}  // namespace qor
