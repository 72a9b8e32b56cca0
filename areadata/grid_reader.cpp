#include <algorithm>
#include <array>

#include "app/fixed_record.h"
#include "areadata/readers.h"

namespace qor {

namespace {

constexpr float no_minimum = 9999999.0f;
constexpr float no_maximum = -9999999.0f;
constexpr std::size_t skipped_columns = 26;
constexpr std::size_t field_width = 6;

// The grid file's name as the messages show it: the sub-directory and file
// name to their significant length, at least one character.
std::string shown_name(const PathState& paths) {
    int length = std::max(LCOUNT(paths.FileName, 30), 1);
    return std::string(paths.FileName.sub(1, length));
}

Message open_error(const PathState& paths) {
    return button_message("OPEN error on file=" + shown_name(paths));
}

Message read_error(const PathState& paths) {
    return button_message("READ error on file=" + shown_name(paths));
}

// Field k (0-based) of a record; a record that ends early reads as blanks,
// which the number conversion takes as zero.
std::string_view record_field(std::string_view record, std::size_t k) {
    std::size_t first = skipped_columns + field_width * k;
    if (first >= record.size()) return {};
    return record.substr(first, std::min(field_width, record.size() - first));
}

}  // namespace

std::string grid_path(const PathState& paths) {
    return package_root(paths) + std::string(paths.DataDir.trimmed()) + "\\" +
           std::string(paths.FileName.trimmed());
}

std::optional<Message> READGRID(Session& session) {
    const PathState& paths = session.paths;
    GridFile& grid = session.grid;
    LineReader file;
    if (!file.open(grid_path(paths))) return open_error(paths);

    std::string_view line;
    if (!file.next(line)) return read_error(paths);
    grid.modelVersion = line;
    if (!file.next(line)) return read_error(paths);
    grid.title = line;

    if (!file.next(line)) return read_error(paths);
    FieldReader header(line);
    std::int32_t columns = 0;
    std::int32_t rows = 0;
    if (!header.integer(3, columns) || !header.integer(3, rows)) return read_error(paths);
    grid.columns = columns;
    grid.rows = rows;
    header.skip(20);
    for (Text<6>& name : grid.parameterNames) header.text(6, name);

    std::int32_t count = 30;
    for (std::int32_t k = 0; k < 30; ++k) {
        if (grid.parameterNames[static_cast<std::size_t>(k)].blank()) {
            count = k;
            break;
        }
    }
    grid.parameterCount = count;
    for (std::size_t k = 0; k < 30; ++k) {
        grid.minimum[k] = no_minimum;
        grid.maximum[k] = no_maximum;
    }

    // The prediction programs write the propagation mode as text in field 2;
    // only a grid that names it so is spared the number conversion there.
    const bool mode_text = grid.parameterNames[1] == "  MODE";
    const auto fields = static_cast<std::size_t>(count);

    // The range is kept in locals so that the loop works in registers; only
    // the two floats per parameter survive the scan, whatever the grid's size.
    std::array<float, 30> low;
    std::array<float, 30> high;
    low.fill(no_minimum);
    high.fill(no_maximum);
    std::array<float, 30> values{};

    // A full-length record is read straight from its columns; one that ends
    // early goes through record_field, which pads it with blanks.
    const std::size_t read_fields = std::max<std::size_t>(fields, 2);
    const std::size_t full_length = skipped_columns + field_width * read_fields;
    const long long records = static_cast<long long>(std::max(rows, 0)) * std::max(columns, 0);
    for (long long r = 0; r < records; ++r) {
        if (!file.next(line)) return read_error(paths);
        // Fields 1 and 2 are read whatever the parameter count, as the
        // record's layout has them; fields past the count are not looked at.
        bool ok = true;
        if (line.size() >= full_length) {
            const char* columns_start = line.data() + skipped_columns;
            for (std::size_t k = 0; k < read_fields; ++k) {
                if (k == 1 && mode_text) continue;
                ok &= parse_real_fast({columns_start + field_width * k, field_width}, 2, values[k]);
            }
        } else {
            for (std::size_t k = 0; k < read_fields; ++k) {
                if (k == 1 && mode_text) continue;
                ok &= parse_real_fast(record_field(line, k), 2, values[k]);
            }
        }
        if (!ok) return read_error(paths);
        // The mode's text field takes no part in the range: it counts as missing.
        if (mode_text) values[1] = missing_value_limit;
        for (std::size_t k = 0; k < fields; ++k) {
            const float v = values[k];
            const bool valid = v > missing_value_limit;
            low[k] = valid && v < low[k] ? v : low[k];
            high[k] = valid && v > high[k] ? v : high[k];
        }
    }
    if (file.failed()) return read_error(paths);

    std::copy(low.begin(), low.end(), grid.minimum.begin());
    std::copy(high.begin(), high.end(), grid.maximum.begin());
    return std::nullopt;
}

}  // namespace qor
