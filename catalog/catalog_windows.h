#pragma once
// The seam between the catalog commands and the windows that show them.
//
// The commands (OPCAT_CB, NEW_GROUP_CB, CREATECB) run in the core; they hand a
// window model to CatalogWindows, which only shows it and reports what the user
// does by calling the model's event functions. An event function returns the
// callback result the window expects: 0 closes the window, 1 keeps it open.
// Closing a window any other way ("&Exit", the close button) calls nothing.
// Every text and size a window shows is computed here, so that it is tested
// without a display.

#include <string>
#include <vector>

#include "app/path_state.h"
#include "base/message.h"
#include "catalog/catalog_list.h"

namespace qor {

class CatalogWindows;

/// The menu bar of the requirement window: "&Exit" (closes it), "&Accept"
/// (accept()) and the "&Sort by:" menu whose items are sort_names, in key order
/// (sort(1) to sort(4)).
inline constexpr std::string_view exit_menu_item = "&Exit";
inline constexpr std::string_view accept_menu_item = "&Accept";
inline constexpr std::string_view sort_menu = "&Sort by:";
/// The centred text before the sort name at the top of the requirement window.
inline constexpr std::string_view sorted_by_label = "Sorted by: ";
/// The list boxes of both windows are 106 characters wide.
inline constexpr int catalog_list_width = 106;

/// The requirement list of "Open (by catalog)": the catalog's lines under
/// their column headings, bound to CatalogList.RequirementIndex.
class RequirementWindow {
  public:
    /// Sets CatalogList.RequirementIndex to 0 and computes the layout. A sort
    /// reads and rewrites the catalog of the paths' sub-directory.
    RequirementWindow(const PathState& paths, CatalogList& catalog, CatalogWindows& windows,
                      const std::string& path, const Text<24>& sortName);

    /// "Select requirement from:" + path + " " + count (I4) + " requirements found".
    std::string caption;
    /// The sort name shown in red after sorted_by_label.
    std::string sortName;
    /// Courier throughout; the text size factor 0.9 as well on a large-text
    /// 800-pixel screen.
    bool smallerText = false;
    /// Lines the list shows at once: the count below 30, else 20 on screens up
    /// to 800 pixels wide and 30 on wider ones.
    int listHeight = 0;
    /// The list-box format: "%" + listHeight in two digits + ".106^lb".
    std::string listFormat;

    const Text<94>& header() const;
    int count() const;
    /// Entry line i (1-based); a blank line outside 1..count().
    const Text<94>& line(int i) const;
    /// The highlighted line (1-based), 0 for none.
    int highlighted() const;

    /// A click that highlights line index (1-based): keeps the window open.
    int select(int index);
    /// A double click on line index: accepts it and closes the window.
    int double_click(int index);
    /// "&Accept": REQ_SELECTED.
    int accept();
    /// An item of "&Sort by:", key 1 to 4 (SORT_R, SORT_FTL, SORT_LFT, SORT_LTF).
    int sort(int key);

    /// True when the window was closed by "&Accept" or a double click.
    bool accepted() const { return accepted_; }

  private:
    const PathState& paths_;
    CatalogList& catalog_;
    CatalogWindows& windows_;
    bool accepted_ = false;
};

/// The grid-file list of the requirement last accepted, bound to
/// CatalogList.GridIndex. Its menu bar holds "&Exit" and "&Accept" (accept());
/// above the list stand the catalog heading, the accepted requirement's line
/// and grid_list_heading.
class GridWindow {
  public:
    /// Sets CatalogList.GridIndex to 0 and computes the layout.
    GridWindow(CatalogList& catalog, CatalogWindows& windows);

    std::string caption;
    bool smallerText = false;
    /// Lines the list shows: CatalogList.GridCount.
    int listHeight = 0;
    /// "%" + GridCount as one digit + ".106^lb".
    std::string listFormat;

    const Text<94>& header() const;
    const Text<94>& selectedLine() const;
    int count() const;
    /// Grid-file line i (1-based); a blank line outside 1..count().
    const Text<90>& line(int i) const;
    int highlighted() const;

    int select(int index);
    int double_click(int index);
    /// "&Accept": GRID_SELECTED.
    int accept();
    bool accepted() const { return accepted_; }

  private:
    CatalogList& catalog_;
    bool accepted_ = false;
};

/// The progress window of catalog creation.
struct CatalogProgress {
    std::string caption;  ///< "Reading " + model + " grid data files"
    Text<4> percentage;   ///< I3 and "%", '  0%' at first
    Text<4> count;        ///< the number of files found (I4), blank until known
};

/// The two centred lines of the progress window, the numbers in red:
/// "Reading: " pct " done" and count " files found".
std::vector<MessageLine> progress_lines(const CatalogProgress& progress);

/// What the window layer provides to the catalog commands.
class CatalogWindows {
  public:
    virtual ~CatalogWindows() = default;

    /// Width of the primary screen in pixels.
    virtual int screen_width() const = 0;
    /// The main window's large-text test.
    virtual bool large_text() const = 0;

    /// Shows a modal message box and returns when it is closed.
    virtual void show_message(const Message& message) = 0;
    /// Shows the modal requirement window; returns when it is closed.
    virtual void run_requirement_window(RequirementWindow& window) = 0;
    /// Shows the modal grid-file window; returns when it is closed.
    virtual void run_grid_window(GridWindow& window) = 0;

    /// The modeless progress window: opened, refreshed when its texts change,
    /// closed by the program.
    virtual void open_progress(const CatalogProgress& progress) = 0;
    virtual void update_progress(const CatalogProgress& progress) = 0;
    virtual void close_progress() = 0;
};

/// True when the catalog windows use the text size factor 0.9: large text on a
/// screen exactly 800 pixels wide.
bool catalog_smaller_text(const CatalogWindows& windows);

}  // namespace qor
