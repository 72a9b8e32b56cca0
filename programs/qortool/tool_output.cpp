#include "programs/qortool/tool_output.h"

#include <cstdio>

namespace qor::tool {

void print_line(std::string_view line) {
    line = trim_right(line);
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

void print_summary(const char* heading, std::string_view text) {
    print_line(heading);
    for (;;) {
        const std::size_t end = text.find("\r\n");
        print_line(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 2);
    }
}

void print_settings_summaries(const Session& session) {
    print_summary("Layers:", session.layers.summaryText.view());
    print_summary("Parameters:", session.parameters.summaryText.view());
    print_summary("Contours:", session.contours.summaryText.view());
}

void ErrorConsole::write_line(std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
    pending_.emplace_back(line);
}

void ErrorConsole::present(const std::vector<std::string>&, std::string_view message, bool) {
    message = trim_right(message);
    if (message.empty()) return;
    std::fwrite(message.data(), 1, message.size(), stderr);
    std::fputc('\n', stderr);
}

}  // namespace qor::tool
