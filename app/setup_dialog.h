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

#include "app/color_tables.h"
#include "app/path_state.h"
#include "base/callback_result.h"
#include "base/message.h"
#include "platform/console.h"

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
/// writes setup.ini (SETUP_SAVE). The dialog closes (keepOpen 0); the message
/// is set when setup.ini could not be written, the settings then stay in
/// memory.
CallbackResult SETUP_OK(PathState& paths, WindowSettings& settings, Console& console);
/// Cancel: changes nothing. Returns 0.
int SETUP_NO();
/// Default: yellow main window, green input dialogs, the default font, 77
/// columns and 26 rows, whatever the dialog shows; writes setup.ini. The
/// dialog closes; the message as for SETUP_OK.
CallbackResult SETUP_DEFAULT(PathState& paths, WindowSettings& settings, Console& console);

/// Makes the run directory current again (SET_RUN, which reports on the
/// console) and replaces setup.ini with the window settings. A message for the
/// user when the file cannot be written.
std::optional<Message> SETUP_SAVE(PathState& paths, const WindowSettings& settings,
                                  Console& console);

}  // namespace qor
