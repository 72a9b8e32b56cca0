#pragma once
// The program's standard output window, its pause and its stop.
//
// Lines are written and flushed to standard output at once. A windowed program
// installs a console that also shows the lines written since the last pause in
// a modal box whose button is the pause. stop() ends the program with a
// non-zero status after the lines and the stop message have been shown.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

class Console {
  public:
    virtual ~Console() = default;

    /// Writes one line to standard output (flushed) and keeps it for the next pause.
    virtual void write_line(std::string_view line);
    /// Shows the lines written since the last pause with the message and waits
    /// until the user acknowledges.
    virtual void pause(std::string_view message);
    /// Shows the lines and the message, then ends the program with the status.
    [[noreturn]] virtual void stop(std::string_view message, int status = 1);

    /// Lines written since the last pause or stop.
    const std::vector<std::string>& pending() const { return pending_; }

  protected:
    /// How a pause is presented; the base class only writes the message.
    virtual void present(const std::vector<std::string>& lines, std::string_view message,
                         bool stopping);
    std::vector<std::string> pending_;
};

/// Ends the process: the base console calls this after presenting a stop.
[[noreturn]] void end_process(int status);

}  // namespace qor
