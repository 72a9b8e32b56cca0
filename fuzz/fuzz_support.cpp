#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/settings_files.h"
#include "base/fixed_record.h"
#include "sample/sample_files.h"

namespace qor::fuzz {

namespace {

const std::vector<sample::SampleFile>& all_sample_files() {
    static const std::vector<sample::SampleFile> files = [] {
        std::vector<sample::SampleFile> all;
        for (auto part : {sample::settings_files, sample::city_files, sample::plot_parameter_files,
                          sample::run_files}) {
            sample::SampleFiles some = part();
            all.insert(all.end(), some.begin(), some.end());
        }
        return all;
    }();
    return files;
}

}  // namespace

void fail(std::string_view what, std::string_view input) {
    std::fprintf(stderr, "\nproperty failed: %.*s\ninput (%zu bytes):\n%.*s\n",
                 static_cast<int>(what.size()), what.data(), input.size(),
                 static_cast<int>(std::min<std::size_t>(input.size(), 4000)), input.data());
    std::abort();
}

const std::string& sample_file(std::string_view relative) {
    for (const sample::SampleFile& file : all_sample_files()) {
        if (file.relative == relative) return file.content;
    }
    std::fprintf(stderr, "no sample file %.*s\n", static_cast<int>(relative.size()),
                 relative.data());
    std::abort();
}

std::vector<std::string> sample_files_ending(std::string_view suffix) {
    std::vector<std::string> found;
    for (const sample::SampleFile& file : all_sample_files()) {
        std::string_view name = file.relative;
        if (name.size() >= suffix.size() && name.substr(name.size() - suffix.size()) == suffix) {
            found.push_back(file.content);
        }
    }
    return found;
}

const ColorTables& sample_colour_tables() {
    static const ColorTables tables = [] {
        // From the settings files alone: building every sample file (the grids
        // among them) would take longer than a fuzzer lets one input run.
        std::string colours;
        for (const sample::SampleFile& file : sample::settings_files()) {
            if (file.relative == "database/colors.dat") colours = file.content;
        }
        ColorTables read;
        QuietConsole console;
        LineReader file;
        file.open_text(colours);
        read_dos_colour_lines(file, "colors.dat", read, console);
        return read;
    }();
    return tables;
}

PathState sample_paths() {
    PathState paths;
    paths.RunDir = "\\qor-fuzz\\RUN";
    paths.DataDir = "AREADATA";
    paths.BrowseDir = "AREADATA";
    paths.SubDir = "SAMPLE_001";
    paths.Model = "HALDOR";
    paths.FileName = "SAMPLE_001\\SAMPLE01.HG1";
    return paths;
}

}  // namespace qor::fuzz
