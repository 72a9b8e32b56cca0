#include "tests/screenshots/scenes.h"

namespace qor::screenshots {

std::vector<Scene> all_scenes() {
    std::vector<Scene> scenes;
    for (auto group :
         {main_window_scenes, open_by_file_scenes, settings_scenes, help_scenes, catalog_scenes}) {
        for (Scene& scene : group()) scenes.push_back(std::move(scene));
    }
    return scenes;
}

}  // namespace qor::screenshots
