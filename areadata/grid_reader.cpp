#include <algorithm>
#include <array>
#include <limits>

#include "areadata/readers.h"
#include "base/fixed_record.h"

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

std::optional<Message> READGRID(const PathState& paths, GridFile& grid) {
    LineReader file;
    if (!file.open(grid_path(paths))) return open_error(paths);
    return read_grid_lines(file, paths, grid);
}

std::optional<Message> read_grid_lines(LineReader& file, const PathState& paths, GridFile& grid) {
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
    // Fields in the prediction programs' own F6.2 form are compared as whole
    // hundredths and converted once at the end: the conversion keeps the
    // order, so the range comes out as if every field had been converted.
    // Any other form (blank fields, -999.0, zeros, whose sign the integer
    // would lose) goes through the float conversion.
    std::array<float, 30> low;
    std::array<float, 30> high;
    low.fill(no_minimum);
    high.fill(no_maximum);
    std::array<std::int32_t, 30> low_hundredths;
    std::array<std::int32_t, 30> high_hundredths;
    low_hundredths.fill(std::numeric_limits<std::int32_t>::max());
    high_hundredths.fill(std::numeric_limits<std::int32_t>::min());
    // -998.90 itself is missing: in hundredths, -99890 and below.
    constexpr std::int32_t missing_hundredths = -99890;

    const std::size_t read_fields = std::max<std::size_t>(fields, 2);
    const std::size_t full_length = skipped_columns + field_width * read_fields;
    const long long records = static_cast<long long>(std::max(rows, 0)) * std::max(columns, 0);
    for (long long r = 0; r < records; ++r) {
        if (!file.next(line)) return read_error(paths);
        // Fields 1 and 2 are read whatever the parameter count, as the
        // record's layout has them; fields past the count are not looked at.
        // A record that ends early goes through record_field, which pads it
        // with blanks.
        const bool full = line.size() >= full_length;
        const char* columns_start = line.data() + skipped_columns;
        bool ok = true;
        for (std::size_t k = 0; k < read_fields; ++k) {
            // The mode's text field takes no part in the range.
            if (k == 1 && mode_text) continue;
            std::int32_t h = 0;
            if (full && parse_hundredths(columns_start + field_width * k, h) && h != 0) {
                const bool valid = h > missing_hundredths;
                low_hundredths[k] = valid && h < low_hundredths[k] ? h : low_hundredths[k];
                high_hundredths[k] = valid && h > high_hundredths[k] ? h : high_hundredths[k];
                continue;
            }
            float v = 0;
            ok &= parse_real_fast(
                full ? std::string_view(columns_start + field_width * k, field_width)
                     : record_field(line, k),
                2, v);
            const bool valid = v > missing_value_limit;
            low[k] = valid && v < low[k] ? v : low[k];
            high[k] = valid && v > high[k] ? v : high[k];
        }
        if (!ok) return read_error(paths);
    }
    if (file.failed()) return read_error(paths);

    for (std::size_t k = 0; k < fields; ++k) {
        if (low_hundredths[k] <= high_hundredths[k]) {
            const float lowest = static_cast<float>(low_hundredths[k]) / 100.0f;
            const float highest = static_cast<float>(high_hundredths[k]) / 100.0f;
            low[k] = lowest < low[k] ? lowest : low[k];
            high[k] = highest > high[k] ? highest : high[k];
        }
    }
    // Parameters past the count keep their start values.
    for (std::size_t k = fields; k < 30; ++k) {
        low[k] = no_minimum;
        high[k] = no_maximum;
    }
    std::copy(low.begin(), low.end(), grid.minimum.begin());
    std::copy(high.begin(), high.end(), grid.maximum.begin());
    return std::nullopt;
}

}  // namespace qor
