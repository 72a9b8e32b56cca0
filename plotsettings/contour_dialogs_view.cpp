#include "plotsettings/contour_dialogs_view.h"

#include <string>

#include "base/fixed_record.h"
#include "plotsettings/layers_dialog.h"
#include "plotsettings/settings_dialog_view.h"
#include "toolkit/message_action.h"
#include "toolkit/window_builder.h"

namespace qor {

namespace {

QString pending_line_name(std::int32_t slot) {
    return QString("PendingContours.lines(%1)").arg(slot);
}

// The editor's row labels, from the top row (8) down to the bottom one (1).
std::string row_label(int row) {
    if (row == 8) return padded("", 18);
    if (row == 1) return padded("Less than", 18);
    return "Greater than or = ";
}

}  // namespace

void CONTOURX(const ContourDialogRecords& records, PendingContours& pending, std::int32_t slot,
              QWidget* overview) {
    ContourEditor editor;
    contour_editor_prepare(records.table, records.contours.defaultColors, records.parameters,
                           pending, slot, records.console, editor);
    const std::vector<std::string> colour_names = layer_list(records.tables, 1).names;
    const int colour_lines = contour_colour_lines(records.tables, dialog_screen());
    const std::string name = editor.name.str();

    WindowBuilder b(overview, "CONTOURX");
    Window* window = b.window();
    const auto accept = [&records, &editor, &pending, overview] {
        CallbackResult result = CONTOURX_OK(records.table, records.contours.defaultColors,
                                            records.console, editor, pending);
        if (result.keepOpen == 0) repaint_in(overview, pending_line_name(editor.slot));
        return result;
    };
    const auto automatic = [&records, &editor, &pending, overview] {
        const int result = CONTOURX_AUTO(records.table, records.contours.defaultColors,
                                         records.console, editor, pending);
        repaint_in(overview, pending_line_name(editor.slot));
        return result;
    };
    const auto switch_method = [&records, &editor, window] {
        const int result =
            CONTOURX_METHOD(records.table, records.contours.defaultColors, records.console, editor);
        // The boxes, the colour lists and the method text all follow the switch.
        window->refresh();
        return result;
    };

    b.caption("Change CONTOUR levels and colors for " + name);
    b.background(BACKGRND(records.settings));
    // The order error is shown over the editor, which stays open with the
    // user's values.
    b.button("Accept", "CONTOURX_OK", showing_message(window, accept), ButtonKind::default_button)
        .button("Cancel", "CONTOURX_NO", [] { return CONTOURX_NO(); });
    b.button("Auto", "CONTOURX_AUTO", automatic).help("Use AUTOMATIC scaled values");
    b.text("   ").colour("red").text(name).colour("black").text("  Range (");
    b.colour("red").text(format_real(editor.rangeLow, 8, 2)).colour("black").text("  to ");
    b.colour("red").text(format_real(editor.rangeHigh, 8, 2)).colour("black").text(")");

    b.newline(2).button("Values assigned are:", "CONTOURX_METHOD", switch_method);
    b.help("Switch method AUTO/USER defined");
    // Twelve characters of capitals need more room than twelve average ones.
    b.text(" ").static_text("methodText", editor.methodText, 15);

    b.newline(2).text(name + std::string(28, ' ') + "Contour" + std::string(12, ' ') + "Color");
    b.newline();
    for (int row = 8; row >= 1; --row) {
        const auto position = static_cast<std::size_t>(row - 1);
        b.static_text(
            QString("rowLabel(%1)").arg(row), [label = row_label(row)] { return label; }, 18);
        b.text(std::string(6, ' '));
        if (row >= 2) {
            b.control_background("white")
                .real_box(QString("levelInputs(%1)").arg(row - 1), editor.levelInputs[position - 1],
                          lowest_level_input, highest_level_input, 10)
                .help(row == 8
                          ? "This value should be greater than the Maximum.  "
                          : "Input contour to plot.  MUST be ordered from greatest to least.  ");
        } else {
            b.static_text(
                "above", [] { return std::string("   above  "); }, 10);
        }
        b.text(std::string(row == 1 ? 4 : 2, ' '));
        if (row <= 7) {
            b.control_background("white")
                .drop_down(QString("colorChoices(%1)").arg(row), colour_names,
                           editor.colorChoices[position], {}, colour_lines)
                .help("Select color if shading is used.  ");
        } else {
            b.text(std::string(10, ' '));
        }
        b.newline();
    }

    b.newline(3).help_area().newline(2);
    b.run_modal();
}

int CONTOURS(const ContourDialogRecords& records, QWidget* parent) {
    PendingContours pending;
    contours_prepare(records.table, records.contours, records.parameters, records.console, pending);
    const ContourOverviewLayout layout = contour_overview_layout(dialog_screen());

    WindowBuilder b(parent, "CONTOURS");
    Window* window = b.window();
    b.caption("Change CONTOUR levels and colors to plot").style(true, false);
    b.background(BACKGRND(records.settings));
    b.button(
         "Accept", "CONTOURS_OK",
         [&records, &pending, parent] {
             const int result = CONTOURS_OK(records.table, pending, records.parameters,
                                            records.contours, records.console);
             repaint_in(parent, "ContourSettings.summaryText");
             return result;
         },
         ButtonKind::default_button)
        .button("Cancel", "CONTOURS_NO", [] { return CONTOURS_NO(); });
    b.newline(2);

    for (std::int32_t slot = 1; slot <= 5; ++slot) {
        const auto index = static_cast<std::size_t>(slot - 1);
        const Text<6>& name = records.parameters.names[index];
        if (name.blank()) continue;
        b.newline().button(name.view(), QString("CONTOUR%1").arg(slot),
                           [&records, &pending, slot, window] {
                               CONTOURX(records, pending, slot, window);
                               return 1;
                           });
        b.help("Change CONTOUR levels and colors for " + name.str());
        b.font("Courier New").text_size(layout.sizeFactor).text(" ");
        b.static_text(pending_line_name(slot), pending.lines[index], layout.boxWidth, 2);
        b.standard_font().newline();
    }

    b.newline(2).help_area().newline(2);
    b.run_modal();
    return 1;
}

}  // namespace qor
