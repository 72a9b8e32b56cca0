#pragma once
// The setup dialog of the File menu.

#include "app/session.h"

class QWidget;

namespace qor {

/// Prepares the working fields, shows the setup dialog modally over parent
/// and returns 1 (the main window stays open) when it has closed.
int SETUPCB(Session& session, QWidget* parent);

}  // namespace qor
