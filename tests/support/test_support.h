#pragma once
// Helpers for tests: a temporary package directory, a console that records
// what the program writes, and small file utilities.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/session.h"
#include "base/message.h"
#include "platform/console.h"

namespace qor::testing {

#ifdef _WIN32
inline constexpr bool on_windows = true;
#else
inline constexpr bool on_windows = false;
#endif

/// The path with the platform's separators: on Windows each '/' becomes '\\'.
std::string native(std::string path);

/// A fresh directory below /tmp (the user's temporary folder on Windows),
/// removed with everything in it at the end. Short on purpose: the run
/// directory field holds 50 characters.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    /// The native path, without a trailing separator.
    const std::string& path() const { return path_; }
    /// path() + "/" + relative, with the platform's separators ("a/b" becomes
    /// "a\\b" on Windows).
    std::string operator/(const std::string& relative) const;

  private:
    std::string path_;
};

/// Thrown by RecordingConsole::stop so that a test sees the program's stop.
struct ProgramStopped : std::runtime_error {
    ProgramStopped(std::string message_, int status_)
        : std::runtime_error("program stopped: " + message_),
          message(std::move(message_)),
          status(status_) {}
    std::string message;
    int status;
};

/// Records every line, pause and stop, in order, as the user would see them:
/// a line as written, a pause as "PAUSE <message>", a stop as "STOP <message>".
class RecordingConsole : public Console {
  public:
    void write_line(std::string_view line) override { events.emplace_back(line); }
    void pause(std::string_view message) override {
        events.push_back("PAUSE " + std::string(message));
    }
    [[noreturn]] void stop(std::string_view message, int status) override {
        events.push_back("STOP " + std::string(message));
        throw ProgramStopped(std::string(message), status);
    }
    std::vector<std::string> events;
};

/// What a program run as a process printed, and how it ended.
struct ProgramRun {
    int status = -1;  ///< exit status; -1 when it did not end normally
    std::string out;  ///< standard output
    std::string err;  ///< standard error
};

/// Runs a program (arguments[0], a native path) in the scratch directory and
/// waits for it; its two outputs are caught in files there (on Windows the
/// console's CR LF line ends read as "\n").
ProgramRun run_program(const TempDir& scratch, const std::vector<std::string>& arguments);

/// Removes a file or a directory with everything in it. On Windows a program
/// that is still ending keeps its file from being removed: the removal is
/// tried again for up to five seconds.
void remove_when_free(const std::string& path);

/// Installs the stand-in map program at path (creating its directory) in
/// place of any earlier copy, which may still be running, and of its record.
void install_map_program(const std::string& path);

/// Waits up to ten seconds for the record the stand-in map program writes
/// next to itself (program + ".record") and returns it; "no record" when none
/// came.
std::string wait_for_record(const std::string& program);

/// The native path of a program of this build ("qortool", "fake_map_program"),
/// with the platform's ending for programs.
std::string built_program(const std::string& name);

/// Writes a file (creating its directories); content is written byte for byte.
void write_file(const std::string& native_path, const std::string& content);
/// The whole content of a file; throws when it cannot be read.
std::string read_file(const std::string& native_path);
/// Lines joined with "\n", each line ended.
std::string lines(std::initializer_list<std::string> text);
/// A text as the program writes it to a file: each "\n" becomes the
/// platform's line end (CR LF on Windows).
std::string written(std::string_view text);

/// A package laid out below dir with the settings files start-up needs:
/// RUN/, database/colors.win (the sample package's lists) and nothing else.
/// Returns the run directory's native path.
std::string make_minimal_package(const std::string& dir);

/// One entry of the DOS colour list: first name, colour number, second name.
struct DosColour {
    const char* first;
    std::int32_t code;
    const char* second;
};

/// Replaces the DOS colour list with the entries given, in order.
void set_dos_colours(ColorTables& tables, std::initializer_list<DosColour> entries);

/// Appends an entry to the session's plot parameter table.
void add_plot_parameter(Session& session, const char* line, float scale, std::int32_t method,
                        std::vector<float> values, float minimum, float maximum);

/// Points a session at a package's run directory (package form) and hands it a
/// recording console.
void use_package(Session& session, const std::string& run_dir, RecordingConsole& console);

/// READMAIN into the session's records.
std::optional<Message> read_requirement_file(Session& session);

}  // namespace qor::testing
