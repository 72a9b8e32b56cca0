#include <algorithm>
#include <string>

#include "areadata/readers.h"
#include "base/fixed_record.h"

namespace qor {

namespace {

constexpr std::int32_t max_entries = 40;
constexpr std::int32_t max_rule_values = 6;

// The first three characters of the model name, blanks included.
std::string file_name(const PathState& paths) {
    return std::string(paths.Model.sub(1, 3)) + "PLT.GPH";
}

Message failure(const PathState& paths, const std::string& first_line) {
    return button_message(first_line + "\n..\\DATABASE\\" + file_name(paths));
}

// A grid parameter name as the plot parameter file writes it: blanks removed,
// left-aligned in 6 characters ("  MODE" becomes "MODE  ").
Text<6> squeezed(const Text<6>& name) {
    Text<6> result = name;
    int length = 6;
    RBLANKC(result, length);
    return result;
}

// Reads scale, rule, count and the rule values of one group; the numbers may
// run over several lines.
std::optional<std::string> read_numbers(LineReader& file, PlotParameterEntry& entry) {
    ListReader list(file);
    list.statement();
    auto bad = [](ListResult result) -> std::optional<std::string> {
        if (result == ListResult::end_of_file) {
            return std::string("In zonegrfw/readGPH, end of file inside a group");
        }
        return std::string("In zonegrfw/readGPH, READ error");
    };
    ListResult result = list.real(entry.scale);
    if (result != ListResult::ok) return bad(result);
    result = list.integer(entry.method);
    if (result != ListResult::ok) return bad(result);
    result = list.integer(entry.valueCount);
    if (result != ListResult::ok) return bad(result);
    if (entry.valueCount < 0) return std::string("In zonegrfw/readGPH, READ error");
    if (entry.valueCount > max_rule_values) {
        return "In zonegrfw/readGPH, more than " + std::to_string(max_rule_values) + " rule values";
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(entry.valueCount); ++i) {
        result = list.real(entry.values[i]);
        if (result != ListResult::ok) return bad(result);
    }
    return std::nullopt;
}

}  // namespace

std::optional<Message> READGPH(const PathState& paths, const GridFile& grid,
                               PlotParameterTable& table) {
    LineReader file;
    if (!file.open(package_file(paths, "DATABASE\\" + file_name(paths)))) {
        return failure(paths, "In zonegrfw/readGPH, could not OPEN");
    }
    return read_plot_parameter_lines(file, paths, grid, table);
}

std::optional<Message> read_plot_parameter_lines(LineReader& file, const PathState& paths,
                                                 const GridFile& grid, PlotParameterTable& table) {
    std::array<Text<6>, 30> names;
    const auto grid_count = static_cast<std::size_t>(std::clamp(grid.parameterCount, 0, 30));
    for (std::size_t k = 0; k < grid_count; ++k) names[k] = squeezed(grid.parameterNames[k]);

    // A file shorter than its three heading lines simply lists nothing.
    std::string_view line;
    bool ended = false;
    for (int i = 0; i < 3 && !ended; ++i) ended = !file.next(line);

    // Filled in a working table and stored only when the whole file has been
    // read, so that a refused file leaves the table as it was.
    PlotParameterTable read;
    std::int32_t count = 0;
    while (!ended && file.next(line)) {
        ++count;
        if (count > max_entries) {
            return failure(paths, "In zonegrfw/readGPH, exceeded dimension");
        }
        PlotParameterEntry& entry = read.entries[static_cast<std::size_t>(count - 1)];
        entry = PlotParameterEntry();
        entry.line = line;
        if (!file.next(line)) {
            return failure(paths, "In zonegrfw/readGPH, end of file inside a group");
        }
        if (std::optional<std::string> problem = read_numbers(file, entry)) {
            return failure(paths, *problem);
        }
        Text<6> name(entry.line.sub(1, 6));
        bool carried = false;
        for (std::size_t k = 0; k < grid_count && !carried; ++k) carried = names[k] == name;
        if (!carried) --count;
    }
    if (file.failed()) return failure(paths, "In zonegrfw/readGPH, READ error");

    read.count = count;
    for (std::size_t e = 0; e < static_cast<std::size_t>(count); ++e) {
        PlotParameterEntry& entry = read.entries[e];
        Text<6> name(entry.line.sub(1, 6));
        for (std::size_t k = 0; k < grid_count; ++k) {
            if (names[k] == name) {
                entry.minimum = grid.minimum[k];
                entry.maximum = grid.maximum[k];
                break;
            }
        }
    }
    table = read;
    return std::nullopt;
}

}  // namespace qor
