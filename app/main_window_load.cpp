#include "app/main_window.h"
#include "areadata/readers.h"
#include "plotsettings/summaries.h"

namespace qor {

std::optional<Message> load_current_file(Session& session) {
    // Later readers depend on what the earlier ones found, so the first
    // failure ends the reading.
    if (auto failure = READGRID(session.paths, session.grid)) return failure;
    if (auto failure = READMAIN(session.paths, session.colors, session.layers, session.parameters,
                                session.contours, session.requirement)) {
        return failure;
    }
    if (auto failure = READGPH(session.paths, session.grid, session.plotParameters)) {
        return failure;
    }
    SET_LAYERS(session.colors, session.layers, session.layers.summaryText);
    SET_PARAMS(session.parameters, session.parameters.summaryText);
    SET_CONTOURS(session.plotParameters, session.parameters, session.contours, *session.console,
                 session.contours.summaryText);
    return std::nullopt;
}

}  // namespace qor
