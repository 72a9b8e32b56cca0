#pragma once
// Printing maps: one page per map, placed on the page as print_a.ini asks.
//
// The picture (title, map and legend) fills the printable area, reduced by
// the scale (0 to 1, the same for width and height) and moved by the X and Y
// offsets in inches from the printable area's top-left corner (X to the
// right, Y down). An offset that would push the picture off the printable
// area is cut back so that all of it stays on the paper. Border 1 draws a
// frame round the picture; 2 draws none.

#include <QRectF>
#include <QString>
#include <vector>

#include "mapdraw/paint/map_painter.h"
#include "mapdraw/scene.h"

class QPainter;
class QPrinter;
class QWidget;

namespace qor::map {

/// print_a.ini's settings, as the map program uses them.
struct PrintPlacement {
    int border = 1;  ///< 1: a frame round the picture; 2: none
    double scale = 1.0;
    double x_offset = 0;  ///< inches
    double y_offset = 0;  ///< inches
};

/// The placement of a request (its print_a.ini).
PrintPlacement print_placement(const PlotRequest& request);

/// Where the picture lies within the printable area (in device units, the
/// area's top-left at 0,0) at a resolution in dots per inch.
QRectF printed_rect(QSizeF printable, double dots_per_inch, const PrintPlacement& placement);

/// Paints one page: the picture in its place and, when asked, its border.
void paint_page(QPainter& painter, QSizeF printable, double dots_per_inch,
                const PrintPlacement& placement, const MapScene& scene, const MapView& view = {});

/// Prints the maps on the printer, one page each. "" or why it failed.
QString print_maps(QPrinter& printer, const std::vector<const MapScene*>& scenes,
                   const PrintPlacement& placement, const MapView& view = {});

/// Sets a printer up for maps: landscape A4, the document named after the
/// map, and, when the system has no printer, a PDF file in output_folder
/// (named after the grid file) as what the print dialog offers first.
void prepare_printer(QPrinter& printer, const QString& document, const QString& output_folder);

}  // namespace qor::map
