#pragma once
// Plotting the current grid file: the requirement file is rewritten, the plot
// request file zonegrfx.dat is written into the run directory, and the map
// program is started there without waiting for it. bin_win\terrapix.exe draws
// in a window or prints, bin\terradox.exe draws on the DOS screen.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/message.h"
#include "app/session.h"

namespace qor {

enum class PlotTarget { window, printer, dos_screen };

/// How a map program is started for a target.
struct PlotCommand {
    /// The command line as the user is shown it, e.g.
    /// "C:\ROOT\bin_win\terrapix.exe C:\ROOT\RUN AREADATA zonegrfx.dat".
    std::string text;
    /// What the program is started with: its native path, then its arguments
    /// (run directory, native; data root name; "zonegrfx.dat"; "p" to print),
    /// each one whole whatever blanks it holds.
    std::vector<std::string> arguments;
    /// The native run directory the program starts in.
    std::string directory;
};

/// The command of a target for the current run directory and data root.
PlotCommand plot_command(const PathState& paths, PlotTarget target);

/// zonegrfx.dat's package path: the run directory, then "\zonegrfx.dat".
std::string plot_request_path(const PathState& paths);

/// zonegrfx.dat's two lines, each with its line end: the grid file name in 30
/// columns and the plot title in 75, blank-padded.
std::string plot_request_text(const PathState& paths, const GridFile& grid);

/// Starts the command. On failure it writes " MyCreateProcess error in gh_exec
/// during:" and the command line to the standard output window and pauses.
/// With wait non-zero it returns when the program has ended, calling yield
/// while it waits. True when the program was started.
bool GH_EXEC(Session& session, const PlotCommand& command, int wait,
             const std::function<void()>& yield = {});

/// One plot action: rewrites the requirement file, writes zonegrfx.dat and
/// starts the map program. When a file cannot be written, message is set to
/// what the user must be shown and nothing is started. True when the program
/// was started.
bool plot_to(Session& session, PlotTarget target, std::optional<Message>& message);

/// The "Plot to" menu actions Window, Printer and DOS screen. Each returns 1
/// (the main window stays open); message is set when it must be shown.
int TOWINDOW(Session& session, std::optional<Message>& message);
int TOPRINTER(Session& session, std::optional<Message>& message);
int TOSCREEN(Session& session, std::optional<Message>& message);

}  // namespace qor
