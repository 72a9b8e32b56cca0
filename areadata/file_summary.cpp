#include "areadata/file_summary.h"

#include <algorithm>

#include "base/fixed_record.h"

namespace qor {

std::string grid_size_text(const GridFile& grid) {
    return format_integer(grid.columns, 2) + "x" + format_integer(grid.rows, 2);
}

std::optional<std::string> grid_type_text(const ProjectionList& projections,
                                          const RequirementFile& requirement) {
    std::optional<std::string> name;
    const auto count = static_cast<std::size_t>(std::clamp(projections.Count, 0, 6));
    for (std::size_t i = 0; i < count; ++i) {
        if (projections.Codes[i] == requirement.gridSize) name = projections.Names[i].str();
    }
    return name;
}

std::vector<std::string> shown_comments(const RequirementFile& requirement) {
    std::vector<std::string> shown;
    const auto count = static_cast<std::size_t>(std::clamp(requirement.commentCount, 0, 10));
    for (std::size_t i = 0; i < count; ++i) {
        const Text<80>& comment = requirement.comments[i];
        std::string_view text = comment.view();
        if (text.starts_with("Season") || text.starts_with("Zones")) continue;
        if (text.starts_with("INFO")) {
            shown.push_back("CIRAF: " + std::string(comment.sub(15, 44)));
        } else {
            shown.emplace_back(comment.sub(1, LENCHAR(comment)));
        }
    }
    return shown;
}

}  // namespace qor
