#pragma once
// The standard output window of the windowed program: lines go to standard
// output and, at a pause or a stop, into a modal box whose button is the pause.

#include "platform/console.h"

namespace qor {

class GuiConsole : public Console {
protected:
    void present(const std::vector<std::string>& lines, std::string_view message,
                 bool stopping) override;
};

}  // namespace qor
