#pragma once
// The layout behind WindowBuilder: items placed left to right on lines, lines
// top to bottom. A line can be centred; an item can start at the next tab
// position; an empty line keeps the height of the font it was started in.

#include <QLayout>
#include <vector>

namespace qor {

class FormatLayout : public QLayout {
  public:
    explicit FormatLayout(QWidget* parent = nullptr);
    ~FormatLayout() override;

    /// Adds an item on the current line. tab: it starts at the next tab
    /// position; text: it joins a neighbouring text without a gap.
    void add(QLayoutItem* item, bool tab, bool text);
    /// Starts a new line whose height is at least min_height.
    void new_line(int min_height);
    /// Centres the current line.
    void centre_line();
    /// A tab position before the next item.
    void pending_tab() { tab_pending_ = true; }
    void set_tab_width(int pixels) { tab_width_ = pixels > 0 ? pixels : 1; }
    /// The current line's minimum height (the first line's is set here too).
    void set_line_height(int height);
    /// The narrowest the whole may be, margins included (a window's caption).
    void set_minimum_width(int pixels) {
        minimum_width_ = pixels;
        invalidate();
    }

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    Qt::Orientations expandingDirections() const override { return {}; }

  private:
    struct Entry {
        QLayoutItem* item;
        int line;
        bool tab;
        bool text;
    };
    struct Line {
        bool centred = false;
        int min_height = 0;
    };
    // Computes every item's place within a width (0: natural width) and the
    // size the whole takes.
    QSize arrange(int width, std::vector<QRect>* places) const;

    std::vector<Entry> entries_;
    std::vector<Line> lines_{Line{}};
    bool tab_pending_ = false;
    int tab_width_ = 56;
    int minimum_width_ = 0;
};

}  // namespace qor
