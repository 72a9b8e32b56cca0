#pragma once
// Start-up: the three command-line tokens, the run directory, the settings
// files, and the window loop.

#include <functional>
#include <string>
#include <vector>

#include "app/session.h"

namespace qor {

/// Normalises PathState.RunDir so that it ends in \RUN and makes it the
/// current directory; reports a run directory it cannot recognise on the
/// console.
void SET_RUN(PathState& paths, Console& console);

/// Loads the settings files in start-up's order: the default contour colours
/// (colors.con), the DOS colour list (colors.dat), the dialog colour lists
/// (colors.win) and the window settings (setup.ini).
void load_settings_files(Session& session);

/// What precedes every main window: fills the projection list and, when a
/// grid file is current, takes the sub-directory from the file name (its part
/// before the first backslash) and the prediction program from its suffix
/// (the letter M, H, T or P before the "G?").
void prepare_main_window(Session& session);

/// Builds and runs the main window once: given the command-line model name,
/// the browse directory and the sub-directory; returns 1 to build it again, 0
/// when the user has finished.
using ScreenFunction =
    std::function<int(Session&, const Text<6>& model, const Text<8>& browse, const Text<20>& sub)>;

/// The main routine: checks the tokens (run directory, prediction program,
/// sub-directory) with their messages, loads the settings files and runs the
/// window loop. Returns the process's exit status (0 after a normal end).
int run_startup(Session& session, const std::vector<std::string>& tokens,
                const ScreenFunction& screen);

/// True when the command line asks for the usage text instead of a run: its
/// first token is "--help" or "-h". Any other command line is read as the
/// three tokens.
bool usage_requested(const std::vector<std::string>& tokens);

/// The usage text of qorplot: the three tokens and an example on the sample
/// package. Ends in a newline.
std::string qorplot_usage();

/// Command-line token i (0-based) as the program reads it: up to 64
/// characters, blank when missing.
Text<64> command_token(const std::vector<std::string>& tokens, std::size_t index);

}  // namespace qor
