#pragma once
// The summary of a requirement file that its catalog line carries: the
// administration code, frequency, time span, how many of its grid files exist
// out of its hour count, the CIRAF zones and the station text, condensed from
// the file's "Hours    :" and "Comment  :" lines.

#include <array>
#include <cstdint>
#include <string_view>

#include "base/text.h"

namespace qor {

class LineReader;

/// What READ_REQ_FILE finds in one requirement file.
struct RequirementSummaryResult {
    /// Columns 1-3 administration, 5-9 frequency, 11-24 time span and
    /// "(found/hours)", 26-55 CIRAF zones, 57-80 station text; or an error text.
    Text<80> RequirementSummary;
    std::array<std::int32_t, 9> hours{};  ///< the nine values of the last hour line
    std::int32_t hourCount = 0;           ///< position of the last positive hour value
};

/// Reads the requirement file (package path) into its summary. A file that
/// cannot be opened gives "Could not OPEN file:" and the path; an hour line
/// that is not nine integers gives "ERROR READing file.". Grid files are
/// counted for the digits 1 to the hour count: the path less its last two
/// characters, "G" and the digit.
void READ_REQ_FILE(std::string_view requirementPath, RequirementSummaryResult& result);
/// The same with a reader kept across many files (its buffer is reused).
void READ_REQ_FILE(LineReader& reader, std::string_view requirementPath,
                   RequirementSummaryResult& result);

/// The same on a reader already open on the requirement file's content; the
/// path names the grid files counted.
void read_requirement_summary_lines(LineReader& reader, std::string_view requirementPath,
                                    RequirementSummaryResult& result);

/// 1 when a file of that package path exists, else 0.
std::int32_t IT_EXIST(std::string_view fileName);

}  // namespace qor
