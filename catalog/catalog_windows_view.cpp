#include "catalog/catalog_windows_view.h"

#include <QApplication>
#include <array>

#include "catalog/catalog_file.h"
#include "catalog/grid_list.h"
#include "toolkit/screen_metrics.h"
#include "toolkit/window_builder.h"

namespace qor {

namespace {

constexpr std::string_view red = "red";
constexpr std::string_view black = "";
constexpr std::string_view catalog_font = "Courier";
constexpr double smaller_text_factor = 0.9;

constexpr std::array<const char*, 4> sort_routines = {"SORT_R", "SORT_FTL", "SORT_LFT", "SORT_LTF"};

constexpr const char* percentage_field = "CatalogProgress.percentage";
constexpr const char* count_field = "CatalogProgress.count";

template <typename Model>
ItemsGetter list_items(const Model& model) {
    return [&model] {
        std::vector<std::string> items;
        items.reserve(static_cast<std::size_t>(std::max(model.count(), 0)));
        for (int i = 1; i <= model.count(); ++i) items.push_back(model.line(i).str());
        return items;
    };
}

// A list event: the choice of an item (double click, Enter) or a change of the
// highlighted line, as the window's model tells them apart.
template <typename Model>
Callback list_event(Model& model, const std::int32_t& highlighted) {
    return [&model, &highlighted] {
        return listbox_item_selected() == 1 ? model.double_click(highlighted)
                                            : model.select(highlighted);
    };
}

void catalog_font_of(WindowBuilder& b, bool smallerText) {
    b.font(catalog_font);
    if (smallerText) b.text_size(smaller_text_factor);
}

}  // namespace

// ------------------------------------------------------------ progress window --

ProgressWindow::ProgressWindow(QWidget* parent) : parent_(parent) {}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::open(const CatalogProgress& progress) {
    shown_ = progress;
    repaints_ = 0;
    WindowBuilder b(parent_, progress_window_name);
    b.caption(progress.caption);
    b.centre().text("Reading: ").colour(red);
    // A character to spare: "100%" is wider than four average characters.
    b.static_text(percentage_field, shown_.percentage, 5).colour(black).text(" done");
    b.newline().centre().colour(red);
    b.static_text(count_field, shown_.count, 5).colour(black).text(" files found");
    window_ = b.take();
    // No buttons and no close box: the reading cannot be stopped, and the
    // program closes the window when it is done.
    window_->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window_->setWindowModality(Qt::ApplicationModal);
    window_->show();
    YIELDIT();
}

void ProgressWindow::update(const CatalogProgress& progress) {
    if (window_ == nullptr) return;
    bool changed = false;
    if (progress.percentage != shown_.percentage) {
        shown_.percentage = progress.percentage;
        window_->update(percentage_field);
        changed = true;
    }
    if (progress.count != shown_.count) {
        shown_.count = progress.count;
        window_->update(count_field);
        changed = true;
    }
    if (!changed) return;
    ++repaints_;
    YIELDIT();
}

void ProgressWindow::close() {
    if (window_ == nullptr) return;
    window_->close_window();
    window_.reset();
}

// ------------------------------------------------------------ catalog windows --

QtCatalogWindows::QtCatalogWindows(QWidget* parent) : parent_(parent), progress_(parent) {}

QtCatalogWindows::~QtCatalogWindows() = default;

int QtCatalogWindows::screen_width() const {
    return qor::screen_width();
}

bool QtCatalogWindows::large_text() const {
    return ITEXTSIZ() == 1;
}

void QtCatalogWindows::show_message(const Message& message) {
    QWidget* over = QApplication::activeModalWidget();
    qor::show_message(message, over != nullptr ? over : parent_);
}

void QtCatalogWindows::run_requirement_window(RequirementWindow& model) {
    std::int32_t highlighted = model.highlighted();
    WindowBuilder b(parent_, requirement_window_name);
    b.caption(model.caption);
    b.menu_action(exit_menu_item, "EXIT", [] { return 0; });
    b.menu_action(accept_menu_item, "REQ_SELECTED", [&model] { return model.accept(); });
    std::vector<MenuItem> sorts;
    for (int key = 1; key <= 4; ++key) {
        const auto at = static_cast<std::size_t>(key - 1);
        sorts.push_back({std::string(sort_names[at]), sort_routines[at],
                         [&model, key] { return model.sort(key); }});
    }
    b.menu(sort_menu, "SortMenu", std::move(sorts));

    catalog_font_of(b, model.smallerText);
    b.centre().text(sorted_by_label).colour(red);
    b.text(model.sortName).colour(black);
    b.newline(2).text(model.header().view());
    // The heading stands above the columns of the lines it names.
    b.newline();
    b.list_box("REQ_DOUBLE_CLICK", list_items(model), highlighted, model.listHeight,
               catalog_list_width, list_event(model, highlighted));
    b.newline();
    b.run_modal();
}

void QtCatalogWindows::run_grid_window(GridWindow& model) {
    std::int32_t highlighted = model.highlighted();
    WindowBuilder b(parent_, grid_window_name);
    b.caption(model.caption);
    b.menu_action(exit_menu_item, "EXIT", [] { return 0; });
    b.menu_action(accept_menu_item, "GRID_SELECTED", [&model] { return model.accept(); });

    catalog_font_of(b, model.smallerText);
    b.text(model.header().view());
    b.newline().text(model.selectedLine().view());
    b.newline(2).text(grid_list_heading);
    b.newline();
    b.list_box("GRID_DOUBLE_CLICK", list_items(model), highlighted, model.listHeight,
               catalog_list_width, list_event(model, highlighted));
    b.newline();
    b.run_modal();
}

void QtCatalogWindows::open_progress(const CatalogProgress& progress) {
    progress_.open(progress);
}

void QtCatalogWindows::update_progress(const CatalogProgress& progress) {
    progress_.update(progress);
}

void QtCatalogWindows::close_progress() {
    progress_.close();
}

}  // namespace qor
