#include "base/message.h"

namespace qor {

std::string Message::text() const {
    std::string result;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) result += '\n';
        for (const TextRun& run : lines[i].runs) result += run.text;
    }
    return result;
}

Message button_message(std::string label) {
    Message message;
    message.button = std::move(label);
    return message;
}

MessageLine plain_line(std::string text, bool centred) {
    MessageLine line;
    line.centred = centred;
    line.runs.push_back({std::move(text), ""});
    return line;
}

}  // namespace qor
