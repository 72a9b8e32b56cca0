#include "plotsettings/contour_dialogs.h"

#include <algorithm>

#include "plotsettings/summaries.h"

namespace qor {

namespace {

constexpr std::size_t slots = 5;
constexpr std::size_t shown_levels = 7;

std::size_t slot_index(std::int32_t slot) {
    return static_cast<std::size_t>(std::clamp(slot, 1, static_cast<std::int32_t>(slots)) - 1);
}

// A colour list item stands for the colour two below its number, so that item
// 1 is the "not set" colour -1 and item 2 is colour 0.
constexpr std::int32_t item_offset = 2;

void build_block(const PlotParameterTable& table, const DefaultColours& defaults, Console& console,
                 std::size_t index, Text<6>& name, PendingContours& pending) {
    SET_CONT(table, defaults, console, static_cast<int>(index + 1), name, pending.levelCount[index],
             pending.levels[index], pending.colors[index], pending.lines[index].data());
}

// The automatic levels of the editor's name: the levels for the boxes, the
// colours as list items.
void automatic_levels(const PlotParameterTable& table, const DefaultColours& defaults,
                      Console& console, ContourEditor& editor, LevelArray& levels) {
    std::int32_t count = 0;
    ColourArray colours{};
    AUTOCON(table, defaults, console, editor.name, count, levels, colours);
    for (std::size_t j = 0; j < colours.size(); ++j) {
        editor.colorChoices[j] = colours[j] + item_offset;
    }
}

}  // namespace

void contours_prepare(const PlotParameterTable& table, const ContourSettings& contours,
                      const ParameterSelection& parameters, Console& console,
                      PendingContours& pending) {
    for (std::size_t i = 0; i < slots; ++i) {
        pending.levelCount[i] = contours.levelCount[i];
        pending.levels[i] = contours.levels[i];
        pending.colors[i] = contours.colors[i];
        pending.lines[i] = Text<160>();
        if (parameters.names[i].blank()) continue;
        Text<6> name = parameters.names[i];
        build_block(table, contours.defaultColors, console, i, name, pending);
    }
}

void SET_CONTOUR_METHOD(std::int32_t method, Text<12>& text) {
    text = method == 0 ? "AUTO scaled " : "USER defined";
}

void contour_editor_prepare(const PlotParameterTable& table, const DefaultColours& defaults,
                            const ParameterSelection& parameters, const PendingContours& pending,
                            std::int32_t slot, Console& console, ContourEditor& editor) {
    const std::size_t index = slot_index(slot);
    editor.slot = static_cast<std::int32_t>(index + 1);
    editor.name = parameters.names[index];
    if (const PlotParameterEntry* entry = find_plot_parameter(table, editor.name)) {
        editor.rangeLow = static_cast<double>(entry->minimum * entry->scale);
        editor.rangeHigh = static_cast<double>(entry->maximum * entry->scale);
    } else {
        editor.rangeLow = 0.0;
        editor.rangeHigh = 0.0;
    }
    editor.method = pending.levelCount[index];
    if (editor.method == 0) {
        LevelArray levels{};
        automatic_levels(table, defaults, console, editor, levels);
        std::copy(levels.begin(), levels.end(), editor.levelInputs.begin());
    } else {
        std::copy(pending.levels[index].begin(), pending.levels[index].end(),
                  editor.levelInputs.begin());
        for (std::size_t j = 0; j < editor.colorChoices.size(); ++j) {
            editor.colorChoices[j] = pending.colors[index][j] + item_offset;
        }
    }
    SET_CONTOUR_METHOD(editor.method, editor.methodText);
}

int CONTOURX_METHOD(const PlotParameterTable& table, const DefaultColours& defaults,
                    Console& console, ContourEditor& editor) {
    if (editor.method == 0) {
        // The automatic levels in the boxes become the start of the user's own.
        editor.method = static_cast<std::int32_t>(shown_levels);
    } else {
        editor.method = 0;
        LevelArray levels{};
        automatic_levels(table, defaults, console, editor, levels);
        std::copy_n(levels.begin(), shown_levels, editor.levelInputs.begin());
    }
    SET_CONTOUR_METHOD(editor.method, editor.methodText);
    return 1;
}

CallbackResult CONTOURX_OK(const PlotParameterTable& table, const DefaultColours& defaults,
                           Console& console, ContourEditor& editor, PendingContours& pending) {
    const std::size_t index = slot_index(editor.slot);
    if (editor.method != 0) {
        for (std::size_t j = 1; j < shown_levels; ++j) {
            // A refused Accept leaves the pending slot exactly as it was, its
            // method included: a Cancel after it must not switch the slot.
            if (editor.levelInputs[j - 1] > editor.levelInputs[j]) {
                return {1, contour_order_error()};
            }
        }
        for (std::size_t j = 0; j < editor.levelInputs.size(); ++j) {
            pending.levels[index][j] = static_cast<float>(editor.levelInputs[j]);
            pending.colors[index][j] = editor.colorChoices[j] - item_offset;
        }
    }
    pending.levelCount[index] = editor.method;
    build_block(table, defaults, console, index, editor.name, pending);
    return {0, std::nullopt};
}

int CONTOURX_NO() {
    return 0;
}

int CONTOURX_AUTO(const PlotParameterTable& table, const DefaultColours& defaults, Console& console,
                  const ContourEditor& editor, PendingContours& pending) {
    const std::size_t index = slot_index(editor.slot);
    pending.levelCount[index] = 0;
    Text<6> name = editor.name;
    build_block(table, defaults, console, index, name, pending);
    return 0;
}

int CONTOURS_OK(const PlotParameterTable& table, const PendingContours& pending,
                ParameterSelection& parameters, ContourSettings& contours, Console& console) {
    for (std::size_t i = 0; i < slots; ++i) {
        contours.levelCount[i] = pending.levelCount[i];
        const auto positions = static_cast<std::size_t>(
            std::clamp(pending.levelCount[i], 0, static_cast<std::int32_t>(LevelArray().size())));
        std::copy_n(pending.levels[i].begin(), positions, contours.levels[i].begin());
        std::copy_n(pending.colors[i].begin(), positions, contours.colors[i].begin());
    }
    SET_CONTOURS(table, parameters, contours, console, contours.summaryText);
    return 0;
}

int CONTOURS_NO() {
    return 0;
}

Message contour_order_error() {
    Message message = button_message(
        "CONTOUR VALUES MUST be ordered from greatest to least\nas you go from top to bottom.");
    message.caption = "CONTOUR VALUES Input ERROR";
    message.background = "red";
    return message;
}

ContourOverviewLayout contour_overview_layout(const ScreenSize& screen) {
    ContourOverviewLayout layout;
    const bool large_at_800 = screen.width == 800 && screen.largeText == 1;
    layout.boxWidth = screen.width > 800 || large_at_800 ? 80 : 70;
    layout.sizeFactor = large_at_800 ? 0.85 : screen.width <= 800 ? 0.9 : 1.0;
    return layout;
}

int contour_colour_lines(const ColorTables& tables, const ScreenSize& screen) {
    const bool small = screen.width <= 640 || (screen.width == 800 && screen.largeText == 1);
    return small ? 13 : tables.WindowColourCount;
}

}  // namespace qor
