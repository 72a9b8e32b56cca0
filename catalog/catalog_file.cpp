#include "catalog/catalog_file.h"

#include <algorithm>
#include <cstring>

#include "base/fixed_record.h"

namespace qor {

std::string catalog_data_root(const PathState& paths) {
    std::string_view root = paths.DataDir.trimmed();
    if (root.empty()) return "AREADATA";
    return std::string(root);
}

std::string catalog_directory(const PathState& paths) {
    std::string directory = package_root(paths) + catalog_data_root(paths) + "\\";
    directory.append(paths.SubDir.data(), static_cast<std::size_t>(LENCHAR(paths.SubDir)));
    directory += '\\';
    return directory;
}

std::string catalog_path(const PathState& paths) {
    return catalog_directory(paths) + paths.Model.str() + ".TXT";
}

CatalogReadOutcome READ_CATALOG_FILE(const PathState& paths, CatalogList& catalog,
                                     std::string& path, Text<24>& sortName) {
    path = catalog_path(paths);
    LineReader reader;
    if (!reader.open(path)) return CatalogReadOutcome::cannot_open;
    return read_catalog_lines(reader, catalog, sortName);
}

CatalogReadOutcome read_catalog_lines(LineReader& reader, CatalogList& catalog,
                                      Text<24>& sortName) {
    std::string_view line;
    if (!reader.next(line)) return CatalogReadOutcome::read_error;
    FieldReader first(line);
    std::int32_t count = 0;
    if (!first.integer(5, count) || count < 0) return CatalogReadOutcome::read_error;
    first.skip(37);
    first.text(24, sortName);
    catalog.Count = count;
    if (sortName.at1(1) == ' ' && sortName.at1(2) == ' ') sortName = sort_names[0];
    catalog.Count = std::min(catalog.Count, catalog_capacity);

    if (!reader.next(line)) return CatalogReadOutcome::read_error;
    catalog.Header = line;
    for (int i = 0; i < catalog.Count; ++i) {
        if (!reader.next(line)) return CatalogReadOutcome::read_error;
        catalog.Lines[static_cast<std::size_t>(i)] = line;
    }
    return CatalogReadOutcome::read;
}

std::string catalog_file_content(const CatalogList& catalog, const Text<24>& sortName) {
    const int count = std::clamp(catalog.Count, 0, catalog_capacity);
    std::string content;
    content.reserve(static_cast<std::size_t>(count + 2) * (94 + 2) + 80);
    RecordWriter first;
    first.integer(count, 5).literal(catalog_count_literal).text(sortName.view(), 24);
    append_record(content, first.str());
    append_record(content, catalog.Header.view());

    // The order must name every line once; anything else (an order left from
    // another catalog) falls back to file order rather than losing lines.
    std::array<bool, catalog_capacity> seen{};
    bool permutation = true;
    for (int k = 0; k < count && permutation; ++k) {
        std::int32_t line = catalog.Order[static_cast<std::size_t>(k)];
        if (line < 1 || line > count || seen[static_cast<std::size_t>(line - 1)]) {
            permutation = false;
        } else {
            seen[static_cast<std::size_t>(line - 1)] = true;
        }
    }
    for (int k = 0; k < count; ++k) {
        int line = permutation ? catalog.Order[static_cast<std::size_t>(k)] : k + 1;
        append_record(content, catalog.Lines[static_cast<std::size_t>(line - 1)].view());
    }
    return content;
}

WriteResult WRITE_CATALOG_FILE(const CatalogList& catalog, std::string_view path,
                               const Text<24>& sortName) {
    return replace_file(trim_right(path), catalog_file_content(catalog, sortName));
}

int sort_key(const Text<24>& sortName) {
    static constexpr std::array<std::string_view, 4> prefixes = {
        "Requirement Nu", "Frequency/Time", "Location/Frequ", "Location/Time/"};
    std::string_view start = sortName.sub(1, 14);
    for (std::size_t k = 0; k < prefixes.size(); ++k) {
        if (start == prefixes[k]) return static_cast<int>(k) + 1;
    }
    return 1;
}

void SORT_CATALOG_FILE(CatalogList& catalog, const Text<24>& sortName) {
    SORTHEAP(catalog, sort_key(sortName), catalog.Count, catalog.Order);
}

std::string_view key_text(const Text<94>& line, int key, std::array<char, 12>& buffer) {
    const char* frequency = line.data() + 17;  // columns 18-22
    const char* time = line.data() + 23;       // columns 24-27
    const char* location = line.data() + 69;   // columns 70-72
    char* out = buffer.data();
    auto put = [&out](const char* from, std::size_t width) {
        std::memcpy(out, from, width);
        out += width;
    };
    switch (key) {
        case 2:
            put(frequency, 5);
            put(time, 4);
            put(location, 3);
            break;
        case 3:
            put(location, 3);
            put(frequency, 5);
            put(time, 4);
            break;
        case 4:
            put(location, 3);
            put(time, 4);
            put(frequency, 5);
            break;
        default:
            return line.sub(1, 5);
    }
    return {buffer.data(), buffer.size()};
}

std::int32_t IORDER(const CatalogList& catalog, int key, int a, int b) {
    if (a < 1 || a > catalog_capacity || b < 1 || b > catalog_capacity) return 0;
    std::array<char, 12> key_a;
    std::array<char, 12> key_b;
    std::string_view text_a = key_text(catalog.Lines[static_cast<std::size_t>(a - 1)], key, key_a);
    std::string_view text_b = key_text(catalog.Lines[static_cast<std::size_t>(b - 1)], key, key_b);
    // memcmp compares as unsigned char, so latin-1 letters sort after ASCII.
    return std::memcmp(text_a.data(), text_b.data(), text_a.size()) < 0 ? 1 : 0;
}

void SORTHEAP(const CatalogList& catalog, int key, int n, std::span<std::int32_t> order) {
    n = std::min({n, catalog_capacity, static_cast<int>(order.size())});
    if (n <= 0) return;
    // The procedure counts from 1; at(i) is Order(i).
    auto at = [&order](int i) -> std::int32_t& { return order[static_cast<std::size_t>(i - 1)]; };
    for (int i = 1; i <= n; ++i) at(i) = i;
    int l = n / 2 + 1;
    int r = n;
    for (;;) {
        std::int32_t t = 0;
        if (l > 1) {
            --l;
            t = at(l);
        } else {
            t = at(r);
            at(r) = at(1);
            --r;
            if (r <= 1) {
                at(1) = t;
                return;
            }
        }
        int i = l;
        int j = 2 * l;
        while (j <= r) {
            if (j < r && IORDER(catalog, key, at(j), at(j + 1)) == 1) ++j;
            if (IORDER(catalog, key, t, at(j)) == 1) {
                at(i) = at(j);
                i = j;
                j = 2 * j;
            } else {
                break;
            }
        }
        at(i) = t;
    }
}

}  // namespace qor
