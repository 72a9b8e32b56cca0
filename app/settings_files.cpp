#include "app/settings_files.h"

#include <algorithm>
#include <cstdlib>

#include "base/fixed_record.h"
#include "platform/paths.h"

namespace qor {

namespace {

// colors.win that cannot be read as laid out: name the file and the line, then
// stop; a partly read colour list would make every colour dialog wrong.
[[noreturn]] void bad_colour_file(Console& console, const std::string& shown_path, long line,
                                  const std::string& reason) {
    console.write_line(" Could not READ file=" + shown_path + ";");
    console.write_line(" line " + std::to_string(line) + ": " + reason);
    console.stop("Bad file ..\\database\\colors.win in WINcolr", 1);
    std::abort();  // a console's stop never returns
}

template <std::size_t Codes, std::size_t Names, std::size_t Capacity>
void read_colour_list(Console& console, LineReader& file, const std::string& shown_path,
                      std::int32_t count, std::array<Text<Codes>, Capacity>& codes,
                      std::array<Text<Names>, Capacity>& names, const char* list_name) {
    for (std::int32_t i = 0; i < count; ++i) {
        std::string_view line;
        if (!file.next(line)) {
            bad_colour_file(console, shown_path, file.line_number() + 1,
                            std::string("the file ends before entry ") + std::to_string(i + 1) +
                                " of the " + list_name + " list");
        }
        FieldReader fields(line);
        fields.text(6, codes[static_cast<std::size_t>(i)]);
        fields.skip(1);
        fields.text(static_cast<int>(Names), names[static_cast<std::size_t>(i)]);
    }
}

void set_window_defaults(WindowSettings& settings) {
    settings.MainColour = "white";
    settings.InputColour = "white";
    settings.ScrollFont = "default";
    settings.ScrollColumns = 77;
    settings.ScrollRows = 26;
}

}  // namespace

void WINCOLR(const PathState& paths, ColorTables& tables, Console& console) {
    std::string shown_path = package_file(paths, "database\\colors.win");
    LineReader file;
    if (!file.open(package_file(paths, "database/colors.win"))) {
        console.write_line(" Could not OPEN file=" + shown_path + ";");
        console.stop("Missing file ..\\database\\colors.win in WINcolr", 1);
    }
    read_window_colour_lines(file, shown_path, tables, console);
}

void read_window_colour_lines(LineReader& file, const std::string& shown_path, ColorTables& tables,
                              Console& console) {
    std::string_view line;
    if (!file.next(line)) bad_colour_file(console, shown_path, 1, "the file is empty");
    ListReader list(file);
    list.statement();
    std::array<std::int32_t, 3> counts{-1, -1, -1};
    for (std::int32_t& count : counts) {
        ListResult result = list.integer(count);
        if (result != ListResult::ok || count < 0) {
            bad_colour_file(console, shown_path, std::max(file.line_number(), 2L),
                            "three counts expected: window colours, cities, contours");
        }
    }
    constexpr std::array<std::int32_t, 3> capacities{20, 7, 8};
    constexpr std::array<const char*, 3> names{"window colour", "city", "contour"};
    for (std::size_t i = 0; i < 3; ++i) {
        if (counts[i] > capacities[i]) {
            bad_colour_file(console, shown_path, file.line_number(),
                            std::string("the ") + names[i] + " list holds at most " +
                                std::to_string(capacities[i]) + " entries, not " +
                                std::to_string(counts[i]));
        }
    }
    read_colour_list(console, file, shown_path, counts[0], tables.WindowColourCodes,
                     tables.WindowColourNames, names[0]);
    read_colour_list(console, file, shown_path, counts[1], tables.CityListCodes,
                     tables.CityListNames, names[1]);
    read_colour_list(console, file, shown_path, counts[2], tables.ContourListCodes,
                     tables.ContourListNames, names[2]);
    tables.WindowColourCount = counts[0];
    tables.CityListCount = counts[1];
    tables.ContourListCount = counts[2];
}

void DOSCOLR(const PathState& paths, ColorTables& tables, Console& console) {
    tables.DosColourCount = 0;
    LineReader file;
    if (!file.open(package_file(paths, "database/colors.dat"))) return;
    read_dos_colour_lines(file, package_file(paths, "database\\colors.dat"), tables, console);
}

void read_dos_colour_lines(LineReader& file, const std::string& shown_path, ColorTables& tables,
                           Console& console) {
    tables.DosColourCount = 0;
    std::string_view line;
    if (!file.next(line)) return;
    while (tables.DosColourCount < 20 && file.next(line)) {
        auto i = static_cast<std::size_t>(tables.DosColourCount);
        FieldReader fields(line);
        Text<6> first;
        Text<6> second;
        std::int32_t code = 0;
        fields.text(6, first);
        if (!fields.integer(5, code)) {
            // The list ends before a line whose colour number is not a number;
            // the user is told, the entries before it are used.
            console.write_line(" Could not READ file=" + shown_path + ";");
            console.write_line(" line " + std::to_string(file.line_number()) +
                               ": the colour number in columns 7-11 is not a number");
            console.pause(" ");
            return;
        }
        fields.skip(2);
        fields.text(6, second);
        tables.DosFirstNames[i] = first;
        tables.DosCodes[i] = code;
        tables.DosSecondNames[i] = second;
        ++tables.DosColourCount;
    }
}

void R_SETUP(const PathState& paths, WindowSettings& settings) {
    LineReader file;
    if (file.open(package_file(paths, "database\\setup.ini"))) {
        read_setup_lines(file, settings);
    } else {
        set_window_defaults(settings);
    }
}

void read_setup_lines(LineReader& file, WindowSettings& settings) {
    set_window_defaults(settings);
    std::string_view line;
    while (file.next(line)) {
        FieldReader fields(line);
        Text<10> key;
        Text<20> value;
        fields.text(10, key);
        fields.text(20, value);
        if (key == "MAIN      ") {
            settings.MainColour = value.sub(1, 6);
        } else if (key == "SUBWINDOW ") {
            settings.InputColour = value.sub(1, 6);
        } else if (key == "SCROLL    ") {
            FieldReader scroll(value.view());
            std::int32_t columns = 0;
            std::int32_t rows = 0;
            bool columns_read = scroll.integer(3, columns);
            scroll.skip(1);
            bool rows_read = scroll.integer(2, rows);
            // A SCROLL value whose numbers cannot be read changes none of its fields.
            if (!columns_read || !rows_read) continue;
            // Sizes beyond what the dialog's entry boxes accept are brought
            // within them: the next save could not write them in their columns.
            settings.ScrollColumns = std::clamp(columns, 0, max_scroll_columns);
            settings.ScrollRows = std::clamp(rows, 0, max_scroll_rows);
            scroll.text(14, settings.ScrollFont);
        }
    }
}

std::string setup_file_text(const WindowSettings& settings) {
    std::string text;
    append_record(text, "MAIN      " + settings.MainColour.str());
    append_record(text, "SUBWINDOW " + settings.InputColour.str());
    append_record(text, RecordWriter()
                            .literal("SCROLL    ")
                            .integer(settings.ScrollColumns, 3, 3)
                            .literal(".")
                            .integer(settings.ScrollRows, 2, 2)
                            .text(settings.ScrollFont.view(), 14)
                            .str());
    return text;
}

}  // namespace qor
