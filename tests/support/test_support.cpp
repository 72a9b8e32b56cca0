#include "tests/support/test_support.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "areadata/readers.h"
#include "platform/paths.h"
#include "platform/process.h"

namespace qor::testing {

TempDir::TempDir() {
    char pattern[] = "/tmp/qorXXXXXX";
    char* made = ::mkdtemp(pattern);
    if (made == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = made;
}

TempDir::~TempDir() {
    // Routines under test make a package's run directory current; the process
    // must not be left in a directory that is about to vanish.
    std::error_code ec;
    std::string current = std::filesystem::current_path(ec).string();
    if (ec || current.rfind(path_, 0) == 0) std::filesystem::current_path("/tmp", ec);
    std::filesystem::remove_all(path_, ec);
}

ProgramRun run_program(const TempDir& scratch, const std::vector<std::string>& arguments) {
    std::vector<std::string> command = {"/bin/sh",
                                        "-c",
                                        "out=$1; err=$2; shift 2; \"$@\" >\"$out\" 2>\"$err\"",
                                        "sh",
                                        scratch / "out.txt",
                                        scratch / "err.txt"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    StartedProcess process = start_program(command, scratch.path(), true);
    return {process.exitStatus, read_file(scratch / "out.txt"), read_file(scratch / "err.txt")};
}

void write_file(const std::string& native_path, const std::string& content) {
    std::filesystem::path path(native_path);
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(native_path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out) throw std::runtime_error("cannot write " + native_path);
}

std::string read_file(const std::string& native_path) {
    std::ifstream in(native_path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + native_path);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string lines(std::initializer_list<std::string> text) {
    std::string result;
    for (const std::string& line : text) result += line + "\n";
    return result;
}

std::string make_minimal_package(const std::string& dir) {
    std::filesystem::create_directories(dir + "/RUN");
    write_file(dir + "/database/colors.win",
               lines({"Window colours, cities, contours", "3 2 2", "Ignore Ignore", "0=Blck Black",
                      "1=Red  Red", "0=BLCK BLACK cities", "1=blck black cities",
                      "0=BLCK Black with shading", "4=Shad Shading, no contours"}));
    return dir + "/RUN";
}

void set_dos_colours(ColorTables& tables, std::initializer_list<DosColour> entries) {
    tables.DosColourCount = 0;
    for (const DosColour& entry : entries) {
        auto i = static_cast<std::size_t>(tables.DosColourCount++);
        tables.DosFirstNames[i] = entry.first;
        tables.DosCodes[i] = entry.code;
        tables.DosSecondNames[i] = entry.second;
    }
}

void add_plot_parameter(Session& session, const char* line, float scale, std::int32_t method,
                        std::vector<float> values, float minimum, float maximum) {
    PlotParameterEntry& entry =
        session.plotParameters.entries[static_cast<std::size_t>(session.plotParameters.count++)];
    entry.line = line;
    entry.scale = scale;
    entry.method = method;
    entry.valueCount = static_cast<std::int32_t>(values.size());
    std::copy(values.begin(), values.end(), entry.values.begin());
    entry.minimum = minimum;
    entry.maximum = maximum;
}

void use_package(Session& session, const std::string& run_dir, RecordingConsole& console) {
    session.paths.RunDir = to_package_path(run_dir);
    session.paths.DataDir = "AREADATA";
    session.paths.BrowseDir = "AREADATA";
    session.console = &console;
}

std::optional<Message> read_requirement_file(Session& session) {
    return READMAIN(session.paths, session.colors, session.layers, session.parameters,
                    session.contours, session.requirement);
}

}  // namespace qor::testing
