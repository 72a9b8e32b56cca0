#include "mapdraw/terminator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qor::map {

namespace {
constexpr double radian = std::numbers::pi / 180.0;
constexpr int month_start[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
}  // namespace

GeoPoint subsolar_point(int month, double hour_ut) {
    const int day = month_start[std::clamp(month, 1, 12) - 1] + 15;
    const double declination = -23.44 * std::cos(2.0 * std::numbers::pi / 365.0 * (day + 10));
    const double b = 2.0 * std::numbers::pi * (day - 81) / 364.0;
    const double equation_minutes = 9.87 * std::sin(2 * b) - 7.53 * std::cos(b) - 1.5 * std::sin(b);
    const double lon = -15.0 * (hour_ut - 12.0 + equation_minutes / 60.0);
    return {wrap_longitude(lon, 0.0), declination};
}

bool is_night(GeoPoint sun, GeoPoint point) {
    const double phi = point.lat * radian, delta = sun.lat * radian;
    const double h = (point.lon - sun.lon) * radian;
    return std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(h) < 0;
}

GeoLine night_region(GeoPoint sun, double west, double step_deg) {
    // At an equinox the terminator runs along two meridians; a tiny tilt
    // keeps the formula defined and the region a ring over a pole.
    double delta = sun.lat;
    if (std::abs(delta) < 0.01) delta = delta < 0 ? -0.01 : 0.01;
    const double tan_delta = std::tan(delta * radian);
    // With the sun north of the equator the south pole is in the night.
    const double pole = delta > 0 ? -90.0 : 90.0;
    const int steps = std::max(4, static_cast<int>(std::ceil(360.0 / step_deg)));
    GeoLine terminator;
    for (int k = 0; k <= steps; ++k) {
        const double lon = west + 360.0 * k / steps;
        const double lat = std::atan(-std::cos((lon - sun.lon) * radian) / tan_delta) / radian;
        terminator.push_back({lon, lat});
    }
    GeoLine ring;
    if (pole < 0) {
        // West to east along the terminator, then back along the south pole.
        ring = terminator;
        ring.push_back({west + 360.0, pole});
        ring.push_back({west, pole});
    } else {
        // East to west along the terminator, then back along the north pole.
        ring.assign(terminator.rbegin(), terminator.rend());
        ring.push_back({west, pole});
        ring.push_back({west + 360.0, pole});
    }
    if (signed_area(ring) < 0) std::reverse(ring.begin(), ring.end());
    return ring;
}

}  // namespace qor::map
