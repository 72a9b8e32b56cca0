// The builder's entry boxes: integers, reals and texts, kept within their
// limits as they are typed.

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QValidator>
#include <algorithm>
#include <charconv>

#include "base/fixed_record.h"
#include "base/text.h"
#include "toolkit/window_builder.h"

namespace qor {

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

}  // namespace qor
