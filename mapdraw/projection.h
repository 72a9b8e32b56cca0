#pragma once
// The map projections a requirement file can name, through PROJ, and the
// frame of the map: the part of the projected plane that the map shows.
//
//   0      Great Circle: azimuthal equidistant centred on the transmitter
//          (distances and azimuths from it are true), framed to the disc that
//          holds the grid's area
//   1      Lat/Lon: plate carree over the grid's area
//   21-24  NE, NW, SE, SW hemisphere: azimuthal equidistant centred at
//          (+-45, +-90), framed to the quadrant
// Any other code is drawn as Lat/Lon and says so.
//
// Lines and polygons given in latitude and longitude are projected with the
// seams of the projection dealt with: on Lat/Lon maps a line is cut where it
// crosses the meridian opposite the map's centre, so that nothing wraps round
// the globe; on azimuthal maps, where the point opposite the centre (the
// antipode) becomes the whole rim of the disc, lines near it are sampled more
// finely, and a polygon that holds it is drawn as the rim less the rest.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mapdraw/geo.h"

struct PJconsts;
struct pj_ctx;

namespace qor::map {

enum class FrameShape { rectangle, disc, outline };

/// The part of the projected plane the map shows, in metres.
struct Frame {
    double west = 0, south = 0, east = 0, north = 0;  ///< bounding box
    FrameShape shape = FrameShape::rectangle;
    double radius = 0;  ///< disc: its radius; the disc is centred at (0, 0)
    MapLine outline;    ///< the frame's edge as a closed ring (counter-clockwise)
    double width() const { return east - west; }
    double height() const { return north - south; }
    /// True when the point lies on the map (inside the frame or on its edge).
    bool contains(MapPoint point) const;
};

/// One projection through PROJ, from degrees to metres.
class Projection {
  public:
    /// A projection from a PROJ definition ("+proj=aeqd ..."); nullptr and the
    /// reason when PROJ refuses it.
    static std::unique_ptr<Projection> create(const std::string& definition, std::string& error);
    ~Projection();
    Projection(const Projection&) = delete;
    Projection& operator=(const Projection&) = delete;

    /// Projects n points; a point the projection cannot take becomes NaN.
    void forward(const GeoPoint* in, MapPoint* out, std::size_t n) const;
    MapPoint forward(GeoPoint point) const;
    /// The point of the globe at a projected point, if there is one.
    std::optional<GeoPoint> inverse(MapPoint point) const;

  private:
    Projection() = default;
    pj_ctx* context_ = nullptr;
    PJconsts* pj_ = nullptr;
};

/// A map's projection with its frame, chosen from the requirement file's code.
class MapProjection {
  public:
    /// Builds the projection for the code. centre is the transmitter (used by
    /// code 0); area holds the points of the grid (code 0 frames the disc that
    /// holds them all, code 1 their box). nullptr and the reason on failure.
    static std::unique_ptr<MapProjection> create(int code, GeoPoint centre,
                                                 const std::vector<GeoPoint>& area,
                                                 std::string& error);

    int requested_code() const { return requested_; }
    int code() const { return code_; }  ///< the code drawn: 1 for an unknown one
    bool known_code() const { return requested_ == code_; }
    /// "Great Circle", "Lat/Lon", "NE Hemisphere", ...
    std::string name() const;
    bool azimuthal() const { return code_ != 1; }
    GeoPoint centre() const { return centre_; }
    const Frame& frame() const { return frame_; }
    /// The longitude in the middle of a Lat/Lon map; the grid's own longitudes
    /// are kept as they run (they may pass 180), map data is wrapped round it.
    double central_longitude() const { return centre_.lon; }

    MapPoint forward(GeoPoint point) const { return projection_->forward(point); }
    void forward(const GeoPoint* in, MapPoint* out, std::size_t n) const {
        projection_->forward(in, out, n);
    }
    std::optional<GeoPoint> inverse(MapPoint point) const { return projection_->inverse(point); }

    /// A line of map data (longitudes -180 to 180) as the pieces to draw.
    /// With the line's cap given, a line wholly outside the frame is left
    /// out at once, and one far from the antipode is projected without the
    /// care the antipode needs.
    void project_line(const GeoLine& line, std::vector<MapLine>& pieces,
                      const Cap* cap = nullptr) const;
    /// A line from the grid (its longitudes run on without wrapping).
    void project_grid_line(const GeoLine& line, std::vector<MapLine>& pieces) const;
    /// The rings of one region (from the grid, or a night side), to be filled
    /// with the even-odd rule. Their longitudes run on without wrapping, round
    /// the globe once at most. On an azimuthal map a region that holds the
    /// antipode gets the rim of the globe as one more ring.
    void project_region(const std::vector<GeoLine>& rings, std::vector<MapLine>& out) const;

    /// The rim of the whole globe on an azimuthal map (radius pi R).
    MapLine globe_rim(int points = 720) const;

  private:
    MapProjection() = default;
    void densify_and_project(const GeoLine& line, MapLine& out, bool near_antipode = true) const;
    void split_jumps(MapLine& projected, std::vector<MapLine>& pieces) const;
    bool holds_antipode(const std::vector<GeoLine>& rings) const;

    int requested_ = 1;
    int code_ = 1;
    GeoPoint centre_;
    GeoPoint antipode_;
    Frame frame_;
    double reach_deg_ = 180;  ///< azimuthal maps: the farthest the frame reaches from the centre
    std::unique_ptr<Projection> projection_;
};

/// The projection's name as the legend shows it, for a code of the list.
std::string projection_name(int code);

}  // namespace qor::map
