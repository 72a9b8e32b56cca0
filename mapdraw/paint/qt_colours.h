#pragma once
// The map's colours as Qt colours.

#include <QColor>

#include "mapdraw/palette.h"

namespace qor::map {

QColor to_qcolor(Rgb rgb, int alpha = 255);

}  // namespace qor::map
