#pragma once
// What Help, Contents opens: the help file help_win\qorplot.hlp when it
// exists, otherwise the HTML page help_win\qorplot.html beside it; and the
// HTML page the program shows itself where no viewer opens that file.

#include <optional>
#include <string>
#include <string_view>

#include "base/message.h"

namespace qor {

struct HelpContents {
    std::string file;                ///< package path of the file a viewer opens; "" when none
    std::string page;                ///< package path of the HTML page, "" when there is none
    std::optional<Message> missing;  ///< set when neither file exists
};

/// The page to open for a help file path (package form, ending in ".hlp"):
/// the file itself, else the ".html" file of the same name, else a message
/// naming the missing file. The ".html" file, when it exists, is also the
/// page.
HelpContents help_contents(std::string_view help_file);

}  // namespace qor
