#pragma once
// The message window: how the toolkit presents a message that a core routine
// describes.

#include "base/message.h"

class QWidget;

namespace qor {

/// Shows a message modally: caption, background, the exclamation icon, its
/// coloured lines and a centred default button carrying the message's label.
void show_message(const Message& message, QWidget* parent);

}  // namespace qor
