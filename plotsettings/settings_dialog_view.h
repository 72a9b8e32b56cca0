#pragma once
// What the four settings dialogs share in the window layer: the screen their
// layout rules see, and the repaint of a summary bound to the window that
// opened them.

#include <QString>

#include "app/window_style.h"
#include "toolkit/screen_metrics.h"
#include "toolkit/window.h"

namespace qor {

/// The screen width and the large-text test in force.
inline ScreenSize dialog_screen() {
    return ScreenSize{screen_width(), ITEXTSIZ()};
}

/// Repaints the controls bound under name in the window that opened a dialog
/// (nothing when that is not one of the toolkit's windows).
inline void repaint_in(QWidget* opener, const QString& name) {
    if (auto* window = qobject_cast<Window*>(opener)) window->update(name);
}

}  // namespace qor
