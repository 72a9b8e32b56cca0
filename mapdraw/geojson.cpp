#include "mapdraw/geojson.h"

#include <cmath>
#include <cstdio>

#include "mapdraw/isolines.h"
#include "mapdraw/number_text.h"
#include "mapdraw/palette.h"
#include "mapdraw/scene.h"

namespace qor::map {

namespace {

void append_number(std::string& out, double value, int decimals) {
    out += fixed_text(value, decimals);
}

void append_string(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out += buffer;
        } else {
            out += c;
        }
    }
    out += '"';
}

// The part of a ring on one side of a meridian (Sutherland-Hodgman against
// one half-plane), shifted by a whole turn.
GeoLine clipped(const GeoLine& ring, double meridian, bool east_side, double shift) {
    GeoLine out;
    const std::size_t n = ring.size();
    auto inside = [&](const GeoPoint& p) {
        return east_side ? p.lon >= meridian : p.lon <= meridian;
    };
    for (std::size_t i = 0; i < n; ++i) {
        const GeoPoint a = ring[(i + n - 1) % n], b = ring[i];
        const bool in_a = inside(a), in_b = inside(b);
        if (in_b != in_a) {
            const double t = (meridian - a.lon) / (b.lon - a.lon);
            out.push_back({meridian + shift, a.lat + t * (b.lat - a.lat)});
        }
        if (in_b) out.push_back({b.lon + shift, b.lat});
    }
    return out;
}

// A polygon as GeoJSON polygons with longitudes in -180..180: cut at every
// odd multiple of 180 it crosses.
std::vector<GeoPolygon> within_range(const GeoPolygon& polygon) {
    double west = polygon.outer[0].lon, east = west;
    for (const GeoPoint& p : polygon.outer) {
        west = std::min(west, p.lon);
        east = std::max(east, p.lon);
    }
    std::vector<GeoPolygon> parts;
    // Walk the whole turns the polygon touches: [-180, 180) + 360 k.
    const int first = static_cast<int>(std::floor((west + 180.0) / 360.0));
    const int last = static_cast<int>(std::floor((east + 180.0) / 360.0 - 1e-12));
    for (int k = first; k <= last; ++k) {
        const double low = -180.0 + 360.0 * k, high = low + 360.0, shift = -360.0 * k;
        auto cut = [&](const GeoLine& ring) {
            GeoLine part = ring;
            if (west < low) part = clipped(part, low, true, 0);
            if (east > high) part = clipped(part, high, false, 0);
            for (GeoPoint& p : part) p.lon += shift;
            return part;
        };
        GeoPolygon part;
        part.outer = cut(polygon.outer);
        if (part.outer.size() < 3 || std::abs(signed_area(part.outer)) < 1e-12) continue;
        for (const GeoLine& hole : polygon.holes) {
            GeoLine h = cut(hole);
            if (h.size() >= 3 && std::abs(signed_area(h)) >= 1e-12)
                part.holes.push_back(std::move(h));
        }
        parts.push_back(std::move(part));
    }
    return parts;
}

void append_ring(std::string& out, const GeoLine& ring) {
    out += '[';
    for (std::size_t i = 0; i <= ring.size(); ++i) {
        const GeoPoint& p = ring[i % ring.size()];  // closed: the first point again
        if (i > 0) out += ',';
        out += '[';
        append_number(out, p.lon, 5);
        out += ',';
        append_number(out, p.lat, 5);
        out += ']';
    }
    out += ']';
}

}  // namespace

std::string bands_geojson(const PlotRequest& request, std::size_t index, bool safe_palette) {
    const PlottedParameter& parameter = request.parameters[index];
    std::string out = "{\"type\":\"FeatureCollection\",\"features\":[";
    if (parameter.problem.empty()) {
        const FieldGrid grid = request.field(index);
        IsolineTracer tracer(grid);
        const std::vector<Band>& bands = parameter.bands;
        std::vector<ContourRing> lower = tracer.region(lowest_level);
        for (std::size_t k = 0; k < bands.size(); ++k) {
            std::vector<ContourRing> upper;
            if (k + 1 < bands.size()) upper = tracer.region(bands[k + 1].lower);
            std::vector<GeoPolygon> polygons;
            for (const GeoPolygon& polygon : band_polygons(lower, upper)) {
                for (GeoPolygon& part : within_range(polygon)) polygons.push_back(std::move(part));
            }
            lower = std::move(upper);
            if (k > 0) out += ',';
            out += "{\"type\":\"Feature\",\"properties\":{\"parameter\":";
            append_string(out, parameter.name);
            out += ",\"units\":";
            append_string(out, parameter.units);
            out += ",\"band\":" + std::to_string(k + 1);
            out += ",\"lower\":";
            if (std::isinf(bands[k].lower)) {
                out += "null";
            } else {
                append_number(out, bands[k].lower, 3);
            }
            out += ",\"upper\":";
            if (std::isinf(bands[k].upper)) {
                out += "null";
            } else {
                append_number(out, bands[k].upper, 3);
            }
            out += ",\"colour\":" + std::to_string(bands[k].colour);
            out += ",\"fill\":";
            if (const std::optional<Rgb> rgb = band_colour(bands, k, safe_palette)) {
                char hex[16];
                std::snprintf(hex, sizeof hex, "\"#%02x%02x%02x\"", rgb->red, rgb->green,
                              rgb->blue);
                out += hex;
            } else {
                out += "null";
            }
            out += "},\"geometry\":{\"type\":\"MultiPolygon\",\"coordinates\":[";
            for (std::size_t p = 0; p < polygons.size(); ++p) {
                if (p > 0) out += ',';
                out += '[';
                append_ring(out, polygons[p].outer);
                for (const GeoLine& hole : polygons[p].holes) {
                    out += ',';
                    append_ring(out, hole);
                }
                out += ']';
            }
            out += "]}}";
        }
    }
    out += "]}\n";
    return out;
}

}  // namespace qor::map
