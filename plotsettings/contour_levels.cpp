#include "plotsettings/contour_levels.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "base/fixed_record.h"
#include "plotsettings/contour_settings.h"

namespace qor {

namespace {

// The level rules work in whole numbers of 32 bits; a float far outside that
// range (a tiny step, a wild range) saturates instead of being undefined, and
// the arithmetic on those numbers is done in 64 bits so that it cannot overflow.
std::int64_t truncated(float value) {
    if (std::isnan(value)) return 0;
    constexpr float limit = 2147483648.0f;  // 2^31
    if (value >= limit) return std::numeric_limits<std::int32_t>::max();
    if (value <= -limit) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int64_t>(value);
}

// Nearest whole number, halves away from zero.
std::int64_t rounded(float value) {
    return truncated(std::round(value));
}

float as_level(std::int64_t value) {
    return static_cast<float>(value);
}

// Seven equal whole-number steps from the top of the range down; levels below
// the range are left empty.
std::int32_t equal_steps(float low, float high, LevelArray& levels) {
    const std::int64_t lo = truncated(low);
    const std::int64_t hi = truncated(high + 0.999f);
    const std::int64_t step = (hi - lo + 6) / 7;
    for (std::size_t j = 0; j < 7; ++j) {
        const float level = as_level(hi - static_cast<std::int64_t>(j) * step);
        levels[j] = level < low ? empty_level : level;
    }
    return 7;
}

// A step counted down from the top of the range, stopping at the base.
std::int32_t steps_from_top(float low, float high, LevelArray& levels) {
    const float d = levels[0];
    const std::int64_t s = rounded(levels[0]);
    const std::int64_t base = rounded(levels[1]);
    // A zero step cannot be counted; seven equal steps still give a usable plot.
    if (d == 0.0f || s == 0) return equal_steps(low, high, levels);

    std::int64_t top = truncated(high / d) * s;
    if (high - as_level(top) > 0.5f) top += s;
    std::int64_t n = (top - base) / s + 1;
    if (n > 7) n = 7;
    if (n <= 0) {
        // Nothing lies between base and top: the step value itself stays in
        // position 1 as the only level.
        n = 1;
    } else {
        for (std::int64_t j = 1; j <= n; ++j) {
            levels[static_cast<std::size_t>(j - 1)] = as_level(top - (n - j) * s);
        }
    }
    float& last = levels[static_cast<std::size_t>(n - 1)];
    if (last < high) last += d;
    return static_cast<std::int32_t>(n);
}

// A step counted up from just above the bottom of the range until it reaches
// the top.
std::int32_t steps_from_bottom(float low, float high, LevelArray& levels) {
    const float d = levels[0];
    const std::int64_t s = rounded(levels[0]);
    if (d == 0.0f) return equal_steps(low, high, levels);

    const std::int64_t first = truncated(low / d + 1.0f) * s;
    std::size_t n = 0;
    while (n < 7) {
        levels[n] = as_level(first + static_cast<std::int64_t>(n) * s);
        ++n;
        if (levels[n - 1] >= high) break;
    }
    if (levels[n - 1] <= high) levels[n - 1] = high + d;
    return static_cast<std::int32_t>(n);
}

bool is_angle_name(const Text<6>& name) {
    return name == "TANGLE" || name == "RANGLE" || name == "ANGLER";
}

// The lines that tell which parameter is missing and what the table holds.
void report_missing(const PlotParameterTable& table, Console& console, const Text<6>& name) {
    console.write_line(RecordWriter().literal(" parms=").text(name.view(), 6).str());
    console.write_line(RecordWriter().literal(" npltparms=").integer(table.count, 5).str());
    const int entries = std::clamp(table.count, 0, static_cast<std::int32_t>(table.entries.size()));
    for (int k = 0; k < entries; ++k) {
        const PlotParameterEntry& entry = table.entries[static_cast<std::size_t>(k)];
        console.write_line(
            RecordWriter().integer(k + 1, 5).literal("=").text(entry.line.sub(1, 6), 6).str());
    }
    console.pause("Could not find parameter in AUTOCON");
}

}  // namespace

const PlotParameterEntry* find_plot_parameter(const PlotParameterTable& table,
                                              const Text<6>& name) {
    const int entries = std::clamp(table.count, 0, static_cast<std::int32_t>(table.entries.size()));
    for (int k = 0; k < entries; ++k) {
        const PlotParameterEntry& entry = table.entries[static_cast<std::size_t>(k)];
        if (entry.line.sub(1, 6) == name.view()) return &entry;
    }
    return nullptr;
}

void AUTOCON(const PlotParameterTable& table, const DefaultColours& defaults, Console& console,
             Text<6>& name, std::int32_t& count, LevelArray& levels, ColourArray& colors) {
    const PlotParameterEntry* entry = find_plot_parameter(table, name);
    if (entry == nullptr && is_angle_name(name)) {
        name = "ANGLE ";
        entry = find_plot_parameter(table, name);
    }
    if (entry == nullptr) {
        // The slot keeps its name and shows seven empty levels, so that the user
        // can still choose another parameter instead of losing the session.
        report_missing(table, console, name);
        count = 0;
        GETLEVEL(defaults, 0.0f, 0.0f, 0, count, levels, colors);
    } else {
        const float low = entry->minimum * entry->scale;
        const float high = entry->maximum * entry->scale;
        count = std::clamp(entry->valueCount, 0, static_cast<std::int32_t>(entry->values.size()));
        std::copy_n(entry->values.begin(), count, levels.begin());
        GETLEVEL(defaults, low, high, entry->method, count, levels, colors);
    }
    for (std::size_t j = static_cast<std::size_t>(count); j < levels.size(); ++j) {
        levels[j] = 0.0f;
        colors[j] = 0;
    }
}

void GETLEVEL(const DefaultColours& defaults, float low, float high, std::int32_t method,
              std::int32_t& count, LevelArray& levels, ColourArray& colors) {
    switch (method) {
        case 1:
            count = steps_from_top(low, high, levels);
            break;
        case 2:
            count = equal_steps(low, high, levels);
            break;
        case 3:
            count = steps_from_bottom(low, high, levels);
            break;
        default:
            // The rule values are the levels themselves.
            count = std::clamp(count, 0, static_cast<std::int32_t>(levels.size()));
            break;
    }
    for (std::size_t j = static_cast<std::size_t>(count); j < 7; ++j) levels[j] = empty_level;
    count = 7;
    SORTX(count, levels.data());
    std::copy_n(defaults.begin(), 7, colors.begin());
}

void SORTX(std::int32_t count, float* values) {
    for (std::int32_t i = 0; i < count; ++i) {
        std::int32_t smallest = i;
        for (std::int32_t k = i + 1; k < count; ++k) {
            if (values[k] < values[smallest]) smallest = k;
        }
        std::swap(values[i], values[smallest]);
    }
}

}  // namespace qor
