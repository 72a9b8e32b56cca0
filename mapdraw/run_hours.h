#pragma once
// The hours of a run: the grid files of one requirement, one per hour position
// (the last digit of their suffix, 1 to 9), with the hour (UT) the Hours line
// gives each. A run may lack some of its grid files (an hour that was not
// calculated); the map window shows them greyed and steps over them.

#include <string>
#include <vector>

#include "mapdraw/plot_request.h"

namespace qor::map {

struct RunHour {
    int position = 0;       ///< 1 to 9
    int ut = 0;             ///< 1 to 24; 0 when the Hours line gives none
    std::string grid_name;  ///< sub-directory\name below the data root
    bool present = false;   ///< the grid file exists
};

/// The hours of the run of grid_name, from position 1 up: every position
/// the Hours line gives an hour, every position whose grid file exists, and
/// grid_name's own. A grid file whose suffix ends in no digit is the run's
/// only hour.
std::vector<RunHour> run_hours(const RunSnapshot& run, const std::string& grid_name);

/// "14 UT"; "hour 3" (the position) when the hour is not known.
std::string hour_label(const RunHour& hour);

}  // namespace qor::map
