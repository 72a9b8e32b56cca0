#include "app/setup_dialog.h"

#include "app/settings_files.h"
#include "app/startup.h"
#include "platform/paths.h"

namespace qor {

namespace {

constexpr std::int32_t lowest_columns = 60;
constexpr std::int32_t lowest_rows = 10;

// A working choice that no control could have produced (the fields are plain
// integers) leaves the stored setting as it was rather than reading past a list.
template <std::size_t Width, std::size_t Count>
void take_choice(const std::array<Text<Width>, Count>& list, std::int32_t choice,
                 Text<Width>& setting) {
    if (choice >= 1 && choice <= static_cast<std::int32_t>(Count)) {
        setting = list[static_cast<std::size_t>(choice - 1)];
    }
}

}  // namespace

const std::array<Text<6>, 6>& setup_colour_list() {
    static const std::array<Text<6>, 6> list = {Text<6>("white"), Text<6>("gray"),
                                                Text<6>("red"),   Text<6>("green"),
                                                Text<6>("blue"),  Text<6>("yellow")};
    return list;
}

const std::array<Text<14>, 4>& setup_font_list() {
    static const std::array<Text<14>, 4> list = {Text<14>("default"), Text<14>("Courier New"),
                                                 Text<14>("Courier Small"), Text<14>("Courier")};
    return list;
}

void setup_prepare(WindowSettings& settings) {
    settings.MainChoice = 6;
    settings.InputChoice = 4;
    LCASE(settings.MainColour, 6);
    LCASE(settings.InputColour, 6);
    const auto& colours = setup_colour_list();
    for (std::size_t i = 0; i < colours.size(); ++i) {
        auto position = static_cast<std::int32_t>(i + 1);
        if (settings.MainColour == colours[i]) settings.MainChoice = position;
        if (settings.InputColour == colours[i]) settings.InputChoice = position;
    }
    settings.FontChoice = 1;
    const auto& fonts = setup_font_list();
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        if (settings.ScrollFont == fonts[i]) settings.FontChoice = static_cast<std::int32_t>(i + 1);
    }
    settings.ColumnsEntry = std::max(settings.ScrollColumns, lowest_columns);
    settings.RowsEntry = std::max(settings.ScrollRows, lowest_rows);
}

CallbackResult SETUP_OK(PathState& paths, WindowSettings& settings, Console& console) {
    take_choice(setup_colour_list(), settings.MainChoice, settings.MainColour);
    take_choice(setup_colour_list(), settings.InputChoice, settings.InputColour);
    take_choice(setup_font_list(), settings.FontChoice, settings.ScrollFont);
    settings.ColumnsEntry = std::max(settings.ColumnsEntry, lowest_columns);
    settings.RowsEntry = std::max(settings.RowsEntry, lowest_rows);
    settings.ScrollColumns = settings.ColumnsEntry;
    settings.ScrollRows = settings.RowsEntry;
    return {0, SETUP_SAVE(paths, settings, console)};
}

int SETUP_NO() {
    return 0;
}

CallbackResult SETUP_DEFAULT(PathState& paths, WindowSettings& settings, Console& console) {
    settings.MainColour = "yellow";
    settings.InputColour = "green";
    settings.ScrollFont = "default";
    settings.ScrollColumns = 77;
    settings.ScrollRows = 26;
    return {0, SETUP_SAVE(paths, settings, console)};
}

std::optional<Message> SETUP_SAVE(PathState& paths, const WindowSettings& settings,
                                  Console& console) {
    // The root is taken from the run directory as it stands before SET_RUN
    // normalises it again.
    std::string path = package_file(paths, "database\\setup.ini");
    SET_RUN(paths, console);
    // A size the dialog cannot show would not fit its columns: refused rather
    // than written as asterisks, which the reader would not give back.
    WriteResult written;
    if (settings.ScrollColumns < 0 || settings.ScrollColumns > max_scroll_columns) {
        written = {false, "The scroll window width " + std::to_string(settings.ScrollColumns) +
                              " is not within 0 to " + std::to_string(max_scroll_columns) + "."};
    } else if (settings.ScrollRows < 0 || settings.ScrollRows > max_scroll_rows) {
        written = {false, "The scroll window height " + std::to_string(settings.ScrollRows) +
                              " is not within 0 to " + std::to_string(max_scroll_rows) + "."};
    } else {
        written = replace_file(path, setup_file_text(settings));
    }
    if (written.ok) return std::nullopt;
    Message message;
    message.caption = "Could not SAVE setup file";
    message.background = "red";
    // The path stands out in white: red text would vanish on the red background.
    message.lines.push_back(MessageLine{false, {{"Could not write file=", ""}, {path, "white"}}});
    message.lines.push_back(plain_line(written.error));
    message.lines.push_back(plain_line(""));
    message.lines.push_back(
        plain_line("The new settings are used until QOR_PLOT ends, but they are not saved."));
    message.button = "OK";
    return message;
}

}  // namespace qor
