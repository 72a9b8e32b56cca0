// The requirement file: read, written back, read again. Whatever the reader
// accepts, the writer must write in a form the reader accepts again, losing
// nothing it keeps (the model, the parameters and their real levels and
// colours, the city file, every line after the Parameter lines); a second
// write gives the same text as the first (but for the sign of a level that
// rounds to zero) and a third the same as the second.

#include <algorithm>
#include <cstdint>
#include <string>

#include "areadata/readers.h"
#include "fuzz/fuzz_support.h"
#include "plotout/requirement_writer.h"

namespace {

struct Records {
    qor::PathState paths = qor::fuzz::sample_paths();
    qor::GridFile grid;
    qor::LayerSettings layers;
    qor::ParameterSelection parameters;
    qor::ContourSettings contours;
    qor::RequirementFile requirement;

    bool read(std::string_view text) {
        qor::LineReader file;
        file.open_text(text);
        return !qor::read_requirement_lines(file, paths, qor::fuzz::sample_colour_tables(), layers,
                                            parameters, contours, requirement)
                    .has_value();
    }
    bool write(std::string& text) const {
        const qor::PlotRecords plot{
            paths,   qor::fuzz::sample_colour_tables(), grid, requirement, parameters, layers,
            contours};
        return !qor::requirement_file_text(plot, text).has_value();
    }
};

// The levels the writer writes for a slot (the real ones, rounded to the
// file's two decimals) with their colours.
std::string written_levels(const Records& r, std::size_t slot) {
    std::string text;
    const int positions = std::clamp(r.contours.levelCount[slot], 0, 10);
    for (std::size_t i = 0; i < static_cast<std::size_t>(positions); ++i) {
        const float level = r.contours.levels[slot][i];
        if (!(level > -998.5f)) continue;
        // Each pair ends in a bar, so that a level's field never runs on
        // into the next colour's digits.
        text += qor::format_integer(r.contours.colors[slot][i], 3) + " " +
                qor::format_real(level, 7, 2) + "|";
    }
    return text;
}

// The text with every " -0.00" written as "  0.00": a level that rounds to
// zero is written with its sign, as Fortran writes it, and reads back as
// zero, which the next write gives without one. The value is the same. The
// next colour's digits may follow a level's field directly, so what follows
// is not looked at; both texts compared are changed alike.
std::string without_negative_zeros(std::string text) {
    constexpr std::string_view negative_zero = " -0.00";
    for (std::size_t at = text.find(negative_zero); at != std::string::npos;
         at = text.find(negative_zero, at + 1)) {
        text.replace(at, negative_zero.size(), "  0.00");
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qor::fuzz::sample_colour_tables();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = qor::fuzz::as_text(data, size);
    Records first;
    if (!first.read(input)) return 0;
    std::string written;
    // A level or colour that does not fit its field is refused with a message.
    if (!first.write(written)) return 0;

    Records second;
    QOR_FUZZ_CHECK(second.read(written), input);
    QOR_FUZZ_CHECK(second.paths.Model == first.paths.Model, input);
    QOR_FUZZ_CHECK(second.layers.cityFile == first.layers.cityFile, input);
    QOR_FUZZ_CHECK(second.parameters.count == first.parameters.count, input);
    for (std::size_t slot = 0; slot < 5; ++slot) {
        QOR_FUZZ_CHECK(second.parameters.names[slot] == first.parameters.names[slot], input);
        QOR_FUZZ_CHECK(without_negative_zeros(written_levels(second, slot)) ==
                           without_negative_zeros(written_levels(first, slot)),
                       input);
    }
    QOR_FUZZ_CHECK(second.requirement.lineCount == first.requirement.lineCount, input);
    QOR_FUZZ_CHECK(second.requirement.lines == first.requirement.lines, input);
    QOR_FUZZ_CHECK(second.requirement.commentCount == first.requirement.commentCount, input);
    QOR_FUZZ_CHECK(second.requirement.comments == first.requirement.comments, input);
    QOR_FUZZ_CHECK(second.requirement.gridSize == first.requirement.gridSize, input);

    std::string again;
    QOR_FUZZ_CHECK(second.write(again), input);
    QOR_FUZZ_CHECK(without_negative_zeros(again) == without_negative_zeros(written), input);
    // From the second write on the text stays as it is.
    Records third;
    std::string last;
    QOR_FUZZ_CHECK(third.read(again) && third.write(last), input);
    QOR_FUZZ_CHECK(last == again, input);
    return 0;
}
