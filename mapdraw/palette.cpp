#include "mapdraw/palette.h"

#include <algorithm>
#include <cmath>

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

// Viridis at nine even steps from 0 to 1; the colours between are
// interpolated.
constexpr std::array<Rgb, 9> viridis{{
    {68, 1, 84},
    {71, 44, 122},
    {59, 81, 139},
    {44, 113, 142},
    {33, 144, 141},
    {39, 173, 129},
    {92, 200, 99},
    {170, 220, 50},
    {253, 231, 37},
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

Rgb safe_step(int band, int count) {
    // The ends of the palette stay a little inside its range: the darkest
    // violet would hide black contour lines, and the palest yellow is close
    // to the ground of "no value".
    const int steps = std::max(count - 1, 1);
    const double t = 0.04 + 0.92 * std::clamp(band, 0, steps) / steps;
    const double at = t * static_cast<double>(viridis.size() - 1);
    const auto low = static_cast<std::size_t>(at);
    const std::size_t high = std::min(low + 1, viridis.size() - 1);
    const double f = at - static_cast<double>(low);
    auto mix = [f](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * f));
    };
    return {mix(viridis[low].red, viridis[high].red), mix(viridis[low].green, viridis[high].green),
            mix(viridis[low].blue, viridis[high].blue)};
}

}  // namespace qor::map
