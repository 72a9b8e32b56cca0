#include "app/about_box.h"

#include "base/fixed_record.h"

namespace qor {

std::string_view credit_line() {
    return "%nl%cnWritten in C++ with the GNU compiler collection and the Qt 6 window toolkit";
}

const std::array<std::string, 8>& disclaimer_lines() {
    static const std::array<std::string, 8> lines = {
        padded("QOR_PLOT is the area-coverage plotting front end of the HF radio propagation", 80),
        padded("planning package. It prepares the plot settings of area runs and starts the", 80),
        padded("package's map programs. It may be used and copied freely for planning HF radio",
               80),
        padded("circuits, provided that this notice is kept with every copy of the program.", 80),
        padded("The program and its documentation are provided as they are, without warranty", 80),
        padded("of any kind, express or implied, including fitness for a particular purpose.", 80),
        padded("The authors accept no liability for any loss or damage arising from the use", 80),
        padded("of this program or of the maps and predictions it helps to produce.", 80),
    };
    return lines;
}

void CONTACT(const PathState& paths, std::vector<std::string>& pieces) {
    int length = LENCHAR(paths.RunDir);
    std::string root = length - 3 > 0 ? std::string(paths.RunDir.sub(1, length - 3)) : "";
    LineReader file;
    if (!file.open(root + "database\\contact.txt")) {
        pieces.push_back("%nl%cn%tc[RED]" + std::string(32, '*'));
        pieces.push_back("%nl%cnNo contact.txt file, notify Ardo");
        pieces.push_back("%nl%cn" + std::string(32, '*') + "%tc[BLACK]");
        return;
    }
    std::size_t shown = 0;
    std::string_view line;
    while (shown < contact_line_limit && file.next(line)) {
        std::string_view record = line.substr(0, std::min(line.size(), contact_line_width));
        if (!record.empty() && record.front() == '#') continue;
        int significant = LENCHAR(record.data(), static_cast<int>(record.size()));
        if (significant <= 1) continue;
        pieces.emplace_back(record.substr(0, static_cast<std::size_t>(significant)));
        ++shown;
    }
}

void DISCLAIM(std::vector<std::string>& pieces) {
    pieces.emplace_back("%nl%nl%tc[RED]%bfDisclaimer:%`bf%tc[BLACK]");
    const std::array<std::string, 8>& lines = disclaimer_lines();
    for (std::size_t i = 0; i < 4; ++i) pieces.push_back("%nl" + lines[i]);
    pieces.emplace_back("%nl");
    for (std::size_t i = 4; i < 8; ++i) pieces.push_back("%nl" + lines[i]);
}

AboutBox about_box(const PathState& paths) {
    AboutBox box;
    box.caption = "About QOR_PLOT";
    box.pieces.emplace_back("%nl%cnQOR Area Planning PLOT for Windows");
    CONTACT(paths, box.pieces);
    box.pieces.emplace_back(credit_line());
    DISCLAIM(box.pieces);
    box.button = "OK";
    return box;
}

}  // namespace qor
