#pragma once
// The screen measures that size the windows: the primary screen's width and
// the width of a vertical scroll bar. Read from the window system, unless a
// test has set them.

#include <optional>

namespace qor {

struct ScreenMetrics {
    int screenWidth = 0;     ///< width of the primary screen in pixels
    int scrollBarWidth = 0;  ///< width of a vertical scroll bar in pixels
};

/// The measures in force: the ones set by set_screen_metrics, otherwise the
/// window system's (1024 and 16 when no screen is available).
ScreenMetrics screen_metrics();
/// Makes screen_metrics() return these measures (nothing: the real ones again).
void set_screen_metrics(std::optional<ScreenMetrics> metrics);

/// Width of the primary screen in pixels.
int screen_width();
/// Width of a vertical scroll bar in pixels.
int scroll_bar_width();

/// 1 when the system uses large window text (a scroll bar wider than 20
/// pixels), else 0.
int ITEXTSIZ();

/// Sets the measures for as long as it lives, then restores the previous ones.
class ScopedScreenMetrics {
  public:
    explicit ScopedScreenMetrics(ScreenMetrics metrics);
    ~ScopedScreenMetrics();
    ScopedScreenMetrics(const ScopedScreenMetrics&) = delete;
    ScopedScreenMetrics& operator=(const ScopedScreenMetrics&) = delete;

  private:
    std::optional<ScreenMetrics> previous_;
};

}  // namespace qor
