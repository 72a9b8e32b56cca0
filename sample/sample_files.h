#pragma once
// The pieces of the sample package, each built in memory as a list of files
// (relative path with forward slashes, content with LF line ends) so that the
// package writer only creates directories and writes what they return.

#include <string>
#include <string_view>
#include <vector>

namespace qor::sample {

struct SampleFile {
    std::string relative;  ///< below the package root, e.g. "database/colors.win"
    std::string content;
};

using SampleFiles = std::vector<SampleFile>;

/// database/colors.win, colors.dat, colors.con, contact.txt.
SampleFiles settings_files();
/// USERDB/RECEIVE.CTY and the other RECEIVE.* city files.
SampleFiles city_files();
/// database/HALPLT.GPH, MIRPLT.GPH, TABPLT.GPH, PARPLT.GPH.
SampleFiles plot_parameter_files();
/// The requirement files and grid files of AREADATA/SAMPLE_001 and AREA_INV/SAMPLE_INV.
SampleFiles run_files();
/// help_win/qorplot.html.
SampleFiles help_files();

/// Joins lines, each ended with LF.
std::string join_lines(const std::vector<std::string>& lines);

}  // namespace qor::sample
