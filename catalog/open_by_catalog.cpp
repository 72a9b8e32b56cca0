#include "catalog/open_by_catalog.h"

#include "base/fixed_record.h"
#include "catalog/grid_list.h"

namespace qor {

namespace {

Message red_file_box(std::string caption, const std::string& path) {
    Message message = button_message("File:" + std::string(trim_right(path)));
    message.caption = std::move(caption);
    message.background = "red";
    return message;
}

}  // namespace

Message catalog_open_error(const std::string& path) {
    return red_file_box("catalog file OPEN ERROR", path);
}

Message catalog_read_error(const std::string& path) {
    return red_file_box("catalog file READ ERROR", path);
}

Message catalog_write_error(const std::string& path, const std::string& reason) {
    Message message = red_file_box("catalog file WRITE ERROR", path);
    message.lines.push_back(plain_line("The catalog file could not be rewritten;", true));
    message.lines.push_back(plain_line("it is left as it was.", true));
    if (!reason.empty()) message.lines.push_back(plain_line(reason, true));
    return message;
}

Message catalog_error(CatalogReadOutcome outcome, const std::string& path) {
    return outcome == CatalogReadOutcome::cannot_open ? catalog_open_error(path)
                                                      : catalog_read_error(path);
}

std::string requirement_list_format(int height) {
    return RecordWriter().literal("%").integer(height, 2, 2).literal(".106^lb").str();
}

int requirement_list_height(int count, int screenWidth) {
    if (count < 30) return count;
    return screenWidth <= 800 ? 20 : 30;
}

int REQ_SELECTED(CatalogList& catalog) {
    if (catalog.RequirementIndex >= 1 && catalog.RequirementIndex <= catalog.Count) {
        catalog.SelectedLine =
            catalog.Lines[static_cast<std::size_t>(catalog.RequirementIndex - 1)];
    }
    return 0;
}

int REQ_DOUBLE_CLICK(CatalogList& catalog, int itemChosen) {
    if (itemChosen == 1) REQ_SELECTED(catalog);
    return 1 - itemChosen;
}

int sort_command(const PathState& paths, CatalogList& catalog, CatalogWindows& windows, int key) {
    std::string path;
    Text<24> sortName;
    CatalogReadOutcome outcome = READ_CATALOG_FILE(paths, catalog, path, sortName);
    if (outcome != CatalogReadOutcome::read) {
        windows.show_message(catalog_error(outcome, path));
        return 0;
    }
    if (key < 1 || key > 4) key = 1;
    sortName = sort_names[static_cast<std::size_t>(key - 1)];
    SORT_CATALOG_FILE(catalog, sortName);
    WriteResult written = WRITE_CATALOG_FILE(catalog, path, sortName);
    if (!written.ok) {
        // The old file is whole; the window closes and the command ends.
        windows.show_message(catalog_write_error(path, written.error));
        return 0;
    }
    catalog.RequirementIndex = -1;
    return 0;
}

int SORT_R(const PathState& paths, CatalogList& catalog, CatalogWindows& windows) {
    return sort_command(paths, catalog, windows, 1);
}
int SORT_FTL(const PathState& paths, CatalogList& catalog, CatalogWindows& windows) {
    return sort_command(paths, catalog, windows, 2);
}
int SORT_LFT(const PathState& paths, CatalogList& catalog, CatalogWindows& windows) {
    return sort_command(paths, catalog, windows, 3);
}
int SORT_LTF(const PathState& paths, CatalogList& catalog, CatalogWindows& windows) {
    return sort_command(paths, catalog, windows, 4);
}

int OPCAT_CB(PathState& paths, CatalogList& catalog, CatalogWindows& windows) {
    for (;;) {
        std::string path;
        Text<24> sortName;
        CatalogReadOutcome outcome = READ_CATALOG_FILE(paths, catalog, path, sortName);
        if (outcome != CatalogReadOutcome::read) {
            windows.show_message(catalog_error(outcome, path));
            return 1;
        }
        RequirementWindow window(paths, catalog, windows, path, sortName);
        windows.run_requirement_window(window);
        if (catalog.RequirementIndex < 0) continue;  // a sort rewrote the catalog: show it again
        // "Exit", or a sort that failed: nothing is chosen, whatever was highlighted.
        if (!window.accepted()) return 1;
        if (catalog.RequirementIndex < 1 || catalog.RequirementIndex > catalog.Count) return 1;
        return grid_file_step(paths, catalog, windows, catalog.SelectedLine,
                              GridStep::from_catalog);
    }
}

}  // namespace qor
