#include "programs/qortool/grid_resolution.h"

#include <filesystem>

#include "app/main_window.h"
#include "app/startup.h"
#include "areadata/open_data.h"
#include "platform/paths.h"

namespace qor::tool {

namespace {

namespace fs = std::filesystem;

// An absolute, normalised native path without a trailing separator.
std::string absolute_path(const std::string& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(fs::path(path), error);
    std::string result = error ? path : absolute.lexically_normal().string();
    while (result.size() > 1 && (result.back() == '/' || result.back() == '\\')) result.pop_back();
    return result;
}

bool ends_in_run(std::string_view path) {
    if (path.size() < 4) return false;
    std::string tail(path.substr(path.size() - 4));
    UCASE(tail.data(), 4);
    return tail == "\\RUN";
}

}  // namespace

std::string message_text(const Message& message) {
    std::string text;
    auto add = [&text](std::string_view line) {
        if (trim_right(line).empty()) return;
        if (!text.empty()) text += '\n';
        text += line;
    };
    add(message.caption);
    for (const MessageLine& line : message.lines) {
        std::string joined;
        for (const TextRun& run : line.runs) joined += run.text;
        add(joined);
    }
    if (message.button != "OK" && message.button != "Cancel") add(message.button);
    return text;
}

std::optional<std::string> open_grid_file(Session& session, const std::string& grid_file,
                                          const std::string& run_directory) {
    PathState& paths = session.paths;
    const std::string chosen = to_package_path(absolute_path(grid_file));
    if (chosen.size() > static_cast<std::size_t>(Text<128>::width)) {
        return "the path " + chosen + " is longer than 128 characters";
    }
    choose_file(paths, chosen);
    if (const CallbackResult opened = OPENDATA(paths); opened.keepOpen != 0) {
        return opened.message ? message_text(*opened.message)
                              : "the file cannot be opened: " + chosen;
    }

    std::string run;
    if (!run_directory.empty()) {
        run = to_package_path(absolute_path(run_directory));
    } else {
        // The package root is what precedes the data root the file was found
        // under; OPENDATA has upper-cased ChosenFile, the path keeps its case.
        std::string upper = chosen;
        UCASE(upper.data(), static_cast<int>(upper.size()));
        std::size_t at = upper.find("\\" + paths.DataDir.str() + "\\");
        run = chosen.substr(0, at == std::string::npos ? 0 : at + 1) + "RUN";
    }
    if (run.size() > static_cast<std::size_t>(Text<50>::width)) {
        return "the run directory " + run + " is longer than 50 characters";
    }
    paths.RunDir = run;
    paths.BrowseDir = "AREADATA";
    SET_RUN(paths, *session.console);
    if (!ends_in_run(paths.RunDir.trimmed())) return "could not find RUN directory: " + run;

    // From here on the file is made current as the program's start-up and
    // window loop make it current before they build the main window.
    load_settings_files(session);
    prepare_main_window(session);
    if (std::optional<Message> failure = load_current_file(session)) {
        return message_text(*failure);
    }
    return std::nullopt;
}

}  // namespace qor::tool
