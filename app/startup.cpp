#include "app/startup.h"

#include <array>

#include "app/settings_files.h"
#include "platform/paths.h"
#include "plotsettings/contour_colours.h"

namespace qor {

namespace {

// The package root's own sub-directories: a run directory token naming one of
// them (with the backslash after it) is taken to mean that package.
constexpr std::array<std::string_view, 12> package_directories = {
    "\\ANTENNAS\\", "\\AREADATA\\", "\\BIN_WIN\\",  "\\COEFFS\\",   "\\DATABASE\\", "\\GEOCITY\\",
    "\\GEONATIO\\", "\\GEOSTATE\\", "\\HELP_WIN\\", "\\NEWS_WIN\\", "\\SAVED\\",    "\\USERDB\\"};

bool accepted_model(const Text<6>& model) {
    return model == "TABLIN" || model == "HALDOR" || model == "MIRVEN";
}

void derive_from_file_name(PathState& paths) {
    std::size_t backslash = paths.FileName.view().find('\\');
    if (backslash != std::string_view::npos && backslash > 0) {
        paths.SubDir = paths.FileName.view().substr(0, backslash);
    }
    int last = LCOUNT(paths.FileName, 30);
    if (last - 2 < 1) return;
    switch (paths.FileName.at1(last - 2)) {
        case 'M':
            paths.Model = "MIRVEN";
            break;
        case 'H':
            paths.Model = "HALDOR";
            break;
        case 'T':
            paths.Model = "TABLIN";
            break;
        case 'P':
            paths.Model = "PARVIS";
            break;
        default:
            break;
    }
}

}  // namespace

bool usage_requested(const std::vector<std::string>& tokens) {
    return !tokens.empty() && (tokens[0] == "--help" || tokens[0] == "-h");
}

std::string qorplot_usage() {
    return "usage: qorplot RUN_DIRECTORY MODEL SUB_DIRECTORY\n"
           "\n"
           "Plots the area-coverage grid files of the propagation package.\n"
           "  RUN_DIRECTORY  the package's RUN directory (PACKAGE/RUN), or a folder\n"
           "                 inside one of the package's directories (PACKAGE/USERDB/)\n"
           "  MODEL          the prediction program: HALDOR, MIRVEN or TABLIN\n"
           "  SUB_DIRECTORY  the data sub-directory below AREADATA, 10 characters\n"
           "\n"
           "Example, on the sample package written by qorsample:\n"
           "  qorsample /tmp/qor-sample\n"
           "  qorplot /tmp/qor-sample/RUN HALDOR SAMPLE_001\n";
}

Text<64> command_token(const std::vector<std::string>& tokens, std::size_t index) {
    if (index >= tokens.size()) return Text<64>();
    return Text<64>(tokens[index]);
}

void SET_RUN(PathState& paths, Console& console) {
    Text<50>& run = paths.RunDir;
    int length = LCOUNT(run, 50);
    std::string_view ending = length >= 4 ? run.sub(length - 3, length) : std::string_view();
    if (ending != "\\RUN" && ending != "\\run") {
        Text<50> upper = run;
        UCASE(upper, length);
        bool found = false;
        for (std::string_view entry : package_directories) {
            std::size_t at = upper.view().find(entry);
            if (at == std::string_view::npos) continue;
            int position = static_cast<int>(at) + 1;  // of the entry's leading backslash
            run = std::string(upper.sub(1, position)) + "RUN";
            length = position + 3;
            found = true;
            break;
        }
        if (!found) {
            console.write_line(" in SET_RUN, could not find RUN directory:");
            console.write_line(" dir=" + std::string(run.sub(1, length)));
            console.pause(" ");
            return;
        }
    }
    change_directory(run.sub(1, length));  // a failure here is not reported
}

void load_settings_files(Session& session) {
    COLORDEF(session.paths, session.contours);
    DOSCOLR(session.paths, session.colors, *session.console);
    WINCOLR(session.paths, session.colors, *session.console);
    R_SETUP(session.paths, session.window);
}

void prepare_main_window(Session& session) {
    INITVAR(session.projections);
    if (session.paths.FileName.at1(1) != ' ') derive_from_file_name(session.paths);
}

int run_startup(Session& session, const std::vector<std::string>& tokens,
                const ScreenFunction& screen) {
    PathState& paths = session.paths;
    paths.RunDir = command_line_path(command_token(tokens, 0).trimmed());
    paths.DataDir = "AREADATA";
    paths.BrowseDir = paths.DataDir;
    session.catalog.Header = "";
    session.catalog.SelectedLine = "";
    SET_RUN(paths, *session.console);
    paths.FileName = "";
    paths.SubDir = "";

    paths.Model = command_token(tokens, 1).view();
    UCASE(paths.Model, 6);
    if (!accepted_model(paths.Model)) {
        session.console->write_line("QOR_PLOT not executed properly.");
        session.console->stop("", 1);
    }

    paths.SubDir = command_token(tokens, 2).view();
    int length = LENCHAR(paths.SubDir);
    UCASE(paths.SubDir, length);
    if (length != 10) {
        session.console->write_line("QOR_PLOT sub-directory MUST have 10 characters");
        session.console->stop("", 1);
    }

    load_settings_files(session);

    const Text<6> command_line_model = paths.Model;
    for (;;) {
        prepare_main_window(session);
        if (screen(session, command_line_model, paths.BrowseDir, paths.SubDir) != 1) return 0;
    }
}

}  // namespace qor
