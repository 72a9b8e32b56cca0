#include "mapdraw/run_hours.h"

#include <cstdio>

#include "app/path_state.h"
#include "platform/paths.h"

namespace qor::map {

std::vector<RunHour> run_hours(const RunSnapshot& run, const std::string& grid_name) {
    PathState paths;
    paths.RunDir = run.shared.run_directory;
    const std::string folder = package_root(paths) + run.shared.data_root + "\\";
    const std::size_t dot = grid_name.find_last_of('.');
    const std::size_t digit = dot == std::string::npos ? std::string::npos : dot + 3;
    std::vector<RunHour> hours;
    if (digit >= grid_name.size() || grid_name[digit] < '1' || grid_name[digit] > '9') {
        hours.push_back({0, 0, grid_name, file_exists(folder + grid_name)});
        return hours;
    }
    const int own = grid_name[digit] - '0';
    for (int position = 1; position <= 9; ++position) {
        RunHour hour;
        hour.position = position;
        hour.ut = run.hours[static_cast<std::size_t>(position - 1)];
        hour.grid_name = grid_name;
        hour.grid_name[digit] = static_cast<char>('0' + position);
        hour.present = file_exists(folder + hour.grid_name);
        if (hour.ut != 0 || hour.present || position == own) hours.push_back(hour);
    }
    return hours;
}

std::string hour_label(const RunHour& hour) {
    char text[32];
    if (hour.ut > 0) {
        std::snprintf(text, sizeof text, "%02d UT", hour.ut % 24);
    } else {
        std::snprintf(text, sizeof text, "hour %d", hour.position);
    }
    return text;
}

}  // namespace qor::map
