#include "mapdraw/window/map_printing.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <algorithm>

namespace qor::map {

PrintPlacement print_placement(const PlotRequest& request) {
    PrintPlacement placement;
    placement.border = request.border;
    placement.scale = request.print_scale;
    placement.x_offset = request.x_offset;
    placement.y_offset = request.y_offset;
    return placement;
}

QRectF printed_rect(QSizeF printable, double dots_per_inch, const PrintPlacement& placement) {
    // A scale the front end would not have saved (0 or less, or above 1,
    // from a file edited by hand) prints at full size, as its dialog does.
    double scale = placement.scale;
    if (!(scale > 0.0) || scale > 1.0) scale = 1.0;
    const QSizeF size(printable.width() * scale, printable.height() * scale);
    const double x =
        std::clamp(placement.x_offset * dots_per_inch, 0.0, printable.width() - size.width());
    const double y =
        std::clamp(placement.y_offset * dots_per_inch, 0.0, printable.height() - size.height());
    return QRectF(QPointF(x, y), size);
}

void paint_page(QPainter& painter, QSizeF printable, double dots_per_inch,
                const PrintPlacement& placement, const MapScene& scene, const MapView& view) {
    const QRectF rect = printed_rect(printable, dots_per_inch, placement);
    paint_map(painter, rect, scene, view);
    if (placement.border != 2) {
        // A line of half a point, inside the picture's edge.
        const double width = std::max(1.0, dots_per_inch / 144.0);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(width / 2, width / 2, -width / 2, -width / 2));
        painter.restore();
    }
}

QString print_maps(QPrinter& printer, const std::vector<const MapScene*>& scenes,
                   const PrintPlacement& placement, const MapView& view) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return printer.outputFileName().isEmpty()
                   ? QStringLiteral("The printer %1 cannot be used").arg(printer.printerName())
                   : QStringLiteral("Cannot write %1").arg(printer.outputFileName());
    }
    const QSizeF printable = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    bool first = true;
    for (const MapScene* scene : scenes) {
        if (scene == nullptr) continue;
        if (!first && !printer.newPage()) {
            painter.end();
            return QStringLiteral("The printer refused a new page");
        }
        first = false;
        paint_page(painter, printable, printer.resolution(), placement, *scene, view);
    }
    if (!painter.end()) return QStringLiteral("Printing failed");
    return {};
}

void prepare_printer(QPrinter& printer, const QString& document, const QString& output_folder) {
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    printer.setDocName(document);
    printer.setCreator(QStringLiteral("terrapix"));
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        QString name = document;
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]+")), QStringLiteral("_"));
        printer.setOutputFileName(QDir(output_folder).filePath(name + QStringLiteral(".pdf")));
    }
}

}  // namespace qor::map
