#include "plotsettings/summaries.h"

#include <algorithm>
#include <string>

#include "base/fixed_record.h"
#include "plotout/colour_codes.h"

namespace qor {

namespace {

constexpr std::size_t block_width = 160;
constexpr std::size_t slots = 5;

void line_break_at(char* text, std::size_t position) {
    text[position - 1] = '\r';
    text[position] = '\n';
}

// The label of a contour colour index from the sixteen-colour table: 0-9 and
// A-F for 10-15; anything else (a negative index, 16 and more) is "Ignore".
Text<6> colour_label(std::int32_t index) {
    Text<6> code;
    if (index >= 0 && index <= 9) {
        code[0] = static_cast<char>('0' + index);
    } else if (index >= 10 && index <= 200) {
        code[0] = static_cast<char>(static_cast<unsigned char>(index + 55));
    }
    COLORTAB(1, code);
    return code;
}

std::string range_text(const PlotParameterTable& table, const Text<6>& name) {
    const PlotParameterEntry* entry = find_plot_parameter(table, name);
    if (entry == nullptr) return padded("No Min/Max", 13);
    return RecordWriter()
        .real(entry->minimum * entry->scale, 6, 1)
        .literal("/")
        .real(entry->maximum * entry->scale, 6, 1)
        .str();
}

}  // namespace

void SET_PARAMS(const ParameterSelection& selection, Text<50>& text) {
    RecordWriter cells;
    for (const Text<6>& name : selection.names) cells.blanks(2).text(name.view(), 6).blanks(2);
    text = cells.str();
}

void SET_LAYERS(const ColorTables& tables, const LayerSettings& layers, Text<160>& text) {
    std::array<Text<6>, 5> names;
    Text<20> contourText;
    COL_CVT(tables, layers.colors, names, contourText);
    RecordWriter summary;
    summary.text("  Grid    Countries  Zones  Cities  MainBeam  Contours", 78).literal("\r\n");
    summary.blanks(3).text(names[layer_grid].view(), 6);
    summary.blanks(4).text(names[layer_countries].view(), 6);
    summary.blanks(3).text(names[layer_zones].view(), 6);
    summary.blanks(1).text(names[layer_cities].view(), 6);
    summary.blanks(3).text(names[layer_main_beam].view(), 6);
    summary.blanks(3).text(contourText.view(), 20);
    text = summary.str();
}

void SET_CONT(const PlotParameterTable& table, const DefaultColours& defaults, Console& console,
              int /*slot*/, Text<6>& name, std::int32_t count, LevelArray& levels,
              const ColourArray& colors, char* block) {
    std::fill_n(block, block_width, ' ');
    if (name == Text<6>()) {
        line_break_at(block, 79);
        return;
    }
    const std::string range = range_text(table, name);

    LevelArray shown_levels{};
    ColourArray shown_colors{};
    const char* method = "Auto";
    if (count == 0) {
        std::int32_t auto_count = 0;
        AUTOCON(table, defaults, console, name, auto_count, shown_levels, shown_colors);
    } else {
        method = "Defined";
        // The stored levels stay sorted from here on; each position keeps its colour.
        SORTX(std::min(count, static_cast<std::int32_t>(levels.size())), levels.data());
        shown_levels = levels;
        shown_colors = colors;
    }

    RecordWriter line;
    line.text(name.view(), 6).blanks(2).text(method, 7).blanks(3);
    for (std::size_t j = 0; j < 7; ++j) line.real(shown_levels[j], 8, 1);
    line.blanks(6).text(range, 13).blanks(2);
    for (std::size_t j = 0; j < 7; ++j)
        line.blanks(2).text(colour_label(shown_colors[j]).view(), 6);
    const std::string& text = line.str();
    std::copy_n(text.data(), std::min(text.size(), block_width), block);
    line_break_at(block, 79);
}

void SET_CONTOURS(const PlotParameterTable& table, ParameterSelection& selection,
                  ContourSettings& contours, Console& console, Text<800>& text) {
    Text<800> summary;
    for (std::size_t i = 0; i < slots; ++i) {
        char* block = summary.data() + block_width * i;
        SET_CONT(table, contours.defaultColors, console, static_cast<int>(i + 1),
                 selection.names[i], contours.levelCount[i], contours.levels[i], contours.colors[i],
                 block);
        if (i + 1 < slots) line_break_at(block, block_width - 1);
    }
    text = summary;
}

}  // namespace qor
