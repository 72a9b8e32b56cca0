#include "plotout/plot_launch.h"

#include "base/fixed_record.h"
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
    std::string text;
    append_record(text, paths.FileName.view());
    append_record(text, grid.title.view());
    return text;
}

bool GH_EXEC(Console& console, const PlotCommand& command, int wait,
             const std::function<void()>& yield) {
    StartedProcess process = start_program(command.arguments, command.directory, wait != 0, yield);
    if (process.started) return true;
    console.write_line(" MyCreateProcess error in gh_exec during:");
    console.write_line(command.text);
    console.pause(" ");
    return false;
}

bool plot_to(const PlotRecords& plot, Console& console, PlotTarget target,
             std::optional<Message>& message) {
    message = WRITMAIN(plot);
    if (message) return false;
    if (!replace_file(plot_request_path(plot.paths), plot_request_text(plot.paths, plot.grid)).ok) {
        message = button_message("In " + std::string(action_name(target)) +
                                 ", could not WRITE\n..\\RUN\\" + std::string(request_name));
        return false;
    }
    return GH_EXEC(console, plot_command(plot.paths, target), 0);
}

namespace {

// The menu actions keep the main window open whatever happens.
CallbackResult plot_action(const PlotRecords& plot, Console& console, PlotTarget target) {
    CallbackResult result;
    plot_to(plot, console, target, result.message);
    return result;
}

}  // namespace

CallbackResult TOWINDOW(const PlotRecords& plot, Console& console) {
    return plot_action(plot, console, PlotTarget::window);
}

CallbackResult TOPRINTER(const PlotRecords& plot, Console& console) {
    return plot_action(plot, console, PlotTarget::printer);
}

CallbackResult TOSCREEN(const PlotRecords& plot, Console& console) {
    return plot_action(plot, console, PlotTarget::dos_screen);
}

}  // namespace qor
