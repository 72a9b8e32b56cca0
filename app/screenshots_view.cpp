#include "app/screenshots_view.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#include "areadata/open_data.h"
#include "toolkit/window_builder.h"

namespace qor {

namespace {

// Time for a window to be laid out and painted before it is pictured.
constexpr int settle_ms = 400;
// A toolkit window pictures itself 400 ms after it is shown: close it later.
constexpr int dialog_settle_ms = 900;

struct Shooter {
    Session* session;
    QPointer<Window> window;
    QString folder;
    QString name;
    QStringList actions;
};

bool usable(const QAction* action) {
    if (!action->isEnabled()) return false;
    for (QObject* parent = action->parent(); parent != nullptr; parent = parent->parent()) {
        if (const auto* menu = qobject_cast<const QMenu*>(parent)) {
            if (!menu->isEnabled() || !menu->menuAction()->isEnabled()) return false;
        }
    }
    return true;
}

void finish(const Shooter& shooter) {
    if (shooter.window.isNull()) return;
    const char* open = std::getenv("QOR_SCREENSHOT_OPEN");
    if (open != nullptr && shooter.session->paths.NewFileChosen == 0 &&
        shooter.name == "main_window_no_file") {
        choose_file(shooter.session->paths, open);
        OPENDATA(shooter.session->paths);
    }
    shooter.window->close_window();
}

void picture_action(const Shooter& shooter, int index) {
    if (shooter.window.isNull()) return;
    if (index >= shooter.actions.size()) {
        finish(shooter);
        return;
    }
    const QString action_name = shooter.actions[index];
    auto* action = shooter.window->findChild<QAction*>(action_name);
    if (action == nullptr || !usable(action)) {
        picture_action(shooter, index + 1);
        return;
    }
    // Windows of the toolkit picture themselves when shown; other dialogs
    // (the file-open dialog) are pictured here under their objectName.
    const QString folder = shooter.folder;
    QTimer::singleShot(dialog_settle_ms, shooter.window, [shooter, folder] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog == shooter.window) return;
        if (qobject_cast<Window*>(dialog) == nullptr && !dialog->objectName().isEmpty()) {
            dialog->grab().save(folder + "/" + dialog->objectName() + ".png");
        }
        dialog->close();
    });
    action->trigger();
    QTimer::singleShot(settle_ms / 4, shooter.window,
                       [shooter, index] { picture_action(shooter, index + 1); });
}

}  // namespace

void schedule_screenshots(Session& session, Window* window, const std::string& name) {
    const char* folder = std::getenv("QOR_SCREENSHOT_DIR");
    if (folder == nullptr || *folder == '\0') return;
    Shooter shooter{
        &session, window, QString::fromLocal8Bit(folder), QString::fromStdString(name), {}};
    if (const char* actions = std::getenv("QOR_SCREENSHOT_ACTIONS")) {
        shooter.actions = QString::fromLatin1(actions).split(',', Qt::SkipEmptyParts);
    }
    QDir().mkpath(shooter.folder);
    QTimer::singleShot(settle_ms, window, [shooter] {
        if (shooter.window.isNull()) return;
        shooter.window->save_picture(shooter.folder + "/" + shooter.name + ".png");
        picture_action(shooter, 0);
    });
}

}  // namespace qor
