#include "toolkit/gui_console.h"

#include <QApplication>
#include <QGuiApplication>

#include "base/text.h"
#include "toolkit/message_box.h"

namespace qor {

Message console_message(const std::vector<std::string>& lines, std::string_view message,
                        bool stopping) {
    Message box;
    box.caption = stopping ? "QOR_PLOT stopped" : "QOR_PLOT";
    box.exclamation = stopping;
    for (const std::string& line : lines) box.lines.push_back(plain_line(line));
    std::string_view shown = trim_right(message);
    while (!shown.empty() && shown.front() == ' ') shown.remove_prefix(1);
    if (!shown.empty()) {
        if (!box.lines.empty()) box.lines.push_back(plain_line(""));
        box.lines.push_back(plain_line(std::string(shown)));
    }
    box.button = stopping ? "OK" : "Continue";
    return box;
}

void GuiConsole::present(const std::vector<std::string>& lines, std::string_view message,
                         bool stopping) {
    Console::present(lines, message, stopping);
    // On the offscreen platform (scripted runs, tests) nobody could answer the
    // box: the lines have reached standard output, which is where they are read.
    if (QApplication::instance() == nullptr ||
        QGuiApplication::platformName() == QLatin1String("offscreen")) {
        return;
    }
    Message box = console_message(lines, message, stopping);
    if (box.lines.empty()) return;
    show_message(box, nullptr);
}

}  // namespace qor
