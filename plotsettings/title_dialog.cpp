#include "plotsettings/title_dialog.h"

namespace qor {

TitleEntry title_prepare(const GridFile& grid) {
    return TitleEntry(grid.title.view());
}

int TITLE_OK(const TitleEntry& entry, GridFile& grid) {
    grid.title.assign(entry.view());
    return 0;
}

int TITLE_NO() {
    return 0;
}

std::optional<TitleFont> title_font(const ScreenSize& screen) {
    if (screen.largeText == 1 && screen.width == 800) return TitleFont{"Courier New", 0.87};
    if (screen.width < 800) return TitleFont{"Courier New", 0.9};
    return std::nullopt;
}

}  // namespace qor
