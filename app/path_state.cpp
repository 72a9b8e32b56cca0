#include "app/path_state.h"

namespace qor {

std::string package_root(const PathState& paths) {
    int length = LCOUNT(paths.RunDir, 50);
    if (length - 3 <= 0) return {};
    return std::string(paths.RunDir.view().substr(0, static_cast<std::size_t>(length - 3)));
}

std::string package_file(const PathState& paths, std::string_view relative) {
    return package_root(paths) + std::string(relative);
}

void INITVAR(ProjectionList& projections) {
    projections.Count = 6;
    projections.Names = {Text<20>(" 0=Great Circle"),  Text<20>(" 1=Lat/Lon"),
                         Text<20>("21=NE Hemisphere"), Text<20>("22=NW Hemisphere"),
                         Text<20>("23=SE Hemisphere"), Text<20>("24=SW Hemisphere")};
    projections.Codes = {0, 1, 21, 22, 23, 24};
}

}  // namespace qor
