// Catalog creation with its progress window and confirmation, the requirement
// window before and after a sort, the grid-file window, the main window
// rebuilt on the file chosen there, and the boxes of the catalog commands.

#include "tests/screenshots/scenes.h"

namespace qor::screenshots {

namespace {

// Creates the catalog of SAMPLE_001 and opens it: the requirement window is
// next.
std::vector<Step> create_and_open(const QString& created_picture = {}) {
    return {{"SCREEN", "", trigger("CREATECB")},
            {"messageBox", created_picture, close_window()},
            {"SCREEN", "", trigger("OPCAT_CB")}};
}

std::vector<Step> joined(std::vector<Step> first, const std::vector<Step>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

}  // namespace

std::vector<Scene> catalog_scenes() {
    return {
        // The road of the documentation: create, open, sort by frequency, take
        // SAMPLE02 and its hour 2, then New Group on the rebuilt main window.
        {.name = "catalog-open-sort-choose",
         .steps = joined(create_and_open("catalog_created"),
                         {
                             {"OPCAT_CB", "requirement_window", trigger("SORT_FTL")},
                             {"OPCAT_CB", "", highlight("REQ_DOUBLE_CLICK", 0)},
                             {"OPCAT_CB", "requirement_window_sorted", trigger("REQ_SELECTED")},
                             {"grid_file_step", "", highlight("GRID_DOUBLE_CLICK", 1)},
                             {"grid_file_step", "grid_file_window", trigger("GRID_SELECTED")},
                             {"SCREEN", "main_window_sample02", trigger("NEW_GROUP_CB")},
                             {"grid_file_step", "new_group_window", close_window()},
                         }),
         .passing = {{"CREATECB", "catalog_progress"}}},
        // An 800-pixel screen with large window text: the text at 0.9.
        {.name = "catalog-requirement-window-800",
         .steps =
             joined(create_and_open(), {{"OPCAT_CB", "requirement_window_800", close_window()}}),
         .screen = ScreenMetrics{800, 24}},
        {.name = "catalog-grid-not-calculated",
         .steps = joined(create_and_open(),
                         {
                             {"OPCAT_CB", "", highlight("REQ_DOUBLE_CLICK", 1)},
                             {"OPCAT_CB", "", trigger("REQ_SELECTED")},
                             {"grid_file_step", "", highlight("GRID_DOUBLE_CLICK", 2)},
                             {"grid_file_step", "", trigger("GRID_SELECTED")},
                             {"messageBox", "grid_not_calculated", close_window()},
                         })},
        {.name = "catalog-new-group-first",
         .steps = {{"SCREEN", "", trigger("NEW_GROUP_CB")},
                   {"messageBox", "no_group_selected", close_window()}}},
        // No MIRVEN catalog is ever created in the sample package.
        {.name = "catalog-open-error",
         .steps = {{"SCREEN", "", trigger("OPCAT_CB")},
                   {"messageBox", "catalog_open_error", close_window()}},
         .model = "MIRVEN"},
        {.name = "catalog-read-error",
         .steps = {{"SCREEN", "", trigger("OPCAT_CB")},
                   {"messageBox", "catalog_read_error", close_window()}},
         .copies = {{"AREADATA/SAMPLE_001/SAMPLE01.HG1", "AREADATA/SAMPLE_001/MIRVEN.TXT"}},
         .model = "MIRVEN"},
        // A sub-directory that does not exist: the catalog cannot be created.
        {.name = "catalog-create-error",
         .steps = {{"SCREEN", "", trigger("CREATECB")},
                   {"messageBox", "catalog_create_error", close_window()}},
         .subDirectory = "NOSUCH_SUB"},
    };
}

}  // namespace qor::screenshots
