#include "mapdraw/projection.h"
#include "mapdraw/number_text.h"

#include <proj.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>

namespace qor::map {

namespace {

constexpr double radian = std::numbers::pi / 180.0;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

std::string number(double value) {
    return fixed_text(value, 6);
}

std::string aeqd(GeoPoint centre) {
    return "+proj=aeqd +lat_0=" + number(centre.lat) + " +lon_0=" + number(centre.lon) +
           " +R=" + number(earth_radius_m) + " +units=m +no_defs";
}

struct Unit {
    double x, y, z;
};

Unit unit_of(GeoPoint p) {
    const double phi = p.lat * radian, lambda = p.lon * radian;
    return {std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
}

// Angle in degrees between a point and the unit vector of another.
double angle_to(GeoPoint p, const Unit& u) {
    const Unit v = unit_of(p);
    const double dot = std::clamp(v.x * u.x + v.y * u.y + v.z * u.z, -1.0, 1.0);
    return std::acos(dot) / radian;
}

}  // namespace

// ------------------------------------------------------------ Projection --

std::unique_ptr<Projection> Projection::create(const std::string& definition, std::string& error) {
    std::unique_ptr<Projection> projection(new Projection());
    projection->context_ = proj_context_create();
    if (projection->context_ == nullptr) {
        error = "PROJ could not start";
        return nullptr;
    }
    proj_log_level(projection->context_, PJ_LOG_NONE);
    proj_log_func(projection->context_, nullptr, [](void*, int, const char*) {});
    // The map's projections are formulas with every parameter given: they
    // need neither PROJ's database nor its grids. Pointing the search at no
    // directory spares opening the database, which costs more than all the
    // projecting a map does.
    const char* nowhere[] = {"/nonexistent-proj-data"};
    proj_context_set_search_paths(projection->context_, 1, nowhere);
    projection->pj_ = proj_create(projection->context_, definition.c_str());
    if (projection->pj_ == nullptr) {
        error = "PROJ refused the projection " + definition + ": " +
                proj_context_errno_string(projection->context_,
                                          proj_context_errno(projection->context_));
        return nullptr;
    }
    return projection;
}

Projection::~Projection() {
    if (pj_ != nullptr) proj_destroy(pj_);
    if (context_ != nullptr) proj_context_destroy(context_);
}

void Projection::forward(const GeoPoint* in, MapPoint* out, std::size_t n) const {
    if (n == 0) return;
    for (std::size_t i = 0; i < n; ++i) out[i] = {in[i].lon * radian, in[i].lat * radian};
    proj_trans_generic(pj_, PJ_FWD, &out[0].x, sizeof(MapPoint), n, &out[0].y, sizeof(MapPoint), n,
                       nullptr, 0, 0, nullptr, 0, 0);
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::isfinite(out[i].x) || !std::isfinite(out[i].y) || std::abs(out[i].x) > 1e12 ||
            std::abs(out[i].y) > 1e12) {
            out[i] = {nan, nan};
        }
    }
    // A failed point leaves an error number behind that would refuse later calls.
    proj_errno_reset(pj_);
}

MapPoint Projection::forward(GeoPoint point) const {
    MapPoint out;
    forward(&point, &out, 1);
    return out;
}

std::optional<GeoPoint> Projection::inverse(MapPoint point) const {
    PJ_COORD c = proj_coord(point.x, point.y, 0, 0);
    PJ_COORD r = proj_trans(pj_, PJ_INV, c);
    proj_errno_reset(pj_);
    if (!std::isfinite(r.lp.lam) || !std::isfinite(r.lp.phi) || std::abs(r.lp.lam) > 1e6) {
        return std::nullopt;
    }
    return GeoPoint{r.lp.lam / radian, r.lp.phi / radian};
}

// --------------------------------------------------------- MapProjection --

bool Frame::contains(MapPoint p) const {
    if (std::isnan(p.x) || std::isnan(p.y)) return false;
    switch (shape) {
        case FrameShape::rectangle:
            return p.x >= west && p.x <= east && p.y >= south && p.y <= north;
        case FrameShape::disc:
            return std::hypot(p.x, p.y) <= radius;
        case FrameShape::outline:
            return ring_contains(outline, p);
    }
    return false;
}

std::string projection_name(int code) {
    switch (code) {
        case 0:
            return "Great Circle";
        case 1:
            return "Lat/Lon";
        case 21:
            return "NE Hemisphere";
        case 22:
            return "NW Hemisphere";
        case 23:
            return "SE Hemisphere";
        case 24:
            return "SW Hemisphere";
        default:
            return "Lat/Lon";
    }
}

std::string MapProjection::name() const {
    return projection_name(code_);
}

std::unique_ptr<MapProjection> MapProjection::create(int code, GeoPoint centre,
                                                     const std::vector<GeoPoint>& area,
                                                     std::string& error) {
    std::unique_ptr<MapProjection> map(new MapProjection());
    map->requested_ = code;
    const bool known = code == 0 || code == 1 || (code >= 21 && code <= 24);
    map->code_ = known ? code : 1;
    Frame& frame = map->frame_;

    if (map->code_ == 1) {
        double west = 180, east = -180, south = 90, north = -90;
        for (const GeoPoint& p : area) {
            west = std::min(west, p.lon);
            east = std::max(east, p.lon);
            south = std::min(south, p.lat);
            north = std::max(north, p.lat);
        }
        if (area.empty()) {
            west = -180, east = 180, south = -90, north = 90;
        }
        // A box of a single row or column still gets a map around it.
        if (east - west < 1.0) {
            west -= 0.5;
            east += 0.5;
        }
        if (north - south < 1.0) {
            south = std::max(-90.0, south - 0.5);
            north = std::min(90.0, north + 0.5);
        }
        if (east - west > 360.0) east = west + 360.0;
        map->centre_ = {(west + east) / 2.0, (south + north) / 2.0};
        map->projection_ =
            Projection::create("+proj=eqc +lon_0=" + number(map->centre_.lon) +
                                   " +R=" + number(earth_radius_m) + " +units=m +over +no_defs",
                               error);
        if (!map->projection_) return nullptr;
        const MapPoint low = map->forward({west, south});
        const MapPoint high = map->forward({east, north});
        frame.shape = FrameShape::rectangle;
        frame.west = low.x, frame.south = low.y, frame.east = high.x, frame.north = high.y;
        frame.outline = {{low.x, low.y}, {high.x, low.y}, {high.x, high.y}, {low.x, high.y}};
        map->antipode_ = antipode(map->centre_);
        return map;
    }

    if (map->code_ == 0) {
        map->centre_ = centre;
    } else {
        map->centre_ = {code == 21 || code == 23 ? 90.0 : -90.0, code <= 22 ? 45.0 : -45.0};
    }
    map->antipode_ = antipode(map->centre_);
    map->projection_ = Projection::create(aeqd(map->centre_), error);
    if (!map->projection_) return nullptr;

    if (map->code_ == 0) {
        double reach = 0;
        for (const GeoPoint& p : area) reach = std::max(reach, angular_distance_deg(centre, p));
        // A little room round the farthest point; an area that reaches
        // almost round the globe gets the whole globe.
        reach = std::max(reach * 1.03, 2.0);
        if (reach > 175.0) reach = 180.0;
        frame.shape = FrameShape::disc;
        frame.radius = reach * radian * earth_radius_m;
        frame.west = frame.south = -frame.radius;
        frame.east = frame.north = frame.radius;
        for (int k = 0; k < 360; ++k) {
            const double angle = k * radian;
            frame.outline.push_back(
                {frame.radius * std::cos(angle), frame.radius * std::sin(angle)});
        }
        map->reach_deg_ = reach;
        return map;
    }

    // The quadrant: the equator from its western to its eastern meridian,
    // then up (or down) its eastern meridian to the pole and back down the
    // western one.
    const double lon0 = map->centre_.lon - 90.0;
    const double lon1 = map->centre_.lon + 90.0;
    const double pole = map->centre_.lat > 0 ? 90.0 : -90.0;
    GeoLine edge;
    for (double lon = lon0; lon < lon1; lon += 0.5) edge.push_back({lon, 0.0});
    for (double t = 0; t < 1.0; t += 1.0 / 180) edge.push_back({lon1, pole * t});
    edge.push_back({lon1, pole});
    for (double t = 1.0; t > 0.0; t -= 1.0 / 180) edge.push_back({lon0, pole * t});
    frame.outline.resize(edge.size());
    map->forward(edge.data(), frame.outline.data(), edge.size());
    if (signed_area(frame.outline) < 0) std::reverse(frame.outline.begin(), frame.outline.end());
    frame.shape = FrameShape::outline;
    frame.west = frame.south = std::numeric_limits<double>::max();
    frame.east = frame.north = std::numeric_limits<double>::lowest();
    for (const MapPoint& p : frame.outline) {
        frame.west = std::min(frame.west, p.x);
        frame.east = std::max(frame.east, p.x);
        frame.south = std::min(frame.south, p.y);
        frame.north = std::max(frame.north, p.y);
    }
    // On an azimuthal equidistant map the distance from the centre is the
    // distance on the globe: the frame's farthest corner bounds what it shows.
    double corner = 0;
    for (const double x : {frame.west, frame.east}) {
        for (const double y : {frame.south, frame.north})
            corner = std::max(corner, std::hypot(x, y));
    }
    map->reach_deg_ = std::min(180.0, corner / earth_radius_m / radian);
    return map;
}

MapLine MapProjection::globe_rim(int points) const {
    const double radius = std::numbers::pi * earth_radius_m;
    MapLine rim;
    rim.reserve(static_cast<std::size_t>(points));
    for (int k = 0; k < points; ++k) {
        const double angle = 2.0 * std::numbers::pi * k / points;
        rim.push_back({radius * std::cos(angle), radius * std::sin(angle)});
    }
    return rim;
}

void MapProjection::densify_and_project(const GeoLine& line, MapLine& out,
                                        bool near_antipode) const {
    out.clear();
    if (line.empty()) return;
    if (!azimuthal() || !near_antipode) {
        out.resize(line.size());
        forward(line.data(), out.data(), line.size());
        return;
    }
    // Near the antipode a short step on the globe becomes a long one on the
    // map: the closer a segment comes to it, the finer it is sampled. A point
    // on the antipode itself has no direction and is moved off it.
    const Unit opposite = unit_of(antipode_);
    GeoLine sampled;
    sampled.reserve(line.size() + 16);
    auto nudged = [&](GeoPoint p, double distance) {
        if (distance < 1e-6) p.lat += p.lat > 0 ? -1e-5 : 1e-5;
        return p;
    };
    double previous_distance = angle_to(line[0], opposite);
    sampled.push_back(nudged(line[0], previous_distance));
    for (std::size_t i = 1; i < line.size(); ++i) {
        // The step in longitude is taken the short way round: map data
        // crosses 180 degrees from one side to the other.
        const GeoPoint a = line[i - 1];
        const GeoPoint b{a.lon + wrap_longitude(line[i].lon - a.lon, 0.0), line[i].lat};
        const double distance = angle_to(b, opposite);
        const double length = std::hypot(b.lon - a.lon, b.lat - a.lat);
        const double nearest = std::max(std::min(previous_distance, distance) - length, 1e-4);
        const double step = std::clamp(nearest / 20.0, 1e-5, 2.0);
        const int pieces = std::clamp(static_cast<int>(std::ceil(length / step)), 1, 4000);
        for (int k = 1; k < pieces; ++k) {
            const double t = static_cast<double>(k) / pieces;
            const GeoPoint p{a.lon + t * (b.lon - a.lon), a.lat + t * (b.lat - a.lat)};
            sampled.push_back(nudged(p, angle_to(p, opposite)));
        }
        sampled.push_back(nudged(line[i], distance));
        previous_distance = distance;
    }
    out.resize(sampled.size());
    forward(sampled.data(), out.data(), sampled.size());
}

void MapProjection::split_jumps(MapLine& projected, std::vector<MapLine>& pieces) const {
    // Points the projection refused, and on an azimuthal map steps across
    // the disc (a line through the antipode), end a piece.
    const double jump = 0.15 * std::numbers::pi * earth_radius_m;
    MapLine piece;
    for (const MapPoint& p : projected) {
        if (std::isnan(p.x)) {
            if (piece.size() >= 2) pieces.push_back(std::move(piece));
            piece.clear();
            continue;
        }
        if (azimuthal() && !piece.empty() &&
            std::hypot(p.x - piece.back().x, p.y - piece.back().y) > jump) {
            if (piece.size() >= 2) pieces.push_back(std::move(piece));
            piece.clear();
        }
        piece.push_back(p);
    }
    if (piece.size() >= 2) pieces.push_back(std::move(piece));
}

void MapProjection::project_line(const GeoLine& line, std::vector<MapLine>& pieces,
                                 const Cap* cap) const {
    if (line.size() < 2) return;
    MapLine projected;
    if (azimuthal()) {
        bool near_antipode = true;
        if (cap != nullptr) {
            const double from_centre = angle_to_cap(*cap, centre_);
            if (from_centre - cap->radius_deg > reach_deg_) return;
            // Away from the antipode the map's scale changes slowly: straight
            // pieces of map data stay straight enough.
            near_antipode = (180.0 - from_centre) - cap->radius_deg < 30.0;
        }
        densify_and_project(line, projected, near_antipode);
        split_jumps(projected, pieces);
        return;
    }
    // Lat/Lon: longitudes are brought into the half-turns either side of the
    // centre, and a line is cut where it crosses the meridian behind it.
    const double centre = central_longitude();
    GeoLine run;
    auto flush = [&]() {
        if (run.size() >= 2) {
            projected.resize(run.size());
            forward(run.data(), projected.data(), run.size());
            split_jumps(projected, pieces);
        }
        run.clear();
    };
    GeoPoint previous{wrap_longitude(line[0].lon, centre), line[0].lat};
    run.push_back(previous);
    for (std::size_t i = 1; i < line.size(); ++i) {
        const GeoPoint raw = line[i];
        const double step = wrap_longitude(raw.lon - line[i - 1].lon, 0.0);
        const double lon = previous.lon + step;
        if (lon >= centre + 180.0 || lon < centre - 180.0) {
            const double seam = lon >= centre + 180.0 ? centre + 180.0 : centre - 180.0;
            const double t = step == 0 ? 0 : (seam - previous.lon) / step;
            const double lat = previous.lat + t * (raw.lat - previous.lat);
            run.push_back({seam, lat});
            flush();
            run.push_back({seam == centre + 180.0 ? centre - 180.0 : centre + 180.0, lat});
            previous = {lon - (seam - run.back().lon), raw.lat};
        } else {
            previous = {lon, raw.lat};
        }
        run.push_back(previous);
    }
    flush();
}

void MapProjection::project_grid_line(const GeoLine& line, std::vector<MapLine>& pieces) const {
    if (line.size() < 2) return;
    MapLine projected;
    densify_and_project(line, projected);
    split_jumps(projected, pieces);
}

bool MapProjection::holds_antipode(const std::vector<GeoLine>& rings) const {
    // Tested a hair off the antipode itself, which may lie on a grid line;
    // the rings' longitudes may run past 180, so each whole-turn shift is
    // tried.
    for (const double shift : {0.0, -360.0, 360.0}) {
        const GeoPoint probe{antipode_.lon + shift + 1.7e-7, antipode_.lat + 1.3e-7};
        bool inside = false;
        for (const GeoLine& ring : rings) inside ^= ring_contains(ring, probe);
        if (inside) return true;
    }
    return false;
}

void MapProjection::project_region(const std::vector<GeoLine>& rings,
                                   std::vector<MapLine>& out) const {
    for (const GeoLine& ring : rings) {
        if (ring.size() < 3) continue;
        GeoLine closed = ring;
        closed.push_back(ring.front());
        MapLine projected;
        densify_and_project(closed, projected);
        projected.pop_back();
        projected.erase(std::remove_if(projected.begin(), projected.end(),
                                       [](const MapPoint& p) { return std::isnan(p.x); }),
                        projected.end());
        if (projected.size() >= 3) out.push_back(std::move(projected));
    }
    if (azimuthal() && holds_antipode(rings)) out.push_back(globe_rim());
}

}  // namespace qor::map
