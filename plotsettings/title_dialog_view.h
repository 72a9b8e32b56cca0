#pragma once
// The Title dialog of the main window.

#include "app/color_tables.h"
#include "areadata/grid_file.h"

class QWidget;

namespace qor {

/// Shows the Title dialog modally over parent; Accept stores the title and
/// repaints the "GridFile.title" text of parent. Returns 1 (the main window
/// stays open).
int TITLECB(GridFile& grid, WindowSettings& settings, QWidget* parent);

}  // namespace qor
