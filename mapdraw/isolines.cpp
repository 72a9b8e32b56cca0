#include "mapdraw/isolines.h"

#include <algorithm>
#include <cmath>

namespace qor::map {

namespace {

// The four sides of a cell, counter-clockwise from the bottom.
enum Side : std::uint8_t { bottom, right, top, left, none };

struct Segment {
    Side from = none;
    Side to = none;
};

// For each of the 16 corner cases (bit 0 south-west, 1 south-east, 2
// north-east, 3 north-west corner inside) the segments that cross the cell,
// each running from the side where the boundary leaves the region to the side
// where it comes back, so that the region stays on the left. The two saddle
// cases (5 and 10) are listed with their corners apart; the tracer joins them
// when the middle of the cell lies inside.
constexpr Segment segments[16][2] = {
    {{}, {}},
    {{bottom, left}, {}},
    {{right, bottom}, {}},
    {{right, left}, {}},
    {{top, right}, {}},
    {{bottom, left}, {top, right}},
    {{top, bottom}, {}},
    {{top, left}, {}},
    {{left, top}, {}},
    {{bottom, top}, {}},
    {{right, bottom}, {left, top}},
    {{right, top}, {}},
    {{left, right}, {}},
    {{bottom, right}, {}},
    {{left, bottom}, {}},
    {{}, {}},
};
constexpr Segment joined_5[2] = {{bottom, right}, {top, left}};
constexpr Segment joined_10[2] = {{right, top}, {left, bottom}};

// Next to a gap a ring may run out to a point and straight back (a region
// one point wide): such spikes enclose nothing, but a painter would show
// them as hairlines. They are taken out, as are repeated points.
void remove_spikes(ContourRing& ring) {
    std::vector<GeoPoint> points;
    std::vector<std::uint8_t> contour;
    points.reserve(ring.points.size());
    contour.reserve(ring.points.size());
    auto push = [&](GeoPoint p, std::uint8_t flag) {
        if (!points.empty() && points.back() == p) {
            contour.back() = flag;
            return;
        }
        points.push_back(p);
        contour.push_back(flag);
        // A -> B -> A: drop B and the second A; A goes on as the second did.
        while (points.size() >= 3 && points[points.size() - 3] == points.back()) {
            const std::uint8_t last = contour.back();
            points.pop_back();
            contour.pop_back();
            points.pop_back();
            contour.pop_back();
            contour.back() = last;
        }
    };
    for (std::size_t i = 0; i < ring.points.size(); ++i) push(ring.points[i], ring.contour[i]);
    // The same where the ring closes: spikes across its first point.
    bool changed = true;
    while (changed && points.size() >= 3) {
        changed = false;
        if (points.front() == points.back()) {
            points.pop_back();
            contour.pop_back();
            changed = true;
        } else if (points[points.size() - 2] == points.front()) {
            // ... X -> Y -> X(first): drop Y and the last X.
            points.resize(points.size() - 2);
            contour.resize(contour.size() - 2);
            changed = true;
        } else if (points.back() == points[1]) {
            // ... Y(last) -> X(first) -> Y: drop X and the last Y.
            points.erase(points.begin());
            contour.erase(contour.begin());
            points.pop_back();
            contour.pop_back();
            changed = true;
        }
    }
    ring.points = std::move(points);
    ring.contour = std::move(contour);
}

}  // namespace

IsolineTracer::IsolineTracer(const FieldGrid& grid) : grid_(grid) {
    width_ = std::max(grid.columns, 0) + 2;
    height_ = std::max(grid.rows, 0) + 2;
    horizontal_edges_ = (width_ - 1) * height_;
    const std::int32_t vertical_edges = width_ * (height_ - 1);
    padded_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
                   std::numeric_limits<float>::quiet_NaN());
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
            padded_[static_cast<std::size_t>((row + 1) * width_ + column + 1)] =
                grid.value(column, row);
        }
    }
    next_.assign(static_cast<std::size_t>(horizontal_edges_ + vertical_edges), -1);
    if (grid.columns > 1 && grid.rows > 0) {
        const double span = grid.node(grid.columns - 1, 0).lon - grid.node(0, 0).lon;
        wraps_ = std::abs(std::abs(span) - 360.0) < 1e-6;
        south_pole_ = grid.node(0, 0).lat <= -90.0 + 1e-6;
        north_pole_ = grid.node(0, grid.rows - 1).lat >= 90.0 - 1e-6;
    }
}

void IsolineTracer::edge_nodes(std::int32_t edge, std::int32_t& first, std::int32_t& second) const {
    if (edge < horizontal_edges_) {
        first = edge / (width_ - 1) * width_ + edge % (width_ - 1);
        second = first + 1;
    } else {
        first = edge - horizontal_edges_;
        second = first + width_;
    }
}

GeoPoint IsolineTracer::crossing(std::int32_t edge, float level, std::int32_t& node) const {
    std::int32_t in = 0, out = 0;
    edge_nodes(edge, in, out);
    if (!(padded_[static_cast<std::size_t>(in)] >= level)) std::swap(in, out);
    // The point inside the region is a real point with a value.
    const float v_in = padded_[static_cast<std::size_t>(in)];
    const float v_out = padded_[static_cast<std::size_t>(out)];
    const GeoPoint inside = grid_.node(in % width_ - 1, in / width_ - 1);
    if (std::isnan(v_out)) {
        node = in;
        const int oi = out % width_ - 1, oj = out / width_ - 1;
        const bool closed = ((oi < 0 || oi >= grid_.columns) && wraps_) ||
                            (oj < 0 && south_pole_) || (oj >= grid_.rows && north_pole_);
        if (gap_shift_ <= 0.0 || closed) return inside;
        const GeoPoint gap = padded_node(out);
        return {inside.lon + gap_shift_ * (gap.lon - inside.lon),
                inside.lat + gap_shift_ * (gap.lat - inside.lat)};
    }
    node = -1;
    const double t = (static_cast<double>(level) - v_in) / (static_cast<double>(v_out) - v_in);
    const GeoPoint outside = grid_.node(out % width_ - 1, out / width_ - 1);
    return {inside.lon + t * (outside.lon - inside.lon),
            inside.lat + t * (outside.lat - inside.lat)};
}

GeoPoint IsolineTracer::padded_node(std::int32_t index) const {
    const int i = index % width_ - 1, j = index / width_ - 1;
    const int ci = std::clamp(i, 0, grid_.columns - 1), cj = std::clamp(j, 0, grid_.rows - 1);
    GeoPoint p = grid_.node(ci, cj);
    // One step outwards, as far as the neighbour inside is from the edge.
    if (i != ci && grid_.columns > 1) {
        const GeoPoint inner = grid_.node(i < 0 ? 1 : grid_.columns - 2, cj);
        p = {2 * p.lon - inner.lon, 2 * p.lat - inner.lat};
    }
    if (j != cj && grid_.rows > 1) {
        const GeoPoint edge = grid_.node(ci, cj);
        const GeoPoint inner = grid_.node(ci, j < 0 ? 1 : grid_.rows - 2);
        p = {p.lon + edge.lon - inner.lon, p.lat + edge.lat - inner.lat};
    }
    p.lat = std::clamp(p.lat, -90.0, 90.0);
    return p;
}

std::vector<ContourRing> IsolineTracer::region(float level, double gap_shift) {
    gap_shift_ = gap_shift;
    starts_.clear();
    const int w = width_;
    auto inside = [&](std::size_t index) { return padded_[index] >= level; };
    for (int j = 0; j + 1 < height_; ++j) {
        for (int i = 0; i + 1 < w; ++i) {
            const auto a = static_cast<std::size_t>(j * w + i);
            const std::size_t d = a + static_cast<std::size_t>(w);
            const unsigned cell =
                static_cast<unsigned>(inside(a)) | static_cast<unsigned>(inside(a + 1)) << 1 |
                static_cast<unsigned>(inside(d + 1)) << 2 | static_cast<unsigned>(inside(d)) << 3;
            if (cell == 0 || cell == 15) continue;
            const Segment* pair = segments[cell];
            if (cell == 5 || cell == 10) {
                // A saddle: the middle value decides whether the two inside
                // corners are joined. Next to a gap the cell keeps only the
                // triangle of its good corners, whose edge is the diagonal
                // through the two inside corners, so they are joined.
                const float sum = padded_[a] + padded_[a + 1] + padded_[d] + padded_[d + 1];
                const bool joined = std::isnan(sum) || sum / 4.0f >= level;
                if (joined) pair = cell == 5 ? joined_5 : joined_10;
            }
            const std::int32_t side_edge[4] = {
                j * (w - 1) + i,                    // bottom
                horizontal_edges_ + j * w + i + 1,  // right
                (j + 1) * (w - 1) + i,              // top
                horizontal_edges_ + j * w + i,      // left
            };
            for (int k = 0; k < 2 && pair[k].from != none; ++k) {
                const std::int32_t from = side_edge[pair[k].from];
                next_[static_cast<std::size_t>(from)] = side_edge[pair[k].to];
                starts_.push_back(from);
            }
        }
    }

    std::vector<ContourRing> rings;
    for (const std::int32_t start : starts_) {
        if (next_[static_cast<std::size_t>(start)] < 0) continue;
        ContourRing ring;
        std::int32_t edge = start;
        std::int32_t node = -1;
        GeoPoint point = crossing(edge, level, node);
        do {
            const std::int32_t following = next_[static_cast<std::size_t>(edge)];
            next_[static_cast<std::size_t>(edge)] = -1;
            if (following < 0) break;
            std::int32_t next_node = -1;
            const GeoPoint next_point = crossing(following, level, next_node);
            // A segment is a contour unless it runs along the valid area's
            // edge: between two points next to a gap, or from a crossing to
            // a point next to a gap at an end of the crossing's own edge.
            bool along_edge = node >= 0 && next_node >= 0;
            if ((node >= 0) != (next_node >= 0)) {
                std::int32_t first = 0, second = 0;
                edge_nodes(node >= 0 ? following : edge, first, second);
                const std::int32_t gap_point = node >= 0 ? node : next_node;
                along_edge = gap_point == first || gap_point == second;
            }
            if (ring.points.empty() || !(ring.points.back() == point)) {
                ring.points.push_back(point);
                ring.contour.push_back(!along_edge);
            } else {
                // A repeated point: the step from it is the one that counts.
                ring.contour.back() = !along_edge;
            }
            edge = following;
            node = next_node;
            point = next_point;
        } while (edge != start);
        remove_spikes(ring);
        if (ring.points.size() >= 3) rings.push_back(std::move(ring));
    }
    return rings;
}

std::vector<GeoLine> contour_lines(const std::vector<ContourRing>& rings) {
    std::vector<GeoLine> lines;
    for (const ContourRing& ring : rings) {
        const std::size_t n = ring.points.size();
        // Start the walk after a segment along the edge, if there is one, so
        // that no line is cut in two at the ring's seam.
        std::size_t first = 0;
        bool closed = true;
        for (std::size_t i = 0; i < n; ++i) {
            if (!ring.contour[i]) {
                first = (i + 1) % n;
                closed = false;
                break;
            }
        }
        GeoLine line;
        for (std::size_t step = 0; step < n; ++step) {
            const std::size_t i = (first + step) % n;
            if (!ring.contour[i]) {
                if (line.size() >= 1) line.push_back(ring.points[i]);
                if (line.size() >= 2) lines.push_back(std::move(line));
                line.clear();
                continue;
            }
            line.push_back(ring.points[i]);
        }
        if (closed && !line.empty()) line.push_back(line.front());
        if (line.size() >= 2) lines.push_back(std::move(line));
    }
    return lines;
}

namespace {

struct Box {
    double west = 0, south = 0, east = 0, north = 0;
    bool holds(const Box& other) const {
        return other.west >= west && other.east <= east && other.south >= south &&
               other.north <= north;
    }
};

Box box_of(const GeoLine& ring) {
    Box box{ring[0].lon, ring[0].lat, ring[0].lon, ring[0].lat};
    for (const GeoPoint& p : ring) {
        box.west = std::min(box.west, p.lon);
        box.east = std::max(box.east, p.lon);
        box.south = std::min(box.south, p.lat);
        box.north = std::max(box.north, p.lat);
    }
    return box;
}

// A point inside the ring near its first edge: the ring's points may lie on
// the outer ring's boundary (rings of two levels touch where a value equals
// both), so the test point is moved a little off the ring, to its right for
// a hole, which is where the outer ring's area lies.
GeoPoint probe(const GeoLine& ring) {
    const std::size_t n = ring.size();
    std::size_t best = 0;
    double longest = -1;
    for (std::size_t i = 0; i < n; ++i) {
        const GeoPoint a = ring[i], b = ring[(i + 1) % n];
        const double length = std::hypot(b.lon - a.lon, b.lat - a.lat);
        if (length > longest) {
            longest = length;
            best = i;
        }
    }
    const GeoPoint a = ring[best], b = ring[(best + 1) % n];
    const double dx = b.lon - a.lon, dy = b.lat - a.lat;
    const double shift = 1e-6 / std::max(longest, 1e-12);
    // The left of a clockwise hole's edge is outside the hole, inside the area
    // around it.
    return {(a.lon + b.lon) / 2 - dy * shift, (a.lat + b.lat) / 2 + dx * shift};
}

}  // namespace

std::vector<GeoPolygon> band_polygons(const std::vector<ContourRing>& lower,
                                      const std::vector<ContourRing>& upper) {
    struct Ring {
        GeoLine points;
        double area;
        Box box;
    };
    std::vector<Ring> outers;
    std::vector<Ring> holes;
    auto add = [&](GeoLine points) {
        if (points.size() < 3) return;
        const double area = signed_area(points);
        if (std::abs(area) < 1e-12) return;
        Box box = box_of(points);
        (area > 0 ? outers : holes).push_back({std::move(points), area, box});
    };
    for (const ContourRing& ring : lower) add(ring.points);
    // The region above the band's upper level is cut out: its rings reversed.
    for (const ContourRing& ring : upper) add(GeoLine(ring.points.rbegin(), ring.points.rend()));

    std::vector<GeoPolygon> polygons(outers.size());
    for (std::size_t k = 0; k < outers.size(); ++k) polygons[k].outer = std::move(outers[k].points);
    for (Ring& hole : holes) {
        const GeoPoint point = probe(hole.points);
        std::size_t owner = outers.size();
        for (std::size_t k = 0; k < outers.size(); ++k) {
            if (!outers[k].box.holds(hole.box)) continue;
            if (owner < outers.size() && outers[k].area >= outers[owner].area) continue;
            if (ring_contains(polygons[k].outer, point)) owner = k;
        }
        if (owner < outers.size()) polygons[owner].holes.push_back(std::move(hole.points));
    }
    return polygons;
}

}  // namespace qor::map
