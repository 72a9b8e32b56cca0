#pragma once
// The About box of the Help menu.

#include "app/session.h"

class QWidget;

namespace qor {

/// Builds and shows the About box modally over parent; returns 1 (the main
/// window stays open).
int ABOUT(Session& session, QWidget* parent);

}  // namespace qor
