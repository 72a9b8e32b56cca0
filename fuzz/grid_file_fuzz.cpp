// The grid file reader against a plain scan of the same records: every field
// converted with parse_real, no hundredths shortcut. The reader must refuse
// exactly the files the plain scan cannot read and otherwise find the same
// range for every parameter.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "areadata/readers.h"
#include "base/fixed_record.h"
#include "fuzz/fuzz_support.h"

namespace {

struct PlainScan {
    bool ok = true;
    std::array<float, 30> low;
    std::array<float, 30> high;
};

PlainScan plain_scan(std::string_view text) {
    PlainScan scan;
    scan.low.fill(9999999.0f);
    scan.high.fill(-9999999.0f);
    qor::LineReader file;
    file.open_text(text);
    std::string_view line;
    if (!file.next(line) || !file.next(line) || !file.next(line)) return {false, {}, {}};
    qor::FieldReader header(line);
    std::int32_t columns = 0;
    std::int32_t rows = 0;
    if (!header.integer(3, columns) || !header.integer(3, rows)) return {false, {}, {}};
    header.skip(20);
    std::array<qor::Text<6>, 30> names;
    for (auto& name : names) header.text(6, name);
    std::size_t count = 30;
    for (std::size_t k = 0; k < 30; ++k) {
        if (names[k].blank()) {
            count = k;
            break;
        }
    }
    const bool mode_text = names[1] == "  MODE";
    const long long records = static_cast<long long>(std::max(rows, 0)) * std::max(columns, 0);
    for (long long r = 0; r < records; ++r) {
        if (!file.next(line)) return {false, {}, {}};
        qor::FieldReader fields(line);
        fields.skip(26);
        for (std::size_t k = 0; k < std::max<std::size_t>(count, 2); ++k) {
            std::string_view field = fields.take(6);
            if (k == 1 && mode_text) continue;
            float value = 0;
            if (!qor::parse_real(field, 2, value)) return {false, {}, {}};
            if (k >= count || !(value > qor::missing_value_limit)) continue;
            scan.low[k] = std::min(scan.low[k], value);
            scan.high[k] = std::max(scan.high[k], value);
        }
    }
    return scan;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = qor::fuzz::as_text(data, size);
    const qor::PathState paths = qor::fuzz::sample_paths();
    qor::LineReader file;
    file.open_text(text);
    qor::GridFile grid;
    const bool read = !qor::read_grid_lines(file, paths, grid).has_value();

    const PlainScan scan = plain_scan(text);
    QOR_FUZZ_CHECK(read == scan.ok, text);
    if (!read) return 0;
    QOR_FUZZ_CHECK(grid.parameterCount >= 0 && grid.parameterCount <= 30, text);
    for (std::size_t k = 0; k < 30; ++k) {
        QOR_FUZZ_CHECK(grid.minimum[k] == scan.low[k], text);
        QOR_FUZZ_CHECK(grid.maximum[k] == scan.high[k], text);
    }
    return 0;
}
