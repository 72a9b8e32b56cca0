#include "app/help_contents.h"

#include "platform/paths.h"

namespace qor {

namespace {

std::string html_beside(std::string_view help_file) {
    std::size_t dot = help_file.find_last_of('.');
    std::size_t folder = help_file.find_last_of("\\/");
    if (dot == std::string_view::npos || (folder != std::string_view::npos && dot < folder)) {
        return std::string(help_file) + ".html";
    }
    return std::string(help_file.substr(0, dot)) + ".html";
}

}  // namespace

HelpContents help_contents(std::string_view help_file) {
    HelpContents contents;
    std::string html = html_beside(help_file);
    if (file_exists(html)) contents.page = html;
    if (file_exists(help_file)) {
        contents.file = std::string(help_file);
        return contents;
    }
    if (!contents.page.empty()) {
        contents.file = html;
        return contents;
    }
    Message message;
    message.caption = "HELP file not found";
    message.background = "red";
    message.lines.push_back(MessageLine{
        false, {{"Could not find the help file=", ""}, {std::string(help_file), "white"}}});
    message.lines.push_back(MessageLine{false, {{"nor the help page=", ""}, {html, "white"}}});
    message.button = "OK";
    contents.missing = std::move(message);
    return contents;
}

}  // namespace qor
