#pragma once
// The "Setup printer" dialog of the main window's "Plot to" menu.

#include "app/session.h"

class QWidget;

namespace qor {

/// Shows the printer placement dialog modally over parent; Accept and Default
/// save print_a.ini, Cancel changes nothing. Returns 1 (the main window stays
/// open).
int PRINTER_SETUP(Session& session, QWidget* parent);

}  // namespace qor
