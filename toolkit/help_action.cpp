#include "toolkit/help_action.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

#include "platform/paths.h"
#include "toolkit/message_box.h"

namespace qor {

namespace {

DocumentOpener& opener() {
    static DocumentOpener current;
    return current;
}

bool open_with_desktop(const std::string& native) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(native.c_str())));
}

}  // namespace

void set_document_opener(DocumentOpener replacement) {
    opener() = std::move(replacement);
}

bool open_help_file(std::string_view file, QWidget* parent) {
    std::string native = native_path(file);
    bool opened = opener() ? opener()(native) : open_with_desktop(native);
    if (opened) return true;
    Message message;
    message.caption = "Could not OPEN help file";
    message.background = "red";
    message.lines.push_back(MessageLine{
        false, {{"No viewer could open the help file=", ""}, {std::string(file), "white"}}});
    message.button = "OK";
    show_message(message, parent);
    return false;
}

}  // namespace qor
