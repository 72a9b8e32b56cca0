// The settings files of the sample package's database directory and its city
// files.

#include <array>

#include "base/fixed_record.h"
#include "sample/sample_files.h"

namespace qor::sample {

namespace {

struct Colour {
    const char* label;     // the sixteen-colour table's label: the code in the dialogs
    const char* shown;     // what the colour lists show the user
    const char* dos_name;  // the name the map program knows (colors.dat first name)
};

// Colour code 0 to 15, in order.
constexpr std::array<Colour, 16> colours{{
    {"0=Blck", "Black", "black"},
    {"1=Red ", "Red", "red"},
    {"2=Grn ", "Green", "green"},
    {"3=Yell", "Yellow", "yellow"},
    {"4=Blue", "Blue", "blue"},
    {"5=Magn", "Magenta", "magnta"},
    {"6=Cyan", "Cyan", "cyan"},
    {"7=Grey", "Grey", "grey"},
    {"8=DGry", "Dark grey", "dkgrey"},
    {"9=Orng", "Orange", "orange"},
    {"A=Lgrn", "Lt green", "ltgrn"},
    {"B=Brwn", "Brown", "brown"},
    {"C=Lblu", "Lt blue", "ltblue"},
    {"D=Pink", "Pink", "pink"},
    {"E=LLbl", "Pale blue", "llblue"},
    {"F=Whit", "White", "white"},
}};

struct Choice {
    const char* code;
    const char* shown;
};

// The Cities layer: the colour and size of the city names drawn.
constexpr std::array<Choice, 7> city_choices{{
    {"Ignore", "Ignore (no cities)"},
    {"0=BLCK", "BLACK, large names"},
    {"1=blck", "black, small names"},
    {"2=RED ", "RED, large names"},
    {"3=red ", "red, small names"},
    {"4=BLUE", "BLUE, large names"},
    {"5=blue", "blue, small names"},
}};

// The Contours layer: how contour lines and bands are drawn.
constexpr std::array<Choice, 8> contour_choices{{
    {"Ignore", "Ignore (no contours)"},
    {"0=BLCK", "Black with shading"},
    {"1=RED ", "Red with shading"},
    {"2=blck", "Black, no shading"},
    {"3=red ", "Red, no shading"},
    {"4=Shad", "Shading, no contours"},
    {"5=Bin ", "Bin colour shading"},
    {"6=bin ", "Bin B/W shading"},
}};

// A list entry of colors.win: code in columns 1-6, column 7 blank, name from
// column 8.
std::string colour_list_entry(std::string_view code, std::string_view name, int name_width) {
    return RecordWriter().text(code, 6).blanks(1).text(name, name_width).str();
}

std::string trimmed(std::string line) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

std::string colors_win() {
    std::vector<std::string> lines;
    lines.push_back("QOR colour lists: window colours, city layer, contour layer");
    lines.push_back(RecordWriter()
                        .integer(static_cast<long long>(colours.size()) + 1, 3)
                        .integer(static_cast<long long>(city_choices.size()), 3)
                        .integer(static_cast<long long>(contour_choices.size()), 3)
                        .str());
    // Item 1 is "Ignore"; item n + 2 is colour code n, as the contour editor expects.
    lines.push_back(trimmed(colour_list_entry("Ignore", "Ignore", 10)));
    for (const Colour& colour : colours) {
        lines.push_back(trimmed(colour_list_entry(colour.label, colour.shown, 10)));
    }
    for (const Choice& choice : city_choices) {
        lines.push_back(trimmed(colour_list_entry(choice.code, choice.shown, 20)));
    }
    for (const Choice& choice : contour_choices) {
        lines.push_back(trimmed(colour_list_entry(choice.code, choice.shown, 20)));
    }
    return join_lines(lines);
}

std::string colors_dat() {
    std::vector<std::string> lines;
    lines.push_back("Name  Code  Label   (map program colour names)");
    for (std::size_t code = 0; code < colours.size(); ++code) {
        lines.push_back(RecordWriter()
                            .text(colours[code].dos_name, 6)
                            .integer(static_cast<long long>(code), 5)
                            .blanks(2)
                            .text(colours[code].label, 6)
                            .str());
    }
    return join_lines(lines);
}

std::string colors_con() {
    // Automatic contour bands from low to high: light blue through green,
    // yellow, orange, red and magenta to white.
    constexpr std::array<int, 7> band_colours{12, 10, 3, 9, 1, 5, 15};
    RecordWriter line;
    for (int colour : band_colours) line.integer(colour, 4);
    return join_lines({line.str()});
}

std::string contact_txt() {
    return join_lines({
        "# Contacts shown in the About box of QOR_PLOT.",
        "# Each line is one piece of the box, in the window toolkit's format notation:",
        "#   %nl starts a new line, %cn centres it, %tc[RED] ... %tc[BLACK] colours text.",
        "# Lines starting with # and blank lines are not shown; use %nl for an empty line.",
        "",
        "%nl",
        "%nl%cnFor help with this installation contact:",
        "%nl%cn%tc[BLUE]Your site's support desk%tc[BLACK]",
        "%nl%cnHF Frequency Management, room 2.14",
        "%nl%cnTelephone: +1 555 0100 (weekdays 08:00-17:00 UTC)",
        "%nl%cnE-mail: hf-planning@example.org",
        "",
        "# Program maintenance",
        "%nl",
        "%nl%cnFor problems with the program itself:",
        "%nl%cnQOR package maintainers, qor-support@example.org",
    });
}

struct City {
    const char* name;
    double latitude;   // degrees, north positive
    double longitude;  // degrees, east positive
};

// A city file line: name in columns 1-20, latitude F8.2 in columns 21-28,
// longitude F9.2 in columns 29-37.
std::string city_file(std::initializer_list<City> cities) {
    std::vector<std::string> lines;
    for (const City& city : cities) {
        lines.push_back(RecordWriter()
                            .text(city.name, 20)
                            .real(city.latitude, 8, 2)
                            .real(city.longitude, 9, 2)
                            .str());
    }
    return join_lines(lines);
}

}  // namespace

SampleFiles settings_files() {
    return {
        {"database/colors.win", colors_win()},
        {"database/colors.dat", colors_dat()},
        {"database/colors.con", colors_con()},
        {"database/contact.txt", contact_txt()},
    };
}

SampleFiles city_files() {
    return {
        {"USERDB/RECEIVE.CTY", city_file({
                                   {"LONDON", 51.51, -0.13},
                                   {"PARIS", 48.86, 2.35},
                                   {"MADRID", 40.42, -3.70},
                                   {"ROME", 41.90, 12.50},
                                   {"BERLIN", 52.52, 13.40},
                                   {"WARSAW", 52.23, 21.01},
                                   {"MOSCOW", 55.76, 37.62},
                                   {"CAIRO", 30.04, 31.24},
                                   {"LAGOS", 6.52, 3.38},
                                   {"NAIROBI", -1.29, 36.82},
                                   {"NEW YORK", 40.71, -74.01},
                                   {"WASHINGTON", 38.90, -77.04},
                                   {"HAVANA", 23.11, -82.37},
                                   {"MEXICO CITY", 19.43, -99.13},
                                   {"BOGOTA", 4.71, -74.07},
                                   {"CARACAS", 10.48, -66.90},
                                   {"LIMA", -12.05, -77.04},
                                   {"SAO PAULO", -23.55, -46.63},
                                   {"BUENOS AIRES", -34.60, -58.38},
                                   {"REYKJAVIK", 64.15, -21.94},
                               })},
        {"USERDB/RECEIVE.EUR", city_file({
                                   {"LISBON", 38.72, -9.14},
                                   {"DUBLIN", 53.35, -6.26},
                                   {"OSLO", 59.91, 10.75},
                                   {"STOCKHOLM", 59.33, 18.07},
                                   {"HELSINKI", 60.17, 24.94},
                                   {"COPENHAGEN", 55.68, 12.57},
                                   {"AMSTERDAM", 52.37, 4.90},
                                   {"BRUSSELS", 50.85, 4.35},
                                   {"VIENNA", 48.21, 16.37},
                                   {"PRAGUE", 50.08, 14.44},
                                   {"BUDAPEST", 47.50, 19.04},
                                   {"BUCHAREST", 44.43, 26.10},
                                   {"ATHENS", 37.98, 23.73},
                                   {"ISTANBUL", 41.01, 28.98},
                                   {"KYIV", 50.45, 30.52},
                               })},
        {"USERDB/RECEIVE.LAM", city_file({
                                   {"GUATEMALA CITY", 14.63, -90.51},
                                   {"SAN JOSE", 9.93, -84.08},
                                   {"PANAMA CITY", 8.98, -79.52},
                                   {"QUITO", -0.18, -78.47},
                                   {"LA PAZ", -16.50, -68.15},
                                   {"SANTIAGO", -33.45, -70.67},
                                   {"MONTEVIDEO", -34.90, -56.16},
                                   {"ASUNCION", -25.26, -57.58},
                                   {"BRASILIA", -15.79, -47.88},
                                   {"RECIFE", -8.05, -34.88},
                                   {"SANTO DOMINGO", 18.49, -69.93},
                                   {"KINGSTON", 17.97, -76.79},
                               })},
    };
}

}  // namespace qor::sample
