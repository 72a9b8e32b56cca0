#pragma once
// The contour bands of a plotted parameter as GeoJSON (RFC 7946), for GIS
// users: one feature per band, a MultiPolygon in longitude and latitude, with
// the band's lower and upper level, the parameter and its colour. Polygons
// that reach past 180 degrees of longitude are cut there, as the format asks.

#include <string>

#include "mapdraw/plot_request.h"

namespace qor::map {

/// The FeatureCollection of the bands of request.parameters[parameter].
std::string bands_geojson(const PlotRequest& request, std::size_t parameter);

}  // namespace qor::map
