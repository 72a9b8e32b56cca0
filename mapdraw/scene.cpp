#include "mapdraw/scene.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <sstream>

#include "mapdraw/isolines.h"
#include "mapdraw/number_text.h"
#include "mapdraw/terminator.h"

namespace qor::map {

namespace {

constexpr double radian = std::numbers::pi / 180.0;
constexpr Rgb black{0, 0, 0};
constexpr Rgb white{255, 255, 255};
constexpr Rgb dark_grey{90, 90, 90};
constexpr const char* month_names[12] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};

Rgb code_colour(int code, Rgb fallback = black) {
    return colour_of_code(code).value_or(fallback);
}

std::string degrees_text(double value, char positive, char negative) {
    const double magnitude = std::abs(value);
    if (magnitude < 1e-9) return "0\xC2\xB0";
    const bool whole = std::abs(magnitude - std::round(magnitude)) < 1e-9;
    return fixed_text(magnitude, whole ? 0 : 2) + "\xC2\xB0" + (value >= 0 ? positive : negative);
}

// A graticule step that gives a handful of lines over a span of degrees.
double graticule_step(double span) {
    for (const double step : {1.0, 2.0, 5.0, 10.0, 15.0, 30.0}) {
        if (span / step <= 12.0) return step;
    }
    return 30.0;
}

GeoLine as_line(const ContourRing& ring) {
    return ring.points;
}

std::vector<GeoLine> as_lines(const std::vector<ContourRing>& rings) {
    std::vector<GeoLine> lines;
    lines.reserve(rings.size());
    for (const ContourRing& ring : rings) lines.push_back(as_line(ring));
    return lines;
}

// The corners of the cells of bin shading: each grid point's cell reaches
// half way to its neighbours; at the grid's edge half a step outwards.
GeoPoint cell_corner(const FieldGrid& grid, int column, int row) {
    // Corner (column, row) lies between points column - 1 .. column and
    // row - 1 .. row; a point outside the grid is extrapolated linearly.
    auto point = [&](int c, int r) {
        const int cc = std::clamp(c, 0, grid.columns - 1);
        const int rr = std::clamp(r, 0, grid.rows - 1);
        GeoPoint p = grid.node(cc, rr);
        if (c != cc) {
            const GeoPoint inner = grid.node(c < 0 ? 1 : grid.columns - 2, rr);
            p.lon += (p.lon - inner.lon) * std::abs(c - cc);
            p.lat += (p.lat - inner.lat) * std::abs(c - cc);
        }
        if (r != rr) {
            const GeoPoint inner =
                grid.node(std::clamp(c, 0, grid.columns - 1), r < 0 ? 1 : grid.rows - 2);
            const GeoPoint edge = grid.node(std::clamp(c, 0, grid.columns - 1), rr);
            p.lon += (edge.lon - inner.lon) * std::abs(r - rr);
            p.lat += (edge.lat - inner.lat) * std::abs(r - rr);
        }
        return p;
    };
    const GeoPoint a = point(column - 1, row - 1), b = point(column, row - 1);
    const GeoPoint c = point(column - 1, row), d = point(column, row);
    return {(a.lon + b.lon + c.lon + d.lon) / 4,
            std::clamp((a.lat + b.lat + c.lat + d.lat) / 4, -90.0, 90.0)};
}

}  // namespace

std::optional<Rgb> band_colour(const std::vector<Band>& bands, std::size_t band,
                               bool safe_palette) {
    const std::optional<Rgb> own = colour_of_code(bands[band].colour);
    if (!own || !safe_palette) return own;
    return safe_step(static_cast<int>(band), static_cast<int>(bands.size()));
}

std::string level_text(float level) {
    const double value = level;
    int decimals = 2;
    if (std::abs(value - std::round(value)) < 0.005) {
        decimals = 0;
    } else if (std::abs(value * 10 - std::round(value * 10)) < 0.05) {
        decimals = 1;
    }
    std::string text = fixed_text(value, decimals);
    if (text == "-0") text = "0";
    return text;
}

WorldData::WorldData(WorldLines decoded) : lines(std::move(decoded)) {
    coastline_caps.reserve(lines.coastlines.size());
    for (const GeoLine& line : lines.coastlines) coastline_caps.push_back(bounding_cap(line));
    border_caps.reserve(lines.borders.size());
    for (const GeoLine& line : lines.borders) border_caps.push_back(bounding_cap(line));
}

WorldData::WorldData(WorldLines decoded, const std::vector<Cap>& caps) : lines(std::move(decoded)) {
    const auto coast = lines.coastlines.size();
    coastline_caps.assign(caps.begin(), caps.begin() + static_cast<std::ptrdiff_t>(coast));
    border_caps.assign(caps.begin() + static_cast<std::ptrdiff_t>(coast), caps.end());
}

std::optional<WorldData> load_world_data(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open the map data " + path;
        return std::nullopt;
    }
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::optional<Topology> topology = decode_topojson(text, error);
    if (!topology) {
        error = "the map data " + path + " is not usable: " + error;
        return std::nullopt;
    }
    return WorldData(world_lines(*topology));
}

std::unique_ptr<MapProjection> projection_for(PlotRequest& request, std::string& error) {
    GeoPoint centre = request.station;
    const int code = request.projection_code;
    if (code == 0 && !request.has_station) {
        // The middle of the area: the mean latitude and the middle longitude
        // of the grid's points.
        double west = request.nodes.front().lon, east = west, lat = 0;
        for (const GeoPoint& p : request.nodes) {
            west = std::min(west, p.lon);
            east = std::max(east, p.lon);
            lat += p.lat;
        }
        centre = {wrap_longitude((west + east) / 2, 0),
                  lat / static_cast<double>(request.nodes.size())};
        request.notes.push_back(
            "No Transmit line: the Great Circle map is centred on the area's middle");
    }
    std::unique_ptr<MapProjection> projection =
        MapProjection::create(code, centre, request.nodes, error);
    if (projection && !projection->known_code()) {
        request.notes.push_back("Projection code " + std::to_string(code) +
                                " is not known: drawn as Lat/Lon");
    }
    return projection;
}

MapScene build_scene(const PlotRequest& request, std::size_t parameter_index,
                     const MapProjection& projection, const WorldData* world,
                     const SceneOptions& options) {
    MapScene scene;
    scene.frame = projection.frame();
    scene.title = request.title;
    scene.projection = projection.name();
    scene.notes = request.notes;
    const Frame& frame = scene.frame;

    // --- the plotted parameter --------------------------------------------
    const PlottedParameter* parameter = parameter_index < request.parameters.size()
                                            ? &request.parameters[parameter_index]
                                            : nullptr;
    const ContourStyle style = request.contour_style;
    if (parameter != nullptr) {
        scene.parameter = parameter->name;
        if (!parameter->description.empty()) scene.parameter += "  " + parameter->description;
        scene.units = parameter->units;
    } else {
        scene.notes.push_back("No parameter is plotted");
    }
    const bool usable = parameter != nullptr && parameter->problem.empty();
    if (parameter != nullptr && !usable) scene.notes.push_back(parameter->problem);
    if (usable && style == ContourStyle::none) {
        scene.notes.push_back("The Contours layer is set to Ignore: no contours drawn");
    }
    if (usable && style != ContourStyle::none) {
        const std::vector<Band>& bands = parameter->bands;
        const FieldGrid grid = request.field(parameter_index);
        const bool shading = style == ContourStyle::black_lines_shaded ||
                             style == ContourStyle::red_lines_shaded ||
                             style == ContourStyle::shaded;
        const bool lines = style == ContourStyle::black_lines_shaded ||
                           style == ContourStyle::red_lines_shaded ||
                           style == ContourStyle::black_lines || style == ContourStyle::red_lines;
        const bool bins = style == ContourStyle::bin_colour || style == ContourStyle::bin_grey;
        const bool grey = style == ContourStyle::bin_grey;
        const bool red =
            style == ContourStyle::red_lines_shaded || style == ContourStyle::red_lines;
        scene.contour_colour = red ? *colour_of_code(1) : black;
        scene.contour_width = 0.9;

        IsolineTracer tracer(grid);
        // Regions of the band edges (and of the last level, which gets a line
        // too), computed once each.
        std::vector<float> edges;
        for (std::size_t k = 1; k < bands.size(); ++k) edges.push_back(bands[k].lower);
        edges.push_back(parameter->levels.back());

        if (shading) {
            // The valid area in the lowest band's colour, then each band's
            // region over it: nested regions, so no seam shows between bands.
            // The regions reach a little into the gaps, and the ground is
            // painted over everything outside the valid area last: along the
            // area's edge only that one edge is drawn, in the band that is
            // there, and no band beneath it shows through.
            for (std::size_t k = 0; k < bands.size(); ++k) {
                const std::optional<Rgb> colour = band_colour(bands, k, options.safe_palette);
                if (k == 0 && !colour) continue;
                SceneFill fill;
                fill.colour = colour.value_or(white);
                const float level = k == 0 ? lowest_level : bands[k].lower;
                projection.project_region(as_lines(tracer.region(level, 0.05)), fill.rings);
                scene.fills.push_back(std::move(fill));
            }
            // The gaps: everything round the valid area, even-odd against
            // it. A grid round the whole globe has no outside: its gaps are
            // the rings inside it (its outer ring only runs along the seam
            // of the grid, which the globe does not have).
            SceneFill gaps;
            gaps.colour = no_value_colour;
            std::vector<GeoLine> area = as_lines(tracer.region(lowest_level));
            if (tracer.global()) {
                const auto outer = std::max_element(area.begin(), area.end(),
                                                    [](const GeoLine& a, const GeoLine& b) {
                                                        return signed_area(a) < signed_area(b);
                                                    });
                if (outer != area.end() && signed_area(*outer) > 0) area.erase(outer);
            } else {
                const double w = frame.width(), h = frame.height();
                gaps.rings.push_back({{frame.west - w, frame.south - h},
                                      {frame.east + w, frame.south - h},
                                      {frame.east + w, frame.north + h},
                                      {frame.west - w, frame.north + h}});
            }
            projection.project_region(area, gaps.rings);
            if (!gaps.rings.empty()) scene.fills.push_back(std::move(gaps));
        }
        if (bins) {
            // Each cell in its own value's band, no interpolation. Runs of a
            // band along a row make one polygon; each is widened by a hair so
            // that neighbours overlap and no background shows between them.
            std::vector<SceneFill> fills(bands.size());
            for (std::size_t k = 0; k < bands.size(); ++k) {
                fills[k].smooth = false;
                fills[k].overlapping = true;
                fills[k].colour =
                    grey ? grey_step(static_cast<int>(k), static_cast<int>(bands.size()))
                         : band_colour(bands, k, options.safe_palette).value_or(white);
            }
            for (int row = 0; row < grid.rows; ++row) {
                int column = 0;
                while (column < grid.columns) {
                    const int band = band_of(bands, grid.value(column, row));
                    int end = column + 1;
                    while (end < grid.columns && band_of(bands, grid.value(end, row)) == band)
                        ++end;
                    const bool filled =
                        band >= 0 &&
                        (grey || colour_of_code(bands[static_cast<std::size_t>(band)].colour));
                    if (filled) {
                        GeoLine ring;
                        for (int c = column; c <= end; ++c)
                            ring.push_back(cell_corner(grid, c, row));
                        for (int c = end; c >= column; --c)
                            ring.push_back(cell_corner(grid, c, row + 1));
                        // Widen by 2% of a cell round the run's middle.
                        GeoPoint middle{0, 0};
                        for (const GeoPoint& p : ring) {
                            middle.lon += p.lon / static_cast<double>(ring.size());
                            middle.lat += p.lat / static_cast<double>(ring.size());
                        }
                        const GeoPoint a = cell_corner(grid, column, row),
                                       b = cell_corner(grid, column + 1, row + 1);
                        const double grow_lon = 0.02 * std::abs(b.lon - a.lon);
                        const double grow_lat = 0.02 * std::abs(b.lat - a.lat);
                        for (GeoPoint& p : ring) {
                            p.lon += p.lon < middle.lon ? -grow_lon : grow_lon;
                            p.lat = std::clamp(p.lat + (p.lat < middle.lat ? -grow_lat : grow_lat),
                                               -90.0, 90.0);
                        }
                        projection.project_region({ring},
                                                  fills[static_cast<std::size_t>(band)].rings);
                    }
                    column = end;
                }
            }
            for (SceneFill& fill : fills) {
                if (!fill.rings.empty()) scene.fills.push_back(std::move(fill));
            }
        }
        if (lines) {
            for (const float level : edges) {
                for (const GeoLine& line : contour_lines(tracer.region(level))) {
                    std::vector<MapLine> pieces;
                    projection.project_grid_line(line, pieces);
                    for (MapLine& piece : pieces) {
                        scene.contours.push_back({std::move(piece), level_text(level)});
                    }
                }
            }
        }

        // The legend, from the highest band down.
        for (std::size_t k = bands.size(); k-- > 0;) {
            LegendEntry entry;
            if (shading || bins) {
                if (grey) {
                    entry.colour = grey_step(static_cast<int>(k), static_cast<int>(bands.size()));
                } else {
                    entry.colour = band_colour(bands, k, options.safe_palette);
                }
            }
            const Band& band = bands[k];
            if (bands.size() == 1) {
                entry.label = "all values";
            } else if (k == 0) {
                entry.label = "< " + level_text(band.upper);
            } else if (k + 1 == bands.size()) {
                entry.label = level_text(band.lower) + " \xE2\x80\x93 " +
                              level_text(parameter->levels.back());
            } else {
                entry.label = level_text(band.lower) + " \xE2\x80\x93 " + level_text(band.upper);
            }
            if (!(shading || bins))
                entry.label = "line at " + level_text(k == 0 ? band.upper : band.lower);
            scene.legend.push_back(entry);
        }
        if (!(shading || bins) && !parameter->levels.empty()) {
            LegendEntry top;
            top.label = "line at " + level_text(parameter->levels.back());
            scene.legend.insert(scene.legend.begin(), top);
        }
        if (shading || bins) {
            // Values above the last level keep the top band's colour.
            const float top = parameter->levels.back();
            bool above = false;
            for (const float v : grid.values) above |= v >= top;
            if (above && bands.size() > 1) {
                scene.notes.push_back("Values of " + level_text(top) +
                                      " and above are shaded as the top band");
            }
            scene.legend.push_back({std::nullopt, "no value (not shaded)"});
        }
    }

    // --- the night side ---------------------------------------------------
    if (options.terminator) {
        if (request.month == 0 || request.hour_ut == 0) {
            scene.notes.push_back(
                "Day/night terminator left out: the run's month or hour is unknown");
        } else {
            const GeoPoint sun = subsolar_point(request.month, request.hour_ut % 24);
            const double west = projection.azimuthal() ? projection.centre().lon - 90.0
                                                       : projection.central_longitude() - 180.0;
            SceneFill night;
            night.colour = {20, 30, 80};
            night.alpha = 70;
            projection.project_region({night_region(sun, west, 0.5)}, night.rings);
            scene.fills.push_back(std::move(night));
        }
    }

    // --- graticule --------------------------------------------------------
    if (request.grid_colour >= 0) {
        SceneLines graticule;
        graticule.colour = code_colour(request.grid_colour);
        graticule.width = 0.5;
        graticule.kind = LineKind::dotted;
        double west = -180, east = 180, south = -90, north = 90;
        if (!projection.azimuthal()) {
            const GeoPoint low = *projection.inverse({frame.west, frame.south});
            const GeoPoint high = *projection.inverse({frame.east, frame.north});
            const double centre = projection.central_longitude();
            west = centre + (frame.west / (earth_radius_m * radian));
            east = centre + (frame.east / (earth_radius_m * radian));
            south = low.lat;
            north = high.lat;
        }
        const double span =
            projection.azimuthal()
                ? std::min(360.0, 2.0 * frame.width() / 2 / (earth_radius_m * radian))
                : std::max(east - west, north - south);
        const double step = graticule_step(span);
        const double fine = std::min(1.0, step / 4);
        for (double lon = std::ceil(west / step) * step; lon <= east + 1e-9; lon += step) {
            GeoLine meridian;
            for (double lat = std::max(south, -90.0); lat <= north + 1e-9; lat += fine) {
                meridian.push_back({lon, std::min(lat, 90.0)});
            }
            if (!projection.azimuthal()) {
                projection.project_grid_line(meridian, graticule.lines);
                const double x = projection.forward({lon, 0}).x;
                scene.edge_texts.push_back({{x, frame.south},
                                            degrees_text(wrap_longitude(lon, 0), 'E', 'W'),
                                            dark_grey,
                                            9,
                                            Anchor::below,
                                            false});
            } else {
                // Meridians stop short of the poles, where they all meet.
                std::erase_if(meridian, [](const GeoPoint& p) { return std::abs(p.lat) > 89.0; });
                projection.project_line(meridian, graticule.lines);
            }
        }
        for (double lat = std::ceil(south / step) * step; lat <= north + 1e-9; lat += step) {
            if (std::abs(lat) >= 90) continue;
            GeoLine parallel;
            for (double lon = west; lon <= east + 1e-9; lon += fine) parallel.push_back({lon, lat});
            if (!projection.azimuthal()) {
                projection.project_grid_line(parallel, graticule.lines);
                const double y = projection.forward({projection.central_longitude(), lat}).y;
                scene.edge_texts.push_back({{frame.west, y},
                                            degrees_text(lat, 'N', 'S'),
                                            dark_grey,
                                            9,
                                            Anchor::left,
                                            false});
            } else {
                projection.project_line(parallel, graticule.lines);
            }
        }
        scene.lines.push_back(std::move(graticule));
    }

    // --- coastlines and borders -------------------------------------------
    if (request.countries_colour >= 0) {
        if (world == nullptr) {
            scene.notes.push_back("Coastlines and borders left out: no map data found");
        } else {
            SceneLines borders;
            borders.colour = code_colour(request.countries_colour);
            borders.width = 0.55;
            for (std::size_t i = 0; i < world->lines.borders.size(); ++i) {
                projection.project_line(world->lines.borders[i], borders.lines,
                                        &world->border_caps[i]);
            }
            SceneLines coast;
            coast.colour = borders.colour;
            coast.width = 0.9;
            for (std::size_t i = 0; i < world->lines.coastlines.size(); ++i) {
                projection.project_line(world->lines.coastlines[i], coast.lines,
                                        &world->coastline_caps[i]);
            }
            scene.lines.push_back(std::move(borders));
            scene.lines.push_back(std::move(coast));
        }
    }

    // --- CIRAF zones ------------------------------------------------------
    if (request.zones_colour >= 0) {
        if (!request.zone_problem.empty()) {
            scene.notes.push_back("CIRAF zones left out: " + request.zone_problem);
        } else {
            SceneLines zones;
            zones.colour = code_colour(request.zones_colour);
            zones.width = 1.1;
            zones.kind = LineKind::dashed;
            for (const ZoneBoundary& zone : request.zones) {
                // Boundaries run along parallels and meridians: sampled
                // finely so that they keep that course on every projection.
                GeoLine line;
                for (std::size_t i = 0; i + 1 < zone.line.size(); ++i) {
                    const GeoPoint a = zone.line[i], b = zone.line[i + 1];
                    const double length = std::hypot(b.lon - a.lon, b.lat - a.lat);
                    const int pieces = std::max(1, static_cast<int>(std::ceil(length)));
                    for (int k = 0; k < pieces; ++k) {
                        const double t = static_cast<double>(k) / pieces;
                        line.push_back({a.lon + t * (b.lon - a.lon), a.lat + t * (b.lat - a.lat)});
                    }
                }
                line.push_back(zone.line.back());
                projection.project_line(line, zones.lines);
                if (zone.labelled) {
                    const MapPoint at = projection.forward(
                        {wrap_longitude(zone.label.lon, projection.azimuthal()
                                                            ? 0.0
                                                            : projection.central_longitude()),
                         zone.label.lat});
                    if (frame.contains(at)) {
                        scene.texts.push_back({at, std::to_string(zone.zone), zones.colour, 11,
                                               Anchor::centre, true});
                    }
                }
            }
            scene.lines.push_back(std::move(zones));
        }
    }

    // --- Great Circle distance rings and azimuths -------------------------
    if (projection.code() == 0) {
        SceneLines rings;
        rings.colour = request.grid_colour >= 0 ? code_colour(request.grid_colour) : dark_grey;
        rings.width = 0.5;
        rings.kind = LineKind::dashed;
        const double radius_km = frame.radius / 1000.0;
        double step = 5000;
        for (const double candidate : {500.0, 1000.0, 2000.0, 2500.0, 5000.0}) {
            if (radius_km / candidate <= 8.0) {
                step = candidate;
                break;
            }
        }
        for (double r = step; r < radius_km - step * 0.2; r += step) {
            MapLine circle;
            for (int k = 0; k <= 360; ++k) {
                circle.push_back(
                    {r * 1000 * std::cos(k * radian), r * 1000 * std::sin(k * radian)});
            }
            rings.lines.push_back(std::move(circle));
            const std::string text = fixed_text(r, 0) + " km";
            const double angle = 52.0 * radian;
            scene.texts.push_back({{r * 1000 * std::cos(angle), r * 1000 * std::sin(angle)},
                                   text,
                                   rings.colour,
                                   8.5,
                                   Anchor::centre,
                                   true});
        }
        SceneLines ticks;
        ticks.colour = dark_grey;
        ticks.width = 0.8;
        for (int azimuth = 0; azimuth < 360; azimuth += 10) {
            const double angle = (90.0 - azimuth) * radian;
            const double inner = azimuth % 30 == 0 ? 0.955 : 0.975;
            ticks.lines.push_back(
                {{inner * frame.radius * std::cos(angle), inner * frame.radius * std::sin(angle)},
                 {frame.radius * std::cos(angle), frame.radius * std::sin(angle)}});
            if (azimuth % 30 == 0) {
                scene.edge_texts.push_back(
                    {{frame.radius * std::cos(angle), frame.radius * std::sin(angle)},
                     std::to_string(azimuth) + "\xC2\xB0",
                     dark_grey,
                     9,
                     Anchor::outward,
                     false});
            }
        }
        scene.lines.push_back(std::move(rings));
        scene.lines.push_back(std::move(ticks));
    }

    // --- the station and its main beam ------------------------------------
    const char* station_word = request.inverse ? "Receiver" : "Transmitter";
    if (request.beam_colour >= 0 && request.has_station) {
        const Rgb colour = code_colour(request.beam_colour);
        if (request.has_beam) {
            SceneLines beam;
            beam.colour = colour;
            beam.width = 1.8;
            projection.project_line(great_circle(request.station, request.beam_azimuth, 179.5, 0.5),
                                    beam.lines);
            scene.lines.push_back(std::move(beam));
            if (request.beam_slew != 0) {
                SceneLines slew;
                slew.colour = colour;
                slew.width = 1.0;
                slew.kind = LineKind::dashed;
                for (const int side : {-1, 1}) {
                    projection.project_line(
                        great_circle(request.station,
                                     request.beam_azimuth + side * request.beam_slew, 179.5, 0.5),
                        slew.lines);
                }
                scene.lines.push_back(std::move(slew));
            }
        }
        const GeoPoint station{
            projection.azimuthal()
                ? request.station.lon
                : wrap_longitude(request.station.lon, projection.central_longitude()),
            request.station.lat};
        const MapPoint at = projection.forward(station);
        if (frame.contains(at)) {
            scene.markers.push_back({at, MarkerKind::station, colour, 5.5});
            scene.texts.push_back({at, request.station_name, colour, 11, Anchor::right, true});
        }
    }

    // --- cities -----------------------------------------------------------
    if (request.city_colour >= 0) {
        if (!request.city_problem.empty()) {
            scene.notes.push_back("Cities left out: " + request.city_problem);
        }
        const Rgb colour = code_colour(request.city_colour);
        for (const City& city : request.cities) {
            const GeoPoint place{
                projection.azimuthal()
                    ? city.location.lon
                    : wrap_longitude(city.location.lon, projection.central_longitude()),
                city.location.lat};
            const MapPoint at = projection.forward(place);
            if (!frame.contains(at)) continue;
            scene.markers.push_back(
                {at, MarkerKind::dot, colour, request.large_city_names ? 2.6 : 2.0});
            scene.texts.push_back({at, city.name, colour, request.large_city_names ? 10.5 : 8.5,
                                   Anchor::right, true});
        }
    }

    // --- what the map says about itself -----------------------------------
    {
        std::string line = request.model;
        line += "   " + request.grid_name;
        if (request.hour_ut > 0) {
            char hour[32];
            std::snprintf(hour, sizeof hour, "   %02d UT", request.hour_ut % 24);
            line += hour;
        }
        if (request.month >= 1) line += std::string("   ") + month_names[request.month - 1];
        if (request.frequency > 0) {
            line += "   " + fixed_text(request.frequency, 2) + " MHz";
        }
        scene.info.push_back(line);
        std::string second;
        if (request.has_station) {
            second = std::string(station_word) + " " + request.station_name + "  " +
                     degrees_text(request.station.lat, 'N', 'S') + " " +
                     degrees_text(request.station.lon, 'E', 'W');
            if (request.has_beam) {
                char beam[64];
                second += "   beam " + fixed_text(request.beam_azimuth, 0) + "\xC2\xB0";
                if (request.beam_slew != 0) {
                    std::snprintf(beam, sizeof beam, ", slew \xC2\xB1%d\xC2\xB0",
                                  std::abs(request.beam_slew));
                    second += beam;
                }
            }
            second += "   ";
        }
        second += scene.projection + " projection";
        scene.info.push_back(second);
    }
    return scene;
}

}  // namespace qor::map
