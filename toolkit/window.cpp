#include "toolkit/window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "toolkit/screen_metrics.h"

namespace qor {

namespace {
// Title fonts run from the dialog font's size to about a tenth larger, often
// bold; the title bar's icon and its three buttons take about eleven lines of
// that font's height (Windows: 16 + 3 x 46 pixels at a 16-pixel font).
constexpr double title_font_factor = 1.1;
constexpr int title_bar_furniture_lines = 11;
}  // namespace

int caption_width(const QString& caption, const QWidget* window) {
    if (caption.isEmpty()) return 0;
    QFont title = window != nullptr ? window->font() : QApplication::font();
    if (title.pointSizeF() > 0) {
        title.setPointSizeF(title.pointSizeF() * title_font_factor);
    } else if (title.pixelSize() > 0) {
        title.setPixelSize(static_cast<int>(std::ceil(title.pixelSize() * title_font_factor)));
    }
    title.setBold(true);
    QFontMetrics metrics(title);
    int width = metrics.horizontalAdvance(caption) + title_bar_furniture_lines * metrics.height();
    return std::min(width, screen_width());
}

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
    // Escape does what the window's Cancel does, through its callback, so that
    // the window closes or stays open as the callback decides. QDialog's own
    // Escape would close the window behind the callbacks' backs.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        if (QAbstractButton* button = escape_button();
            button != nullptr && button->isEnabled() && button->isVisible()) {
            button->click();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

QAbstractButton* Window::escape_button() const {
    if (cancel_button_ != nullptr) return cancel_button_;
    QAbstractButton* only = nullptr;
    for (const QPointer<QAbstractButton>& button : buttons_) {
        if (button == nullptr) continue;
        if (only != nullptr) return nullptr;
        only = button;
    }
    auto* push = qobject_cast<QPushButton*>(only);
    return push != nullptr && push->isDefault() ? push : nullptr;
}

void Window::add_button(QAbstractButton* button, bool cancel) {
    buttons_.emplace_back(button);
    if (cancel && cancel_button_ == nullptr) cancel_button_ = button;
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
