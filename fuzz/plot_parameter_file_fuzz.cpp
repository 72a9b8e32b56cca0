// The plot parameter file, read for the sample grid's parameters: whatever
// the file holds, the table keeps within its 40 entries and 6 rule values,
// names only parameters the grid carries, in file order, with their ranges.

#include <cstdint>

#include "areadata/readers.h"
#include "fuzz/fuzz_support.h"

namespace {

const qor::GridFile& sample_grid() {
    static const qor::GridFile grid = [] {
        qor::GridFile read;
        qor::LineReader file;
        file.open_text(qor::fuzz::sample_file("AREADATA/SAMPLE_001/SAMPLE01.HG1"));
        if (qor::read_grid_lines(file, qor::fuzz::sample_paths(), read)) std::abort();
        return read;
    }();
    return grid;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    sample_grid();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = qor::fuzz::as_text(data, size);
    const qor::GridFile& grid = sample_grid();
    qor::LineReader file;
    file.open_text(input);
    qor::PlotParameterTable table;
    if (qor::read_plot_parameter_lines(file, qor::fuzz::sample_paths(), grid, table)) return 0;

    QOR_FUZZ_CHECK(table.count >= 0 && table.count <= 40, input);
    for (std::size_t e = 0; e < static_cast<std::size_t>(table.count); ++e) {
        const qor::PlotParameterEntry& entry = table.entries[e];
        QOR_FUZZ_CHECK(entry.valueCount >= 0 && entry.valueCount <= 6, input);
        bool carried = false;
        for (std::size_t k = 0; k < static_cast<std::size_t>(grid.parameterCount); ++k) {
            qor::Text<6> name = grid.parameterNames[k];
            int length = 6;
            qor::RBLANKC(name, length);
            if (name == qor::Text<6>(entry.line.sub(1, 6))) {
                QOR_FUZZ_CHECK(entry.minimum == grid.minimum[k], input);
                QOR_FUZZ_CHECK(entry.maximum == grid.maximum[k], input);
                carried = true;
                break;
            }
        }
        QOR_FUZZ_CHECK(carried, input);
    }
    return 0;
}
