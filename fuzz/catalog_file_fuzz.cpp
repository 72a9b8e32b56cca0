// The catalog file: read, sorted by its own sort name, written, read again
// gives the same lines in the sorted order, the same heading and sort name;
// the order is a permutation of the lines, ascending under the key.

#include <cstdint>
#include <string>

#include "catalog/catalog_file.h"
#include "fuzz/fuzz_support.h"

namespace {

// Two catalogs of 2000 lines are too large for the stack.
qor::CatalogList first;
qor::CatalogList second;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = qor::fuzz::as_text(data, size);
    qor::LineReader reader;
    reader.open_text(input);
    qor::Text<24> sortName;
    first.Count = 0;
    if (qor::read_catalog_lines(reader, first, sortName) != qor::CatalogReadOutcome::read) {
        return 0;
    }
    QOR_FUZZ_CHECK(first.Count >= 0 && first.Count <= qor::catalog_capacity, input);
    qor::SORT_CATALOG_FILE(first, sortName);
    const int key = qor::sort_key(sortName);
    const auto count = static_cast<std::size_t>(first.Count);
    std::vector<bool> seen(count, false);
    for (std::size_t k = 0; k < count; ++k) {
        const std::int32_t line = first.Order[k];
        QOR_FUZZ_CHECK(line >= 1 && line <= first.Count && !seen[line - 1], input);
        seen[line - 1] = true;
        if (k > 0) QOR_FUZZ_CHECK(qor::IORDER(first, key, line, first.Order[k - 1]) == 0, input);
    }

    const std::string written = qor::catalog_file_content(first, sortName);
    qor::LineReader again;
    again.open_text(written);
    qor::Text<24> sortAgain;
    second.Count = 0;
    QOR_FUZZ_CHECK(
        qor::read_catalog_lines(again, second, sortAgain) == qor::CatalogReadOutcome::read, input);
    QOR_FUZZ_CHECK(sortAgain == sortName, input);
    QOR_FUZZ_CHECK(second.Header == first.Header, input);
    QOR_FUZZ_CHECK(second.Count == first.Count, input);
    for (std::size_t k = 0; k < count; ++k) {
        QOR_FUZZ_CHECK(second.Lines[k] == first.Lines[first.Order[k] - 1], input);
    }
    return 0;
}
