#include "areadata/open_data.h"

#include <string>

#include "platform/paths.h"

namespace qor {

namespace {

// 1-based position of the first occurrence of needle in text, 0 when absent.
int find_position(std::string_view text, std::string_view needle) {
    std::size_t at = text.find(needle);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

bool grid_suffix(std::string_view pair) {
    return pair == "HG" || pair == "MG" || pair == "TG" || pair == "PG";
}

MessageLine runs_line(std::vector<TextRun> runs, bool centred = false) {
    MessageLine line;
    line.centred = centred;
    line.runs = std::move(runs);
    return line;
}

}  // namespace

void choose_file(PathState& paths, std::string_view dialog_path) {
    paths.ChosenFile = to_package_path(dialog_path);
}

Message suffix_message(std::string_view path) {
    Message message;
    message.caption = "ERROR: File name suffix not valid";
    message.background = "red";
    message.lines = {plain_line("Filename MUST end with   .MG?   .HG?   .TG?  or .PG?"),
                     plain_line("File specified="), plain_line(""), plain_line(std::string(path)),
                     plain_line("")};
    message.button = "Cancel";
    return message;
}

Message subdirectory_message(std::string_view data_root, std::string_view path) {
    std::string root(data_root);
    Message message;
    message.caption = "OPEN file not in proper sub-directory";
    message.exclamation = true;
    message.lines = {
        plain_line("Area Coverage data must exist in a sub-directory"),
        plain_line("that is located under the ..\\" + root + "\\ directory."),
        plain_line("For example, the ..\\" + root + "\\DEFAULT directory."),
        runs_line({{"See ", ""},
                   {"HELP/CONTENTS/FILE/OPEN ", "red"},
                   {"for more information.", "black"}}),
        plain_line(""),
        plain_line(""),
        runs_line({{"Your file specified was:", ""}, {std::string(path), "red"}}, true),
        plain_line(""),
    };
    message.button = "OK";
    message.buttonColour = "black";
    return message;
}

Message long_name_message(std::string_view path) {
    Message message;
    message.caption = "OPEN file name too long";
    message.background = "red";
    message.lines = {
        plain_line("Sub-directory and file name together must not exceed 30 characters"),
        plain_line("File specified="), plain_line(""), plain_line(std::string(path)),
        plain_line("")};
    message.button = "Cancel";
    return message;
}

CallbackResult OPENDATA(PathState& paths) {
    Text<128>& chosen = paths.ChosenFile;
    const int length = LCOUNT(chosen, 128);
    UCASE(chosen, length);
    const std::string_view path = chosen.sub(1, length);

    // The two characters before the last one name the prediction program; a
    // path too short to hold them cannot name a grid file.
    if (length < 3 || !grid_suffix(chosen.sub(length - 2, length - 1))) {
        return {1, suffix_message(path)};
    }

    const int data_position = find_position(chosen.view(), "\\AREADATA\\");
    const int inverse_position = find_position(chosen.view(), "\\AREA_INV\\");
    const bool inverse = inverse_position > data_position;
    const std::string_view data_root = inverse ? "AREA_INV" : "AREADATA";
    const int root_position = inverse ? inverse_position : data_position;
    if (root_position == 0 ||
        chosen.sub(root_position + 10, length).find('\\') == std::string_view::npos) {
        return {1, subdirectory_message(data_root, path)};
    }

    // The sub-directory and file name are the last two components; the
    // backslash closing the data root guarantees the earlier one exists.
    const std::size_t last = path.rfind('\\');
    const std::size_t before = path.rfind('\\', last - 1);
    const std::string_view name = path.substr(before + 1);
    // A longer name would be cut in FileName, and the readers, failing to
    // find the cut name, would end the program: refuse it here instead.
    if (name.size() > static_cast<std::size_t>(Text<30>::width)) {
        return {1, long_name_message(path)};
    }
    paths.FileName = name;
    paths.DataDir = data_root;
    paths.NewFileChosen = 1;
    return {0, std::nullopt};
}

}  // namespace qor
