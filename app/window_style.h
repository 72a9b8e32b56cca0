#pragma once
// The window settings as every window applies them: background colours from
// WindowSettings, and the text scale and widths that depend on the screen.
// Shared by the main window and the dialogs of every subsystem.

#include <string>

#include "app/color_tables.h"

namespace qor {

/// The screen as the window rules see it.
struct ScreenSize {
    int width = 1024;   ///< primary screen width in pixels
    int largeText = 0;  ///< 1 when the system uses large window text (ITEXTSIZ)
};

/// Adds the main window's background colour: the significant part of
/// WindowSettings.MainColour, upper-cased in the record itself; "" when it
/// holds fewer than two characters.
std::string BACKMAIN(WindowSettings& settings);
/// The same for the input dialogs' colour, WindowSettings.InputColour.
std::string BACKGRND(WindowSettings& settings);

/// Text scale of the fixed-pitch texts: 1.0, 0.9 up to 800 pixels, 0.85 at
/// exactly 800 pixels with large window text.
double text_scale(const ScreenSize& screen);
/// Width in characters of the contour summary: 70, or 80 above 800 pixels and
/// at exactly 800 pixels with normal window text.
int contour_width(const ScreenSize& screen);

}  // namespace qor
