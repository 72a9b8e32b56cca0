#include "tests/support/test_support.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "areadata/readers.h"
#include "platform/paths.h"
#include "platform/process.h"

#ifdef _WIN32
#include <windows.h>

#include <random>

#include "platform/windows_text.h"
#else
#include <unistd.h>
#endif

namespace qor::testing {

namespace {

// Where temporary directories go: /tmp, or the user's temporary folder on
// Windows (C:\users\NAME\Temp\ under Wine).
std::string temporary_root() {
#ifdef _WIN32
    wchar_t buffer[MAX_PATH + 1];
    DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temporary folder");
    std::string root = windows::narrow(std::wstring_view(buffer, length));
    while (!root.empty() && root.back() == '\\') root.pop_back();
    return root;
#else
    return "/tmp";
#endif
}

}  // namespace

TempDir::TempDir() {
#ifdef _WIN32
    static std::mt19937 random{std::random_device{}() ^ GetCurrentProcessId()};
    const std::string root = temporary_root();
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        std::string candidate = root + "\\qor" + std::to_string(random() % 1000000);
        if (CreateDirectoryW(windows::widen(candidate).c_str(), nullptr)) path_ = candidate;
    }
    if (path_.empty()) throw std::runtime_error("cannot create a temporary directory");
#else
    char pattern[] = "/tmp/qorXXXXXX";
    char* made = ::mkdtemp(pattern);
    if (made == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = made;
#endif
}

TempDir::~TempDir() {
    // Routines under test make a package's run directory current; the process
    // must not be left in a directory that is about to vanish (on Windows it
    // could not be removed at all).
    std::error_code ec;
    std::string current = std::filesystem::current_path(ec).string();
    if (ec || current.rfind(path_, 0) == 0) {
        std::filesystem::current_path(temporary_root(), ec);
    }
    std::filesystem::remove_all(path_, ec);
}

std::string native(std::string path) {
    if (on_windows) std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string TempDir::operator/(const std::string& relative) const {
    return native(path_ + "/" + relative);
}

std::string built_program(const std::string& name) {
#ifdef _WIN32
    // The test programs sit beside the programs they start; the build folder's
    // own path (a Linux one under Wine) would not name it for them.
    wchar_t buffer[MAX_PATH + 1];
    DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH + 1);
    std::string self = windows::narrow(std::wstring_view(buffer, length));
    return self.substr(0, self.find_last_of('\\') + 1) + name + QOR_EXECUTABLE_SUFFIX;
#else
    return std::string(QOR_BINARY_DIR) + "/" + name + QOR_EXECUTABLE_SUFFIX;
#endif
}

#ifdef _WIN32

namespace {

HANDLE inheritable_output(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{};
    inherit.nLength = sizeof inherit;
    inherit.bInheritHandle = TRUE;
    return CreateFileW(windows::widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// What a console program wrote in text mode, with its CR LF line ends read
// back as the "\n" the tests expect on every platform.
std::string text_output(const std::string& path) {
    std::string text = read_file(path);
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        result += text[i];
    }
    return result;
}

}  // namespace

ProgramRun run_program(const TempDir& scratch, const std::vector<std::string>& arguments) {
    // The program's own process start hands on no handles, so its outputs
    // could not be caught through it: this one does.
    HANDLE out = inheritable_output(scratch / "out.txt");
    HANDLE err = inheritable_output(scratch / "err.txt");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    std::wstring line = windows::widen(windows_command_line(arguments));
    std::wstring directory = windows::widen(scratch.path());
    PROCESS_INFORMATION process{};
    BOOL created = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                  directory.c_str(), &startup, &process);
    CloseHandle(out);
    CloseHandle(err);
    ProgramRun run;
    if (!created) {
        run.err = "cannot start " + arguments.at(0);
        return run;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    if (GetExitCodeProcess(process.hProcess, &code)) run.status = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    run.out = text_output(scratch / "out.txt");
    run.err = text_output(scratch / "err.txt");
    return run;
}

#else

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

#endif

void remove_when_free(const std::string& path) {
    // On POSIX a running program's name can be unlinked at once.
    std::error_code ec;
    for (int i = 0; i < 500; ++i) {
        std::filesystem::remove_all(path, ec);
        if (!ec) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    throw std::runtime_error("cannot remove " + path + ": " + ec.message());
}

void install_map_program(const std::string& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    remove_when_free(path);
    remove_when_free(path + ".record");
    std::filesystem::copy_file(built_program("fake_map_program"), path);
}

std::string wait_for_record(const std::string& program) {
    const std::string record = program + ".record";
    for (int i = 0; i < 1000; ++i) {
        // On Windows the record can be seen a moment before it can be read:
        // the program that renamed it into place still holds it.
        if (std::filesystem::exists(record)) {
            try {
                return read_file(record);
            } catch (const std::runtime_error&) {
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return "no record";
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

std::string written(std::string_view text) {
    std::string result;
    for (char c : text) {
        if (c == '\n') {
            result += line_end();
        } else {
            result += c;
        }
    }
    return result;
}

std::string make_minimal_package(const std::string& dir) {
    std::filesystem::create_directories(dir + "/RUN");
    write_file(dir + "/database/colors.win",
               lines({"Window colours, cities, contours", "3 2 2", "Ignore Ignore", "0=Blck Black",
                      "1=Red  Red", "0=BLCK BLACK cities", "1=blck black cities",
                      "0=BLCK Black with shading", "4=Shad Shading, no contours"}));
    return native(dir + "/RUN");
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
