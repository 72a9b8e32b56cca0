#include "mapdraw/geo.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qor::map {

namespace {

constexpr double radian = std::numbers::pi / 180.0;

template <typename Point>
double area_of(const std::vector<Point>& ring, auto x, auto y) {
    const std::size_t n = ring.size();
    if (n < 3) return 0;
    double twice = 0;
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        twice += (x(ring[j]) - x(ring[i])) * (y(ring[j]) + y(ring[i]));
    }
    return twice / 2.0;
}

template <typename Point>
bool contains(const std::vector<Point>& ring, double px, double py, auto x, auto y) {
    bool inside = false;
    const std::size_t n = ring.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = x(ring[i]), yi = y(ring[i]);
        const double xj = x(ring[j]), yj = y(ring[j]);
        if ((yi > py) != (yj > py)) {
            const double cross = xi + (py - yi) / (yj - yi) * (xj - xi);
            if (px < cross) inside = !inside;
        }
    }
    return inside;
}

}  // namespace

double angular_distance_deg(GeoPoint from, GeoPoint to) {
    // The haversine form keeps its precision for short distances; the
    // clamp keeps rounding from taking asin out of its domain.
    const double dlat = (to.lat - from.lat) * radian;
    const double dlon = (to.lon - from.lon) * radian;
    const double a = std::sin(dlat / 2) * std::sin(dlat / 2) +
                     std::cos(from.lat * radian) * std::cos(to.lat * radian) * std::sin(dlon / 2) *
                         std::sin(dlon / 2);
    return 2.0 * std::asin(std::sqrt(std::clamp(a, 0.0, 1.0))) / radian;
}

double distance_km(GeoPoint from, GeoPoint to) {
    return angular_distance_deg(from, to) * radian * earth_radius_km;
}

double azimuth_deg(GeoPoint from, GeoPoint to) {
    const double phi1 = from.lat * radian;
    const double phi2 = to.lat * radian;
    const double dlon = (to.lon - from.lon) * radian;
    const double y = std::sin(dlon) * std::cos(phi2);
    const double x =
        std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(dlon);
    if (x == 0 && y == 0) return 0;
    double azimuth = std::atan2(y, x) / radian;
    if (azimuth < 0) azimuth += 360.0;
    return azimuth >= 360.0 ? 0.0 : azimuth;
}

GeoPoint destination(GeoPoint from, double azimuth, double distance_deg) {
    const double phi1 = from.lat * radian;
    const double delta = distance_deg * radian;
    const double theta = azimuth * radian;
    const double sin_phi2 =
        std::sin(phi1) * std::cos(delta) + std::cos(phi1) * std::sin(delta) * std::cos(theta);
    const double phi2 = std::asin(std::clamp(sin_phi2, -1.0, 1.0));
    const double lambda2 =
        from.lon * radian + std::atan2(std::sin(theta) * std::sin(delta) * std::cos(phi1),
                                       std::cos(delta) - std::sin(phi1) * sin_phi2);
    return {wrap_longitude(lambda2 / radian, 0.0), phi2 / radian};
}

GeoPoint antipode(GeoPoint point) {
    return {wrap_longitude(point.lon + 180.0, 0.0), -point.lat};
}

GeoLine great_circle(GeoPoint from, double azimuth, double distance_deg, double step_deg) {
    const int steps =
        std::max(1, static_cast<int>(std::ceil(distance_deg / std::max(step_deg, 1e-3))));
    GeoLine line;
    line.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        line.push_back(destination(from, azimuth, distance_deg * i / steps));
    }
    return line;
}

double wrap_longitude(double lon, double centre) {
    double shifted = std::fmod(lon - centre + 180.0, 360.0);
    if (shifted < 0) shifted += 360.0;
    return shifted - 180.0 + centre;
}

Cap bounding_cap(const GeoLine& line) {
    Cap cap;
    if (line.empty()) return cap;
    double x = 0, y = 0, z = 0;
    for (const GeoPoint& p : line) {
        const double phi = p.lat * radian, lambda = p.lon * radian;
        x += std::cos(phi) * std::cos(lambda);
        y += std::cos(phi) * std::sin(lambda);
        z += std::sin(phi);
    }
    const double length = std::sqrt(x * x + y * y + z * z);
    if (length < 1e-9) return cap;  // points all round the globe
    cap.x = x / length, cap.y = y / length, cap.z = z / length;
    cap.radius_deg = 0;
    for (const GeoPoint& p : line) cap.radius_deg = std::max(cap.radius_deg, angle_to_cap(cap, p));
    // Straight pieces between points may bow out a little past them.
    cap.radius_deg = std::min(180.0, cap.radius_deg + 1.0);
    return cap;
}

double angle_to_cap(const Cap& cap, GeoPoint point) {
    const double phi = point.lat * radian, lambda = point.lon * radian;
    const double dot = std::cos(phi) * std::cos(lambda) * cap.x +
                       std::cos(phi) * std::sin(lambda) * cap.y + std::sin(phi) * cap.z;
    return std::acos(std::clamp(dot, -1.0, 1.0)) / radian;
}

double signed_area(const GeoLine& ring) {
    return area_of(
        ring, [](const GeoPoint& p) { return p.lon; }, [](const GeoPoint& p) { return p.lat; });
}

double signed_area(const MapLine& ring) {
    return area_of(
        ring, [](const MapPoint& p) { return p.x; }, [](const MapPoint& p) { return p.y; });
}

bool ring_contains(const GeoLine& ring, GeoPoint point) {
    return contains(
        ring, point.lon, point.lat, [](const GeoPoint& p) { return p.lon; },
        [](const GeoPoint& p) { return p.lat; });
}

bool ring_contains(const MapLine& ring, MapPoint point) {
    return contains(
        ring, point.x, point.y, [](const MapPoint& p) { return p.x; },
        [](const MapPoint& p) { return p.y; });
}

}  // namespace qor::map
