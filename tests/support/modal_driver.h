#pragma once
// Drives modal windows in window tests: waits (polling the event loop) for
// the modal window with an objectName and hands it to a handler. A window that
// never appears is recorded and every open window is closed, so that a failing
// test ends instead of hanging.

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace qor::testing {

inline bool& modal_missed() {
    static bool missed = false;
    return missed;
}

inline void when_modal(const QString& name, std::function<void(QWidget*)> handler,
                       int tries = 250) {
    QTimer::singleShot(20, [name, handler = std::move(handler), tries]() mutable {
        QWidget* shown = QApplication::activeModalWidget();
        if (shown != nullptr && shown->objectName() == name) {
            handler(shown);
        } else if (tries > 0) {
            when_modal(name, std::move(handler), tries - 1);
        } else {
            modal_missed() = true;
            qWarning("window %s never appeared", qPrintable(name));
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* dialog = qobject_cast<QDialog*>(top)) dialog->done(0);
            }
        }
    });
}

}  // namespace qor::testing
