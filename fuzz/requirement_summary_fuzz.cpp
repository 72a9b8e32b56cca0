// The requirement summary: whatever the file holds, the summary is a fixed
// 80-character text whose count part is digits the catalog line can show, or
// one of the reader's error texts; the grid files counted (here X.HG1 and
// X.HG3 exist) never exceed the hour count.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/fixed_record.h"
#include "catalog/requirement_summary.h"
#include "fuzz/fuzz_support.h"
#include "platform/paths.h"

namespace {

// A directory holding the grid files of hours 1 and 3 of X.HAL.
const std::string& requirement_path() {
    static const std::string path = [] {
        char pattern[] = "/tmp/qorfuzzXXXXXX";
        const char* made = ::mkdtemp(pattern);
        if (made == nullptr) std::abort();
        const std::string directory(made);
        for (const char* grid : {"/X.HG1", "/X.HG3"}) {
            std::FILE* file = std::fopen((directory + grid).c_str(), "wb");
            if (file == nullptr) std::abort();
            std::fclose(file);
        }
        return qor::to_package_path(directory + "/X.HAL");
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    requirement_path();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = qor::fuzz::as_text(data, size);
    qor::LineReader reader;
    reader.open_text(input);
    qor::RequirementSummaryResult result;
    qor::read_requirement_summary_lines(reader, requirement_path(), result);
    QOR_FUZZ_CHECK(result.hourCount >= 0 && result.hourCount <= 9, input);
    const qor::Text<80>& summary = result.RequirementSummary;
    if (summary.sub(1, 19) == "ERROR READing file.") return 0;
    // "(found/hours)" in columns 20-24.
    QOR_FUZZ_CHECK(summary.at1(20) == '(' && summary.at1(22) == '/' && summary.at1(24) == ')',
                   input);
    const int found = summary.at1(21) - '0';
    QOR_FUZZ_CHECK(summary.at1(23) - '0' == result.hourCount, input);
    QOR_FUZZ_CHECK(found >= 0 && found <= result.hourCount && found <= 2, input);
    QOR_FUZZ_CHECK(found == (result.hourCount >= 1) + (result.hourCount >= 3), input);
    return 0;
}
