#include "app/help_contents_view.h"

#include "app/help_contents.h"
#include "toolkit/help_action.h"
#include "toolkit/message_box.h"

namespace qor {

bool open_help_contents(std::string_view help_file, QWidget* parent) {
    const HelpContents contents = help_contents(help_file);
    if (contents.missing) {
        show_message(*contents.missing, parent);
        return false;
    }
    return open_help_file(contents.file, contents.page, parent);
}

}  // namespace qor
