#include "app/main_window.h"

#include "areadata/file_summary.h"
#include "platform/paths.h"

namespace qor {

std::string plot_type_word(const PathState& paths) {
    return paths.DataDir == "AREADATA" ? " Plot" : " INVERSE Plot";
}

bool file_loaded(const PathState& paths) {
    const std::size_t slash = paths.FileName.view().find('\\');
    if (slash == std::string_view::npos || slash + 1 >= paths.FileName.view().size()) return false;
    return paths.FileName[slash + 1] != ' ';
}

MainWindowFrame main_window_frame(Session& session, const Text<6>& model, const Text<8>& browse,
                                  const Text<20>& sub, const ScreenSize& screen) {
    PathState& paths = session.paths;
    paths.NewFileChosen = 0;
    const std::string root = package_root(paths);

    MainWindowFrame frame;
    // The help file and the start folder are kept whole: a path cut to a
    // buffer's width would name a file or folder that does not exist.
    frame.helpFile = root + "help_win\\qorplot.hlp";
    frame.startFolder = root + std::string(browse.trimmed()) + "\\" + std::string(sub.trimmed());
    frame.startPattern = std::string("*.") + model[0] + "G?";
    frame.filters = {{"MIRVEN files", "*.MG?"},
                     {"HALDOR files", "*.HG?"},
                     {"TABLIN files", "*.TG?"},
                     {"PARVIS files", "*.PG?"},
                     {"All", "*.MG? *.HG? *.TG?"}};
    frame.createCatalogItem =
        "Create catalog of *." + std::string(paths.Model.sub(1, 3)) + " files";

    frame.fileLoaded = file_loaded(paths);
    const std::string type_word(trim_right(plot_type_word(paths)));
    if (frame.fileLoaded) {
        frame.caption = type_word + " results for:..\\" + std::string(paths.DataDir.trimmed()) +
                        "\\" + std::string(paths.FileName.trimmed());
    } else {
        frame.caption = "QOR_PLOT - " + model.str() + type_word + " Area Coverage data input - " +
                        std::string(sub.trimmed());
    }

    frame.plotMenuState = frame.fileLoaded ? 1 : 0;
    frame.dosScreenOffered =
        file_exists(root + "bin\\terradox.exe") && file_exists(root + "fonts\\vgafix.fon");
    frame.background = BACKMAIN(session.window);

    if (frame.fileLoaded) {
        frame.noBorder = true;
        frame.maximise = screen.width <= 640;
        frame.textScale = text_scale(screen);
        frame.contourWidth = contour_width(screen);
    }
    return frame;
}

std::vector<SummaryLine> file_summary(const Session& session) {
    std::vector<SummaryLine> summary;
    summary.push_back({"  File name :", std::string(session.paths.FileName.trimmed()), {}});
    summary.push_back({"  Model/Ver :", std::string(session.grid.modelVersion.trimmed()), {}});
    summary.push_back({"  Grid size :", grid_size_text(session.grid),
                       grid_type_text(session.projections, session.requirement)});
    return summary;
}

PlotRecords plot_records(const Session& session) {
    return {session.paths,      session.colors, session.grid,    session.requirement,
            session.parameters, session.layers, session.contours};
}

}  // namespace qor
