// qortool catalog: creates, lists and sorts the catalog of a data
// sub-directory, and lists the grid files of one of its entries, with the same
// routines and texts as the program's File menu.

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "app/session.h"
#include "app/startup.h"
#include "base/fixed_record.h"
#include "catalog/catalog_creation.h"
#include "catalog/catalog_file.h"
#include "catalog/grid_list.h"
#include "catalog/open_by_catalog.h"
#include "platform/paths.h"
#include "programs/qortool/commands.h"

namespace qor::tool {

namespace {

void usage(std::FILE* out) {
    std::fputs(
        "usage: qortool catalog RUNDIR MODEL SUBDIR create|list|sort KEY|grids N\n"
        "\n"
        "RUNDIR, MODEL and SUBDIR are the three tokens qorplot takes: the run\n"
        "directory, the prediction program (HALDOR, MIRVEN, TABLIN) and the\n"
        "ten-character data sub-directory.\n"
        "\n"
        "  create     write the catalog of the sub-directory, as \"Create catalog\" does\n"
        "  list       print line 1, the column headings and the entries of the catalog\n"
        "  sort KEY   rewrite the catalog in a new order; KEY is one of\n"
        "             \"Requirement Number\" (R), \"Frequency/Time/Location\" (FTL),\n"
        "             \"Location/Frequency/Time\" (LFT), \"Location/Time/Frequency\" (LTF)\n"
        "  grids N    print the grid-file lines of catalog entry N (1-based)\n",
        out);
}

std::string upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

// The sort key a KEY argument names: a sort name or its short form, in any case.
int parse_sort_key(const std::string& argument) {
    static constexpr std::array<std::string_view, 4> short_names = {"R", "FTL", "LFT", "LTF"};
    const std::string wanted = upper(argument);
    for (std::size_t k = 0; k < sort_names.size(); ++k) {
        if (wanted == short_names[k] || wanted == upper(std::string(sort_names[k]))) {
            return static_cast<int>(k) + 1;
        }
    }
    return 0;
}

void print_message(std::FILE* out, const Message& message) {
    if (!message.caption.empty()) std::fprintf(out, "%s\n", message.caption.c_str());
    for (const MessageLine& line : message.lines) {
        std::string text;
        for (const TextRun& run : line.runs) text += run.text;
        if (!trim_right(text).empty()) std::fprintf(out, "%s\n", text.c_str());
    }
    if (!message.button.empty() && message.button != "OK") {
        std::fprintf(out, "%s\n", message.button.c_str());
    }
}

void print_trimmed(std::string_view text) {
    std::string_view shown = trim_right(text);
    std::fwrite(shown.data(), 1, shown.size(), stdout);
    std::fputc('\n', stdout);
}

// Windows for a shell: messages go to standard output and are kept, progress
// is not shown, and no list window is ever opened.
class ToolWindows : public CatalogWindows {
  public:
    int screen_width() const override { return 1024; }
    bool large_text() const override { return false; }
    void show_message(const Message& message) override { messages.push_back(message); }
    void run_requirement_window(RequirementWindow&) override {}
    void run_grid_window(GridWindow&) override {}
    void open_progress(const CatalogProgress&) override {}
    void update_progress(const CatalogProgress&) override {}
    void close_progress() override {}

    std::vector<Message> messages;
};

// Sets the session up from the three tokens as the program's start-up does;
// an error text when they are not acceptable.
std::optional<std::string> use_tokens(Session& session, const Arguments& arguments) {
    PathState& paths = session.paths;
    paths.RunDir = command_line_path(command_token(arguments, 0).trimmed());
    paths.DataDir = "AREADATA";
    paths.BrowseDir = "AREADATA";
    SET_RUN(paths, *session.console);
    std::string_view run = paths.RunDir.trimmed();
    if (run.size() < 4 || upper(std::string(run.substr(run.size() - 4))) != "\\RUN") {
        return "could not find RUN directory: " + arguments[0];
    }
    paths.Model = command_token(arguments, 1).view();
    UCASE(paths.Model, 6);
    if (!(paths.Model == "TABLIN" || paths.Model == "HALDOR" || paths.Model == "MIRVEN")) {
        return "QOR_PLOT not executed properly.";
    }
    paths.SubDir = command_token(arguments, 2).view();
    int length = LENCHAR(paths.SubDir);
    UCASE(paths.SubDir, length);
    if (length != 10) return "QOR_PLOT sub-directory MUST have 10 characters";
    return std::nullopt;
}

int fail(const std::string& text) {
    std::fprintf(stderr, "qortool catalog: %s\n", text.c_str());
    return 1;
}

bool read_catalog(Session& session, std::string& path, Text<24>& sortName) {
    CatalogReadOutcome outcome = READ_CATALOG_FILE(session.paths, session.catalog, path, sortName);
    if (outcome == CatalogReadOutcome::read) return true;
    print_message(stderr, catalog_error(outcome, path));
    return false;
}

int list(Session& session) {
    std::string path;
    Text<24> sortName;
    if (!read_catalog(session, path, sortName)) return 1;
    const CatalogList& catalog = session.catalog;
    RecordWriter first;
    first.integer(catalog.Count, 5).literal(catalog_count_literal).literal(sortName.trimmed());
    print_trimmed(first.str());
    print_trimmed(catalog.Header.view());
    for (int i = 0; i < catalog.Count; ++i) {
        print_trimmed(catalog.Lines[static_cast<std::size_t>(i)].view());
    }
    return 0;
}

int grids(Session& session, const std::string& argument) {
    std::int32_t entry = 0;
    if (!parse_integer(argument, entry) || trim_right(argument).empty()) {
        return fail("grids needs an entry number, not '" + argument + "'");
    }
    std::string path;
    Text<24> sortName;
    if (!read_catalog(session, path, sortName)) return 1;
    CatalogList& catalog = session.catalog;
    if (entry < 1 || entry > catalog.Count) {
        return fail("the catalog has " + std::to_string(catalog.Count) + " entries, not " +
                    argument);
    }
    READ_GRIDS(session.paths, catalog, catalog.Lines[static_cast<std::size_t>(entry - 1)]);
    for (int k = 0; k < catalog.GridCount; ++k) {
        print_trimmed(catalog.GridLines[static_cast<std::size_t>(k)].view());
    }
    return 0;
}

}  // namespace

int catalog_command(const Arguments& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            usage(stdout);
            return 0;
        }
    }
    if (arguments.size() < 4) {
        usage(stderr);
        return 2;
    }
    const std::string& action = arguments[3];
    const std::size_t wanted = (action == "sort" || action == "grids") ? 5 : 4;
    if ((action != "create" && action != "list" && wanted == 4) || arguments.size() != wanted) {
        usage(stderr);
        return 2;
    }

    auto session = std::make_unique<Session>();
    if (auto problem = use_tokens(*session, arguments)) return fail(*problem);
    ToolWindows windows;

    if (action == "create") {
        CREATECB(session->paths, windows);
        bool created = !windows.messages.empty() && windows.messages.back().background == "green";
        for (const Message& message : windows.messages) {
            print_message(created ? stdout : stderr, message);
        }
        return created ? 0 : 1;
    }
    if (action == "list") return list(*session);
    if (action == "grids") return grids(*session, arguments[4]);

    int key = parse_sort_key(arguments[4]);
    if (key == 0) return fail("unknown sort key '" + arguments[4] + "'");
    sort_command(session->paths, session->catalog, windows, key);
    for (const Message& message : windows.messages) print_message(stderr, message);
    if (session->catalog.RequirementIndex != -1) return 1;
    std::printf("Sorted by: %s\n",
                std::string(sort_names[static_cast<std::size_t>(key - 1)]).c_str());
    return 0;
}

}  // namespace qor::tool
