#pragma once
// What qortool prints: the main window's texts for the commands that show
// them (show, set), every line without its trailing blanks, and the program's
// standard output window on standard error.

#include <string>
#include <string_view>
#include <vector>

#include "app/session.h"
#include "platform/console.h"

namespace qor::tool {

/// Writes one line to standard output without its trailing blanks.
void print_line(std::string_view line);

/// The lines of a summary text: a carriage return and line feed starts a new
/// line; every line is kept, blank ones included.
void print_summary(const char* heading, std::string_view text);

/// The layer, parameter and contour summaries under their headings
/// ("Layers:", "Parameters:", "Contours:"); the contour summary always has its
/// ten lines, two per slot, blank for an empty slot.
void print_settings_summaries(const Session& session);

/// The standard output window's lines (diagnostics of the automatic levels,
/// start-up's messages) go to standard error, so that standard output carries
/// only what the window shows.
class ErrorConsole : public Console {
  public:
    void write_line(std::string_view line) override;

  protected:
    void present(const std::vector<std::string>& lines, std::string_view message,
                 bool stopping) override;
};

}  // namespace qor::tool
