#pragma once
// The map program's forms that need a display: the map window, the full
// screen and printing, started from the parsed command line.

#include <memory>
#include <string>

#include "mapdraw/program_arguments.h"
#include "mapdraw/scene.h"
#include "mapdraw/window/map_window.h"

namespace qor::map {

/// Reads the request the arguments name, with the run's records and its
/// first grid file; nullptr and the message for the user when the map
/// cannot be drawn. Needs no QApplication: the program reads its request
/// first thing, before a later "Plot to" can rewrite the files.
std::unique_ptr<MapRun> open_run(const MapArguments& arguments, const WorldData* world,
                                 std::string& error);

/// Reads the request the arguments name and builds its window (not shown
/// yet); nullptr and the message for the user when the map cannot be drawn.
std::unique_ptr<MapWindow> open_map_window(const MapArguments& arguments, const WorldData* world,
                                           std::string& error);

/// Runs the program in the form the arguments ask for (window, full screen
/// or printer) on the run read at start until its window closes; a
/// QApplication must exist. Returns the exit status; a run that could not
/// be read (nullptr) is reported with its error on standard error and in a
/// message box.
int run_map_program(const MapArguments& arguments, std::unique_ptr<MapRun> run,
                    const std::string& error);

}  // namespace qor::map
