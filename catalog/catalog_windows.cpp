#include "catalog/catalog_windows.h"

#include <algorithm>

#include "base/fixed_record.h"
#include "catalog/grid_list.h"
#include "catalog/open_by_catalog.h"

namespace qor {

bool catalog_smaller_text(const CatalogWindows& windows) {
    return windows.large_text() && windows.screen_width() == 800;
}

std::vector<MessageLine> progress_lines(const CatalogProgress& progress) {
    MessageLine reading;
    reading.centred = true;
    reading.runs = {{"Reading: ", ""}, {progress.percentage.str(), "red"}, {" done", ""}};
    MessageLine found;
    found.centred = true;
    found.runs = {{progress.count.str(), "red"}, {" files found", ""}};
    return {reading, found};
}

// ------------------------------------------------------- requirement list --

RequirementWindow::RequirementWindow(const PathState& paths, CatalogList& catalog,
                                     CatalogWindows& windows, const std::string& path,
                                     const Text<24>& sort)
    : paths_(paths), catalog_(catalog), windows_(windows) {
    catalog.RequirementIndex = 0;
    caption = "Select requirement from:" + std::string(trim_right(path)) + " " +
              format_integer(catalog.Count, 4) + " requirements found";
    sortName = std::string(sort.trimmed());
    smallerText = catalog_smaller_text(windows);
    listHeight = requirement_list_height(catalog.Count, windows.screen_width());
    listFormat = requirement_list_format(listHeight);
}

const Text<94>& RequirementWindow::header() const {
    return catalog_.Header;
}
int RequirementWindow::count() const {
    return catalog_.Count;
}
const Text<94>& RequirementWindow::line(int i) const {
    static const Text<94> none;
    if (i < 1 || i > std::min(count(), catalog_capacity)) return none;
    return catalog_.Lines[static_cast<std::size_t>(i - 1)];
}
int RequirementWindow::highlighted() const {
    return catalog_.RequirementIndex;
}

int RequirementWindow::select(int index) {
    catalog_.RequirementIndex = index;
    return REQ_DOUBLE_CLICK(catalog_, 0);
}

int RequirementWindow::double_click(int index) {
    catalog_.RequirementIndex = index;
    accepted_ = true;
    return REQ_DOUBLE_CLICK(catalog_, 1);
}

int RequirementWindow::accept() {
    accepted_ = true;
    return REQ_SELECTED(catalog_);
}

int RequirementWindow::sort(int key) {
    switch (key) {
        case 2:
            return SORT_FTL(paths_, catalog_, windows_);
        case 3:
            return SORT_LFT(paths_, catalog_, windows_);
        case 4:
            return SORT_LTF(paths_, catalog_, windows_);
        default:
            return SORT_R(paths_, catalog_, windows_);
    }
}

// ---------------------------------------------------------- grid-file list --

GridWindow::GridWindow(CatalogList& catalog, CatalogWindows& windows) : catalog_(catalog) {
    catalog.GridIndex = 0;
    caption = "Select grid file to plot";
    smallerText = catalog_smaller_text(windows);
    listHeight = catalog.GridCount;
    listFormat = RecordWriter().literal("%").integer(catalog.GridCount, 1).literal(".106^lb").str();
}

const Text<94>& GridWindow::header() const {
    return catalog_.Header;
}
const Text<94>& GridWindow::selectedLine() const {
    return catalog_.SelectedLine;
}
int GridWindow::count() const {
    return catalog_.GridCount;
}
const Text<90>& GridWindow::line(int i) const {
    static const Text<90> none;
    if (i < 1 || i > std::min(count(), 9)) return none;
    return catalog_.GridLines[static_cast<std::size_t>(i - 1)];
}
int GridWindow::highlighted() const {
    return catalog_.GridIndex;
}

int GridWindow::select(int index) {
    catalog_.GridIndex = index;
    return GRID_DOUBLE_CLICK(catalog_, 0);
}

int GridWindow::double_click(int index) {
    catalog_.GridIndex = index;
    accepted_ = true;
    return GRID_DOUBLE_CLICK(catalog_, 1);
}

int GridWindow::accept() {
    accepted_ = true;
    return GRID_SELECTED(catalog_);
}

}  // namespace qor
