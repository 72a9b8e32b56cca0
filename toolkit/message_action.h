#pragma once
// Window callbacks for actions that may have something to tell the user.

#include <functional>

#include "base/callback_result.h"

class QWidget;

namespace qor {

/// A callback that runs the action, shows its message (when it has one) in a
/// modal box over parent, and then hands the action's keepOpen to the window.
std::function<int()> showing_message(QWidget* parent, std::function<CallbackResult()> action);

}  // namespace qor
