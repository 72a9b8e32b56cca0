#pragma once
// What the map shows at a point: its position, its distance and azimuth from
// the station, and the value of every plotted parameter there, interpolated
// from the grid as the bands are (within a cell from its four corners; in a
// cell with one corner without a value, within the triangle of the other
// three; anywhere else no value).

#include <optional>
#include <string>
#include <vector>

#include "mapdraw/geo.h"
#include "mapdraw/plot_request.h"

namespace qor::map {

/// Where a point falls in a grid: the cell (by its first point, the one to
/// the south-west) and the position in it, 0 to 1 along the row (u) and up
/// the column (v).
struct GridSpot {
    int column = 0;
    int row = 0;
    double u = 0;
    double v = 0;
};

/// Finds the cell of a grid that holds a point of the globe. Works for any
/// grid whose rows run from the south and whose points run from the west,
/// and whose longitudes may run past 180.
class GridLocator {
  public:
    GridLocator(const std::vector<GeoPoint>& nodes, int columns, int rows);
    /// The cell holding the point; nothing outside the grid.
    std::optional<GridSpot> locate(GeoPoint point) const;

  private:
    const std::vector<GeoPoint>* nodes_;
    int columns_ = 0;
    int rows_ = 0;
    // The south and north edges of each strip of cells between two rows.
    std::vector<double> strip_south_;
    std::vector<double> strip_north_;
};

/// A parameter's value at a spot of its grid (values row by row, columns
/// to a row); nothing where the grid holds none. A discrete parameter takes
/// the value of the nearest point.
std::optional<float> value_at(const std::vector<float>& values, int columns, const GridSpot& spot,
                              bool discrete = false);

/// The status line of a point of the map, in its parts.
struct Readout {
    std::string position;  ///< "52.50°N  13.40°E"
    std::string bearing;   ///< "6021 km, azimuth 42° from GREENVILLE"; "" without station
    std::vector<std::string> values;  ///< "DBU 34.2 dBu", "SNR no value", one per parameter
    /// The parts joined for one line.
    std::string text() const;
};

/// The readout of a point of the globe on the request's map.
Readout readout(const PlotRequest& request, const GridLocator& grid, GeoPoint point);

}  // namespace qor::map
