#include "toolkit/message_action.h"

#include <utility>

#include "toolkit/message_box.h"

namespace qor {

std::function<int()> showing_message(QWidget* parent, std::function<CallbackResult()> action) {
    return [parent, action = std::move(action)] {
        const CallbackResult result = action();
        if (result.message) show_message(*result.message, parent);
        return result.keepOpen;
    };
}

}  // namespace qor
