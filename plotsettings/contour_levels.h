#pragma once
// Automatic contour levels: seven levels for a plotted parameter from its
// value range and the level rule of its plot parameter entry.

#include <array>
#include <cstdint>

#include "areadata/plot_parameter_table.h"
#include "base/text.h"
#include "platform/console.h"

namespace qor {

using LevelArray = std::array<float, 10>;          ///< level positions 1..10 at [0..9]
using ColourArray = std::array<std::int32_t, 10>;  ///< colour of each level position

/// The seven colours automatic levels receive (ContourSettings.defaultColors).
using DefaultColours = std::array<std::int32_t, 7>;

/// Finds the parameter in the plot parameter table (the angle names TANGLE,
/// RANGLE and ANGLER are rewritten to "ANGLE " in name itself) and computes its
/// seven automatic levels and colours; slots 8 to 10 are set to 0. A name the
/// table lacks is reported on the console (the name and the table's names),
/// followed by a pause; the result is then seven empty levels (-999.0) with the
/// default colours, so that the caller can go on.
void AUTOCON(const PlotParameterTable& table, const DefaultColours& defaults, Console& console,
             Text<6>& name, std::int32_t& count, LevelArray& levels, ColourArray& colors);

/// Applies level rule method to the range low..high (already scaled). count and
/// levels come in as the rule values and go out as the levels (count 7); the
/// seven colours are the defaults.
void GETLEVEL(const DefaultColours& defaults, float low, float high, std::int32_t method,
              std::int32_t& count, LevelArray& levels, ColourArray& colors);

/// The first plot parameter entry whose name (the first 6 characters of its
/// line) equals name exactly; nullptr when none does.
const PlotParameterEntry* find_plot_parameter(const PlotParameterTable& table, const Text<6>& name);

/// Sorts the first count values ascending in place (selection sort: among equal
/// values the first one found is taken).
void SORTX(std::int32_t count, float* values);

}  // namespace qor
