#pragma once
// Points on the globe and in the plane of a map, and the spherical geometry the
// map layers need: distances, azimuths, great circles. The earth is a sphere of
// radius earth_radius_km, the same sphere the projections use, so that a
// distance ring of 1000 km is 1000 km on the map's own scale.

#include <cstddef>
#include <vector>

namespace qor::map {

constexpr double earth_radius_km = 6371.0;
constexpr double earth_radius_m = earth_radius_km * 1000.0;

/// A point on the globe in degrees, east and north positive.
struct GeoPoint {
    double lon = 0;
    double lat = 0;
    bool operator==(const GeoPoint&) const = default;
};

/// A point in the plane of a projection, in metres.
struct MapPoint {
    double x = 0;
    double y = 0;
    bool operator==(const MapPoint&) const = default;
};

using GeoLine = std::vector<GeoPoint>;
using MapLine = std::vector<MapPoint>;

/// Great-circle distance in kilometres.
double distance_km(GeoPoint from, GeoPoint to);
/// Angular distance in degrees (0 to 180).
double angular_distance_deg(GeoPoint from, GeoPoint to);
/// Initial azimuth of the great circle from one point to another, in degrees
/// clockwise from north, 0 to 360 (0 when the points coincide).
double azimuth_deg(GeoPoint from, GeoPoint to);
/// The point reached by leaving from at the azimuth (degrees) for the angular
/// distance (degrees) along a great circle.
GeoPoint destination(GeoPoint from, double azimuth, double distance_deg);
/// The point opposite on the globe.
GeoPoint antipode(GeoPoint point);

/// The great circle leaving from at the azimuth, up to the angular distance,
/// as points no more than step_deg apart.
GeoLine great_circle(GeoPoint from, double azimuth, double distance_deg, double step_deg = 1.0);

/// The longitude moved by whole turns into [centre - 180, centre + 180).
double wrap_longitude(double lon, double centre);

/// A circle on the globe that holds a line: its centre (a unit vector) and
/// its angular radius. Lets a map skip or simplify lines far from what it
/// shows without looking at their points.
struct Cap {
    double x = 0, y = 0, z = 1;
    double radius_deg = 180;
};
Cap bounding_cap(const GeoLine& line);
/// Angular distance in degrees from a point to a cap's centre.
double angle_to_cap(const Cap& cap, GeoPoint point);

/// Signed area of a ring in the plane of its coordinates (positive when the
/// points run counter-clockwise, longitude as x and latitude as y).
double signed_area(const GeoLine& ring);
double signed_area(const MapLine& ring);

/// True when the point lies inside the ring (even-odd rule, in the plane of
/// the coordinates).
bool ring_contains(const GeoLine& ring, GeoPoint point);
bool ring_contains(const MapLine& ring, MapPoint point);

}  // namespace qor::map
