#include "toolkit/format_layout.h"

#include <QWidget>
#include <algorithm>

namespace qor {

namespace {
// Controls side by side get a small gap; texts written one after another
// run on without one, as a sentence split into coloured pieces must.
constexpr int control_gap = 4;
constexpr int line_gap = 2;
}  // namespace

FormatLayout::FormatLayout(QWidget* parent) : QLayout(parent) {
    setContentsMargins(8, 6, 8, 6);
    setSpacing(0);
}

FormatLayout::~FormatLayout() {
    for (Entry& entry : entries_) delete entry.item;
}

void FormatLayout::add(QLayoutItem* item, bool tab, bool text) {
    entries_.push_back({item, static_cast<int>(lines_.size()) - 1, tab || tab_pending_, text});
    tab_pending_ = false;
    invalidate();
}

void FormatLayout::new_line(int min_height) {
    lines_.push_back(Line{false, min_height});
    tab_pending_ = false;
    invalidate();
}

void FormatLayout::centre_line() {
    lines_.back().centred = true;
    invalidate();
}

void FormatLayout::set_line_height(int height) {
    lines_.back().min_height = std::max(lines_.back().min_height, height);
}

void FormatLayout::addItem(QLayoutItem* item) {
    add(item, false, false);
}

QLayoutItem* FormatLayout::itemAt(int index) const {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return nullptr;
    return entries_[static_cast<std::size_t>(index)].item;
}

QLayoutItem* FormatLayout::takeAt(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return nullptr;
    QLayoutItem* item = entries_[static_cast<std::size_t>(index)].item;
    entries_.erase(entries_.begin() + index);
    invalidate();
    return item;
}

int FormatLayout::count() const {
    return static_cast<int>(entries_.size());
}

QSize FormatLayout::arrange(int width, std::vector<QRect>* places) const {
    QMargins margins = contentsMargins();
    if (places != nullptr) places->assign(entries_.size(), QRect());
    int y = margins.top();
    int widest = 0;
    std::size_t next = 0;
    for (std::size_t line = 0; line < lines_.size(); ++line) {
        std::size_t first = next;
        int x = 0;
        int height = lines_[line].min_height;
        bool previous_text = false;
        for (; next < entries_.size() && entries_[next].line == static_cast<int>(line); ++next) {
            const Entry& entry = entries_[next];
            if (entry.item->isEmpty()) continue;
            QSize size = entry.item->sizeHint().expandedTo(entry.item->minimumSize());
            if (entry.tab) {
                x = (x / tab_width_ + 1) * tab_width_;
            } else if (x > 0 && !(entry.text && previous_text)) {
                x += control_gap;
            }
            if (places != nullptr) (*places)[next] = QRect(QPoint(x, 0), size);
            x += size.width();
            height = std::max(height, size.height());
            previous_text = entry.text;
        }
        widest = std::max(widest, x);
        if (places != nullptr) {
            int shift = margins.left();
            if (lines_[line].centred && width > 0) {
                int inner = width - margins.left() - margins.right();
                shift += std::max(0, (inner - x) / 2);
            }
            for (std::size_t i = first; i < next; ++i) {
                QRect& place = (*places)[i];
                if (place.isNull()) continue;
                // Items of a line share its middle, so a text beside a taller
                // control reads level with the control's caption.
                place.translate(shift, y + (height - place.height()) / 2);
            }
        }
        y += height + (line + 1 < lines_.size() ? line_gap : 0);
    }
    return {std::max(minimum_width_, widest + margins.left() + margins.right()),
            y + margins.bottom()};
}

QSize FormatLayout::sizeHint() const {
    return arrange(0, nullptr);
}

QSize FormatLayout::minimumSize() const {
    return arrange(0, nullptr);
}

void FormatLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    std::vector<QRect> places;
    arrange(rect.width(), &places);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (places[i].isNull()) continue;
        entries_[i].item->setGeometry(places[i].translated(rect.topLeft()));
    }
}

}  // namespace qor
