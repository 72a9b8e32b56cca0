#include "plotout/printer_setup.h"

#include <algorithm>
#include <string_view>

#include "app/settings_files.h"
#include "base/fixed_record.h"
#include "platform/paths.h"

namespace qor {

namespace {

void set_defaults(PrinterPlacement& placement) {
    placement = PrinterPlacement{};
}

constexpr float lowest_scale = 0.0f;
constexpr float highest_scale = 1.0f;
constexpr float furthest_offset = 10.0f;

bool within(float value, float low, float high) {
    return value >= low && value <= high;  // false for a value that is no number
}

float limited(float value, float low, float high, float fallback) {
    if (value != value) return fallback;
    return std::clamp(value, low, high);
}

// How a refused value is named in the message.
std::string shown_value(float value) {
    std::string text = format_real(value, 30, 4);
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos || text[first] == '*') return "(not a number)";
    return text.substr(first);
}

}  // namespace

bool within_limits(const PrinterPlacement& placement) {
    return (placement.border == 1 || placement.border == 2) &&
           within(placement.scale, lowest_scale, highest_scale) &&
           within(placement.xOffset, -furthest_offset, furthest_offset) &&
           within(placement.yOffset, -furthest_offset, furthest_offset);
}

void bring_within_limits(PrinterPlacement& placement) {
    const PrinterPlacement defaults;
    if (placement.border != 1 && placement.border != 2) placement.border = defaults.border;
    placement.scale = limited(placement.scale, lowest_scale, highest_scale, defaults.scale);
    placement.xOffset =
        limited(placement.xOffset, -furthest_offset, furthest_offset, defaults.xOffset);
    placement.yOffset =
        limited(placement.yOffset, -furthest_offset, furthest_offset, defaults.yOffset);
}

std::string printer_setup_path(const PathState& paths) {
    return std::string(paths.RunDir.trimmed()) + "\\print_a.ini";
}

std::string printer_setup_line(const PrinterPlacement& placement) {
    return RecordWriter()
        .integer(placement.border, 5)
        .real(placement.scale, 10, 4)
        .real(placement.xOffset, 10, 4)
        .real(placement.yOffset, 10, 4)
        .str();
}

void PRINTER_SETUP_READ(const PathState& paths, PrinterPlacement& placement) {
    LineReader file;
    if (!file.open(printer_setup_path(paths))) {
        set_defaults(placement);
        return;
    }
    read_printer_setup_lines(file, placement);
}

void read_printer_setup_lines(LineReader& file, PrinterPlacement& placement) {
    std::string_view line;
    // An empty or all-blank line holds no settings, although its blank fields
    // would read as zeros.
    if (!file.next(line) || trim_right(line).empty()) {
        set_defaults(placement);
        return;
    }
    // All four fields or none: a line that is not an integer and three numbers
    // must not leave a mixture of old and new values behind.
    PrinterPlacement read;
    FieldReader fields(line);
    if (fields.integer(5, read.border) && fields.real(10, 4, read.scale) &&
        fields.real(10, 4, read.xOffset) && fields.real(10, 4, read.yOffset)) {
        // A value the dialog cannot show (an offset of a million inches) would
        // be saved as asterisks, which this reader then refuses.
        bring_within_limits(read);
        placement = read;
    } else {
        set_defaults(placement);
    }
}

std::optional<Message> PRINTER_SETUP_SAVE(const PathState& paths,
                                          const PrinterPlacement& placement) {
    const std::string failure = "In printer_setup_save, could not WRITE\n..\\RUN\\print_a.ini";
    if (!within_limits(placement)) {
        std::string reason;
        if (placement.border != 1 && placement.border != 2) {
            reason = "Border " + std::to_string(placement.border) + " is neither 1 nor 2";
        } else if (!within(placement.scale, lowest_scale, highest_scale)) {
            reason = "Scale " + shown_value(placement.scale) + " is not within 0 to 1.0";
        } else if (!within(placement.xOffset, -furthest_offset, furthest_offset)) {
            reason = "X-offset " + shown_value(placement.xOffset) + " is not within -10 to 10";
        } else {
            reason = "Y-offset " + shown_value(placement.yOffset) + " is not within -10 to 10";
        }
        return button_message(failure + "\n" + reason);
    }
    std::string content;
    append_record(content, printer_setup_line(placement));
    if (replace_file(printer_setup_path(paths), content).ok) return std::nullopt;
    return button_message(failure);
}

PrinterSetupCopy printer_setup_begin(const PathState& paths, WindowSettings& settings,
                                     PrinterPlacement& placement) {
    R_SETUP(paths, settings);
    PRINTER_SETUP_READ(paths, placement);
    return {placement.border, placement.scale, placement.xOffset, placement.yOffset};
}

CallbackResult PRINTER_SETUP_OK(const PathState& paths, PrinterPlacement& placement,
                                PrinterSetupCopy& copy) {
    placement.border = copy.border;
    // "Not above zero" rather than "zero or less", so that a value that is no
    // number at all becomes the full size too.
    if (!(copy.scale > 0.0)) copy.scale = 1.0;
    placement.scale = static_cast<float>(copy.scale);
    placement.xOffset = static_cast<float>(copy.xOffset);
    placement.yOffset = static_cast<float>(copy.yOffset);
    // The dialog's double is compared with the single-precision 0.99
    // (0.9900000095...): a scale typed as exactly 0.99 is below it and keeps
    // its offsets.
    if (!(copy.scale < static_cast<double>(0.99f))) {
        placement.xOffset = 0.0f;
        placement.yOffset = 0.0f;
    }
    return {0, PRINTER_SETUP_SAVE(paths, placement)};
}

int PRINTER_SETUP_NO() {
    return 0;
}

CallbackResult PRINTER_SETUP_DEFAULT(const PathState& paths, PrinterPlacement& placement) {
    set_defaults(placement);
    return {0, PRINTER_SETUP_SAVE(paths, placement)};
}

}  // namespace qor
