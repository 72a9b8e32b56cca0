#include "sample/sample_package.h"

#include <filesystem>

#include "platform/paths.h"
#include "sample/sample_files.h"

namespace qor::sample {

std::string join_lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

std::string write_sample_package(const std::string& dir) {
    if (dir.empty()) return "no directory given";
    std::error_code ec;
    // RUN/ stays empty: the program writes zonegrfx.dat and print_a.ini there.
    for (const char* sub :
         {"RUN", "database", "USERDB", "AREADATA/SAMPLE_001", "AREA_INV/SAMPLE_INV", "help_win"}) {
        std::filesystem::create_directories(std::filesystem::path(dir) / sub, ec);
        if (ec) return "cannot create " + dir + "/" + sub + ": " + ec.message();
    }
    SampleFiles files;
    for (SampleFiles part :
         {settings_files(), city_files(), plot_parameter_files(), run_files(), help_files()}) {
        for (SampleFile& file : part) files.push_back(std::move(file));
    }
    // Writing over an earlier package replaces each file whole, never leaving a
    // half-written one behind.
    for (const SampleFile& file : files) {
        std::string target = dir + "/" + file.relative;
        WriteResult result = replace_file(to_package_path(target), file.content);
        if (!result.ok) return result.error;
    }
    return {};
}

}  // namespace qor::sample
