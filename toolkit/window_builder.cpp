#include "toolkit/window_builder.h"

#include <QFrame>
#include <QLabel>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "base/text.h"
#include "toolkit/format_layout.h"

namespace qor {

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

}  // namespace

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
    // A window narrower than its title bar would cut its caption.
    layouts_.front()->set_minimum_width(caption_width(window_->windowTitle(), window_));
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
    // The window keeps its sizing frame either way: its user may enlarge it to
    // see more of a long caption or summary, and the layout keeps every
    // element where it was.
    window_->no_border_ = no_border;
    window_->maximise_ = maximise;
    return *this;
}

// ------------------------------------------------------------ lines and text --

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

// ---------------------------------------------------------------- framed boxes --

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

// ------------------------------------------------------------------- running --

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

}  // namespace qor
