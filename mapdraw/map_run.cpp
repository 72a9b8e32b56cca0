#include "mapdraw/map_run.h"

namespace qor::map {

namespace {

std::unique_ptr<HourMap> prepare(PlotRequest request, int projection_code, std::string& error) {
    auto map = std::make_unique<HourMap>();
    map->request = std::move(request);
    if (projection_code >= 0) map->request.projection_code = projection_code;
    map->projection = projection_for(map->request, error);
    if (!map->projection) return nullptr;
    map->locator =
        std::make_unique<GridLocator>(map->request.nodes, map->request.columns, map->request.rows);
    return map;
}

}  // namespace

std::unique_ptr<MapRun> MapRun::open(const std::string& run_directory, const std::string& data_root,
                                     const std::string& request_file, const WorldData* world,
                                     std::string& error, int projection_code) {
    std::optional<RequestFile> request_lines =
        read_request_file(run_directory, request_file, error);
    if (!request_lines) return nullptr;
    std::unique_ptr<MapRun> run(new MapRun);
    run->world_ = world;
    run->projection_code_ = projection_code;
    run->title_ = request_lines->title;
    std::optional<PlotRequest> first = read_plot(run_directory, data_root, request_lines->grid_name,
                                                 request_lines->title, error, &run->snapshot_);
    if (!first) return nullptr;
    std::unique_ptr<HourMap> map = prepare(std::move(*first), projection_code, error);
    if (!map) return nullptr;
    run->hours_ = run_hours(run->snapshot_, map->request.grid_name);
    run->slots_.resize(run->hours_.size());
    for (std::size_t k = 0; k < run->hours_.size(); ++k) {
        if (run->hours_[k].grid_name == map->request.grid_name) run->requested_ = k;
    }
    // The requested grid was read: it is present whatever the directory
    // listing said (its name may differ in case).
    run->hours_[run->requested_].present = true;
    Slot& slot = run->slots_[run->requested_];
    slot.map = std::move(map);
    slot.tried = true;
    return run;
}

bool MapRun::usable(std::size_t hour) const {
    if (hour >= hours_.size() || !hours_[hour].present) return false;
    const Slot& slot = slots_[hour];
    return !slot.tried || slot.map != nullptr;
}

const HourMap* MapRun::hour(std::size_t index, std::string& error) {
    if (index >= hours_.size()) {
        error = "the run has no hour " + std::to_string(index + 1);
        return nullptr;
    }
    Slot& slot = slots_[index];
    if (!slot.tried) {
        slot.tried = true;
        const RunHour& hour = hours_[index];
        if (!hour.present) {
            slot.error = "the grid file " + hour.grid_name + " of " + hour_label(hour) +
                         " was not calculated";
        } else {
            // The title the request gives belongs to its own grid file; the
            // other hours show their own.
            const bool own = index == requested_;
            std::optional<PlotRequest> request =
                read_hour(snapshot_, hour.grid_name, own ? title_ : std::string(), slot.error);
            if (request) slot.map = prepare(std::move(*request), projection_code_, slot.error);
        }
    }
    if (!slot.map) error = slot.error;
    return slot.map.get();
}

const MapScene* MapRun::scene(std::size_t hour_index, std::size_t parameter,
                              const SceneOptions& options, std::string& error) {
    for (auto it = scenes_.begin(); it != scenes_.end(); ++it) {
        if (it->hour == hour_index && it->parameter == parameter && it->options == options) {
            scenes_.splice(scenes_.begin(), scenes_, it);
            return &scenes_.front().scene;
        }
    }
    const HourMap* map = hour(hour_index, error);
    if (map == nullptr) return nullptr;
    const std::size_t count = map->request.parameters.size();
    if (parameter >= std::max<std::size_t>(count, 1)) {
        error = "the run plots no parameter " + std::to_string(parameter + 1);
        return nullptr;
    }
    scenes_.push_front({hour_index, parameter, options,
                        build_scene(map->request, parameter, *map->projection, world_, options)});
    while (scenes_.size() > kept_scenes) scenes_.pop_back();
    return &scenes_.front().scene;
}

std::vector<std::string> MapRun::parameter_names() const {
    std::vector<std::string> names;
    const Slot& slot = slots_[requested_];
    for (const PlottedParameter& parameter : slot.map->request.parameters) {
        names.push_back(parameter.name);
    }
    return names;
}

}  // namespace qor::map
