#include "mapdraw/paint/qt_colours.h"

namespace qor::map {

QColor to_qcolor(Rgb rgb, int alpha) {
    return QColor(rgb.red, rgb.green, rgb.blue, alpha);
}

}  // namespace qor::map
