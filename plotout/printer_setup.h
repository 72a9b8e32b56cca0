#pragma once
// The printer placement file print_a.ini in the run directory, and the logic of
// the "Setup printer" dialog: it edits a working copy, and only Accept or
// Default change PrinterPlacement and the file.

#include <cstdint>
#include <optional>
#include <string>

#include "app/color_tables.h"
#include "app/path_state.h"
#include "base/callback_result.h"
#include "base/fixed_record.h"
#include "base/message.h"
#include "plotout/printer_placement.h"

namespace qor {

/// The dialog's working copy: the border choice (1 draw, 2 do not; the list
/// box item) and the scale and offsets as the dialog's real number fields hold
/// them.
struct PrinterSetupCopy {
    int border = 1;
    double scale = 1.0;
    double xOffset = 0.0;
    double yOffset = 0.0;
};

/// print_a.ini's package path: the run directory, then "\print_a.ini".
std::string printer_setup_path(const PathState& paths);

/// The file's one line without its line end: the border in 5 columns, then the
/// scale and the two offsets with 4 decimals in 10 columns each.
std::string printer_setup_line(const PrinterPlacement& placement);

/// The dialog's limits: border 1 or 2, scale 0 to 1.0, offsets -10 to 10 inches.
bool within_limits(const PrinterPlacement& placement);

/// Brings a placement within the dialog's limits: a border other than 1 or 2
/// becomes 1, a scale or offset beyond its limits becomes the nearest limit,
/// and a value that is no number at all its default.
void bring_within_limits(PrinterPlacement& placement);

/// Fills the placement from print_a.ini, brought within the dialog's limits;
/// the defaults when the file is missing or its line cannot be read as an
/// integer and three numbers.
void PRINTER_SETUP_READ(const PathState& paths, PrinterPlacement& placement);
/// The same from a reader already open on print_a.ini's content.
void read_printer_setup_lines(LineReader& file, PrinterPlacement& placement);

/// Replaces print_a.ini with the placement's line. A placement outside the
/// dialog's limits is refused, so that the file never holds a value its own
/// reader would not give back. On failure the old file is left as it was and
/// the message to show is returned.
std::optional<Message> PRINTER_SETUP_SAVE(const PathState& paths,
                                          const PrinterPlacement& placement);

/// What the dialog starts from: the window settings reloaded (R_SETUP), the
/// placement read from print_a.ini, and the working copy of its four fields.
PrinterSetupCopy printer_setup_begin(const PathState& paths, WindowSettings& settings,
                                     PrinterPlacement& placement);

/// Accept: stores the copy (a scale of 0 or less becomes 1.0; a scale not below
/// the single-precision 0.99 zeroes both offsets) and saves the file. The
/// dialog closes (keepOpen 0); the message is set when the file could not be
/// written.
CallbackResult PRINTER_SETUP_OK(const PathState& paths, PrinterPlacement& placement,
                                PrinterSetupCopy& copy);

/// Cancel: nothing changes. Returns 0.
int PRINTER_SETUP_NO();

/// Default: border 1, scale 1.0, no offsets, saved at once whatever the copy
/// shows. The dialog closes; the message is set when the file could not be
/// written.
CallbackResult PRINTER_SETUP_DEFAULT(const PathState& paths, PrinterPlacement& placement);

}  // namespace qor
