#pragma once
// What the main window shows, computed from the session without any window:
// its caption, menus and their states, the file-open dialog's start folder and
// filters, background, style and text scale, and, for a loaded grid file, the
// file summary and the comment lines. The window layer only lays these out.

#include <optional>
#include <string>
#include <vector>

#include "app/session.h"
#include "app/window_style.h"
#include "base/message.h"
#include "plotout/requirement_writer.h"

namespace qor {

/// One filter of the file-open dialog: its label and its patterns (blank-separated).
struct FileFilter {
    std::string label;
    std::string patterns;
};

/// The menus, caption and frame of the main window: everything built before
/// the grid file is read.
struct MainWindowFrame {
    std::string caption;
    /// Package path of the help file (root + "help_win\qorplot.hlp").
    std::string helpFile;
    /// Start folder of the file-open dialog (package path, no trailing
    /// backslash) and the pattern it starts with ("*.HG?" for HALDOR).
    std::string startFolder;
    std::string startPattern;
    std::vector<FileFilter> filters;
    /// The File menu's catalog item, "Create catalog of *.HAL files".
    std::string createCatalogItem;
    bool fileLoaded = false;
    /// 1 when the "Plot to" menu can be used, 0 greys it.
    std::int32_t plotMenuState = 0;
    /// The DOS map program and its font are installed: "DOS screen" is offered.
    bool dosScreenOffered = false;
    /// Background colour name of the window; "" keeps the default.
    std::string background;
    /// Window style, text scale and contour width: set only for a loaded file.
    bool noBorder = false;
    bool maximise = false;
    double textScale = 1.0;
    int contourWidth = 70;
};

/// " Plot" for the AREADATA root, " INVERSE Plot" otherwise.
std::string plot_type_word(const PathState& paths);

/// True when PathState.FileName names a file: its first backslash is followed
/// by a character that is not blank.
bool file_loaded(const PathState& paths);

/// Clears PathState.NewFileChosen and computes the frame for the session's
/// state and the SCREEN arguments (model name, browse directory,
/// sub-directory). Applies BACKMAIN to the session's window settings.
MainWindowFrame main_window_frame(Session& session, const Text<6>& model, const Text<8>& browse,
                                  const Text<20>& sub, const ScreenSize& screen);

/// One line of the file summary: a label, then at a tab the value in red;
/// the grid line may carry the map projection's name as its Type.
struct SummaryLine {
    std::string label;
    std::string value;
    std::optional<std::string> type;  ///< 20-character projection name
};

/// File name, model/version and grid size (with Type) of the current file.
/// The comment lines come from shown_comments (areadata/file_summary.h).
std::vector<SummaryLine> file_summary(const Session& session);

/// Reads the current grid file, its requirement file and the plot parameter
/// file, in this order, stopping at the first failure and returning its
/// message; then fills the layer, parameter and contour summary texts.
std::optional<Message> load_current_file(Session& session);

/// The session's records that a plot reads.
PlotRecords plot_records(const Session& session);

}  // namespace qor
