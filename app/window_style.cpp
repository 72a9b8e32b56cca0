#include "app/window_style.h"

namespace qor {

namespace {

template <std::size_t N>
std::string background_of(Text<N>& colour) {
    const int length = LCOUNT(colour, static_cast<int>(N));
    if (length <= 1) return {};
    UCASE(colour, length);
    return std::string(colour.sub(1, length));
}

}  // namespace

std::string BACKMAIN(WindowSettings& settings) {
    return background_of(settings.MainColour);
}

std::string BACKGRND(WindowSettings& settings) {
    return background_of(settings.InputColour);
}

double text_scale(const ScreenSize& screen) {
    if (screen.width == 800 && screen.largeText == 1) return 0.85;
    if (screen.width <= 800) return 0.9;
    return 1.0;
}

int contour_width(const ScreenSize& screen) {
    if (screen.width > 800 || (screen.width == 800 && screen.largeText == 0)) return 80;
    return 70;
}

}  // namespace qor
