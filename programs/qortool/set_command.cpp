// qortool set: changes the plot settings of a grid file's run the way the
// Parameters, Contours and Layers dialogs change them, and writes them into
// the requirement file as a plot does, for scripts that prepare many runs
// alike. Every value goes through the dialogs' own routines, so a value a
// dialog would refuse is refused here with the same message.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/session.h"
#include "base/fixed_record.h"
#include "plotout/requirement_writer.h"
#include "plotsettings/contour_dialogs.h"
#include "plotsettings/layers_dialog.h"
#include "plotsettings/parameters_dialog.h"
#include "programs/qortool/commands.h"
#include "programs/qortool/grid_resolution.h"
#include "programs/qortool/tool_output.h"

namespace qor::tool {

namespace {

void usage(std::FILE* out) {
    std::fputs(
        "usage: qortool set GRIDFILE [--run RUNDIR] OPTION...\n"
        "\n"
        "Reads GRIDFILE, its requirement file and the plot parameter file as the\n"
        "main window does, changes the plot settings as the Parameters, Contours and\n"
        "Layers dialogs change them, and writes the requirement file as a plot does\n"
        "(zonegrfx.dat is not written and no map program is started). Then prints the\n"
        "resulting summaries as 'qortool show' does: \"Layers:\", \"Parameters:\" and\n"
        "\"Contours:\", each followed by its lines. RUNDIR defaults to the directory\n"
        "RUN beside the file's AREADATA or AREA_INV directory.\n"
        "\n"
        "Parameters (applied first):\n"
        "  --params-default        plot DBU alone, on automatic levels\n"
        "  --params NAME[,NAME...] plot these parameters of the plot parameter table;\n"
        "                          the first five in the table's order fill slots 1\n"
        "                          to 5. A parameter plotted before keeps its contour\n"
        "                          settings in its new slot; a new one starts on\n"
        "                          automatic levels. An empty list plots DBU alone.\n"
        "                          With --params-default, the default comes first.\n"
        "\n"
        "Contours (then; SLOT is a slot number 1 to 5, or the name of the parameter\n"
        "it holds once the parameters are set):\n"
        "  --auto SLOT             automatic levels\n"
        "  --levels SLOT=L,...     user-defined levels of positions 1 to 7, lowest\n"
        "                          first, each from -999.0 to 999.0, not decreasing;\n"
        "                          fewer than seven fill the top positions and the\n"
        "                          ones below become empty (-999.0)\n"
        "  --colors SLOT=C,...     user-defined levels with these colours of\n"
        "                          positions 1 to 7, lowest first (colour 1 is drawn\n"
        "                          below level 1, colour j between levels j-1 and j);\n"
        "                          fewer than seven fill the top positions. A colour is\n"
        "                          0 to 15, a code 0-9 or A-F of the sixteen-colour\n"
        "                          table, or -1 for none; it must be in the window\n"
        "                          colour list (item n is colour n-2)\n"
        "  A slot on automatic levels given only --colors keeps its automatic levels\n"
        "  as its user-defined ones; given only --levels, it keeps their colours.\n"
        "\n"
        "Layers (last):\n"
        "  --layers-default        the default layer colours and RECEIVE.CTY; other\n"
        "                          layer options given with it apply after it\n"
        "  --grid CODE  --countries CODE  --zones CODE  --main-beam CODE\n"
        "                          a code of the window colour list (\"0=Blck\") or the\n"
        "                          name it shows (\"Black\", any case)\n"
        "  --cities CODE           a code or name of the city list (\"2=RED \")\n"
        "  --contour-style CODE    a code or name of the contour list (\"4=Shad\")\n"
        "  --city-file NAME        one of the package's USERDB\\RECEIVE.* files\n"
        "  Setting any layer stores all of them as the Layers dialog's Accept does:\n"
        "  a stored code its list lacks becomes the list's first item, and a city\n"
        "  file that is not in USERDB becomes RECEIVE.CTY.\n"
        "\n"
        "Exit status 0 when the requirement file was written; 1 when the file cannot\n"
        "be used or a value is refused (levels out of order, a parameter the grid\n"
        "lacks, a code not in its list, a file that cannot be written), with the\n"
        "reason on standard error and nothing written; 2 for a usage error.\n",
        out);
}

int usage_error(const std::string& text) {
    std::fprintf(stderr, "qortool set: %s\n", text.c_str());
    usage(stderr);
    return 2;
}

int refuse(const std::string& text) {
    std::fprintf(stderr, "qortool set: %s\n", text.c_str());
    return 1;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

std::string upper(std::string text) {
    UCASE(text.data(), static_cast<int>(text.size()));
    return text;
}

// A number as a script writes it: no blanks, nothing after it.
bool parse_number(const std::string& text, double& value) {
    if (text.empty() || text.find(' ') != std::string::npos) return false;
    return parse_real(text, 0, value);
}

// What one slot's contour options ask for, gathered before any is applied.
struct SlotChange {
    std::string slot;  // as given: a number or a parameter name
    bool automatic = false;
    std::vector<double> levels;
    std::vector<std::int32_t> colours;
};

struct LayerChange {
    std::int32_t layer = 0;  // 1 to 6
    std::string code;
};

struct Request {
    std::string gridFile;
    std::string runDirectory;
    bool paramsDefault = false;
    std::optional<std::vector<std::string>> params;
    std::vector<SlotChange> slots;
    bool layersDefault = false;
    std::vector<LayerChange> layers;
    std::optional<std::string> cityFile;

    bool changes_something() const {
        return paramsDefault || params || !slots.empty() || layersDefault || !layers.empty() ||
               cityFile;
    }
};

SlotChange& slot_change(Request& request, const std::string& slot) {
    for (SlotChange& change : request.slots) {
        if (change.slot == slot) return change;
    }
    request.slots.push_back({slot, false, {}, {}});
    return request.slots.back();
}

// A colour of the sixteen-colour table: its index -1 to 15 or its code.
bool parse_colour(const std::string& text, std::int32_t& colour) {
    if (text.size() == 1 && std::isxdigit(static_cast<unsigned char>(text[0]))) {
        colour = static_cast<std::int32_t>(std::stoi(text, nullptr, 16));
        return true;
    }
    double value = 0;
    if (!parse_number(text, value) || value != static_cast<double>(static_cast<int>(value))) {
        return false;
    }
    if (value < -1 || value > 15) return false;
    colour = static_cast<std::int32_t>(value);
    return true;
}

const std::map<std::string, std::int32_t>& layer_options() {
    static const std::map<std::string, std::int32_t> options = {
        {"--grid", 1},   {"--countries", 2}, {"--zones", 3},
        {"--cities", 4}, {"--main-beam", 5}, {"--contour-style", 6},
    };
    return options;
}

// Reads the command line; an error text for a usage error.
std::optional<std::string> parse_request(const Arguments& arguments, Request& request) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= arguments.size()) return std::nullopt;
            return arguments[++i];
        };
        // SLOT=VALUES of --levels and --colors.
        auto slot_values = [&](std::string& slot, std::vector<std::string>& values) {
            const std::optional<std::string> given = value();
            if (!given) return false;
            const std::size_t equals = given->find('=');
            if (equals == std::string::npos || equals == 0 || equals + 1 == given->size()) {
                return false;
            }
            slot = given->substr(0, equals);
            values = split(given->substr(equals + 1), ',');
            return values.size() <= 7;
        };

        if (argument == "--run") {
            const std::optional<std::string> run = value();
            if (!run) return "--run needs a directory";
            request.runDirectory = *run;
        } else if (argument == "--params-default") {
            request.paramsDefault = true;
        } else if (argument == "--params") {
            const std::optional<std::string> names = value();
            if (!names) return "--params needs a list of parameter names";
            if (request.params) return "give --params once";
            request.params = names->empty() ? std::vector<std::string>{} : split(*names, ',');
        } else if (argument == "--auto") {
            const std::optional<std::string> slot = value();
            if (!slot || slot->empty()) return "--auto needs a slot";
            slot_change(request, *slot).automatic = true;
        } else if (argument == "--levels") {
            std::string slot;
            std::vector<std::string> texts;
            if (!slot_values(slot, texts)) return "--levels needs SLOT=L1,...,L7 (1 to 7 levels)";
            SlotChange& change = slot_change(request, slot);
            change.levels.clear();
            for (const std::string& text : texts) {
                double level = 0;
                if (!parse_number(text, level)) return "--levels: '" + text + "' is not a number";
                change.levels.push_back(level);
            }
        } else if (argument == "--colors") {
            std::string slot;
            std::vector<std::string> texts;
            if (!slot_values(slot, texts)) return "--colors needs SLOT=C1,...,C7 (1 to 7 colours)";
            SlotChange& change = slot_change(request, slot);
            change.colours.clear();
            for (const std::string& text : texts) {
                std::int32_t colour = 0;
                if (!parse_colour(text, colour)) {
                    return "--colors: '" + text + "' is not a colour (-1 to 15, or 0-9, A-F)";
                }
                change.colours.push_back(colour);
            }
        } else if (argument == "--layers-default") {
            request.layersDefault = true;
        } else if (layer_options().contains(argument)) {
            const std::optional<std::string> code = value();
            if (!code) return argument + " needs a code";
            request.layers.push_back({layer_options().at(argument), *code});
        } else if (argument == "--city-file") {
            const std::optional<std::string> name = value();
            if (!name || name->empty()) return "--city-file needs a file name";
            request.cityFile = *name;
        } else if (argument.size() > 1 && argument[0] == '-') {
            return "unknown option " + argument;
        } else if (request.gridFile.empty()) {
            request.gridFile = argument;
        } else {
            return "one grid file only";
        }
    }
    if (request.gridFile.empty()) return "no grid file given";
    if (!request.changes_something()) return "nothing to set: give at least one option";
    for (const SlotChange& change : request.slots) {
        if (change.automatic && (!change.levels.empty() || !change.colours.empty())) {
            return "slot " + change.slot + ": --auto cannot go with --levels or --colors";
        }
    }
    return std::nullopt;
}

std::string table_names(const PlotParameterTable& table) {
    std::string names;
    const auto count = static_cast<std::size_t>(
        std::clamp(table.count, 0, static_cast<std::int32_t>(table.entries.size())));
    for (std::size_t k = 0; k < count; ++k) {
        names += " " + std::string(trim_right(table.entries[k].line.sub(1, 6)));
    }
    return names.empty() ? "(none)" : names.substr(1);
}

std::optional<std::string> set_parameters(const Request& request, Session& session) {
    ParameterSelection& parameters = session.parameters;
    if (request.paramsDefault) {
        PARAMS_DEFAULT(session.plotParameters, parameters, session.contours, *session.console);
    }
    if (!request.params) return std::nullopt;
    parameters.selected.fill(0);
    for (const std::string& name : *request.params) {
        const std::int32_t k =
            name.size() <= 6 ? IPARAMS(session.plotParameters, Text<6>(name)) : 0;
        if (k == 0) {
            return "parameter '" + name + "' is not in the plot parameter table of this grid " +
                   "file; it has: " + table_names(session.plotParameters);
        }
        parameters.selected[static_cast<std::size_t>(k - 1)] = 1;
    }
    PARAMS_OK(session.plotParameters, parameters, session.contours, *session.console);
    return std::nullopt;
}

// The slot (1 to 5) a SLOT argument names: its number, or the slot holding
// the parameter of that name.
std::optional<std::int32_t> find_slot(const ParameterSelection& parameters,
                                      const std::string& slot) {
    if (slot.size() == 1 && slot[0] >= '1' && slot[0] <= '5') {
        const std::int32_t number = slot[0] - '0';
        if (parameters.names[static_cast<std::size_t>(number - 1)].blank()) return std::nullopt;
        return number;
    }
    for (std::size_t i = 0; i < parameters.names.size(); ++i) {
        if (slot.size() <= 6 && !parameters.names[i].blank() &&
            parameters.names[i] == Text<6>(slot)) {
            return static_cast<std::int32_t>(i + 1);
        }
    }
    return std::nullopt;
}

std::string format_level(double level) {
    std::string text = format_real(level, 24, 1);
    return text.substr(text.find_first_not_of(' '));
}

// Opens the overview once, edits each slot in an editor of its own, and
// accepts the overview.
std::optional<std::string> set_contours(const Request& request, Session& session) {
    if (request.slots.empty()) return std::nullopt;
    const PlotParameterTable& table = session.plotParameters;
    const DefaultColours& defaults = session.contours.defaultColors;
    Console& console = *session.console;
    PendingContours pending;
    contours_prepare(table, session.contours, session.parameters, console, pending);

    for (const SlotChange& change : request.slots) {
        const std::optional<std::int32_t> slot = find_slot(session.parameters, change.slot);
        if (!slot) {
            return "slot '" + change.slot + "' holds no parameter (slots: " +
                   std::string(trim_right(session.parameters.summaryText.view())) + ")";
        }
        ContourEditor editor;
        contour_editor_prepare(table, defaults, session.parameters, pending, *slot, console,
                               editor);
        if (change.automatic) {
            CONTOURX_AUTO(table, defaults, console, editor, pending);
            continue;
        }
        // Levels and colours are the user's own: an automatic slot switches
        // first, keeping what the editor shows as the starting point.
        if (editor.method == 0) CONTOURX_METHOD(table, defaults, console, editor);
        if (!change.levels.empty()) {
            const std::size_t first = 7 - change.levels.size();
            for (std::size_t j = 0; j < 7; ++j) {
                editor.levelInputs[j] = j < first ? empty_level : change.levels[j - first];
            }
            for (double level : change.levels) {
                if (level < lowest_level_input || level > highest_level_input) {
                    return "slot " + change.slot + ": level " + format_level(level) +
                           " is outside -999.0 to 999.0";
                }
            }
        }
        const std::int32_t items = session.colors.WindowColourCount;
        const std::size_t first = 7 - change.colours.size();
        for (std::size_t j = 0; j < change.colours.size(); ++j) {
            const std::int32_t item = change.colours[j] + 2;
            if (item > items) {
                return "slot " + change.slot + ": colour " + std::to_string(change.colours[j]) +
                       " is not in the window colour list (" + std::to_string(items) +
                       " items, item n is colour n-2)";
            }
            editor.colorChoices[first + j] = item;
        }
        const CallbackResult accepted = CONTOURX_OK(table, defaults, console, editor, pending);
        if (accepted.keepOpen != 0) {
            return "slot " + change.slot + ": " +
                   (accepted.message ? message_text(*accepted.message) : "levels refused");
        }
    }
    CONTOURS_OK(table, pending, session.parameters, session.contours, console);
    return std::nullopt;
}

// The item of a layer's list that a code or a name stands for; 0 when none.
std::int32_t find_item(const LayerList& list, const std::string& given) {
    for (std::size_t i = 0; i < list.codes.size(); ++i) {
        if (given.size() <= 6 && list.codes[i] == Text<6>(given)) {
            return static_cast<std::int32_t>(i + 1);
        }
    }
    for (std::size_t i = 0; i < list.names.size(); ++i) {
        if (upper(list.names[i]) == upper(std::string(trim_right(given)))) {
            return static_cast<std::int32_t>(i + 1);
        }
    }
    return 0;
}

std::string list_codes(const LayerList& list) {
    std::string codes;
    for (const Text<6>& code : list.codes) {
        if (!codes.empty()) codes += ", ";
        codes += "\"" + std::string(trim_right(code.view())) + "\"";
    }
    return codes.empty() ? "(an empty list)" : codes;
}

std::optional<std::string> set_layers(const Request& request, Session& session) {
    LayerSettings& layers = session.layers;
    if (request.layersDefault) LAYERS_DEFAULT(session.colors, layers);
    if (request.layers.empty() && !request.cityFile) return std::nullopt;

    layers_prepare(session.paths, session.colors, layers);
    for (const LayerChange& change : request.layers) {
        const LayerList list = layer_list(session.colors, change.layer);
        const std::int32_t item = find_item(list, change.code);
        if (item == 0) {
            return "'" + change.code + "' is not in the list of layer " +
                   std::to_string(change.layer) + ": " + list_codes(list);
        }
        layers.choices[static_cast<std::size_t>(change.layer - 1)] = item;
    }
    if (request.cityFile) {
        layers.cityChoice = 0;
        for (std::int32_t i = 0; i < layers.cityFileCount; ++i) {
            if (upper(std::string(layers.cityFiles[static_cast<std::size_t>(i)].trimmed())) ==
                upper(*request.cityFile)) {
                layers.cityChoice = i + 1;
            }
        }
        if (layers.cityChoice == 0) {
            std::string files;
            for (std::int32_t i = 0; i < layers.cityFileCount; ++i) {
                files += " " + std::string(layers.cityFiles[static_cast<std::size_t>(i)].trimmed());
            }
            return "city file '" + *request.cityFile + "' is not in the package's USERDB (" +
                   (files.empty() ? std::string("no RECEIVE.* files") : files.substr(1)) + ")";
        }
    }
    LAYERS_OK(session.colors, layers);
    return std::nullopt;
}

}  // namespace

int set_command(const Arguments& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            usage(stdout);
            return 0;
        }
    }
    Request request;
    if (std::optional<std::string> error = parse_request(arguments, request)) {
        return usage_error(*error);
    }

    Session session;
    ErrorConsole console;
    session.console = &console;
    if (std::optional<std::string> failure =
            open_grid_file(session, request.gridFile, request.runDirectory)) {
        return refuse(*failure);
    }
    for (auto step : {set_parameters, set_contours, set_layers}) {
        if (std::optional<std::string> refused = step(request, session)) return refuse(*refused);
    }
    if (std::optional<Message> failure = WRITMAIN(plot_records(session))) {
        return refuse(message_text(*failure));
    }
    print_settings_summaries(session);
    std::fflush(stdout);
    return 0;
}

}  // namespace qor::tool
