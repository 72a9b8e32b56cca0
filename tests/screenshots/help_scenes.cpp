// Help, Contents where the desktop has no viewer for the help file: the
// program's own help window on the sample package's HTML page.

#include "tests/screenshots/scenes.h"

namespace qor::screenshots {

std::vector<Scene> help_scenes() {
    return {{.name = "help-window",
             .steps = {{"SCREEN", "", trigger("HELP_CONTENTS")}, picture_of("helpWindow")}}};
}

}  // namespace qor::screenshots
