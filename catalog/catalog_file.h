#pragma once
// Catalog files: the list of the requirement files of one data sub-directory
// for one prediction program, read into CatalogList, sorted by one of four
// keys and written back in the new order.
//
// Layout: line 1 holds the entry count (I5), the literal
// " Requirement files found.  Sorted by:" and the sort name; line 2 the column
// headings; then one 94-character entry line per requirement file.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/path_state.h"
#include "base/fixed_record.h"
#include "base/text.h"
#include "catalog/catalog_list.h"
#include "platform/paths.h"

namespace qor {

/// The text between the count and the sort name on line 1.
inline constexpr std::string_view catalog_count_literal = " Requirement files found.  Sorted by:";

/// Line 2 as catalog creation writes it (93 characters).
inline constexpr std::string_view catalog_heading =
    "SEA Req#     ADM  Freq    Time  (?/#) CIRAF zones"
    "                    LOC  PWR Azimuth Slw Ant";

/// The four sort names, in key order (key 1 is the first).
inline constexpr std::array<std::string_view, 4> sort_names = {
    "Requirement Number", "Frequency/Time/Location", "Location/Frequency/Time",
    "Location/Time/Frequency"};

/// The data root the catalog of the current sub-directory lives in, and whose
/// files it lists: PathState.DataDir ("AREADATA" or "AREA_INV"), or
/// "AREADATA" while DataDir is blank. Creation, reading, sorting and the grid
/// list all use the same root, so a catalog made while inverse-area data is
/// current names files that can be opened through it.
std::string catalog_data_root(const PathState& paths);

/// Package root + data root + "\" + trimmed SubDir + "\".
std::string catalog_directory(const PathState& paths);

/// The catalog file of the current sub-directory and model: the catalog
/// directory followed by all six characters of the model and ".TXT".
std::string catalog_path(const PathState& paths);

enum class CatalogReadOutcome {
    read,         ///< the catalog is in CatalogList
    cannot_open,  ///< the file is missing or cannot be opened; nothing changed
    read_error,   ///< line 1, line 2 or an announced entry line is missing or bad
};

/// Reads the catalog of the current sub-directory into the catalog list.
/// Returns the file's path and its sort name (a blank sort name reads as
/// "Requirement Number"). More than 2000 announced entries are limited to
/// 2000; a count that is not a number, or is negative, is a read error. After
/// a read error the lines read so far stay and Count keeps the announced value.
CatalogReadOutcome READ_CATALOG_FILE(const PathState& paths, CatalogList& catalog,
                                     std::string& path, Text<24>& sortName);

/// The same on a reader already open on a catalog's content.
CatalogReadOutcome read_catalog_lines(LineReader& reader, CatalogList& catalog, Text<24>& sortName);

/// The file content WRITE_CATALOG_FILE writes: line 1 with the 24-character
/// sort name, the 94-character heading, the entry lines in the order of
/// CatalogList.Order (file order when Order does not hold a permutation of the
/// lines).
std::string catalog_file_content(const CatalogList& catalog, const Text<24>& sortName);

/// Rewrites the catalog file atomically with catalog_file_content. On failure
/// the old file stays whole and the result says why.
WriteResult WRITE_CATALOG_FILE(const CatalogList& catalog, std::string_view path,
                               const Text<24>& sortName);

/// The key (1 to 4) a sort name selects by its first 14 characters; 1 when it
/// matches none.
int sort_key(const Text<24>& sortName);

/// Sorts the catalog's lines by the key the sort name selects into
/// CatalogList.Order; the lines themselves are not moved.
void SORT_CATALOG_FILE(CatalogList& catalog, const Text<24>& sortName);

/// Index heap sort of lines 1..n: leaves order[0..n) holding line numbers in
/// ascending key order. Lines with equal keys come out in the order this
/// particular procedure yields (it is not stable). n is limited to the
/// catalog's count of lines held and to the order's size.
void SORTHEAP(const CatalogList& catalog, int key, int n, std::span<std::int32_t> order);

/// 1 when line a (1-based) comes strictly before line b under the key: their
/// key texts compared byte by byte as unsigned codes. Any key other than 2, 3
/// or 4 is key 1.
std::int32_t IORDER(const CatalogList& catalog, int key, int a, int b);

/// The key text of an entry line: columns 1-5 for key 1; for keys 2 to 4 the
/// frequency (18-22), time (24-27) and location (70-72) joined in the key's
/// order into 12 characters.
std::string_view key_text(const Text<94>& line, int key, std::array<char, 12>& buffer);

}  // namespace qor
