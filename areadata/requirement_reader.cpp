#include <string>

#include "areadata/readers.h"
#include "base/fixed_record.h"
#include "plotout/colour_codes.h"

namespace qor {

namespace {

constexpr std::size_t max_parameters = 5;
constexpr std::int32_t max_levels = 10;
constexpr std::size_t max_kept_lines = 30;
constexpr std::size_t max_comments = 10;

// The three letters of the prediction program that wrote grid files with
// this suffix letter; "" for a letter no program uses.
std::string_view suffix_for(char letter) {
    switch (letter) {
        case 'H':
        case 'h':
            return "HAL";
        case 'M':
        case 'm':
            return "MIR";
        case 'T':
        case 't':
            return "TAB";
        case 'P':
        case 'p':
            return "PAR";
        default:
            return {};
    }
}

// The requirement file relative to the data root: the grid file name up to
// and including its last dot, then the program's three letters. A name
// without a usable suffix gives "" as suffix.
std::string relative_name(const PathState& paths, bool& known_suffix) {
    const Text<30>& name = paths.FileName;
    int dot = INDEX_DOT(name);
    known_suffix = false;
    if (dot == 0) return std::string(name.trimmed());
    std::string result(name.sub(1, dot));
    std::string_view suffix = dot < 30 ? suffix_for(name.at1(dot + 1)) : std::string_view();
    known_suffix = !suffix.empty();
    return result + std::string(suffix);
}

// "..\AREADATA\DEFAULT\RUN1.HAL": how every message of this reader names the file.
std::string shown_file(const PathState& paths) {
    bool known = false;
    return "..\\" + paths.DataDir.str() + "\\" + relative_name(paths, known);
}

Message failure(const PathState& paths, const std::string& first_line) {
    return button_message(first_line + "\n" + shown_file(paths));
}

Message bad_line(const PathState& paths, long line) {
    return failure(paths, "In readmain, could not READ line " + std::to_string(line) + " of");
}

}  // namespace

std::string requirement_path(const PathState& paths) {
    bool known = false;
    std::string name = relative_name(paths, known);
    if (!known) return {};
    return package_root(paths) + std::string(paths.DataDir.trimmed()) + "\\" + name;
}

std::optional<Message> READMAIN(PathState& paths, const ColorTables& tables, LayerSettings& layers,
                                ParameterSelection& parameters, ContourSettings& contours,
                                RequirementFile& requirement) {
    std::string path = requirement_path(paths);
    LineReader file;
    if (path.empty() || !file.open(path)) {
        return failure(paths, "In readmain, could not OPEN");
    }
    return read_requirement_lines(file, paths, tables, layers, parameters, contours, requirement);
}

std::optional<Message> read_requirement_lines(LineReader& file, PathState& paths,
                                              const ColorTables& tables, LayerSettings& layers,
                                              ParameterSelection& parameters,
                                              ContourSettings& contours,
                                              RequirementFile& requirement) {
    // Everything is read into working copies and stored only when the whole
    // file has been read: a refused file leaves the settings as they were.
    Text<6> model;
    std::string_view line;
    if (!file.next(line)) return bad_line(paths, 1);
    {
        FieldReader fields(line);
        fields.skip(10);
        fields.text(6, model);
    }

    if (!file.next(line)) return bad_line(paths, 2);
    // The Colours line's columns 11-80, blank-padded: COL_FMT reads the next
    // line itself, which invalidates the line just read.
    Text<70> colours;
    {
        FieldReader fields(line);
        fields.skip(10);
        fields.text(70, colours);
    }
    std::array<Text<6>, 6> layer_colors = layers.colors;
    Text<12> city_file = layers.cityFile;
    const long before = file.line_number();
    COL_FMT(tables, file, colours.view(), layer_colors, city_file);
    if (colours.at1(10) == ':' && file.line_number() == before) return bad_line(paths, before + 1);

    std::int32_t count = 0;
    if (!file.next(line)) return bad_line(paths, file.line_number() + 1);
    {
        FieldReader fields(line);
        fields.skip(10);
        if (!fields.integer(5, count) || count < 0) return bad_line(paths, file.line_number());
    }
    if (static_cast<std::size_t>(count) > max_parameters) {
        return failure(paths, "In readmain, more than " + std::to_string(max_parameters) +
                                  " Parameter lines in");
    }

    ParameterSelection selection = parameters;
    ContourSettings levels_read = contours;
    for (std::size_t j = 0; j < max_parameters; ++j) {
        selection.names[j] = "";
        levels_read.levelCount[j] = 0;
        levels_read.levels[j].fill(-1.0f);
        levels_read.colors[j].fill(-1);
    }
    selection.count = count;

    for (std::size_t j = 0; j < static_cast<std::size_t>(count); ++j) {
        if (!file.next(line)) return bad_line(paths, file.line_number() + 1);
        const long number = file.line_number();
        FieldReader fields(line);
        fields.skip(10);
        fields.text(6, selection.names[j]);
        std::int32_t levels = 0;
        if (!fields.integer(4, levels) || levels < 0) return bad_line(paths, number);
        if (levels > max_levels) {
            return failure(paths, "In readmain, more than " + std::to_string(max_levels) +
                                      " levels in line " + std::to_string(number) + " of");
        }
        auto& level = levels_read.levels[j];
        auto& colour = levels_read.colors[j];
        for (std::size_t i = 0; i < static_cast<std::size_t>(levels); ++i) {
            if (!fields.integer(3, colour[i])) return bad_line(paths, number);
            fields.skip(1);
            if (!fields.real(7, 2, level[i])) return bad_line(paths, number);
        }
        levels_read.levelCount[j] = levels;
        // One to six levels are widened to seven, the given ones at the top
        // and the free positions below them marked empty.
        if (levels >= 1 && levels <= 6) {
            const auto n = static_cast<std::size_t>(levels);
            for (std::size_t i = n; i >= 1; --i) {
                level[i - 1 + 7 - n] = level[i - 1];
                colour[i - 1 + 7 - n] = colour[i - 1];
            }
            for (std::size_t i = 0; i < 7 - n; ++i) {
                level[i] = empty_level;
                colour[i] = 15;
            }
            levels_read.levelCount[j] = 7;
        }
    }

    RequirementFile kept;
    kept.gridSize = 0;
    kept.lineCount = 0;
    kept.commentCount = 0;
    while (file.next(line)) {
        if (static_cast<std::size_t>(kept.lineCount) == max_kept_lines) {
            return failure(paths, "In readmain, more than " + std::to_string(max_kept_lines) +
                                      " lines after the Parameter lines in");
        }
        Text<80>& stored = kept.lines[static_cast<std::size_t>(kept.lineCount)];
        stored = line;
        ++kept.lineCount;
        std::string_view label = stored.sub(1, 10);
        if (label == "Gridsize :") {
            if (!parse_integer(stored.sub(16, 20), kept.gridSize)) {
                return bad_line(paths, file.line_number());
            }
        } else if (label == "Comment  :") {
            if (static_cast<std::size_t>(kept.commentCount) == max_comments) {
                return failure(paths, "In readmain, more than " + std::to_string(max_comments) +
                                          " Comment lines in");
            }
            kept.comments[static_cast<std::size_t>(kept.commentCount)] = stored.sub(11, 80);
            ++kept.commentCount;
        }
    }
    if (file.failed()) return bad_line(paths, file.line_number() + 1);

    paths.Model = model;
    layers.colors = layer_colors;
    layers.cityFile = city_file;
    parameters.count = selection.count;
    parameters.names = selection.names;
    contours.levelCount = levels_read.levelCount;
    contours.levels = levels_read.levels;
    contours.colors = levels_read.colors;
    requirement.gridSize = kept.gridSize;
    requirement.lineCount = kept.lineCount;
    requirement.lines = kept.lines;
    requirement.commentCount = kept.commentCount;
    requirement.comments = kept.comments;
    return std::nullopt;
}

}  // namespace qor
