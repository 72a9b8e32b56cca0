#pragma once
// The logic of the Title dialog: the plot title (the grid file's second line,
// GridFile.title) edited for the plots that follow; the grid file itself is
// not rewritten.

#include <optional>
#include <string>

#include "app/window_style.h"
#include "areadata/grid_file.h"
#include "base/text.h"

namespace qor {

/// The text bound to the dialog's entry box: the title and one blank.
using TitleEntry = Text<76>;

/// What TITLECB puts into the entry box: the title followed by one blank.
TitleEntry title_prepare(const GridFile& grid);

/// Accept: the title becomes the first 75 characters of the entry. Returns 0.
int TITLE_OK(const TitleEntry& entry, GridFile& grid);

/// Cancel: the title is unchanged. Returns 0.
int TITLE_NO();

/// The entry box's font: the fixed-pitch font at a size factor on small
/// screens (0.87 at 800 pixels with large text, 0.9 below 800 pixels); none
/// (the standard font) otherwise.
struct TitleFont {
    std::string family;
    double sizeFactor = 1.0;
};
std::optional<TitleFont> title_font(const ScreenSize& screen);

}  // namespace qor
