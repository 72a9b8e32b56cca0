#include "plotsettings/title_dialog_view.h"

#include "plotsettings/settings_dialog_view.h"
#include "plotsettings/title_dialog.h"
#include "toolkit/window_builder.h"

namespace qor {

int TITLECB(GridFile& grid, WindowSettings& settings, QWidget* parent) {
    TitleEntry entry = title_prepare(grid);

    WindowBuilder b(parent, "TITLECB");
    b.caption("Change Area Plot TITLE").background(BACKGRND(settings));
    b.button(
         "Accept", "TITLE_OK",
         [&entry, &grid, parent] {
             const int result = TITLE_OK(entry, grid);
             repaint_in(parent, "GridFile.title");
             return result;
         },
         ButtonKind::default_button)
        .button("Cancel", "TITLE_NO", [] { return TITLE_NO(); });

    b.newline(2).text("Input the TITLE to use:");
    if (const std::optional<TitleFont> font = title_font(dialog_screen())) {
        b.text(" ").font(font->family).text_size(font->sizeFactor);
    }
    b.newline(2).control_background("white").text_box("TitleEntry", entry, 80);

    b.standard_font().newline(2).help_area().newline(2);
    b.run_modal();
    return 1;
}

}  // namespace qor
