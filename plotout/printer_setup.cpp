#include "plotout/printer_setup.h"

#include <string_view>

#include "app/settings_files.h"
#include "base/fixed_record.h"
#include "platform/paths.h"

namespace qor {

namespace {

void set_defaults(PrinterPlacement& placement) {
    placement = PrinterPlacement{};
}

}  // namespace

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
    std::string_view line;
    // An empty or all-blank line holds no settings, although its blank fields
    // would read as zeros.
    if (!file.open(printer_setup_path(paths)) || !file.next(line) || trim_right(line).empty()) {
        set_defaults(placement);
        return;
    }
    // All four fields or none: a line that is not an integer and three numbers
    // must not leave a mixture of old and new values behind.
    PrinterPlacement read;
    FieldReader fields(line);
    if (fields.integer(5, read.border) && fields.real(10, 4, read.scale) &&
        fields.real(10, 4, read.xOffset) && fields.real(10, 4, read.yOffset)) {
        placement = read;
    } else {
        set_defaults(placement);
    }
}

std::optional<Message> PRINTER_SETUP_SAVE(const PathState& paths,
                                          const PrinterPlacement& placement) {
    std::string content = printer_setup_line(placement) + std::string(line_end());
    if (replace_file(printer_setup_path(paths), content).ok) return std::nullopt;
    return button_message("In printer_setup_save, could not WRITE\n..\\RUN\\print_a.ini");
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
