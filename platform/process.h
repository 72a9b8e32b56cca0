#pragma once
// Starting another program.
//
// A program is started from an argument list, never from a string that would
// have to be split again, so that paths with blanks reach it whole. The first
// argument is the program's path.
//
// On Windows the list becomes one command line (windows_command_line) for the
// process creation call, which reads the program's name from it.
//
// On POSIX the program is looked up as given and, when that names no program
// and it ends in ".exe", without the ".exe" (the package's programs carry that
// ending on Windows only). A program that is not waited for runs on its own;
// when it ends it is reaped by a background thread, so no finished child stays
// behind as a zombie.

#include <functional>
#include <string>
#include <vector>

namespace qor {

struct StartedProcess {
    bool started = false;
    std::string error;    ///< why it could not be started, for the user
    std::string program;  ///< the native path that was started
    long processId = 0;   ///< the operating system's id of the started program
    int exitStatus = -1;  ///< when waited for: its exit status (128 + signal when killed)
};

/// Starts arguments[0] with arguments[1..] in the working directory (a native
/// path; the child starts there, this process's current directory is not
/// touched; empty keeps this process's directory). With wait false it returns
/// at once; with wait true it returns when the program has ended, calling
/// yield (when given) over and over while it waits.
StartedProcess start_program(const std::vector<std::string>& arguments,
                             const std::string& working_directory, bool wait,
                             const std::function<void()>& yield = {});

/// The command line the Windows process creation call receives for the list:
/// each argument quoted where it holds blanks, tabs or quotes (or is empty),
/// with the backslashes before a quote doubled.
std::string windows_command_line(const std::vector<std::string>& arguments);

/// The native path of the running program, empty when the system does not
/// tell it.
std::string own_program_path();

}  // namespace qor
