#pragma once
// The contour bands of a plotted parameter as GeoJSON (RFC 7946), for GIS
// users: one feature per band, a MultiPolygon in longitude and latitude, with
// the band's lower and upper level, the parameter and its colour. Polygons
// that reach past 180 degrees of longitude are cut there, as the format asks.

#include <string>

#include "mapdraw/plot_request.h"

namespace qor::map {

/// The FeatureCollection of the bands of request.parameters[parameter]; with
/// safe_palette, each band's fill is its colour in the colour-blind-safe
/// palette.
std::string bands_geojson(const PlotRequest& request, std::size_t parameter,
                          bool safe_palette = false);

}  // namespace qor::map
