#include "platform/process.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <thread>

#include "platform/paths.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/windows_text.h"
#else
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace qor {

std::string windows_command_line(const std::vector<std::string>& arguments) {
    std::string line;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (index > 0) line += ' ';
        if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos) {
            line += argument;
            continue;
        }
        // Inside quotes a run of backslashes is literal unless a quote follows
        // it; then each backslash is doubled and the quote escaped.
        line += '"';
        std::size_t backslashes = 0;
        for (char c : argument) {
            if (c == '\\') {
                ++backslashes;
                continue;
            }
            if (c == '"') {
                line.append(backslashes * 2 + 1, '\\');
            } else {
                line.append(backslashes, '\\');
            }
            backslashes = 0;
            line += c;
        }
        line.append(backslashes * 2, '\\');
        line += '"';
    }
    return line;
}

#ifdef _WIN32

StartedProcess start_program(const std::vector<std::string>& arguments,
                             const std::string& working_directory, bool wait,
                             const std::function<void()>& yield) {
    StartedProcess result;
    if (arguments.empty()) {
        result.error = "no program given";
        return result;
    }
    result.program = native_path(arguments[0]);
    std::vector<std::string> native_arguments(arguments);
    native_arguments[0] = result.program;
    // The system reads the program's name from the command line itself (no
    // separate application name): quoting keeps a name with blanks whole. It
    // may change the buffer, so it gets a copy.
    std::wstring line = windows::widen(windows_command_line(native_arguments));
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');
    std::wstring directory = windows::widen(working_directory);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    BOOL created =
        CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       directory.empty() ? nullptr : directory.c_str(), &startup, &process);
    if (!created) {
        result.error =
            "cannot start " + result.program + ": " + windows::error_text(GetLastError());
        return result;
    }
    CloseHandle(process.hThread);
    result.started = true;
    result.processId = static_cast<long>(process.dwProcessId);
    if (wait) {
        // Waiting on the process itself, not on its exit code: a program may
        // well end with the code that means "still active" (259).
        DWORD state = WAIT_TIMEOUT;
        while (state == WAIT_TIMEOUT) {
            if (yield) yield();
            state = WaitForSingleObject(process.hProcess, 10);
        }
        DWORD code = 0;
        if (state == WAIT_OBJECT_0 && GetExitCodeProcess(process.hProcess, &code)) {
            result.exitStatus = static_cast<int>(code);
        }
    }
    CloseHandle(process.hProcess);
    return result;
}

#else

namespace {

bool is_program(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

bool ends_in_exe(std::string_view path) {
    if (path.size() < 4) return false;
    std::string_view tail = path.substr(path.size() - 4);
    return tail[0] == '.' && (tail[1] == 'e' || tail[1] == 'E') &&
           (tail[2] == 'x' || tail[2] == 'X') && (tail[3] == 'e' || tail[3] == 'E');
}

// The package names its programs with ".exe"; here they are installed with or
// without it, and in any case.
std::string find_program(const std::string& given) {
    if (is_program(given) || !ends_in_exe(given)) return given;
    std::string stripped = given.substr(0, given.size() - 4);
    if (is_program(stripped)) return stripped;
    std::string looked_up = native_path(to_package_path(stripped));
    if (is_program(looked_up)) return looked_up;
    return given;
}

int exit_status(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

// A program nobody waits for would stay a zombie after it ends. A detached
// thread blocked in waitpid for exactly that child reaps it, without touching
// SIGCHLD, which the window toolkit may use for processes of its own.
void reap_in_background(pid_t pid) {
    std::thread([pid] {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

}  // namespace

StartedProcess start_program(const std::vector<std::string>& arguments,
                             const std::string& working_directory, bool wait,
                             const std::function<void()>& yield) {
    StartedProcess result;
    if (arguments.empty()) {
        result.error = "no program given";
        return result;
    }
    result.program = find_program(arguments[0]);
    // A relative path names the program from this process's directory, not
    // from the one the child changes to before it starts the program.
    if (result.program.find('/') != std::string::npos && result.program.front() != '/') {
        std::error_code error;
        std::filesystem::path absolute = std::filesystem::absolute(result.program, error);
        if (!error) result.program = absolute.string();
    }

    std::vector<std::string> argv_text(arguments);
    argv_text[0] = result.program;
    std::vector<char*> argv;
    argv.reserve(argv_text.size() + 1);
    for (std::string& argument : argv_text) argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!working_directory.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, working_directory.c_str());
    }
    // Like the package's own platform, the child inherits no open files but
    // standard input, output and error.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    pid_t pid = 0;
    int error =
        ::posix_spawn(&pid, result.program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        result.error = "cannot start " + result.program + ": " + std::strerror(error);
        return result;
    }
    result.started = true;
    result.processId = static_cast<long>(pid);
    if (!wait) {
        reap_in_background(pid);
        return result;
    }
    for (;;) {
        if (yield) yield();
        int status = 0;
        pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            result.exitStatus = exit_status(status);
            break;
        }
        if (done < 0 && errno != EINTR) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return result;
}

#endif

std::string own_program_path() {
#ifdef _WIN32
    std::wstring buffer(32768, L'\0');
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size()) return {};
    return windows::narrow(std::wstring_view(buffer.data(), length));
#else
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.string();
#endif
}

}  // namespace qor
