#include "toolkit/window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

namespace qor {

Window::Window(QWidget* parent) : QDialog(parent) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

Window::~Window() = default;

int Window::update(const QString& name) {
    int count = 0;
    for (Binding& binding : bindings_) {
        if (binding.control != nullptr && binding.control->objectName() == name) {
            binding.repaint();
            ++count;
        }
    }
    return count;
}

void Window::refresh() {
    for (Binding& binding : bindings_) {
        if (binding.control != nullptr) binding.repaint();
    }
}

void Window::run_modal() {
    closed_ = false;
    setModal(true);
    if (maximise_) setWindowState(windowState() | Qt::WindowMaximized);
    exec();
}

void Window::show_modeless() {
    closed_ = false;
    setModal(false);
    if (maximise_) setWindowState(windowState() | Qt::WindowMaximized);
    show();
    raise();
    // Draw it now: the program goes on working without returning to the loop.
    QCoreApplication::processEvents();
}

void Window::close_window() {
    done(0);
}

void Window::keyPressEvent(QKeyEvent* event) {
    // Escape does not close a window: only its buttons, menu items and close
    // box do, as their callbacks decide.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Window::done(int result) {
    closed_ = true;
    QDialog::done(result);
}

QString Window::shown_help() const {
    return help_label_ != nullptr ? help_label_->text() : QString();
}

bool Window::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Enter:
        case QEvent::FocusIn:
            show_help_of(watched);
            break;
        case QEvent::Leave: {
            // Back to the help of the control that has the focus, if it has one.
            QWidget* focus = focusWidget();
            show_help_of(focus);
            break;
        }
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

void Window::show_help_of(QObject* control) {
    if (help_label_ == nullptr) return;
    for (const auto& [object, help] : helps_) {
        if (object != nullptr && object == control) {
            help_label_->setText(help);
            return;
        }
    }
    help_label_->clear();
}

void Window::add_binding(QObject* control, std::function<void()> repaint) {
    bindings_.push_back({control, std::move(repaint)});
}

void Window::add_help(QObject* control, const QString& help) {
    control->setProperty("helpText", help);
    // The parts of a composite control (the edit line of an entry box) show
    // the control's help too.
    std::vector<QObject*> parts{control};
    for (QWidget* child : control->findChildren<QWidget*>()) parts.push_back(child);
    for (QObject* part : parts) {
        helps_.emplace_back(part, help);
        part->installEventFilter(this);
    }
}

void Window::run_callback(const Callback& callback) {
    if (!callback) return;
    if (callback() == 0) close_window();
}

}  // namespace qor
