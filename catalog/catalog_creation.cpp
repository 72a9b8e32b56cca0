#include "catalog/catalog_creation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/fixed_record.h"
#include "catalog/catalog_file.h"
#include "catalog/requirement_summary.h"

namespace qor {

namespace {

constexpr std::string_view months_label = "Months   :";

// Opens the catalog for appending and closes it again: this creates it when it
// is missing and tells whether it can be written, without touching an
// existing catalog.
bool catalog_can_be_written(const std::string& path) {
    std::FILE* file = std::fopen(native_path(path).c_str(), "ab");
    if (file == nullptr) return false;
    return std::fclose(file) == 0;
}

bool holds_months_line(LineReader& reader, const std::string& path) {
    if (!reader.open(path)) return false;
    std::string_view line;
    bool found = false;
    while (!found && reader.next(line)) found = line.substr(0, 10) == months_label;
    reader.close();
    return found;
}

}  // namespace

std::string create_catalog_label(const PathState& paths) {
    return "Create catalog of *." + std::string(paths.Model.sub(1, 3)) + " files";
}

std::string SET_AREADATA_DIR(const PathState& paths, const Text<20>& subDir) {
    std::string directory = package_root(paths) + catalog_data_root(paths) + "\\";
    directory.append(subDir.data(), static_cast<std::size_t>(LENCHAR(subDir)));
    directory += '\\';
    return directory;
}

void VALIDATE_FILES(std::vector<DirectoryEntry>& entries) {
    LineReader reader;
    std::erase_if(entries, [&reader](const DirectoryEntry& entry) {
        return entry.directory || !holds_months_line(reader, entry.path);
    });
}

std::vector<Text<12>> GET_FILES(const PathState& paths, const Text<20>& subDir) {
    const std::string pattern =
        SET_AREADATA_DIR(paths, subDir) + "*." + std::string(paths.Model.sub(1, 3));
    std::vector<DirectoryEntry> entries =
        list_directory(pattern, static_cast<std::size_t>(catalog_capacity));
    VALIDATE_FILES(entries);
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const DirectoryEntry& a, const DirectoryEntry& b) { return a.path < b.path; });
    std::vector<Text<12>> names;
    names.reserve(entries.size());
    for (const DirectoryEntry& entry : entries) {
        if (!entry.directory) names.emplace_back(entry.name);
    }
    return names;
}

Text<4> progress_percentage(int i, int n) {
    if (n <= 0) return Text<4>("  0%");
    const float ratio = static_cast<float>(i) / static_cast<float>(n);
    const float percent = std::round(100.0f * ratio);
    return Text<4>(format_integer(static_cast<long long>(percent), 3) + "%");
}

std::string catalog_creation_content(const PathState& paths, const std::vector<Text<12>>& names,
                                     const std::function<void(int)>& progress) {
    const std::string_view end = line_end();
    const std::string directory = catalog_directory(paths);
    std::string content;
    content.reserve((names.size() + 2) * (94 + end.size()));
    RecordWriter first;
    first.integer(static_cast<long long>(names.size()), 5)
        .literal(catalog_count_literal)
        .literal("Requirement Number");
    content += first.str();
    content += end;
    content += catalog_heading;
    content += end;

    RequirementSummaryResult summary;
    LineReader reader;
    int i = 0;
    for (const Text<12>& name : names) {
        READ_REQ_FILE(reader, directory + std::string(name.trimmed()), summary);
        content += name.view();
        content += ' ';
        content += summary.RequirementSummary.view();
        content += ' ';
        content += end;
        if (progress) progress(++i);
    }
    return content;
}

Message catalog_created_message(const PathState& paths, const std::string& path,
                                const Text<4>& count) {
    Message message = button_message("OK");
    message.caption = "Catalog file created with " + count.str() + " " +
                      std::string(paths.Model.trimmed()) + " grid files";
    message.background = "green";
    message.lines.push_back(
        plain_line("Catalog file=" + std::string(trim_right(path)) + " created.", true));
    message.lines.push_back(plain_line(""));
    return message;
}

Message catalog_create_failed_message(const std::string& path) {
    Message message = button_message("OK");
    message.caption = "Could not CREATE catalog file";
    MessageLine named;
    named.runs = {{"Could not CREATE catalog file=", ""}, {std::string(trim_right(path)), "red"}};
    MessageLine reason;
    reason.runs = {{"Possible problem is: ", ""},
                   {"Files have not been created in QOR_PLAN", "red"},
                   {".", "black"}};
    message.lines = {named, reason, plain_line("")};
    return message;
}

int CREATECB(const PathState& paths, CatalogWindows& windows) {
    const std::string path = catalog_path(paths);
    const bool existed = file_exists(path);
    if (!catalog_can_be_written(path)) {
        windows.show_message(catalog_create_failed_message(path));
        return 1;
    }

    CatalogProgress progress;
    progress.caption = "Reading " + std::string(paths.Model.trimmed()) + " grid data files";
    progress.percentage = "  0%";
    windows.open_progress(progress);

    const std::vector<Text<12>> names = GET_FILES(paths, paths.SubDir);
    const int n = static_cast<int>(names.size());
    progress.count = format_integer(n, 4);
    windows.update_progress(progress);

    const std::string content = catalog_creation_content(paths, names, [&](int i) {
        Text<4> percentage = progress_percentage(i, n);
        if (percentage == progress.percentage) return;
        progress.percentage = percentage;
        windows.update_progress(progress);
    });
    const WriteResult written = replace_file(path, content);
    // The progress window closes before either box, so that it is never left
    // standing after a failure.
    windows.close_progress();
    if (!written.ok) {
        // An empty file made by the check above is no catalog: take it away
        // again, so the catalog reads as never created rather than unreadable.
        if (!existed) std::remove(native_path(path).c_str());
        windows.show_message(catalog_create_failed_message(path));
        return 1;
    }
    windows.show_message(catalog_created_message(paths, path, progress.count));
    return 1;
}

}  // namespace qor
