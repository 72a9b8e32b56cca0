#include "mapdraw/palette.h"

#include <algorithm>

namespace qor::map {

namespace {

// Chosen to keep the names of the table (a yellow that reads on white paper,
// a light blue and a pale blue that differ) while filled bands stay apart
// from each other and from black lines and text.
constexpr std::array<Rgb, 16> table{{
    {0, 0, 0},        // 0 black
    {220, 30, 30},    // 1 red
    {0, 150, 60},     // 2 green
    {250, 230, 40},   // 3 yellow
    {40, 70, 210},    // 4 blue
    {200, 40, 190},   // 5 magenta
    {40, 200, 220},   // 6 cyan
    {175, 175, 175},  // 7 grey
    {95, 95, 95},     // 8 dark grey
    {250, 145, 30},   // 9 orange
    {150, 225, 110},  // A light green
    {150, 90, 40},    // B brown
    {100, 160, 250},  // C light blue
    {250, 170, 200},  // D pink
    {195, 230, 255},  // E pale blue
    {255, 255, 255},  // F white
}};

}  // namespace

std::optional<Rgb> colour_of_code(int code) {
    if (code < 0 || code > 15) return std::nullopt;
    return table[static_cast<std::size_t>(code)];
}

Rgb grey_step(int band, int count) {
    // From 210 for the lowest band down to 45 for the highest, in equal steps:
    // the lightest stays apart from the pale ground of "no value".
    const int steps = std::max(count - 1, 1);
    const int value = 210 - (std::clamp(band, 0, steps) * 165) / steps;
    const auto grey = static_cast<std::uint8_t>(value);
    return {grey, grey, grey};
}

}  // namespace qor::map
