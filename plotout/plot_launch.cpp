#include "plotout/plot_launch.h"

#include "platform/paths.h"
#include "platform/process.h"
#include "plotout/requirement_writer.h"

namespace qor {

namespace {

constexpr std::string_view request_name = "zonegrfx.dat";

std::string_view action_name(PlotTarget target) {
    switch (target) {
        case PlotTarget::window:
            return "towindow";
        case PlotTarget::printer:
            return "toprinter";
        case PlotTarget::dos_screen:
            return "toscreen";
    }
    return "plot";
}

}  // namespace

PlotCommand plot_command(const PathState& paths, PlotTarget target) {
    const std::string root = package_root(paths);
    const std::string run(paths.RunDir.trimmed());
    PlotCommand command;
    command.directory = native_path(run);
    if (target == PlotTarget::dos_screen) {
        const std::string program = root + "bin\\terradox.exe";
        command.text = program + " " + std::string(request_name);
        command.arguments = {native_path(program), std::string(request_name)};
        return command;
    }
    const std::string program = root + "bin_win\\terrapix.exe";
    command.text =
        program + " " + run + " " + paths.DataDir.str() + " " + std::string(request_name);
    command.arguments = {native_path(program), command.directory,
                         std::string(paths.DataDir.trimmed()), std::string(request_name)};
    if (target == PlotTarget::printer) {
        command.text += " p";
        command.arguments.emplace_back("p");
    }
    return command;
}

std::string plot_request_path(const PathState& paths) {
    return std::string(paths.RunDir.trimmed()) + "\\" + std::string(request_name);
}

std::string plot_request_text(const PathState& paths, const GridFile& grid) {
    std::string text = paths.FileName.str();
    text += line_end();
    text += grid.title.view();
    text += line_end();
    return text;
}

bool GH_EXEC(Session& session, const PlotCommand& command, int wait,
             const std::function<void()>& yield) {
    StartedProcess process = start_program(command.arguments, command.directory, wait != 0, yield);
    if (process.started) return true;
    session.console->write_line(" MyCreateProcess error in gh_exec during:");
    session.console->write_line(command.text);
    session.console->pause(" ");
    return false;
}

bool plot_to(Session& session, PlotTarget target, std::optional<Message>& message) {
    message = WRITMAIN(session);
    if (message) return false;
    if (!replace_file(plot_request_path(session.paths),
                      plot_request_text(session.paths, session.grid))
             .ok) {
        message = button_message("In " + std::string(action_name(target)) +
                                 ", could not WRITE\n..\\RUN\\" + std::string(request_name));
        return false;
    }
    return GH_EXEC(session, plot_command(session.paths, target), 0);
}

int TOWINDOW(Session& session, std::optional<Message>& message) {
    plot_to(session, PlotTarget::window, message);
    return 1;
}

int TOPRINTER(Session& session, std::optional<Message>& message) {
    plot_to(session, PlotTarget::printer, message);
    return 1;
}

int TOSCREEN(Session& session, std::optional<Message>& message) {
    plot_to(session, PlotTarget::dos_screen, message);
    return 1;
}

}  // namespace qor
