#include "toolkit/message_box.h"

#include "toolkit/window_builder.h"

namespace qor {

void show_message(const Message& message, QWidget* parent) {
    WindowBuilder box(parent, "messageBox");
    if (!message.caption.empty()) box.caption(message.caption);
    box.background(message.background);
    if (message.exclamation) box.exclamation_icon();
    for (std::size_t i = 0; i < message.lines.size(); ++i) {
        const MessageLine& line = message.lines[i];
        if (i > 0) box.newline();
        if (line.centred) box.centre();
        for (const TextRun& run : line.runs) box.colour(run.colour).text(run.text);
    }
    if (!message.lines.empty()) box.newline(2);
    box.centre().colour(message.buttonColour);
    std::string label = message.button.empty() ? std::string("OK") : message.button;
    box.button(
        label, "messageButton", [] { return 0; }, ButtonKind::default_button);
    box.run_modal();
}

}  // namespace qor
