#include "app/main_window.h"
#include "areadata/readers.h"
#include "plotsettings/summaries.h"

namespace qor {

std::optional<Message> load_current_file(Session& session) {
    // Later readers depend on what the earlier ones found, so the first
    // failure ends the reading.
    if (auto failure = READGRID(session)) return failure;
    if (auto failure = READMAIN(session)) return failure;
    if (auto failure = READGPH(session)) return failure;
    SET_LAYERS(session, session.layers, session.layers.summaryText);
    SET_PARAMS(session.parameters, session.parameters.summaryText);
    SET_CONTOURS(session, session.contours.summaryText);
    return std::nullopt;
}

}  // namespace qor
