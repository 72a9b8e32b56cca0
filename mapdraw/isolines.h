#pragma once
// Contour lines and filled bands of a parameter on a grid of points.
//
// The grid's points may lie anywhere (each point carries its own latitude and
// longitude); contouring works in the grid's index space and places each
// crossing on the straight line between two neighbouring points. A point
// without a value (NaN) is outside every region: a cell with one such corner
// keeps the triangle of its three good corners, and a region's boundary runs
// through the good points next to a gap, so that nothing is ever painted where
// the grid holds no value.
//
// A region "value >= level" is returned as closed rings with the region on the
// left of the direction of travel: outer rings run counter-clockwise and holes
// clockwise (longitude as x, latitude as y). Painting the regions of rising
// levels one over the other gives the bands without seams; band_polygons gives
// each band on its own, as a GIS wants it.

#include <cstdint>
#include <limits>
#include <vector>

#include "mapdraw/geo.h"

namespace qor::map {

/// The values of one parameter at the points of a grid, row by row from the
/// south, each row from the west.
struct FieldGrid {
    int columns = 0;              ///< points per row
    int rows = 0;                 ///< rows
    std::vector<GeoPoint> nodes;  ///< columns * rows points
    std::vector<float> values;    ///< the plotted values; NaN where there is none

    GeoPoint node(int column, int row) const {
        return nodes[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                     static_cast<std::size_t>(column)];
    }
    float value(int column, int row) const {
        return values[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                      static_cast<std::size_t>(column)];
    }
};

/// A closed ring (the last point is not repeated). contour[i] tells whether
/// the segment from point i to the next one is part of a contour line (1) or
/// runs along the edge of the grid's valid area (0).
struct ContourRing {
    GeoLine points;
    std::vector<std::uint8_t> contour;
};

/// The level below every value: its region is the grid's whole valid area.
constexpr float lowest_level = -std::numeric_limits<float>::infinity();

/// Traces the regions of one grid for as many levels as asked, reusing its
/// working arrays.
class IsolineTracer {
  public:
    explicit IsolineTracer(const FieldGrid& grid);

    /// The boundary of the region value >= level, as closed rings. With a
    /// gap_shift above 0 the boundary's points next to a gap (or the grid's
    /// edge) are moved that fraction of a cell into it, so that a painter
    /// can cover the gaps afterwards with one clean edge. Where the grid
    /// closes on itself (round the globe, at a pole) nothing is moved.
    std::vector<ContourRing> region(float level, double gap_shift = 0.0);

    /// True when the grid reaches round the globe and from pole to pole: its
    /// valid area then has no outer edge on the globe.
    bool global() const { return wraps_ && south_pole_ && north_pole_; }

  private:
    // The crossing on an edge; for one next to a gap, the point it sits on
    // (its padded index in node, else -1).
    GeoPoint crossing(std::int32_t edge, float level, std::int32_t& node) const;
    // A padded point's position; points round the grid lie one step beyond
    // its edge.
    GeoPoint padded_node(std::int32_t index) const;
    // The padded indices of the two points of an edge.
    void edge_nodes(std::int32_t edge, std::int32_t& first, std::int32_t& second) const;

    const FieldGrid& grid_;
    int width_ = 0;   // points per padded row: columns + 2
    int height_ = 0;  // padded rows: rows + 2
    std::int32_t horizontal_edges_ = 0;
    std::vector<float> padded_;
    std::vector<std::int32_t> next_;
    std::vector<std::int32_t> starts_;
    double gap_shift_ = 0.0;
    bool wraps_ = false;       // the first and last columns meet round the globe
    bool south_pole_ = false;  // the first row lies on the south pole
    bool north_pole_ = false;
};

/// The contour lines that a region's rings hold: the rings cut where they run
/// along the edge of the grid's valid area. Points that repeat are dropped.
std::vector<GeoLine> contour_lines(const std::vector<ContourRing>& rings);

/// A polygon with holes; the outer ring runs counter-clockwise, holes
/// clockwise.
struct GeoPolygon {
    GeoLine outer;
    std::vector<GeoLine> holes;
};

/// The band between two nested regions (lower >= ..., upper >= ...; upper
/// empty for the top band) as polygons with their holes. Rings of no area are
/// left out.
std::vector<GeoPolygon> band_polygons(const std::vector<ContourRing>& lower,
                                      const std::vector<ContourRing>& upper);

}  // namespace qor::map
