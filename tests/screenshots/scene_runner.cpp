#include "tests/screenshots/scene_runner.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "tests/support/modal_driver.h"

namespace qor::screenshots {

namespace {

// Time a window gets to be laid out and drawn before it is pictured or used;
// the file dialog fills its listing in the background and gets longer.
constexpr qint64 settle_ms = 500;
constexpr qint64 file_dialog_settle_ms = 1200;
// A step whose window has not appeared by then has failed (a loaded machine
// can take seconds to open a file dialog).
constexpr qint64 step_timeout_ms = 30000;
// Windows that will not close after a failure end the program.
constexpr qint64 give_up_ms = 60000;

const char* const shown_at_property = "sceneShownAt";

QPixmap last_look(QWidget* window);

// A menu action can be triggered when neither it nor a menu holding it is greyed.
bool usable(const QAction* action) {
    if (!action->isEnabled()) return false;
    for (QObject* parent = action->parent(); parent != nullptr; parent = parent->parent()) {
        if (const auto* menu = qobject_cast<const QMenu*>(parent)) {
            if (!menu->isEnabled() || !menu->menuAction()->isEnabled()) return false;
        }
    }
    return true;
}

void close_widget(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->done(0);
    } else {
        window->close();
    }
}

qint64 shown_at(const QWidget* window) {
    QVariant value = window->property(shown_at_property);
    return value.isValid() ? value.toLongLong() : -1;
}

}  // namespace

SceneRunner::SceneRunner(QString folder, std::string package_root)
    : folder_(std::move(folder)), package_root_(std::move(package_root)) {
    clock_.start();
    poll_timer_.setInterval(50);
    connect(&poll_timer_, &QTimer::timeout, this, &SceneRunner::poll);
    qApp->installEventFilter(this);
}

SceneRunner::~SceneRunner() {
    qApp->removeEventFilter(this);
}

void SceneRunner::start(const Scene& scene) {
    scene_ = scene.name;
    steps_.assign(scene.steps.begin(), scene.steps.end());
    passing_ = scene.passing;
    step_number_ = 1;
    step_since_ = clock_.elapsed();
    last_action_ = step_since_;
    failed_ = false;
    poll_timer_.start();
}

bool SceneRunner::finish() {
    poll_timer_.stop();
    if (!steps_.empty()) fail("the program's window loop ended before this step");
    steps_.clear();
    for (const Passing& passing : passing_) {
        std::fprintf(stderr, "scene %s: window %s never closed\n", scene_.c_str(),
                     qPrintable(passing.window));
        failed_ = true;
    }
    passing_.clear();
    return !failed_;
}

bool SceneRunner::eventFilter(QObject* watched, QEvent* event) {
    // Every window notes when it was last shown, so that it is pictured only
    // once it has been drawn.
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow()) {
            widget->setProperty(shown_at_property, clock_.elapsed());
        }
    }
    // A passing window is pictured as it closes, showing its last change: the
    // program closes it at once after that.
    if (event->type() == QEvent::Hide && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        for (auto passing = passing_.begin(); widget->isWindow() && passing != passing_.end();
             ++passing) {
            if (widget->objectName() != passing->window) continue;
            if (!save_picture(last_look(widget), passing->picture)) {
                std::fprintf(stderr, "scene %s: the picture %s could not be saved\n",
                             scene_.c_str(), qPrintable(passing->picture));
                failed_ = true;
            }
            passing_.erase(passing);
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

QWidget* SceneRunner::ready_window(const QString& name) const {
    QWidget* modal = QApplication::activeModalWidget();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || top->objectName() != name) continue;
        // A modal window under another one cannot be used until that one closes.
        if (top->windowModality() == Qt::NonModal || top == modal) return top;
    }
    return nullptr;
}

bool SceneRunner::settled(const QWidget* window) const {
    const qint64 shown = shown_at(window);
    if (shown < 0) return false;
    const qint64 wait =
        qobject_cast<const QFileDialog*>(window) != nullptr ? file_dialog_settle_ms : settle_ms;
    const qint64 now = clock_.elapsed();
    return now - shown >= wait && now - last_action_ >= settle_ms;
}

void SceneRunner::poll() {
    const qint64 now = clock_.elapsed();
    QWidget* modal = QApplication::activeModalWidget();
    if (steps_.empty()) {
        // The scene is over: close what is still open, down to the main window,
        // which ends the program's window loop.
        if (modal != nullptr && settled(modal)) {
            last_action_ = now;
            QPointer<QWidget> window(modal);
            QTimer::singleShot(0, this, [window] {
                if (window != nullptr) close_widget(window);
            });
        }
        if (now - step_since_ > give_up_ms) {
            std::fprintf(stderr, "scene %s: windows stay open; giving up\n", scene_.c_str());
            std::fflush(nullptr);
            std::_Exit(3);
        }
        return;
    }
    const Step& step = steps_.front();
    if (QWidget* window = ready_window(step.window); window != nullptr && settled(window)) {
        perform(step, window);
        return;
    }
    // A modal window shown since the last step acted, and not the one awaited:
    // nothing in the scene expects it.
    if (modal != nullptr && settled(modal) && shown_at(modal) >= last_action_) {
        handle_unscripted(modal);
        return;
    }
    if (now - step_since_ > step_timeout_ms) fail("the window did not appear");
}

void SceneRunner::perform(const Step& step, QWidget* window) {
    last_action_ = clock_.elapsed();
    if (!step.picture.isEmpty() && !save_picture(window, step.picture)) {
        fail("its picture could not be saved as " + step.picture + ".png");
        return;
    }
    // Acting may open a modal window, whose event loop runs inside the action:
    // act from a timer of its own so that polling goes on meanwhile.
    QPointer<QWidget> target(window);
    QTimer::singleShot(0, this, [this, target, number = step_number_, step] {
        const QString error =
            target != nullptr ? act(target, step.action) : QString("the window closed too early");
        if (!error.isEmpty()) report(number, step.window, error);
    });
    steps_.pop_front();
    ++step_number_;
    step_since_ = last_action_;
}

QString SceneRunner::act(QWidget* window, const Action& action) {
    switch (action.kind) {
        case Action::Kind::close:
            close_widget(window);
            return {};
        case Action::Kind::trigger: {
            if (auto* menu_action = window->findChild<QAction*>(action.target)) {
                if (!usable(menu_action)) return "its action " + action.target + " is greyed";
                menu_action->trigger();
                return {};
            }
            auto* button = window->findChild<QAbstractButton*>(action.target);
            if (button == nullptr || !button->isEnabled()) {
                return "it has no action or enabled button " + action.target;
            }
            button->click();
            return {};
        }
        case Action::Kind::highlight: {
            auto* list = window->findChild<QListWidget*>(action.target);
            if (list == nullptr || list->item(action.row) == nullptr) {
                return "it has no list " + action.target + " with line " +
                       QString::number(action.row + 1);
            }
            list->setCurrentRow(action.row);
            return {};
        }
        case Action::Kind::choose_file: {
            const std::filesystem::path file =
                std::filesystem::path(package_root_) / action.target.toStdString();
            if (!std::filesystem::exists(file)) {
                close_widget(window);
                return "the file to choose is missing: " + QString::fromStdString(file.string());
            }
            testing::choose_in_file_dialog(window, file.string());
            return {};
        }
        case Action::Kind::type_text: {
            auto* box = window->findChild<QLineEdit*>(action.target);
            if (box == nullptr || !box->isEnabled()) return "it has no entry box " + action.target;
            box->setText(action.text);
            return {};
        }
    }
    return {};
}

void SceneRunner::handle_unscripted(QWidget* window) {
    last_action_ = clock_.elapsed();
    const QString name = window->objectName();
    if (name.isEmpty()) {
        std::fprintf(stderr, "scene %s: closed a window without a name that no step expects\n",
                     scene_.c_str());
    } else if (save_picture(window, name)) {
        std::fprintf(stderr, "scene %s: window %s has no step; pictured and closed\n",
                     scene_.c_str(), qPrintable(name));
    }
    QPointer<QWidget> target(window);
    QTimer::singleShot(0, this, [target] {
        if (target != nullptr) close_widget(target);
    });
}

namespace {

// The window with its frame and title bar as the screen shows them, where a
// window manager draws a frame; the window's own drawing elsewhere.
QPixmap framed_picture(QWidget* window) {
    const QRect frame = window->frameGeometry();
    if (frame != window->geometry()) {
        if (QScreen* screen = window->screen()) {
            QPixmap shown =
                screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
            if (!shown.isNull()) return shown;
        }
    }
    return window->grab();
}

// A window the program has just hidden, as it last looked: its drawing shown
// again in a stand-in with the same caption and window flags, so that the
// window manager frames it as it framed the window itself.
QPixmap last_look(QWidget* window) {
    const QPixmap content = window->grab();
    // Over the same parent, so that the window manager keeps it on top of the
    // main window as it kept the window itself.
    QLabel stand_in(window->parentWidget());
    stand_in.setWindowFlags(window->windowFlags());
    stand_in.setWindowTitle(window->windowTitle());
    stand_in.setPixmap(content);
    stand_in.setFixedSize(window->size());
    stand_in.move(window->pos());
    stand_in.show();
    stand_in.raise();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < settle_ms) QApplication::processEvents(QEventLoop::AllEvents, 50);
    return framed_picture(&stand_in);
}

}  // namespace

bool SceneRunner::save_picture(QWidget* window, const QString& name) {
    return save_picture(framed_picture(window), name);
}

bool SceneRunner::save_picture(const QPixmap& picture, const QString& name) {
    const QString file = name + ".png";
    if (!picture.save(folder_ + "/" + file)) return false;
    if (!pictures_.contains(file)) pictures_ << file;
    return true;
}

void SceneRunner::fail(const QString& what) {
    report(step_number_, steps_.empty() ? QString() : steps_.front().window, what);
}

void SceneRunner::report(int step, const QString& window, const QString& what) {
    failed_ = true;
    std::fprintf(stderr, "scene %s, step %d (window %s): %s\n", scene_.c_str(), step,
                 qPrintable(window), qPrintable(what));
    // The remaining steps cannot follow: close the windows and end the scene.
    steps_.clear();
    step_since_ = clock_.elapsed();
}

}  // namespace qor::screenshots
