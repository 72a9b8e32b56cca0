#pragma once
// The setup dialog's logic: the background colours of the main window and of
// the data input dialogs, and the scroll window's font and size, chosen from
// short fixed lists; Accept and Default store the choice in WindowSettings and
// write database\setup.ini at once.
//
// The dialog is bound to WindowSettings' working fields MainChoice,
// InputChoice, FontChoice (1-based list positions), ColumnsEntry and RowsEntry.

#include <array>
#include <optional>

#include "base/message.h"
#include "app/session.h"

namespace qor {

/// The colours offered for both backgrounds, in list order.
const std::array<Text<6>, 6>& setup_colour_list();
/// The scroll window fonts offered, in list order.
const std::array<Text<14>, 4>& setup_font_list();

/// What the Setup menu item does before it shows the dialog: lower-cases the
/// two colour names and sets the working fields from the current settings
/// (an unknown colour selects "yellow" for the main window and "green" for the
/// input dialogs, an unknown font "default"; columns at least 60, rows at
/// least 10).
void setup_prepare(WindowSettings& settings);

/// Accept: stores the choices (columns and rows raised to 60 and 10) and
/// writes setup.ini. Returns 0 (the dialog closes); failure is set when
/// setup.ini could not be written, the settings then stay in memory.
int SETUP_OK(Session& session, std::optional<Message>& failure);
/// Cancel: changes nothing. Returns 0.
int SETUP_NO(Session& session);
/// Default: yellow main window, green input dialogs, the default font, 77
/// columns and 26 rows, whatever the dialog shows; writes setup.ini. Returns 0.
int SETUP_DEFAULT(Session& session, std::optional<Message>& failure);

/// Makes the run directory current again and replaces setup.ini with the
/// window settings. A message for the user when the file cannot be written.
std::optional<Message> SETUP_SAVE(Session& session);

}  // namespace qor
