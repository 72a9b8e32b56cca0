#include "plotout/requirement_writer.h"

#include <algorithm>
#include <cmath>

#include "areadata/readers.h"
#include "base/fixed_record.h"
#include "platform/paths.h"
#include "plotout/colour_codes.h"

namespace qor {

namespace {

constexpr int max_slots = 5;
constexpr int max_levels = 10;
constexpr int max_kept_lines = 30;

// A level position above this holds a real level; -999.0 marks an empty one.
constexpr float lowest_real_level = -998.5f;

// "..\AREADATA\DEFAULT\RUN1.HAL": the file as the requirement file messages name it.
std::string shown_file(const PathState& paths) {
    std::string path = requirement_path(paths);
    std::string root = package_root(paths);
    if (path.empty() || path.compare(0, root.size(), root) != 0) {
        return "..\\" + paths.DataDir.str() + "\\" + std::string(paths.FileName.trimmed());
    }
    return "..\\" + path.substr(root.size());
}

Message write_failure(const PathState& paths) {
    return button_message("In writmain, could not WRITE\n" + shown_file(paths));
}

std::string shown_level(float level) {
    if (!std::isfinite(level)) return "(out of range)";
    std::string text = format_real(level, 24, 2);
    return text.substr(text.find_first_not_of(' '));
}

std::string shown_name(const Text<6>& name) {
    std::string_view text = name.trimmed();
    std::size_t first = text.find_first_not_of(' ');
    return std::string(first == std::string_view::npos ? std::string_view() : text.substr(first));
}

void end_line(std::string& text, std::string_view line) {
    append_record(text, line);
}

}  // namespace

std::optional<Message> requirement_file_text(const PlotRecords& plot, std::string& text) {
    text.clear();
    std::array<Text<6>, 5> names;
    Text<20> contourText;
    COL_CVT(plot.colors, plot.layers.colors, names, contourText);

    end_line(text, RecordWriter().literal("Model    :").text(plot.paths.Model.view(), 6).str());
    RecordWriter colours;
    colours.literal("Colors   :");
    for (const Text<6>& name : names) colours.text(name.view(), 6).literal("   :");
    colours.literal(contourText.trimmed());
    end_line(text, colours.str());
    end_line(text,
             RecordWriter().literal("Cities   :").text(plot.layers.cityFile.view(), 12).str());

    // The count written must match the Parameter lines that follow it.
    const int count = std::clamp<int>(plot.parameters.count, 0, max_slots);
    end_line(text, RecordWriter().literal("Nparms   :").integer(count, 5).str());

    const ContourSettings& contours = plot.contours;
    for (int slot = 0; slot < count; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        const int positions = std::clamp<int>(contours.levelCount[index], 0, max_levels);
        const auto& levels = contours.levels[index];
        const auto& colors = contours.colors[index];
        // Only the real levels are written, in position order. Empty markers
        // normally come first, but levels read from a file and not yet sorted
        // may have them in between; skipping them loses no level either way.
        // A level too large for its field is refused rather than written as
        // asterisks, which would make the file unreadable.
        RecordWriter pairs;
        int written = 0;
        for (std::size_t i = 0; i < static_cast<std::size_t>(positions); ++i) {
            if (!(levels[i] > lowest_real_level)) continue;
            std::string value = format_real(levels[i], 7, 2);
            if (value.find('*') != std::string::npos) {
                text.clear();
                return button_message("In writmain, could not WRITE\n" + shown_file(plot.paths) +
                                      "\nContour level " + shown_level(levels[i]) +
                                      " of parameter " + shown_name(plot.parameters.names[index]) +
                                      " does not fit in 7 columns");
            }
            std::string colour = format_integer(colors[i], 3);
            if (colour.find('*') != std::string::npos) {
                text.clear();
                return button_message("In writmain, could not WRITE\n" + shown_file(plot.paths) +
                                      "\nContour colour " + std::to_string(colors[i]) +
                                      " of parameter " + shown_name(plot.parameters.names[index]) +
                                      " does not fit in 3 columns");
            }
            pairs.literal(colour).blanks(1).literal(value);
            ++written;
        }
        end_line(text, RecordWriter()
                           .literal("Parameter:")
                           .text(plot.parameters.names[index].view(), 6)
                           .integer(written, 4)
                           .literal(pairs.str())
                           .str());
    }

    const RequirementFile& requirement = plot.requirement;
    const int kept = std::clamp<int>(requirement.lineCount, 0, max_kept_lines);
    for (std::size_t i = 0; i < static_cast<std::size_t>(kept); ++i) {
        end_line(text, requirement.lines[i].trimmed());
    }
    return std::nullopt;
}

std::optional<Message> WRITMAIN(const PlotRecords& plot) {
    std::string path = requirement_path(plot.paths);
    if (path.empty()) return write_failure(plot.paths);
    std::string text;
    if (std::optional<Message> refused = requirement_file_text(plot, text)) return refused;
    if (!replace_file(path, text).ok) return write_failure(plot.paths);
    return std::nullopt;
}

}  // namespace qor
