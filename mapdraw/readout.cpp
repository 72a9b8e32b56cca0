#include "mapdraw/readout.h"

#include <algorithm>
#include <cmath>

#include "mapdraw/number_text.h"
#include "mapdraw/scene.h"

namespace qor::map {

namespace {

constexpr double slack = 1e-9;

std::string degrees(double value, int decimals, char positive, char negative) {
    return fixed_text(std::abs(value), decimals) + "\xC2\xB0" + (value < 0 ? negative : positive);
}

// Solves for (u, v) with bilinear(u, v) = target in the cell a (south-west),
// b (south-east), c (north-east), d (north-west), by Newton's method: one step
// for the rectangles of a latitude and longitude grid, a few for skewed cells.
std::optional<std::pair<double, double>> cell_position(GeoPoint a, GeoPoint b, GeoPoint c,
                                                       GeoPoint d, GeoPoint target) {
    double u = 0.5, v = 0.5;
    for (int step = 0; step < 12; ++step) {
        const double x = (1 - u) * (1 - v) * a.lon + u * (1 - v) * b.lon + u * v * c.lon +
                         (1 - u) * v * d.lon - target.lon;
        const double y = (1 - u) * (1 - v) * a.lat + u * (1 - v) * b.lat + u * v * c.lat +
                         (1 - u) * v * d.lat - target.lat;
        const double xu = (1 - v) * (b.lon - a.lon) + v * (c.lon - d.lon);
        const double yu = (1 - v) * (b.lat - a.lat) + v * (c.lat - d.lat);
        const double xv = (1 - u) * (d.lon - a.lon) + u * (c.lon - b.lon);
        const double yv = (1 - u) * (d.lat - a.lat) + u * (c.lat - b.lat);
        const double det = xu * yv - xv * yu;
        if (std::abs(det) < 1e-14) return std::nullopt;
        const double du = (x * yv - xv * y) / det;
        const double dv = (xu * y - x * yu) / det;
        u -= du;
        v -= dv;
        if (std::abs(du) < 1e-12 && std::abs(dv) < 1e-12) break;
    }
    if (u < -slack || u > 1 + slack || v < -slack || v > 1 + slack) return std::nullopt;
    return std::pair{std::clamp(u, 0.0, 1.0), std::clamp(v, 0.0, 1.0)};
}

}  // namespace

GridLocator::GridLocator(const std::vector<GeoPoint>& nodes, int columns, int rows)
    : nodes_(&nodes), columns_(columns), rows_(rows) {
    for (int row = 0; row + 1 < rows; ++row) {
        double south = 90, north = -90;
        for (int r = row; r <= row + 1; ++r) {
            for (int column = 0; column < columns; ++column) {
                const double lat = nodes[static_cast<std::size_t>(r * columns + column)].lat;
                south = std::min(south, lat);
                north = std::max(north, lat);
            }
        }
        strip_south_.push_back(south);
        strip_north_.push_back(north);
    }
}

std::optional<GridSpot> GridLocator::locate(GeoPoint point) const {
    const std::vector<GeoPoint>& nodes = *nodes_;
    auto node = [&](int column, int row) {
        return nodes[static_cast<std::size_t>(row * columns_ + column)];
    };
    for (int row = 0; row + 1 < rows_; ++row) {
        const auto strip = static_cast<std::size_t>(row);
        if (point.lat < strip_south_[strip] - slack || point.lat > strip_north_[strip] + slack) {
            continue;
        }
        for (int column = 0; column + 1 < columns_; ++column) {
            const GeoPoint a = node(column, row), b = node(column + 1, row);
            const GeoPoint c = node(column + 1, row + 1), d = node(column, row + 1);
            // The grid's longitudes run on past 180: the point is taken
            // within half a turn of the cell.
            const GeoPoint target{wrap_longitude(point.lon, a.lon), point.lat};
            const double west = std::min({a.lon, b.lon, c.lon, d.lon});
            const double east = std::max({a.lon, b.lon, c.lon, d.lon});
            if (target.lon < west - slack || target.lon > east + slack) continue;
            const double south = std::min({a.lat, b.lat, c.lat, d.lat});
            const double north = std::max({a.lat, b.lat, c.lat, d.lat});
            if (target.lat < south - slack || target.lat > north + slack) continue;
            if (const auto uv = cell_position(a, b, c, d, target)) {
                return GridSpot{column, row, uv->first, uv->second};
            }
        }
    }
    return std::nullopt;
}

std::optional<float> value_at(const std::vector<float>& values, int columns, const GridSpot& spot,
                              bool discrete) {
    auto value = [&](int column, int row) {
        return values[static_cast<std::size_t>(row * columns + column)];
    };
    const double u = spot.u, v = spot.v;
    const float a = value(spot.column, spot.row), b = value(spot.column + 1, spot.row);
    const float c = value(spot.column + 1, spot.row + 1), d = value(spot.column, spot.row + 1);
    if (discrete) {
        const float nearest = u < 0.5 ? (v < 0.5 ? a : d) : (v < 0.5 ? b : c);
        if (std::isnan(nearest)) return std::nullopt;
        return nearest;
    }
    const int missing = std::isnan(a) + std::isnan(b) + std::isnan(c) + std::isnan(d);
    double result = 0;
    if (missing == 0) {
        result = (1 - u) * (1 - v) * a + u * (1 - v) * b + u * v * c + (1 - u) * v * d;
    } else if (missing > 1) {
        return std::nullopt;
    } else if (std::isnan(a)) {  // the triangle b, c, d: u + v >= 1
        if (u + v < 1 - slack) return std::nullopt;
        result = (1 - v) * b + (u + v - 1) * c + (1 - u) * d;
    } else if (std::isnan(b)) {  // a, c, d: v >= u
        if (v < u - slack) return std::nullopt;
        result = (1 - v) * a + u * c + (v - u) * d;
    } else if (std::isnan(c)) {  // a, b, d: u + v <= 1
        if (u + v > 1 + slack) return std::nullopt;
        result = (1 - u - v) * a + u * b + v * d;
    } else {  // a, b, c: u >= v
        if (u < v - slack) return std::nullopt;
        result = (1 - u) * a + (u - v) * b + v * c;
    }
    return static_cast<float>(result);
}

std::string Readout::text() const {
    std::string line = position;
    if (!bearing.empty()) line += "    " + bearing;
    for (const std::string& value : values) line += "    " + value;
    return line;
}

Readout readout(const PlotRequest& request, const GridLocator& grid, GeoPoint point) {
    Readout result;
    const double lon = wrap_longitude(point.lon, 0);
    result.position = degrees(point.lat, 2, 'N', 'S') + "  " + degrees(lon, 2, 'E', 'W');
    if (request.has_station) {
        const double km = distance_km(request.station, point);
        double azimuth = std::round(azimuth_deg(request.station, point));
        if (azimuth >= 360) azimuth -= 360;
        result.bearing = fixed_text(km, 0) + " km, azimuth " + fixed_text(azimuth, 0) +
                         "\xC2\xB0 from " +
                         (request.station_name.empty()
                              ? std::string(request.inverse ? "the receiver" : "the transmitter")
                              : request.station_name);
    }
    const std::optional<GridSpot> spot = grid.locate(point);
    for (std::size_t p = 0; p < request.parameters.size(); ++p) {
        const PlottedParameter& parameter = request.parameters[p];
        std::string text = parameter.name + " ";
        std::optional<float> value;
        if (spot && parameter.field >= 0 && p < request.values.size()) {
            value = value_at(request.values[p], request.columns, *spot, parameter.discrete);
        }
        if (value) {
            text += level_text(*value);
            if (!parameter.units.empty()) text += " " + parameter.units;
        } else {
            text += "no value";
        }
        result.values.push_back(text);
    }
    return result;
}

}  // namespace qor::map
