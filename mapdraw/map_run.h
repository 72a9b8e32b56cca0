#pragma once
// The maps of one run as a window shows them: the hours of the run, each read
// when first shown (against the snapshot taken at start), and the scene of
// each hour, parameter and choice of options, built once and kept for the
// next time it is shown. No Qt: the window, the printer and the tests all
// draw from it.

#include <cstddef>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mapdraw/plot_request.h"
#include "mapdraw/projection.h"
#include "mapdraw/readout.h"
#include "mapdraw/run_hours.h"
#include "mapdraw/scene.h"

namespace qor::map {

/// One hour of a run, read.
struct HourMap {
    PlotRequest request;
    std::unique_ptr<MapProjection> projection;
    std::unique_ptr<GridLocator> locator;
};

class MapRun {
  public:
    /// Reads the plot request file (request_file in run_directory, a native
    /// path) and its grid file: the run's first map. Nothing and a message
    /// when the map cannot be drawn. world may be null (no coastlines). A
    /// projection code of 0 or more replaces the requirement file's.
    static std::unique_ptr<MapRun> open(const std::string& run_directory,
                                        const std::string& data_root,
                                        const std::string& request_file, const WorldData* world,
                                        std::string& error, int projection_code = -1);

    /// The hours of the run, from position 1 up.
    const std::vector<RunHour>& hours() const { return hours_; }
    /// The index of the hour the request names.
    std::size_t requested_hour() const { return requested_; }
    /// True when the hour can be shown: its grid file exists and, once read,
    /// could be drawn.
    bool usable(std::size_t hour) const;

    /// The hour's map, read when first asked for; nullptr and why not.
    const HourMap* hour(std::size_t index, std::string& error);
    /// The scene of an hour's plotted parameter (an index; with no parameter
    /// plotted, 0 gives the map without bands), built when first asked for
    /// and kept while it is among the most recently used.
    const MapScene* scene(std::size_t hour, std::size_t parameter, const SceneOptions& options,
                          std::string& error);

    /// The plotted parameters' names, as the first hour names them.
    std::vector<std::string> parameter_names() const;

    /// How many scenes are kept at most (each may hold a few megabytes).
    static constexpr std::size_t kept_scenes = 48;

  private:
    MapRun() = default;

    struct Slot {
        std::unique_ptr<HourMap> map;
        std::string error;  // why it could not be read
        bool tried = false;
    };
    struct KeptScene {
        std::size_t hour;
        std::size_t parameter;
        SceneOptions options;
        MapScene scene;
    };

    RunSnapshot snapshot_;
    std::string title_;  // the request's title, for its own grid file
    std::vector<RunHour> hours_;
    std::size_t requested_ = 0;
    std::vector<Slot> slots_;
    std::list<KeptScene> scenes_;  // most recently used first
    const WorldData* world_ = nullptr;
    int projection_code_ = -1;
};

}  // namespace qor::map
