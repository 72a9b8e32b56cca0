#include "catalog/grid_list.h"

#include "base/fixed_record.h"
#include "catalog/catalog_file.h"

namespace qor {

namespace {

// Columns 1-12 of a grid-file line.
Text<12> grid_name_of(const Text<90>& line) {
    return Text<12>(line.sub(1, 12));
}

}  // namespace

void READ_GRIDS(const PathState& paths, CatalogList& catalog, const Text<94>& line) {
    const Text<12> requirement(line.sub(1, 12));
    const std::size_t dot = requirement.view().find('.');
    const int p = dot == std::string_view::npos ? 0 : static_cast<int>(dot) + 1;

    const char hours = line.at1(36);
    catalog.GridCount = (hours >= '0' && hours <= '9') ? hours - '0' : 0;

    const std::string directory = catalog_directory(paths);
    for (int k = 1; k <= catalog.GridCount; ++k) {
        Text<12> name(std::string(requirement.sub(1, p + 1)) + "G" + static_cast<char>('0' + k));
        Text<90>& entry = catalog.GridLines[static_cast<std::size_t>(k - 1)];
        entry = std::string(name.view()) + "=(file not calculated)";

        LineReader reader;
        if (!reader.open(directory + std::string(name.trimmed()))) continue;
        std::string_view text;
        if (!reader.next(text) || !reader.next(text)) continue;
        RecordWriter shown;
        shown.text(name.view(), 12).literal("=").text(text, 80);
        entry = shown.str();
    }
}

int GRID_SELECTED(CatalogList&) {
    return 0;
}

int GRID_DOUBLE_CLICK(CatalogList& catalog, int itemChosen) {
    if (itemChosen == 1) GRID_SELECTED(catalog);
    return 1 - itemChosen;
}

Message no_group_message() {
    Message message = button_message("OK");
    message.caption = "No initial grid file has been selected";
    message.background = "red";
    return message;
}

Message grid_not_calculated_message(const PathState& paths, const Text<12>& gridName) {
    Message message =
        button_message("File=" + std::string(paths.SubDir.trimmed()) + "\\" + gridName.str());
    message.caption = "Grid file has not been calculated";
    message.background = "red";
    return message;
}

int grid_file_step(PathState& paths, CatalogList& catalog, CatalogWindows& windows,
                   const Text<94>& line, GridStep variant) {
    READ_GRIDS(paths, catalog, line);
    catalog.GridIndex = 1;
    if (variant == GridStep::new_group || catalog.GridCount != 1) {
        GridWindow window(catalog, windows);
        windows.run_grid_window(window);
        // "Exit" chooses nothing, whatever line was highlighted.
        if (!window.accepted()) return 1;
    }
    if (catalog.GridIndex < 1 || catalog.GridIndex > catalog.GridCount) return 1;

    const Text<90>& chosen = catalog.GridLines[static_cast<std::size_t>(catalog.GridIndex - 1)];
    const Text<12> name = grid_name_of(chosen);
    if (chosen.sub(13, 18) == "=(file") {
        windows.show_message(grid_not_calculated_message(paths, name));
        return 1;
    }
    paths.FileName = std::string(paths.SubDir.trimmed()) + "\\" + name.str();
    paths.NewFileChosen = 1;
    return 0;
}

int NEW_GROUP_CB(PathState& paths, CatalogList& catalog, CatalogWindows& windows) {
    if (catalog.SelectedLine.sub(1, 10) == std::string_view("          ")) {
        windows.show_message(no_group_message());
        paths.NewFileChosen = 0;
        return 1;
    }
    const Text<94> line = catalog.SelectedLine;
    int result = grid_file_step(paths, catalog, windows, line, GridStep::new_group);
    if (result == 1) paths.NewFileChosen = 0;
    return result;
}

}  // namespace qor
