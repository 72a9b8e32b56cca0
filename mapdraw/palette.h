#pragma once
// The colours of the sixteen-colour table (codes 0 to 15, "0=Blck" to
// "F=Whit") as the map draws them, and the grey steps of black-and-white bin
// shading. docs/map-program.md lists the values.

#include <array>
#include <cstdint>
#include <optional>

namespace qor::map {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

/// The map's ground where no band is shaded (no value, or outside the grid).
constexpr Rgb no_value_colour{236, 236, 232};

/// Colour code 0 to 15; nothing for any other code ("Ignore").
std::optional<Rgb> colour_of_code(int code);

/// The grey of band index band (0 lowest) out of count bands: light for the
/// lowest band, dark for the highest.
Rgb grey_step(int band, int count);

/// The colour of band index band (0 lowest) out of count bands in the
/// colour-blind-safe palette (viridis): dark blue for the lowest band through
/// green to yellow for the highest, told apart by lightness alone as well as
/// by hue, so readers with any kind of colour blindness (and a grey copy)
/// still see the order of the bands.
Rgb safe_step(int band, int count);

}  // namespace qor::map
