#pragma once
// The standard output window of the windowed program: lines go to standard
// output and, at a pause or a stop, into a modal message box whose button is
// the pause.

#include "base/message.h"
#include "platform/console.h"

namespace qor {

/// The box a pause (stopping false) or a stop shows: the lines written since
/// the last pause, then the pause or stop message, and a centred button
/// ("Continue" for a pause, "OK" for a stop).
Message console_message(const std::vector<std::string>& lines, std::string_view message,
                        bool stopping);

class GuiConsole : public Console {
  protected:
    void present(const std::vector<std::string>& lines, std::string_view message,
                 bool stopping) override;
};

}  // namespace qor
