#pragma once
// The "Setup printer" dialog of the main window's "Plot to" menu.

#include "app/color_tables.h"
#include "app/path_state.h"
#include "plotout/printer_placement.h"

class QWidget;

namespace qor {

/// Shows the printer placement dialog modally over parent, in the input
/// dialogs' colour of the window settings (reloaded from setup.ini first);
/// Accept and Default store the placement and save print_a.ini, Cancel changes
/// nothing. Returns 1 (the main window stays open).
int PRINTER_SETUP(const PathState& paths, WindowSettings& settings, PrinterPlacement& placement,
                  QWidget* parent);

}  // namespace qor
