#include "plotsettings/parameters_dialog.h"

#include <algorithm>

#include "base/fixed_record.h"
#include "plotsettings/summaries.h"

namespace qor {

namespace {

constexpr std::size_t slots = 5;

std::size_t entry_count(const PlotParameterTable& table, const ParameterSelection& parameters) {
    const auto limit = std::min(table.entries.size(), parameters.selected.size());
    return static_cast<std::size_t>(std::clamp(table.count, 0, static_cast<std::int32_t>(limit)));
}

Text<6> entry_name(const PlotParameterEntry& entry) {
    return Text<6>(entry.line.sub(1, 6));
}

void rebuild_summaries(const PlotParameterTable& table, ParameterSelection& parameters,
                       ContourSettings& contours, Console& console) {
    SET_PARAMS(parameters, parameters.summaryText);
    SET_CONTOURS(table, parameters, contours, console, contours.summaryText);
}

}  // namespace

std::int32_t IPARAMS(const PlotParameterTable& table, const Text<6>& name) {
    const auto count = static_cast<std::size_t>(
        std::clamp(table.count, 0, static_cast<std::int32_t>(table.entries.size())));
    for (std::size_t k = 0; k < count; ++k) {
        if (entry_name(table.entries[k]) == name) return static_cast<std::int32_t>(k + 1);
    }
    return 0;
}

void SET_X_PARAMS(const PlotParameterTable& table, const ParameterSelection& parameters,
                  Text<50>& text) {
    RecordWriter cells;
    std::size_t filled = 0;
    const std::size_t count = entry_count(table, parameters);
    for (std::size_t k = 0; k < count && filled < slots; ++k) {
        if (parameters.selected[k] != 1) continue;
        cells.blanks(2).text(entry_name(table.entries[k]).view(), 6).blanks(2);
        ++filled;
    }
    text = cells.str();
}

std::vector<std::string> parameter_list_items(const PlotParameterTable& table) {
    std::vector<std::string> items;
    const auto count = static_cast<std::size_t>(
        std::clamp(table.count, 0, static_cast<std::int32_t>(table.entries.size())));
    for (std::size_t k = 0; k < count; ++k) {
        const PlotParameterEntry& entry = table.entries[k];
        items.push_back(RecordWriter()
                            .text(entry.line.sub(1, 60), 60)
                            .real(entry.minimum * entry.scale, 8, 2)
                            .real(entry.maximum * entry.scale, 8, 2)
                            .str());
    }
    return items;
}

void params_prepare(const PlotParameterTable& table, ParameterSelection& parameters) {
    parameters.selected.fill(0);
    for (const Text<6>& name : parameters.names) {
        const std::int32_t k = IPARAMS(table, name);
        if (k > 0 && static_cast<std::size_t>(k) <= parameters.selected.size()) {
            parameters.selected[static_cast<std::size_t>(k - 1)] = 1;
        }
    }
    SET_X_PARAMS(table, parameters, parameters.activeText);
}

int PARAMS_ACTION(const PlotParameterTable& table, ParameterSelection& parameters) {
    SET_X_PARAMS(table, parameters, parameters.activeText);
    return 1;
}

int PARAMS_OK(const PlotParameterTable& table, ParameterSelection& parameters,
              ContourSettings& contours, Console& console) {
    const std::array<Text<6>, 5> old_names = parameters.names;
    const ContourSettings old = contours;
    parameters.names.fill(Text<6>());

    std::size_t count = 0;
    const std::size_t entries = entry_count(table, parameters);
    for (std::size_t k = 0; k < entries && count < slots; ++k) {
        if (parameters.selected[k] != 1) continue;
        const Text<6> name = entry_name(table.entries[k]);
        parameters.names[count] = name;
        contours.levelCount[count] = 0;
        // The parameter's contour settings follow it from its old slot; a new
        // one finds the slot's levels and colours as its previous occupant
        // left them, unused while it is on automatic levels.
        for (std::size_t old_slot = 0; old_slot < slots; ++old_slot) {
            if (old_names[old_slot] != name) continue;
            contours.levelCount[count] = old.levelCount[old_slot];
            contours.levels[count] = old.levels[old_slot];
            contours.colors[count] = old.colors[old_slot];
            break;
        }
        ++count;
    }
    if (count == 0) {
        count = 1;
        parameters.names[0] = "DBU";
        contours.levelCount[0] = 0;
    }
    parameters.count = static_cast<std::int32_t>(count);
    rebuild_summaries(table, parameters, contours, console);
    return 0;
}

int PARAMS_NO() {
    return 0;
}

int PARAMS_DEFAULT(const PlotParameterTable& table, ParameterSelection& parameters,
                   ContourSettings& contours, Console& console) {
    parameters.names.fill(Text<6>());
    contours.levelCount.fill(0);
    parameters.names[0] = "DBU";
    parameters.count = 1;
    rebuild_summaries(table, parameters, contours, console);
    return 0;
}

ParameterListLayout parameter_list_layout(const ScreenSize& screen) {
    ParameterListLayout layout;
    layout.width = screen.width > 800 ? 80 : 70;
    if (screen.width == 800 && screen.largeText == 1) {
        layout.sizeFactor = 0.87;
    } else if (screen.width <= 800) {
        layout.sizeFactor = 0.9;
    }
    return layout;
}

}  // namespace qor
