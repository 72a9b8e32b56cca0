#pragma once
// The main window.

#include "app/session.h"

namespace qor {

/// Builds and runs the main window for the current state; 1 when it must be
/// built again for a newly chosen file, 0 when the user has finished.
int SCREEN(Session& session, const Text<6>& model, const Text<8>& browse, const Text<20>& sub);

}  // namespace qor
