#include "mapdraw/paint/map_writers.h"

#include <sys/mman.h>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cstdlib>
#include <memory>

#include "mapdraw/paint/map_painter.h"
#include "mapdraw/paint/png_file.h"

namespace qor::map {

namespace {

QString file_name(const std::string& path) {
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}

// Opens the file for writing once to find out whether it can be written:
// the SVG and PDF writers would fail silently.
std::string check_writable(const std::string& path) {
    QFile file(file_name(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return "cannot write " + path + ": " + file.errorString().toStdString();
    }
    return {};
}

}  // namespace

std::string write_png(const MapScene& scene, QSize size, const std::string& path) {
    if (std::string error = check_writable(path); !error.empty()) return error;
    // The picture's pixels in memory the system may back with large pages:
    // a map of a few megabytes is otherwise thousands of page faults, which
    // cost more than drawing it.
    const auto bytes =
        static_cast<std::size_t>(size.width()) * 4 * static_cast<std::size_t>(size.height());
    constexpr std::size_t large_page = std::size_t{2} << 20;
    const std::size_t rounded = (bytes + large_page - 1) / large_page * large_page;
    void* pixels = nullptr;
    if (posix_memalign(&pixels, large_page, rounded) != 0)
        return "cannot write " + path + ": out of memory";
    std::unique_ptr<void, void (*)(void*)> owner(pixels, &std::free);
#ifdef MADV_HUGEPAGE
    madvise(pixels, rounded, MADV_HUGEPAGE);
#endif
    QImage image(static_cast<uchar*>(pixels), size.width(), size.height(), size.width() * 4,
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paint_map(painter, QRectF(QPointF(0, 0), QSizeF(size)), scene);
    }
    return write_png_file(image, path);
}

std::string write_svg(const MapScene& scene, QSize size, const std::string& path,
                      const MapView& view) {
    if (std::string error = check_writable(path); !error.empty()) return error;
    QSvgGenerator svg;
    svg.setFileName(file_name(path));
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QString::fromUtf8(scene.title.c_str()));
    svg.setDescription(QStringLiteral("Area coverage map"));
    QPainter painter;
    if (!painter.begin(&svg)) return "cannot write " + path;
    paint_map(painter, QRectF(QPointF(0, 0), QSizeF(size)), scene, view);
    painter.end();
    return {};
}

std::string write_pdf(const std::vector<const MapScene*>& scenes, const std::string& path,
                      const MapView& view) {
    if (std::string error = check_writable(path); !error.empty()) return error;
    QPdfWriter pdf(file_name(path));
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    if (!scenes.empty()) pdf.setTitle(QString::fromUtf8(scenes.front()->title.c_str()));
    pdf.setCreator(QStringLiteral("terrapix"));
    QPainter painter;
    if (!painter.begin(&pdf)) return "cannot write " + path;
    for (std::size_t i = 0; i < scenes.size(); ++i) {
        if (i > 0) pdf.newPage();
        const QRect page = painter.viewport();
        paint_map(painter, QRectF(page), *scenes[i], view);
    }
    painter.end();
    return {};
}

std::string write_text_file(const std::string& text, const std::string& path) {
    QFile file(file_name(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return "cannot write " + path + ": " + file.errorString().toStdString();
    }
    const qint64 written = file.write(text.data(), static_cast<qint64>(text.size()));
    if (written != static_cast<qint64>(text.size()) || !file.flush()) {
        return "cannot write " + path + ": " + file.errorString().toStdString();
    }
    return {};
}

}  // namespace qor::map
