#include "toolkit/window_builder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "base/fixed_record.h"
#include "platform/paths.h"
#include "toolkit/format_layout.h"

namespace qor {

// ------------------------------------------------------------------ texts --

QString qt_text(std::string_view latin1) {
    return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
}

std::string latin1_text(const QString& text) {
    QByteArray bytes = text.toLatin1();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

namespace {

// A bound field's CR LF (or a lone LF) separates the lines of a static text.
QString field_lines(const std::string& value) {
    std::string shown;
    shown.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') continue;
        shown += value[i] == '\0' ? ' ' : value[i];
    }
    return qt_text(shown);
}

std::string lower(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

int list_callback_choice = 0;

}  // namespace

QColor colour_by_name(std::string_view name) {
    std::string key(trim_right(lower(name)));
    while (!key.empty() && key.front() == ' ') key.erase(key.begin());
    // The names the package's settings and dialogs use, with the values of the
    // sixteen-colour palette they come from; anything else is tried as an
    // ordinary colour name.
    struct Named {
        const char* name;
        int red, green, blue;
    };
    static constexpr std::array<Named, 12> table{{{"white", 255, 255, 255},
                                                  {"black", 0, 0, 0},
                                                  {"red", 255, 0, 0},
                                                  {"green", 0, 255, 0},
                                                  {"blue", 0, 0, 255},
                                                  {"yellow", 255, 255, 0},
                                                  {"gray", 192, 192, 192},
                                                  {"grey", 192, 192, 192},
                                                  {"cyan", 0, 255, 255},
                                                  {"magenta", 255, 0, 255},
                                                  {"darkgray", 128, 128, 128},
                                                  {"brown", 128, 64, 0}}};
    for (const Named& entry : table) {
        if (key == entry.name) return QColor(entry.red, entry.green, entry.blue);
    }
    if (key.empty()) return {};
    QColor named = QColor::fromString(QString::fromLatin1(key.c_str()));
    return named;
}

QString font_family(std::string_view family) {
    std::string key(trim_right(lower(family)));
    if (key == "courier new" || key == "courier") return QStringLiteral("Liberation Mono");
    return qt_text(trim_right(family));
}

// ----------------------------------------------------------------- window --

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

bool Window::save_picture(const QString& file) const {
    return const_cast<Window*>(this)->grab().save(file);
}

void Window::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_once_) return;
    shown_once_ = true;
    // Screenshots of every window, for the documentation: set
    // QOR_SCREENSHOT_DIR and each window saves itself once it is drawn.
    QByteArray directory = qgetenv("QOR_SCREENSHOT_DIR");
    if (directory.isEmpty() || objectName().isEmpty()) return;
    QString file = QFile::decodeName(directory) + "/" + objectName() + ".png";
    QPointer<Window> self(this);
    QTimer::singleShot(400, this, [self, file] {
        if (self != nullptr) self->save_picture(file);
    });
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

// ------------------------------------------------------------ validators --

namespace {

// Keeps a real entry box's text a number within its limits: text that cannot
// grow into such a number is refused as it is typed.
class RangeValidator : public QValidator {
  public:
    RangeValidator(double minimum, double maximum, QObject* parent)
        : QValidator(parent), minimum_(minimum), maximum_(maximum) {}

    State validate(QString& input, int&) const override {
        std::string text = latin1_text(input.trimmed());
        if (text.empty()) return Intermediate;
        std::size_t digits = 0;
        std::size_t points = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            char c = text[i];
            if (c >= '0' && c <= '9') {
                ++digits;
            } else if (c == '.') {
                ++points;
            } else if ((c == '-' || c == '+') && i == 0) {
                if (c == '-' && minimum_ >= 0) return Invalid;
            } else {
                return Invalid;
            }
        }
        if (points > 1) return Invalid;
        if (digits == 0) return Intermediate;
        double value = 0;
        if (!parse(text, value)) return Invalid;
        if (value >= minimum_ && value <= maximum_) return Acceptable;
        // More digits only move a number away from zero, so a value already
        // beyond a limit on its own side of zero can never come back.
        if (value > maximum_ && value >= 0) return Invalid;
        if (value < minimum_ && value <= 0) return Invalid;
        return Intermediate;
    }

    static bool parse(std::string text, double& value) {
        if (!text.empty() && text.front() == '+') text.erase(text.begin());
        const char* end = text.data() + text.size();
        auto [stop, error] = std::from_chars(text.data(), end, value);
        return error == std::errc() && stop == end;
    }

  private:
    double minimum_;
    double maximum_;
};

// A real shown in an entry box: up to six decimals, trailing zeros dropped
// but one decimal kept ("1.0", "0.99", "-2.5").
QString real_text(double value) {
    std::string text(trim_right(format_real(value, 24, 6)));
    while (!text.empty() && text.front() == ' ') text.erase(text.begin());
    if (text.find('.') != std::string::npos) {
        while (text.size() > 1 && text.back() == '0' && text[text.size() - 2] != '.') {
            text.pop_back();
        }
    }
    if (text == "-0.0") text = "0.0";
    return qt_text(text);
}

}  // namespace

// ---------------------------------------------------------------- builder --

WindowBuilder::WindowBuilder(QWidget* parent, const QString& name)
    : owned_(std::make_unique<Window>(parent)) {
    window_ = owned_.get();
    window_->setObjectName(name);
    standard_font_ = window_->font();
    colour_ = QColor(Qt::black);
    auto* root = new FormatLayout(window_);
    QFontMetrics metrics(standard_font_);
    root->set_tab_width(default_tab_width * metrics.averageCharWidth());
    root->set_line_height(metrics.lineSpacing());
    root->setSizeConstraint(QLayout::SetMinimumSize);
    layouts_.push_back(root);
}

WindowBuilder::~WindowBuilder() = default;

FormatLayout* WindowBuilder::layout() const {
    return layouts_.back();
}

QFont WindowBuilder::current_font() const {
    QFont font = standard_font_;
    if (!family_.isEmpty()) {
        font.setFamily(family_);
        if (family_ == QLatin1String("Liberation Mono")) font.setStyleHint(QFont::Monospace);
    }
    if (size_factor_ != 1.0) {
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * size_factor_);
        } else if (font.pixelSize() > 0) {
            font.setPixelSize(
                std::max(1, static_cast<int>(std::lround(font.pixelSize() * size_factor_))));
        }
    }
    font.setBold(bold_);
    return font;
}

void WindowBuilder::add_widget(QWidget* widget, bool is_text) {
    QWidget* container = layout()->parentWidget();
    widget->setParent(container);
    layout()->add(new QWidgetItem(widget), false, is_text);
    if (is_text) return;
    last_control_ = widget;
    // Pointing at a control without help empties the help area.
    widget->installEventFilter(window_);
}

void WindowBuilder::apply_control_background(QWidget* widget) {
    if (next_background_.empty()) return;
    QColor colour = colour_by_name(next_background_);
    widget->setProperty("controlBackground", qt_text(next_background_));
    next_background_.clear();
    if (!colour.isValid()) return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
}

WindowBuilder& WindowBuilder::caption(std::string_view text) {
    window_->setWindowTitle(qt_text(text));
    return *this;
}

WindowBuilder& WindowBuilder::background(std::string_view colour) {
    QColor value = colour_by_name(colour);
    if (!value.isValid()) return *this;
    QPalette palette = window_->palette();
    palette.setColor(QPalette::Window, value);
    window_->setPalette(palette);
    window_->setAutoFillBackground(true);
    window_->setProperty("background", qt_text(trim_right(colour)));
    return *this;
}

WindowBuilder& WindowBuilder::style(bool no_border, bool maximise) {
    window_->no_border_ = no_border;
    window_->maximise_ = maximise;
    if (no_border && !maximise) layouts_.front()->setSizeConstraint(QLayout::SetFixedSize);
    return *this;
}

WindowBuilder& WindowBuilder::text(std::string_view latin1) {
    if (latin1.empty()) return *this;
    auto* label = new QLabel(qt_text(latin1));
    label->setTextFormat(Qt::PlainText);
    label->setFont(current_font());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour_);
    label->setPalette(palette);
    add_widget(label, true);
    return *this;
}

WindowBuilder& WindowBuilder::newline(int count) {
    QFontMetrics metrics(current_font());
    for (int i = 0; i < count; ++i) layout()->new_line(metrics.lineSpacing());
    return *this;
}

WindowBuilder& WindowBuilder::centre() {
    layout()->centre_line();
    return *this;
}

WindowBuilder& WindowBuilder::tab() {
    layout()->pending_tab();
    return *this;
}

WindowBuilder& WindowBuilder::tab_width(int characters) {
    tab_characters_ = characters;
    QFontMetrics metrics(standard_font_);
    for (FormatLayout* each : layouts_) {
        each->set_tab_width(characters * metrics.averageCharWidth());
    }
    return *this;
}

WindowBuilder& WindowBuilder::colour(std::string_view name) {
    QColor value = colour_by_name(name);
    colour_ = value.isValid() ? value : QColor(Qt::black);
    return *this;
}

WindowBuilder& WindowBuilder::colour(const QColor& value) {
    colour_ = value.isValid() ? value : QColor(Qt::black);
    return *this;
}

WindowBuilder& WindowBuilder::font(std::string_view family) {
    family_ = font_family(family);
    return *this;
}

WindowBuilder& WindowBuilder::text_size(double factor) {
    size_factor_ = factor > 0 ? factor : 1.0;
    return *this;
}

WindowBuilder& WindowBuilder::standard_font() {
    family_.clear();
    size_factor_ = 1.0;
    return *this;
}

WindowBuilder& WindowBuilder::bold(bool on) {
    bold_ = on;
    return *this;
}

WindowBuilder& WindowBuilder::exclamation_icon() {
    auto* icon = new QLabel;
    icon->setObjectName("exclamationIcon");
    int size = window_->style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    icon->setPixmap(window_->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size));
    add_widget(icon, false);
    return *this;
}

WindowBuilder& WindowBuilder::static_text(const QString& name, TextGetter getter, int width,
                                          int lines) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = current_font();
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour_);
    label->setPalette(palette);
    QFontMetrics metrics(font);
    label->setFixedSize(std::max(width, 1) * metrics.averageCharWidth() + 2,
                        std::max(lines, 1) * metrics.lineSpacing());
    auto repaint = [label, getter = std::move(getter)] { label->setText(field_lines(getter())); };
    repaint();
    window_->add_binding(label, repaint);
    add_widget(label, false);
    return *this;
}

WindowBuilder& WindowBuilder::button(std::string_view label, const QString& name, Callback callback,
                                     ButtonKind kind) {
    auto* button = new QPushButton(qt_text(label));
    button->setObjectName(name);
    button->setFont(current_font());
    button->setAutoDefault(false);
    if (kind == ButtonKind::default_button) button->setDefault(true);
    if (colour_ != QColor(Qt::black)) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, colour_);
        button->setPalette(palette);
    }
    Window* window = window_;
    QObject::connect(button, &QPushButton::clicked, window,
                     [window, callback = std::move(callback)] { window->run_callback(callback); });
    add_widget(button, false);
    return *this;
}

WindowBuilder& WindowBuilder::help(std::string_view latin1) {
    if (last_control_ != nullptr) window_->add_help(last_control_, qt_text(latin1));
    return *this;
}

WindowBuilder& WindowBuilder::menu(std::string_view title, const QString& name,
                                   std::vector<MenuItem> items, const std::int32_t* enabled_state) {
    if (menu_bar_ == nullptr) {
        menu_bar_ = new QMenuBar(window_);
        menu_bar_->setObjectName("menuBar");
        layouts_.front()->setMenuBar(menu_bar_);
    }
    QMenu* menu = menu_bar_->addMenu(qt_text(title));
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    Window* window = window_;
    for (MenuItem& item : items) {
        if (item.label == "|") {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(qt_text(item.label));
        action->setObjectName(qt_text(item.name));
        action->setEnabled(item.enabled);
        QObject::connect(
            action, &QAction::triggered, window,
            [window, callback = std::move(item.callback)] { window->run_callback(callback); });
    }
    // A help text given next belongs to no earlier control.
    last_control_ = nullptr;
    if (enabled_state != nullptr) {
        auto repaint = [menu, enabled_state] {
            menu->menuAction()->setEnabled(*enabled_state != 0);
        };
        repaint();
        window_->add_binding(menu, repaint);
    }
    return *this;
}

WindowBuilder& WindowBuilder::menu_action(std::string_view title, const QString& name,
                                          Callback callback, bool enabled) {
    if (menu_bar_ == nullptr) {
        menu_bar_ = new QMenuBar(window_);
        menu_bar_->setObjectName("menuBar");
        layouts_.front()->setMenuBar(menu_bar_);
    }
    QAction* action = menu_bar_->addAction(qt_text(title));
    action->setObjectName(name);
    action->setEnabled(enabled);
    last_control_ = nullptr;
    Window* window = window_;
    QObject::connect(action, &QAction::triggered, window,
                     [window, callback = std::move(callback)] { window->run_callback(callback); });
    return *this;
}

WindowBuilder& WindowBuilder::control_background(std::string_view colour) {
    next_background_ = std::string(colour);
    return *this;
}

WindowBuilder& WindowBuilder::drop_down(const QString& name, std::vector<std::string> items,
                                        std::int32_t& choice, Callback callback,
                                        int visible_lines) {
    return drop_down(
        name, [items = std::move(items)] { return items; }, choice, std::move(callback),
        visible_lines);
}

WindowBuilder& WindowBuilder::drop_down(const QString& name, ItemsGetter items,
                                        std::int32_t& choice, Callback callback,
                                        int visible_lines) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setFont(current_font());
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    if (visible_lines > 0) box->setMaxVisibleItems(visible_lines);
    apply_control_background(box);
    std::int32_t* bound = &choice;
    auto repaint = [box, bound, items = std::move(items)] {
        QSignalBlocker blocker(box);
        box->clear();
        for (const std::string& item : items()) box->addItem(qt_text(item));
        box->setCurrentIndex(*bound >= 1 && *bound <= box->count() ? *bound - 1 : -1);
    };
    repaint();
    Window* window = window_;
    QObject::connect(box, &QComboBox::currentIndexChanged, window,
                     [window, bound, callback = std::move(callback)](int index) {
                         *bound = index + 1;
                         window->run_callback(callback);
                     });
    window_->add_binding(box, repaint);
    add_widget(box, false);
    return *this;
}

namespace {

void size_list(QListWidget* list, int lines, int width) {
    QFontMetrics metrics(list->font());
    int row = std::max(list->sizeHintForRow(0), metrics.height() + 2);
    int frame = 2 * list->frameWidth();
    int scroll = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    list->setFixedSize(std::max(width, 1) * metrics.averageCharWidth() + frame + scroll + 6,
                       std::max(lines, 1) * row + frame);
}

}  // namespace

WindowBuilder& WindowBuilder::list_box(const QString& name, ItemsGetter items, std::int32_t& index,
                                       int lines, int width, Callback callback) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setFont(current_font());
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    apply_control_background(list);
    std::int32_t* bound = &index;
    auto repaint = [list, bound, items = std::move(items)] {
        QSignalBlocker blocker(list);
        list->clear();
        for (const std::string& item : items()) list->addItem(qt_text(item));
        int row = *bound >= 1 && *bound <= list->count() ? *bound - 1 : -1;
        list->setCurrentRow(row);
        if (row >= 0) list->scrollToItem(list->item(row));
    };
    repaint();
    size_list(list, lines, width);
    Window* window = window_;
    QObject::connect(list, &QListWidget::currentRowChanged, window,
                     [window, bound, callback](int row) {
                         *bound = row + 1;
                         list_callback_choice = 0;
                         window->run_callback(callback);
                     });
    QObject::connect(list, &QListWidget::itemActivated, window,
                     [window, bound, list, callback](QListWidgetItem* item) {
                         *bound = list->row(item) + 1;
                         list_callback_choice = 1;
                         window->run_callback(callback);
                         list_callback_choice = 0;
                     });
    window_->add_binding(list, repaint);
    add_widget(list, false);
    return *this;
}

WindowBuilder& WindowBuilder::multi_list_box(const QString& name, ItemsGetter items,
                                             std::span<std::int32_t> flags, int lines, int width,
                                             Callback callback) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setFont(current_font());
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setUniformItemSizes(true);
    apply_control_background(list);
    auto repaint = [list, flags, items = std::move(items)] {
        QSignalBlocker blocker(list);
        list->clear();
        for (const std::string& item : items()) list->addItem(qt_text(item));
        for (int row = 0; row < list->count(); ++row) {
            auto at = static_cast<std::size_t>(row);
            list->item(row)->setSelected(at < flags.size() && flags[at] == 1);
        }
    };
    repaint();
    size_list(list, lines, width);
    Window* window = window_;
    QObject::connect(list, &QListWidget::itemSelectionChanged, window,
                     [window, list, flags, callback = std::move(callback)] {
                         for (std::size_t i = 0; i < flags.size(); ++i) {
                             QListWidgetItem* item = list->item(static_cast<int>(i));
                             flags[i] = item != nullptr && item->isSelected() ? 1 : 0;
                         }
                         window->run_callback(callback);
                     });
    window_->add_binding(list, repaint);
    add_widget(list, false);
    return *this;
}

WindowBuilder& WindowBuilder::integer_box(const QString& name, std::int32_t& value,
                                          std::int32_t minimum, std::int32_t maximum, int width) {
    auto* box = new QSpinBox;
    box->setObjectName(name);
    box->setFont(current_font());
    box->setRange(minimum, maximum);
    box->setSingleStep(1);
    QFontMetrics metrics(box->font());
    box->setMinimumWidth(std::max(width, 1) * metrics.averageCharWidth() + 28);
    apply_control_background(box);
    std::int32_t* bound = &value;
    auto repaint = [box, bound] {
        QSignalBlocker blocker(box);
        box->setValue(*bound);
    };
    repaint();
    QObject::connect(box, &QSpinBox::valueChanged, window_, [bound](int typed) { *bound = typed; });
    window_->add_binding(box, repaint);
    add_widget(box, false);
    return *this;
}

WindowBuilder& WindowBuilder::real_box(const QString& name, double& value, double minimum,
                                       double maximum, int width) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setFont(current_font());
    edit->setValidator(new RangeValidator(minimum, maximum, edit));
    QFontMetrics metrics(edit->font());
    edit->setFixedWidth(std::max(width, 1) * metrics.averageCharWidth() + 12);
    apply_control_background(edit);
    double* bound = &value;
    auto repaint = [edit, bound] {
        QSignalBlocker blocker(edit);
        edit->setText(real_text(*bound));
    };
    repaint();
    QObject::connect(edit, &QLineEdit::textChanged, window_,
                     [bound, minimum, maximum](const QString& text) {
                         double typed = 0;
                         if (RangeValidator::parse(latin1_text(text.trimmed()), typed) &&
                             typed >= minimum && typed <= maximum) {
                             *bound = typed;
                         }
                     });
    window_->add_binding(edit, repaint);
    add_widget(edit, false);
    return *this;
}

WindowBuilder& WindowBuilder::text_box(const QString& name, TextGetter getter,
                                       std::function<void(const std::string&)> setter,
                                       int max_length, int width) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setFont(current_font());
    edit->setMaxLength(std::max(max_length, 1));
    QFontMetrics metrics(edit->font());
    edit->setFixedWidth(std::max(width, 1) * metrics.averageCharWidth() + 12);
    apply_control_background(edit);
    auto repaint = [edit, getter = std::move(getter)] {
        QSignalBlocker blocker(edit);
        edit->setText(qt_text(trim_right(getter())));
    };
    repaint();
    QObject::connect(
        edit, &QLineEdit::textChanged, window_,
        [setter = std::move(setter)](const QString& text) { setter(latin1_text(text)); });
    window_->add_binding(edit, repaint);
    add_widget(edit, false);
    return *this;
}

WindowBuilder& WindowBuilder::begin_box() {
    auto* frame = new QFrame;
    // The style draws the frame: a plain sunken panel loses its light edges on
    // a white window.
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    frame->setObjectName("box");
    auto* inner = new FormatLayout(frame);
    inner->setContentsMargins(6, 4, 6, 4);
    QFontMetrics metrics(standard_font_);
    inner->set_tab_width(tab_characters_ * metrics.averageCharWidth());
    inner->set_line_height(QFontMetrics(current_font()).lineSpacing());
    add_widget(frame, false);
    layouts_.push_back(inner);
    return *this;
}

WindowBuilder& WindowBuilder::end_box() {
    if (layouts_.size() > 1) layouts_.pop_back();
    return *this;
}

WindowBuilder& WindowBuilder::help_area() {
    begin_box();
    layout()->parentWidget()->setObjectName("inputHelpBox");
    QColor previous = colour_;
    colour(std::string_view("black"));
    text("Input Help: ");
    auto* label = new QLabel;
    label->setObjectName("inputHelp");
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = current_font();
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label->setPalette(palette);
    // Wide and tall enough for the longest help text of the window.
    QFontMetrics metrics(font);
    int width = 40 * metrics.averageCharWidth();
    int lines = 1;
    for (const auto& [object, help] : window_->helps_) {
        QStringList parts = help.split('\n');
        lines = std::max(lines, static_cast<int>(parts.size()));
        for (const QString& part : parts) width = std::max(width, metrics.horizontalAdvance(part));
    }
    label->setFixedSize(width + 4, lines * metrics.lineSpacing());
    window_->help_label_ = label;
    add_widget(label, true);
    end_box();
    colour_ = previous;
    return *this;
}

void WindowBuilder::run_modal() {
    window_->run_modal();
}

Window* WindowBuilder::show_modeless() {
    window_->show_modeless();
    return window_;
}

std::unique_ptr<Window> WindowBuilder::take() {
    return std::move(owned_);
}

// ----------------------------------------------------------------- helpers --

int listbox_item_selected() {
    return list_callback_choice;
}

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

void YIELDIT() {
    QCoreApplication::processEvents();
}

std::optional<std::string> open_file_dialog(
    QWidget* parent, std::string_view title,
    const std::vector<std::pair<std::string, std::string>>& filters, std::string_view start) {
    std::size_t cut = start.find_last_of("\\/");
    std::string folder =
        cut == std::string_view::npos ? std::string() : std::string(start.substr(0, cut));
    std::string pattern(cut == std::string_view::npos ? start : start.substr(cut + 1));
    QFileDialog dialog(parent, qt_text(title));
    dialog.setObjectName("fileOpenDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The package's files come in any case: "*.HG?" must list run1.hg1 too.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    QStringList names;
    QString selected;
    for (const auto& [label, patterns] : filters) {
        QString entry = qt_text(label) + " (" + qt_text(patterns) + ")";
        names << entry;
        if (selected.isEmpty() && patterns == pattern) selected = entry;
    }
    if (selected.isEmpty() && !pattern.empty()) {
        selected = qt_text(pattern) + " (" + qt_text(pattern) + ")";
        names.prepend(selected);
    }
    dialog.setNameFilters(names);
    if (!selected.isEmpty()) dialog.selectNameFilter(selected);
    if (!folder.empty()) {
        std::string native = native_path(folder);
        if (directory_exists(folder)) dialog.setDirectory(QFile::decodeName(native.c_str()));
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    QByteArray chosen = QFile::encodeName(files.front());
    return std::string(chosen.constData(), static_cast<std::size_t>(chosen.size()));
}

}  // namespace qor
