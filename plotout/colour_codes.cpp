#include "plotout/colour_codes.h"

#include <algorithm>

#include "plotsettings/layer_settings.h"

namespace qor {

namespace {

constexpr std::string_view ignore_word = "Ignore";

// Labels of the Cities layer codes and the names the map program reads for them.
constexpr std::array<std::string_view, 6> city_labels{"0=BLCK", "1=blck", "2=RED ",
                                                      "3=red ", "4=BLUE", "5=blue"};
constexpr std::array<std::string_view, 6> city_names{"BLACK ", "black ", "RED   ",
                                                     "red   ", "BLUE  ", "blue  "};

// Labels of the Contours layer codes and the contour style texts they stand for.
constexpr std::array<std::string_view, 7> contour_labels{"0=BLCK", "1=RED ", "2=blck", "3=red ",
                                                         "4=Shad", "5=Bin ", "6=bin "};
constexpr std::array<std::string_view, 7> contour_texts{
    "Black with shading  ", "Red   with shading  ", "Black  NO  shading  ", "Red    NO  shading  ",
    "Shading, no contours", "Bin color shading   ", "Bin  B/W  shading   "};

// The sixteen contour colours, codes 0-9 and A-F.
constexpr std::array<std::string_view, 16> sixteen_labels{
    "0=Blck", "1=Red ", "2=Grn ", "3=Yell", "4=Blue", "5=Magn", "6=Cyan", "7=Grey",
    "8=DGry", "9=Orng", "A=Lgrn", "B=Brwn", "C=Lblu", "D=Pink", "E=LLbl", "F=Whit"};

template <std::size_t N>
bool replace_from(const std::array<std::string_view, N>& labels, Text<6>& code) {
    for (std::string_view label : labels) {
        if (label[0] == code[0]) {
            code = label;
            return true;
        }
    }
    return false;
}

int dos_entries(const ColorTables& tables) {
    return std::clamp(tables.DosColourCount, 0, static_cast<std::int32_t>(tables.DosCodes.size()));
}

// The row whose file text equals text in all its characters, as a code digit
// followed by blanks; "Ignore" when no row has it.
template <std::size_t N, std::size_t W>
Text<6> code_of(const std::array<std::string_view, N>& texts, const Text<W>& text) {
    for (std::size_t row = 0; row < N; ++row) {
        if (text.view() == texts[row]) {
            Text<6> code;
            code[0] = static_cast<char>('0' + row);
            return code;
        }
    }
    return Text<6>(ignore_word);
}

}  // namespace

std::int32_t ICOLDOS(const ColorTables& tables, const Text<6>& name) {
    for (int i = 0; i < dos_entries(tables); ++i) {
        const auto entry = static_cast<std::size_t>(i);
        if (tables.DosFirstNames[entry] == name || tables.DosSecondNames[entry] == name) {
            return tables.DosCodes[entry];
        }
    }
    return -1;
}

void COL_DOS(const ColorTables& tables, Text<6>& out, std::int32_t code, std::int32_t mode) {
    for (int i = 0; i < dos_entries(tables); ++i) {
        const auto entry = static_cast<std::size_t>(i);
        if (tables.DosCodes[entry] == code) {
            out = mode == 0 ? tables.DosFirstNames[entry] : tables.DosSecondNames[entry];
            return;
        }
    }
    out = ignore_word;
}

void COLORTAB(std::int32_t kind, Text<6>& code) {
    bool found = false;
    if (kind == 4) {
        found = replace_from(city_labels, code);
    } else if (kind == 6) {
        found = replace_from(contour_labels, code);
    } else {
        found = replace_from(sixteen_labels, code);
    }
    if (!found) code = ignore_word;
}

void COL_FMT(const ColorTables& tables, LineReader& file, std::string_view colours,
             std::array<Text<6>, 6>& colors, Text<12>& cityFile) {
    if (colours.size() >= 10 && colours[9] == ':') {
        // New form: five names each followed by "   :", then the contour style.
        FieldReader fields(colours);
        std::array<Text<6>, 5> names;
        for (Text<6>& name : names) {
            fields.text(6, name);
            fields.skip(4);
        }
        Text<20> style;
        fields.text(20, style);

        for (int layer : {layer_grid, layer_countries, layer_zones, layer_main_beam}) {
            const auto index = static_cast<std::size_t>(layer);
            COL_DOS(tables, colors[index], ICOLDOS(tables, names[index]), 1);
        }
        colors[layer_cities] = code_of(city_names, names[layer_cities]);
        COLORTAB(4, colors[layer_cities]);
        colors[layer_contours] = code_of(contour_texts, style);
        COLORTAB(6, colors[layer_contours]);

        // The Cities line follows: the city file is what stands after the last
        // path separator or the label's colon.
        std::string_view line;
        if (file.next(line)) {
            line = trim_right(line.substr(0, std::min<std::size_t>(line.size(), 80)));
            const std::size_t separator = line.find_last_of("/\\:");
            if (separator != std::string_view::npos) cityFile = line.substr(separator + 1);
        }
    } else {
        FieldReader fields(colours);
        for (Text<6>& entry : colors) {
            fields.text(6, entry);
            fields.skip(3);
        }
        // The city file is a name, as in the new form's Cities line: a path
        // before it is dropped here too, so that the name written back in the
        // new form reads back the same.
        Text<12> entry;
        fields.text(12, entry);
        const std::string_view name = entry.trimmed();
        const std::size_t separator = name.find_last_of("/\\:");
        cityFile = separator == std::string_view::npos ? name : name.substr(separator + 1);
    }
    if (cityFile[0] == ' ') cityFile = "receive.cty";
}

void COL_CVT(const ColorTables& tables, const std::array<Text<6>, 6>& colors,
             std::array<Text<6>, 5>& names, Text<20>& contourText) {
    for (int layer : {layer_grid, layer_countries, layer_zones, layer_main_beam}) {
        const auto index = static_cast<std::size_t>(layer);
        COL_DOS(tables, names[index], ICOLDOS(tables, colors[index]), 0);
    }
    const char city = colors[layer_cities][0];
    if (city >= '0' && city <= '5') {
        names[layer_cities] = city_names[static_cast<std::size_t>(city - '0')];
    } else {
        names[layer_cities] = ignore_word;
    }
    const char contour = colors[layer_contours][0];
    if (contour >= '0' && contour <= '6') {
        contourText = contour_texts[static_cast<std::size_t>(contour - '0')];
    } else {
        contourText = ignore_word;
    }
}

}  // namespace qor
