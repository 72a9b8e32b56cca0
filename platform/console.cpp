#include "platform/console.h"

#include <cstdio>
#include <cstdlib>

namespace qor {

void Console::write_line(std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    pending_.emplace_back(line);
}

void Console::pause(std::string_view message) {
    present(pending_, message, false);
    pending_.clear();
}

void Console::stop(std::string_view message, int status) {
    present(pending_, message, true);
    pending_.clear();
    end_process(status);
}

void Console::present(const std::vector<std::string>&, std::string_view message, bool stopping) {
    // The pause of a command-line run does not wait: nobody may be there to
    // answer it. Its message still reaches standard output.
    std::string_view shown = message;
    while (!shown.empty() && shown.back() == ' ') shown.remove_suffix(1);
    if (!shown.empty() || stopping) {
        std::fwrite(shown.data(), 1, shown.size(), stdout);
        if (!shown.empty()) std::fputc('\n', stdout);
    }
    std::fflush(stdout);
}

void end_process(int status) {
    std::fflush(stdout);
    std::fflush(stderr);
    std::exit(status);
}

}  // namespace qor
