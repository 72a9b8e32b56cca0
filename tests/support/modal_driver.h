#pragma once
// Drives modal windows in window tests: waits (polling the event loop) for
// the modal window with an objectName and hands it to a handler. A window that
// never appears is recorded and every open window is closed, so that a failing
// test ends instead of hanging.

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "tests/support/test_support.h"

namespace qor::testing {

/// Points Qt's per-user settings (the file dialog's history, written to the
/// user's QtProject.conf) at a temporary folder for the rest of the test
/// program. Call it before the first dialog is built (initTestCase).
inline void isolate_user_settings() {
    static TempDir folder;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder.path()));
}

inline bool& modal_missed() {
    static bool missed = false;
    return missed;
}

// Closes the modal window with that objectName whenever it shows up within
// the next tries polls: a window that appears after its handler gave up must
// not block the test until the watchdog ends it.
inline void close_when_modal(const QString& name, int tries) {
    QTimer::singleShot(20, [name, tries] {
        QWidget* shown = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QDialog*>(shown);
            dialog != nullptr && dialog->objectName() == name) {
            dialog->done(0);
        } else if (tries > 0) {
            close_when_modal(name, tries - 1);
        }
    });
}

/// Waits up to tries polls of 20 ms (a loaded machine can take seconds to
/// show a file dialog) for the modal window with that objectName.
inline void when_modal(const QString& name, std::function<void(QWidget*)> handler,
                       int tries = 1500) {
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
            close_when_modal(name, 1500);
        }
    });
}

/// Types a path into a file-open dialog's name field and confirms it, as the
/// user does (selecting the file leaves the field alone while it has the
/// focus). A dialog that stays open after that is closed, so that the test
/// fails on what it checks instead of waiting for ever.
inline void choose_in_file_dialog(QWidget* dialog, const std::string& path) {
    auto* box = qobject_cast<QDialog*>(dialog);
    if (box == nullptr) return;
    if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) {
        name->setText(QString::fromStdString(path));
    }
    box->accept();
    if (box->isVisible()) box->done(QDialog::Rejected);
}

}  // namespace qor::testing
