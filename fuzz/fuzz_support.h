#pragma once
// What the fuzz targets share: the sample package's files in memory, the
// colour tables read from them, a console that records nothing and turns the
// program's stop into an exception, and the check that ends a run when a
// property does not hold.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/color_tables.h"
#include "app/path_state.h"
#include "platform/console.h"

namespace qor::fuzz {

/// The input as text.
inline std::string_view as_text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

/// Reports a property that does not hold, with the input, and aborts: the
/// fuzzer then keeps the input as a crash.
[[noreturn]] void fail(std::string_view what, std::string_view input);
#define QOR_FUZZ_CHECK(condition, input)                        \
    do {                                                        \
        if (!(condition)) ::qor::fuzz::fail(#condition, input); \
    } while (false)

/// Thrown by QuietConsole::stop: the program would have ended there.
struct Stopped : std::runtime_error {
    using std::runtime_error::runtime_error;
};

/// Writes nothing; a stop throws Stopped.
class QuietConsole : public Console {
  public:
    void write_line(std::string_view) override {}
    void pause(std::string_view) override {}
    [[noreturn]] void stop(std::string_view message, int) override {
        throw Stopped(std::string(message));
    }
};

/// A sample package file's content by its relative path ("database/colors.dat").
/// The first call builds the whole sample package in memory, which takes a
/// while: a target that needs it calls it from LLVMFuzzerInitialize.
const std::string& sample_file(std::string_view relative);
/// The sample package's files whose relative path ends with the suffix, in
/// package order.
std::vector<std::string> sample_files_ending(std::string_view suffix);

/// The DOS colour list of the sample package's colors.dat, read once.
const ColorTables& sample_colour_tables();

/// A PathState for the sample package's first run below /qor-fuzz (nothing
/// there exists): the readers only name the file in their messages with it.
PathState sample_paths();

}  // namespace qor::fuzz
