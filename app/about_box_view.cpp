#include "app/about_box_view.h"

#include "app/about_box.h"
#include "toolkit/format_notation.h"
#include "toolkit/window_builder.h"

namespace qor {

int ABOUT(Session& session, QWidget* parent) {
    AboutBox box = about_box(session.paths);
    WindowBuilder about(parent, "ABOUT");
    about.caption(box.caption);
    for (const std::string& piece : box.pieces) render_format(about, piece);
    about.newline(2).centre();
    about.button(
        box.button, "ABOUT_OK", [] { return 0; }, ButtonKind::default_button);
    about.run_modal();
    return 1;
}

}  // namespace qor
