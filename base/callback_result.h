#pragma once
// What an action of a window hands back: the callback result its window
// expects, and the message the user must be shown before it takes effect (a
// file that could not be written, a file that cannot be opened).

#include <optional>

#include "base/message.h"

namespace qor {

struct CallbackResult {
    int keepOpen = 1;                ///< 1 keeps the window open, 0 closes it
    std::optional<Message> message;  ///< shown over the window first, when set
};

}  // namespace qor
