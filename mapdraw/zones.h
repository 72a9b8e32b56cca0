#pragma once
// CIRAF zone boundaries from the package's zone boundary file
// (DATABASE\CIRAF.DAT, laid out as docs/map-program.md describes). The map
// draws zones only from such a file; without one the layer is left out.

#include <optional>
#include <string>
#include <vector>

#include "mapdraw/geo.h"

namespace qor::map {

struct ZoneBoundary {
    int zone = 0;           ///< CIRAF zone number (1 to 85)
    GeoLine line;           ///< the boundary as given, point to point
    bool labelled = false;  ///< the header gives a place for the zone number
    GeoPoint label;
};

/// Reads a zone boundary file (package path). Nothing and the reason (with
/// the line number) when it cannot be read or does not follow the layout.
std::optional<std::vector<ZoneBoundary>> read_zone_file(const std::string& path,
                                                        std::string& error);

}  // namespace qor::map
