// qorplot: the area-coverage plotting front end. Started with the run
// directory, the prediction program's name and the data sub-directory.

#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/main_window_view.h"
#include "app/startup.h"
#include "toolkit/gui_console.h"

int main(int argc, char** argv) {
    // Answered before the window system is asked for: it needs no display.
    if (argc > 1 && qor::usage_requested({argv[1]})) {
        std::fputs(qor::qorplot_usage().c_str(), stdout);
        return 0;
    }
    QApplication application(argc, argv);
    std::vector<std::string> tokens;
    for (int i = 1; i < argc; ++i) tokens.emplace_back(argv[i]);
    auto session = std::make_unique<qor::Session>();
    qor::GuiConsole console;
    session->console = &console;
    return qor::run_startup(*session, tokens, qor::SCREEN);
}
