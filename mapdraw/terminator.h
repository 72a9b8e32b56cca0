#pragma once
// The day/night terminator: where the sun stands overhead for a month and an
// hour of the day, and the night side of the globe as a region.

#include "mapdraw/geo.h"

namespace qor::map {

/// The point where the sun is overhead on the 15th of the month (1 to 12)
/// at the hour (UT, 0 to 24), from the usual approximations of the sun's
/// declination and the equation of time (good to a fraction of a degree).
GeoPoint subsolar_point(int month, double hour_ut);

/// The night side as one ring in longitude and latitude, its longitudes
/// running from west to west + 360 along the terminator and closed over the
/// pole that lies in the night. The ring runs counter-clockwise.
GeoLine night_region(GeoPoint subsolar, double west, double step_deg = 1.0);

/// True when the sun is below the horizon at the point.
bool is_night(GeoPoint subsolar, GeoPoint point);

}  // namespace qor::map
