#include "plotsettings/layers_dialog.h"

#include <algorithm>

#include "platform/paths.h"
#include "plotsettings/summaries.h"

namespace qor {

namespace {

constexpr std::size_t layers_count = 6;
constexpr std::size_t most_city_files = 50;
const Text<12> standard_city_file("RECEIVE.CTY");

template <std::size_t Codes, std::size_t Names, std::size_t Width>
LayerList list_of(std::int32_t count, const std::array<Text<6>, Codes>& codes,
                  const std::array<Text<Width>, Names>& names) {
    // A count beyond the arrays (never from a settings file) is cut to them.
    const auto items = static_cast<std::size_t>(
        std::clamp(count, 0, static_cast<std::int32_t>(std::min(Codes, Names))));
    LayerList list;
    for (std::size_t i = 0; i < items; ++i) {
        list.codes.push_back(codes[i]);
        list.names.emplace_back(names[i].trimmed());
    }
    return list;
}

// Every layer takes the code of its chosen item; a choice that no item stands
// for (an empty list) leaves the layer's code as it was.
void store_choices(const ColorTables& tables, LayerSettings& layers) {
    for (std::size_t i = 0; i < layers_count; ++i) {
        const LayerList list = layer_list(tables, static_cast<std::int32_t>(i + 1));
        const std::int32_t choice = layers.choices[i];
        if (choice >= 1 && static_cast<std::size_t>(choice) <= list.codes.size()) {
            layers.colors[i] = list.codes[static_cast<std::size_t>(choice - 1)];
        }
    }
}

}  // namespace

LayerList layer_list(const ColorTables& tables, std::int32_t layer) {
    if (layer == cities_layer) {
        return list_of(tables.CityListCount, tables.CityListCodes, tables.CityListNames);
    }
    if (layer == contours_layer) {
        return list_of(tables.ContourListCount, tables.ContourListCodes, tables.ContourListNames);
    }
    return list_of(tables.WindowColourCount, tables.WindowColourCodes, tables.WindowColourNames);
}

std::int32_t IWINCOLOR_IDX(const ColorTables& tables, const Text<6>& code, std::int32_t layer) {
    const LayerList list = layer_list(tables, layer);
    for (std::size_t i = 0; i < list.codes.size(); ++i) {
        if (list.codes[i] == code) return static_cast<std::int32_t>(i + 1);
    }
    return 1;
}

void RFILES(const PathState& paths, std::array<Text<12>, 50>& names, std::int32_t& count) {
    const std::string directory = package_file(paths, "USERDB\\");
    // The listing comes in ascending name order, which is the order of the
    // full paths in one directory: the first 50 files of it are offered.
    const std::vector<DirectoryEntry> found =
        list_directory(directory + "RECEIVE.*", static_cast<std::size_t>(-1));
    count = 0;
    for (const DirectoryEntry& entry : found) {
        if (entry.directory) continue;
        if (static_cast<std::size_t>(count) == most_city_files) break;
        names[static_cast<std::size_t>(count++)] = entry.name;
    }
    for (auto i = static_cast<std::size_t>(count); i < names.size(); ++i) names[i] = Text<12>();
}

void layers_prepare(const PathState& paths, const ColorTables& tables, LayerSettings& layers) {
    RFILES(paths, layers.cityFiles, layers.cityFileCount);
    layers.cityChoice = 0;
    UCASE(layers.cityFile, Text<12>::width);
    for (std::int32_t i = 0; i < layers.cityFileCount; ++i) {
        if (layers.cityFiles[static_cast<std::size_t>(i)] == layers.cityFile) {
            layers.cityChoice = i + 1;
        }
    }
    for (std::size_t i = 0; i < layers_count; ++i) {
        layers.choices[i] =
            IWINCOLOR_IDX(tables, layers.colors[i], static_cast<std::int32_t>(i + 1));
    }
}

int LAYERS_OK(const ColorTables& tables, LayerSettings& layers) {
    store_choices(tables, layers);
    const std::int32_t city = layers.cityChoice;
    if (city >= 1 && city <= std::min(layers.cityFileCount, static_cast<std::int32_t>(50))) {
        layers.cityFile = layers.cityFiles[static_cast<std::size_t>(city - 1)];
    } else {
        layers.cityFile = standard_city_file;
    }
    SET_LAYERS(tables, layers, layers.summaryText);
    return 0;
}

int LAYERS_NO() {
    return 0;
}

int LAYERS_DEFAULT(const ColorTables& tables, LayerSettings& layers) {
    const std::array<Text<6>, layers_count> defaults = {Text<6>("0=Blck"), Text<6>("4=Blue"),
                                                        Text<6>("Ignore"), Text<6>("Ignore"),
                                                        Text<6>("1=Red "), Text<6>("0=BLCK")};
    for (std::size_t i = 0; i < layers_count; ++i) {
        layers.choices[i] = IWINCOLOR_IDX(tables, defaults[i], static_cast<std::int32_t>(i + 1));
    }
    store_choices(tables, layers);
    layers.cityFile = standard_city_file;
    SET_LAYERS(tables, layers, layers.summaryText);
    return 0;
}

int layer_colour_lines(const ColorTables& tables, const ScreenSize& screen) {
    const bool small = screen.width <= 640 || (screen.width == 800 && screen.largeText == 1);
    return small ? 12 : tables.WindowColourCount;
}

}  // namespace qor
