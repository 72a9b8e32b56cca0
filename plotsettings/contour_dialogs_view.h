#pragma once
// The two contour dialogs: the overview of the main window's Contours button
// and the editor it opens for one parameter slot.

#include "app/color_tables.h"
#include "areadata/plot_parameter_table.h"
#include "platform/console.h"
#include "plotsettings/contour_dialogs.h"
#include "plotsettings/contour_settings.h"
#include "plotsettings/parameter_selection.h"

class QWidget;

namespace qor {

/// The records both contour dialogs work on.
struct ContourDialogRecords {
    const PlotParameterTable& table;
    const ColorTables& tables;
    WindowSettings& settings;
    ParameterSelection& parameters;
    ContourSettings& contours;
    Console& console;
};

/// Shows the overview modally over parent, on a pending copy of the contour
/// settings; Accept stores the copy and repaints the contour summary of
/// parent. Returns 1 (the main window stays open).
int CONTOURS(const ContourDialogRecords& records, QWidget* parent);

/// Shows the editor for slot (1 to 5) modally over the overview; Accept and
/// Auto change the pending slot and repaint its summary in the overview.
void CONTOURX(const ContourDialogRecords& records, PendingContours& pending, std::int32_t slot,
              QWidget* overview);

}  // namespace qor
