#pragma once
// The printer placement file print_a.ini in the run directory, and the logic of
// the "Setup printer" dialog: it edits a working copy, and only Accept or
// Default change PrinterPlacement and the file.

#include <cstdint>
#include <optional>
#include <string>

#include "base/message.h"
#include "app/session.h"

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

/// Fills the placement from print_a.ini; the defaults when the file is missing
/// or its line cannot be read as an integer and three numbers.
void PRINTER_SETUP_READ(Session& session);

/// Replaces print_a.ini with the placement's line. On failure the old file is
/// left as it was and the message to show is returned.
std::optional<Message> PRINTER_SETUP_SAVE(const Session& session);

/// What the dialog starts from: the window settings reloaded (R_SETUP), the
/// placement read from print_a.ini, and the working copy of its four fields.
PrinterSetupCopy printer_setup_begin(Session& session);

/// Accept: stores the copy (a scale of 0 or less becomes 1.0; a scale not below
/// the single-precision 0.99 zeroes both offsets) and saves the file. message
/// is set when the file could not be written. Returns 0 (the dialog closes).
int PRINTER_SETUP_OK(Session& session, PrinterSetupCopy& copy, std::optional<Message>& message);

/// Cancel: nothing changes. Returns 0.
int PRINTER_SETUP_NO(Session& session);

/// Default: border 1, scale 1.0, no offsets, saved at once whatever the copy
/// shows. Returns 0.
int PRINTER_SETUP_DEFAULT(Session& session, std::optional<Message>& message);

}  // namespace qor
