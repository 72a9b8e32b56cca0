#include "toolkit/gui_console.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QString>

namespace qor {

void GuiConsole::present(const std::vector<std::string>& lines, std::string_view message,
                         bool stopping) {
    Console::present(lines, message, stopping);
    // On the offscreen platform (scripted runs, tests) nobody could answer the
    // box: the lines have reached standard output, which is where they are read.
    if (QApplication::instance() == nullptr ||
        QGuiApplication::platformName() == QLatin1String("offscreen")) {
        return;
    }
    QString text;
    for (const std::string& line : lines) {
        if (!text.isEmpty()) text += '\n';
        text += QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
    }
    QString shown = QString::fromLatin1(message.data(), static_cast<qsizetype>(message.size()))
                        .trimmed();
    if (!shown.isEmpty()) {
        if (!text.isEmpty()) text += "\n\n";
        text += shown;
    }
    if (text.isEmpty()) return;
    QMessageBox box;
    box.setObjectName("consoleBox");
    box.setWindowTitle(stopping ? "QOR_PLOT stopped" : "QOR_PLOT");
    box.setText(text);
    box.setFont(QFont("Liberation Mono"));
    box.addButton(stopping ? "OK" : "Continue", QMessageBox::AcceptRole);
    box.exec();
}

}  // namespace qor
