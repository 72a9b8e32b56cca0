#pragma once
// Plotting the current grid file: the requirement file is rewritten, the plot
// request file zonegrfx.dat is written into the run directory, and the map
// program is started there without waiting for it. bin_win\terrapix.exe draws
// in a window or prints, bin\terradox.exe draws on the DOS screen.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/callback_result.h"
#include "base/message.h"
#include "platform/console.h"
#include "plotout/requirement_writer.h"

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
bool GH_EXEC(Console& console, const PlotCommand& command, int wait,
             const std::function<void()>& yield = {});

/// One plot action: rewrites the requirement file, writes zonegrfx.dat and
/// starts the map program (a failed start is reported on the console). When a
/// file cannot be written, message is set to what the user must be shown and
/// nothing is started. True when the program was started.
bool plot_to(const PlotRecords& plot, Console& console, PlotTarget target,
             std::optional<Message>& message);

/// The "Plot to" menu actions Window, Printer and DOS screen. The main window
/// stays open (keepOpen 1); the message is set when it must be shown.
CallbackResult TOWINDOW(const PlotRecords& plot, Console& console);
CallbackResult TOPRINTER(const PlotRecords& plot, Console& console);
CallbackResult TOSCREEN(const PlotRecords& plot, Console& console);

}  // namespace qor
