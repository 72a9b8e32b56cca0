// The main window without a file and with SAMPLE01.HG1, and the windows reached
// from its menus.

#include "tests/screenshots/scenes.h"

namespace qor::screenshots {

std::vector<Scene> main_window_scenes() {
    return {
        {.name = "main-window-without-file",
         .steps =
             {
                 {"SCREEN", "main_window_no_file", trigger("OPENDATA")},
                 picture_of("fileOpenDialog"),
                 {"SCREEN", "", trigger("SETUPCB")},
                 picture_of("SETUPCB"),
                 {"SCREEN", "", trigger("ABOUT")},
                 picture_of("ABOUT"),
             }},
        {.name = "main-window-with-file",
         .steps =
             {
                 {"SCREEN", "", trigger("OPENDATA")},
                 {"fileOpenDialog", "", choose_file("AREADATA/SAMPLE_001/SAMPLE01.HG1")},
                 {"SCREEN", "main_window", trigger("PRINTER_SETUP")},
                 picture_of("PRINTER_SETUP"),
             }},
    };
}

}  // namespace qor::screenshots
