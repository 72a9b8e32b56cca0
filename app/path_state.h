#pragma once
// Where the package is and which file is current: the run directory, the data
// root and sub-directory, the prediction program, the current grid file.

#include <array>
#include <cstdint>
#include <string>

#include "base/text.h"

namespace qor {

struct PathState {
    Text<50> RunDir;                 ///< run directory; ends in \RUN after start-up
    Text<8> DataDir;                 ///< "AREADATA" or "AREA_INV"
    Text<8> BrowseDir;               ///< start folder of the file-open dialog, always "AREADATA"
    Text<20> SubDir;                 ///< data sub-directory inside the data directory
    Text<6> Model;                   ///< prediction program name
    Text<30> FileName;               ///< current grid file as SubDir\name.ext; blank when none
    Text<128> ChosenFile;            ///< full path returned by the file-open dialog
    std::int32_t NewFileChosen = 0;  ///< 1 when an open operation chose a new grid file
};

/// The map projections a grid's Type names.
struct ProjectionList {
    std::int32_t Count = 0;
    std::array<Text<20>, 6> Names;
    std::array<std::int32_t, 6> Codes{};
};

/// The package root: RunDir to its significant length less its final "RUN",
/// keeping the backslash before it; empty when nothing is left.
std::string package_root(const PathState& paths);

/// The package root followed by a relative path (no separator added).
std::string package_file(const PathState& paths, std::string_view relative);

/// Fills the projection list.
void INITVAR(ProjectionList& projections);

}  // namespace qor
