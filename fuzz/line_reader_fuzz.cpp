// The line reader against the plain definition of a line: the bytes up to each
// LF, less one CR before it; a last line without LF counts; lines are cut to
// max_line. The first input byte chooses the buffer size, so that lines
// crossing refills, lines longer than the buffer and the cut are all reached
// with small inputs. The free-format reader then reads the same text as
// numbers.

#include <cstdint>
#include <string>
#include <vector>

#include "base/fixed_record.h"
#include "fuzz/fuzz_support.h"

namespace {

std::vector<std::string> plain_lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        bool last = end == std::string_view::npos;
        if (last) end = text.size();
        std::string line(text.substr(begin, end - begin));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > qor::LineReader::max_line) line.resize(qor::LineReader::max_line);
        lines.push_back(std::move(line));
        begin = end + 1;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t buffer = data[0] == 0 ? qor::LineReader::default_buffer : data[0];
    const std::string_view text = qor::fuzz::as_text(data + 1, size - 1);

    const std::vector<std::string> expected = plain_lines(text);
    qor::LineReader reader(buffer);
    reader.open_text(text);
    std::string_view line;
    std::size_t count = 0;
    while (reader.next(line)) {
        QOR_FUZZ_CHECK(count < expected.size(), text);
        QOR_FUZZ_CHECK(line == expected[count], text);
        ++count;
        QOR_FUZZ_CHECK(reader.line_number() == static_cast<long>(count), text);
    }
    QOR_FUZZ_CHECK(count == expected.size(), text);
    QOR_FUZZ_CHECK(!reader.failed(), text);

    // Free format over the lines: every read ends, on a value, a bad item or
    // the end of the text.
    qor::LineReader numbers(buffer);
    numbers.open_text(text);
    qor::ListReader list(numbers);
    list.statement();
    for (int i = 0; i < 64; ++i) {
        float real = 0;
        std::int32_t integer = 0;
        qor::ListResult result = (i % 2 == 0) ? list.real(real) : list.integer(integer);
        if (result == qor::ListResult::end_of_file) break;
        if (i % 7 == 6) list.statement();
    }
    return 0;
}
