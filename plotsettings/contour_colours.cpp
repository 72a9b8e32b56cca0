#include "plotsettings/contour_colours.h"

#include "base/fixed_record.h"

namespace qor {

void COLORDEF(const PathState& paths, ContourSettings& contours) {
    constexpr std::array<std::int32_t, 7> built_in{10, 9, 14, 13, 3, 7, 15};
    std::array<std::int32_t, 7>& colours = contours.defaultColors;
    colours = built_in;
    LineReader file;
    if (!file.open(package_file(paths, "database\\colors.con"))) return;
    ListReader list(file);
    list.statement();
    std::array<std::int32_t, 7> read = built_in;
    for (std::int32_t& value : read) {
        // A file that ends early, or holds something other than integers,
        // gives the built-in colours: values already read are dropped.
        if (list.integer(value) != ListResult::ok) return;
    }
    colours = read;
}

}  // namespace qor
