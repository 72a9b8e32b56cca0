#include "toolkit/screen_metrics.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

namespace qor {

namespace {
std::optional<ScreenMetrics> overridden;
}  // namespace

ScreenMetrics screen_metrics() {
    if (overridden) return *overridden;
    ScreenMetrics metrics{1024, 16};
    if (QGuiApplication::instance() == nullptr) return metrics;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        metrics.screenWidth = screen->geometry().width();
    }
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        metrics.scrollBarWidth = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    }
    return metrics;
}

void set_screen_metrics(std::optional<ScreenMetrics> metrics) {
    overridden = metrics;
}

int screen_width() {
    return screen_metrics().screenWidth;
}

int scroll_bar_width() {
    return screen_metrics().scrollBarWidth;
}

int ITEXTSIZ() {
    return scroll_bar_width() > 20 ? 1 : 0;
}

ScopedScreenMetrics::ScopedScreenMetrics(ScreenMetrics metrics) : previous_(overridden) {
    overridden = metrics;
}

ScopedScreenMetrics::~ScopedScreenMetrics() {
    overridden = previous_;
}

}  // namespace qor
