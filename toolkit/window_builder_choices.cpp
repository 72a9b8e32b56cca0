// The builder's controls that the user chooses with: buttons, menus,
// drop-down lists and list boxes.

#include <QComboBox>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

#include "toolkit/format_layout.h"
#include "toolkit/window_builder.h"

namespace qor {

namespace {

// 1 while a list box's callback runs for the choice of an item.
int list_callback_choice = 0;

QListWidget* new_list(const QString& name, const QFont& font,
                      QAbstractItemView::SelectionMode mode) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setFont(font);
    list->setSelectionMode(mode);
    list->setUniformItemSizes(true);
    return list;
}

// The height of one line as the list draws it (an empty list is measured
// with a line of its own for the time of the measure).
int line_height(QListWidget* list) {
    if (list->count() > 0) return list->sizeHintForRow(0);
    QSignalBlocker blocker(list);
    list->addItem(QStringLiteral("X"));
    const int height = list->sizeHintForRow(0);
    delete list->takeItem(0);
    return height;
}

void size_list(QListWidget* list, int lines, int width) {
    QFontMetrics metrics(list->font());
    int row = line_height(list);
    if (row <= 0) row = metrics.height() + 2;
    int frame = 2 * list->frameWidth();
    int scroll = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    list->setFixedSize(std::max(width, 1) * metrics.averageCharWidth() + frame + scroll + 6,
                       std::max(lines, 1) * row + frame);
}

}  // namespace

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
    window_->add_button(button,
                        kind == ButtonKind::cancel_button || name.endsWith(QLatin1String("_NO")));
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

QMenuBar* WindowBuilder::menu_bar() {
    if (menu_bar_ == nullptr) {
        menu_bar_ = new QMenuBar(window_);
        menu_bar_->setObjectName("menuBar");
        layouts_.front()->setMenuBar(menu_bar_);
    }
    return menu_bar_;
}

WindowBuilder& WindowBuilder::menu(std::string_view title, const QString& name,
                                   std::vector<MenuItem> items, const std::int32_t* enabled_state) {
    QMenu* menu = menu_bar()->addMenu(qt_text(title));
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
    QAction* action = menu_bar()->addAction(qt_text(title));
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

WindowBuilder& WindowBuilder::list_box(const QString& name, ItemsGetter items, std::int32_t& index,
                                       int lines, int width, Callback callback) {
    QListWidget* list = new_list(name, current_font(), QAbstractItemView::SingleSelection);
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
    // The bound number follows the highlighted (selected) line, not the
    // current one: the keyboard focus alone makes the first line current
    // without highlighting it, and must not choose it.
    QObject::connect(list, &QListWidget::itemSelectionChanged, window,
                     [window, bound, list, callback] {
                         const QList<QListWidgetItem*> selected = list->selectedItems();
                         *bound = selected.isEmpty() ? 0 : list->row(selected.front()) + 1;
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
    QListWidget* list = new_list(name, current_font(), QAbstractItemView::MultiSelection);
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
int listbox_item_selected() {
    return list_callback_choice;
}

}  // namespace qor
