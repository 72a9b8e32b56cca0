#pragma once
// One map, ready to paint: every layer projected once into the plane of the
// map (metres), with the colours and line kinds the request asks for, and the
// texts of the title and legend. Building a scene does all the geometry
// (contouring, projecting, the seams of the projection); painting it (see
// paint/map_painter.h) only transforms and draws, so a window can repaint,
// zoom and print the same scene without computing it again.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mapdraw/geo.h"
#include "mapdraw/palette.h"
#include "mapdraw/plot_request.h"
#include "mapdraw/projection.h"
#include "mapdraw/topojson.h"

namespace qor::map {

/// The map data of the whole globe, decoded once and shared by every scene,
/// with the cap of each line.
struct WorldData {
    /// The lines with their caps worked out.
    explicit WorldData(WorldLines decoded);
    /// The lines with their caps given (coastlines first, then borders).
    WorldData(WorldLines decoded, const std::vector<Cap>& caps);
    WorldLines lines;
    std::vector<Cap> coastline_caps;
    std::vector<Cap> border_caps;
};

/// Reads and decodes a world-atlas file (the program itself carries the kept
/// one, packed at build time: see world_data.h). Nothing and the reason when
/// it cannot.
std::optional<WorldData> load_world_data(const std::string& path, std::string& error);

enum class LineKind { solid, dashed, dotted };

/// Filled rings, painted with the even-odd rule (or the non-zero rule, for
/// pieces that overlap on purpose).
struct SceneFill {
    std::vector<MapLine> rings;
    Rgb colour;
    int alpha = 255;
    bool smooth = true;        ///< antialiased edges (bin cells are not, to show no seams)
    bool overlapping = false;  ///< rings that overlap add up (non-zero rule)
};

/// Lines of one colour, width (in points of a 900-point high picture) and kind.
struct SceneLines {
    std::vector<MapLine> lines;
    Rgb colour;
    double width = 1.0;
    LineKind kind = LineKind::solid;
};

/// A contour line with the level it is labelled with.
struct SceneContour {
    MapLine line;
    std::string label;
};

/// Where a text stands from its point: to its left or right, centred on it,
/// above or below it, or away from the map's centre (labels round a disc).
enum class Anchor { left, right, centre, above, below, outward };

/// A text placed at a point of the map.
struct SceneText {
    MapPoint at;
    std::string text;
    Rgb colour;
    double size = 10;  ///< points of a 900-point high picture
    Anchor anchor = Anchor::left;
    bool halo = true;  ///< a white edge round the letters, readable on any band
};

enum class MarkerKind { dot, station };

struct SceneMarker {
    MapPoint at;
    MarkerKind kind = MarkerKind::dot;
    Rgb colour;
    double size = 3;
};

/// A swatch of the legend.
struct LegendEntry {
    std::optional<Rgb> colour;  ///< nothing: not shaded
    std::string label;          ///< "10.0 - 20.0", "< 10.0"
};

struct MapScene {
    Frame frame;
    std::string title;
    std::string projection;         ///< the projection's name as shown
    std::vector<std::string> info;  ///< lines under the title: parameter, hour, station
    std::vector<SceneFill> fills;   ///< painted first, in order
    std::vector<SceneLines> lines;  ///< then these, in order
    std::vector<SceneContour> contours;
    Rgb contour_colour;
    double contour_width = 1.0;
    std::vector<SceneMarker> markers;
    std::vector<SceneText> texts;       ///< labels on the map, clipped to the frame
    std::vector<SceneText> edge_texts;  ///< labels round the frame, not clipped

    // The legend.
    std::string parameter;  ///< name and description
    std::string units;
    std::vector<LegendEntry> legend;  ///< from the highest band down
    std::vector<std::string> notes;   ///< what is left out, and why
};

/// What to draw besides the request's own layers.
struct SceneOptions {
    bool terminator = false;
    /// Bands in the colour-blind-safe palette, in their order, instead of
    /// the colours of their codes (bands left unshaded stay so).
    bool safe_palette = false;
    bool operator==(const SceneOptions&) const = default;
};

/// The colour a band is shaded in: its code's colour, or with the safe
/// palette its step of it; nothing when the band is not shaded.
std::optional<Rgb> band_colour(const std::vector<Band>& bands, std::size_t band, bool safe_palette);

/// Builds the scene of one plotted parameter (index into request.parameters;
/// with no parameters, the map without bands). world may be null (no
/// coastlines, said in the notes).
MapScene build_scene(const PlotRequest& request, std::size_t parameter,
                     const MapProjection& projection, const WorldData* world,
                     const SceneOptions& options);

/// The projection a request asks for, framed to its grid; the Great Circle
/// map of a request without a station is centred on the grid's middle (and
/// says so in the request's notes).
std::unique_ptr<MapProjection> projection_for(PlotRequest& request, std::string& error);

/// A level as the legend and contour labels write it: no decimals for whole
/// numbers, else one or two.
std::string level_text(float level);

}  // namespace qor::map
