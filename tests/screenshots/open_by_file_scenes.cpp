// "Open (by file)" refusing what a user may pick by mistake in the file dialog:
// the run's requirement file instead of one of its grid files, and a grid file
// left directly in AREADATA instead of a data sub-directory.

#include "tests/screenshots/scenes.h"

namespace qor::screenshots {

std::vector<Scene> open_by_file_scenes() {
    return {
        {.name = "open-by-file-wrong-suffix",
         .steps =
             {
                 {"SCREEN", "", trigger("OPENDATA")},
                 {"fileOpenDialog", "", choose_file("AREADATA/SAMPLE_001/SAMPLE01.HAL")},
                 {"messageBox", "open_by_file_wrong_suffix", close_window()},
             }},
        {.name = "open-by-file-wrong-sub-directory",
         .steps =
             {
                 {"SCREEN", "", trigger("OPENDATA")},
                 {"fileOpenDialog", "", choose_file("AREADATA/SAMPLE01.HG1")},
                 {"messageBox", "open_by_file_wrong_sub_directory", close_window()},
             },
         .copies = {{"AREADATA/SAMPLE_001/SAMPLE01.HG1", "AREADATA/SAMPLE01.HG1"}}},
    };
}

}  // namespace qor::screenshots
