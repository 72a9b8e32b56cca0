#include "platform/paths.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <unordered_map>

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include "platform/windows_text.h"
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#endif

namespace qor {

namespace fs = std::filesystem;

namespace {

char fold(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? static_cast<char>(u - 32) : c;
}

bool wildcard_match(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || fold(pattern[p]) == fold(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool is_separator(char c) {
    return c == '\\' || c == '/';
}

}  // namespace

std::string to_package_path(std::string_view native) {
    std::string result(native);
    std::replace(result.begin(), result.end(), '/', '\\');
    return result;
}

#ifndef _WIN32
namespace {

std::string folded(std::string_view name) {
    std::string result(name);
    for (char& c : result) c = fold(c);
    return result;
}

// The names of one directory by their case-folded form, kept while the
// directory's modification time stays the same: looking up many names that do
// not exist under their exact spelling (grid files of hours not calculated, in
// a data directory of thousands of files) then reads the directory once.
struct FoldedDirectory {
    bool filled = false;
    struct timespec modified {};
    std::unordered_map<std::string, std::string> names;
};

// The real name of component in directory, compared without regard to case;
// empty when there is none.
std::string find_folded(const std::string& directory, std::string_view component) {
    struct stat info {};
    if (::stat(directory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return {};
    static std::mutex mutex;
    static std::unordered_map<std::string, FoldedDirectory> cache;
    std::lock_guard<std::mutex> lock(mutex);
    if (cache.size() > 64) cache.clear();
    FoldedDirectory& entry = cache[directory];
    if (!entry.filled || entry.modified.tv_sec != info.st_mtim.tv_sec ||
        entry.modified.tv_nsec != info.st_mtim.tv_nsec) {
        entry.names.clear();
        std::error_code ec;
        for (fs::directory_iterator it(fs::path(directory), ec), end; !ec && it != end;
             it.increment(ec)) {
            std::string name = it->path().filename().string();
            std::string& kept = entry.names[folded(name)];
            // Of names that differ only in case the first in byte order is taken.
            if (kept.empty() || name < kept) kept = name;
        }
        entry.filled = true;
        entry.modified = info.st_mtim;
    }
    auto found = entry.names.find(folded(component));
    return found == entry.names.end() ? std::string() : found->second;
}

}  // namespace
#endif

#ifdef _WIN32
namespace {

// A path that names the same place whatever the current directory and drive:
// "C:\PKG" or "\\server\share"; "PKG\RUN", "\PKG" and "C:PKG" are not.
bool fully_qualified(std::string_view path) {
    if (path.size() >= 2 && is_separator(path[0]) && is_separator(path[1])) return true;
    return path.size() >= 3 && path[1] == ':' && is_separator(path[2]);
}

}  // namespace
#endif

std::string command_line_path(std::string_view native) {
#ifdef _WIN32
    // Every Windows path is in the package's form already; one that depends on
    // the current directory or drive is made whole before the program changes
    // into the run directory.
    if (!native.empty() && !fully_qualified(native)) {
        std::wstring relative = windows::widen(to_package_path(native));
        DWORD needed = GetFullPathNameW(relative.c_str(), 0, nullptr, nullptr);
        if (needed > 0) {
            std::wstring full(needed, L'\0');
            DWORD length = GetFullPathNameW(relative.c_str(), needed, full.data(), nullptr);
            if (length > 0 && length < needed) {
                full.resize(length);
                return windows::narrow(full);
            }
        }
    }
#else
    if (!native.empty() && native.front() != '/' && native.find('\\') == std::string_view::npos) {
        std::error_code ec;
        fs::path absolute = fs::absolute(fs::path(std::string(native)), ec);
        if (!ec) return to_package_path(absolute.lexically_normal().string());
    }
#endif
    return to_package_path(native);
}

std::string native_path(std::string_view package_path) {
#ifdef _WIN32
    // Drive letters and backslashes are the package's own form; the file
    // system ignores case, so no lookup is needed.
    return to_package_path(package_path);
#else
    std::string result;
    std::size_t i = 0;
    if (!package_path.empty() && is_separator(package_path[0])) {
        result.push_back('/');
        while (i < package_path.size() && is_separator(package_path[i])) ++i;
    }
    bool exists_so_far = true;
    while (i < package_path.size()) {
        std::size_t j = i;
        while (j < package_path.size() && !is_separator(package_path[j])) ++j;
        std::string_view component = package_path.substr(i, j - i);
        bool trailing = j < package_path.size();
        while (j < package_path.size() && is_separator(package_path[j])) ++j;
        i = j;
        if (component.empty()) continue;
        std::string candidate = result;
        candidate.append(component);
        if (exists_so_far && component != "." && component != "..") {
            struct stat info {};
            if (::stat(candidate.c_str(), &info) != 0) {
                std::string name =
                    find_folded(result.empty() ? std::string(".") : result, component);
                if (name.empty()) {
                    exists_so_far = false;
                } else {
                    candidate = result;
                    candidate.append(name);
                }
            }
        }
        result = std::move(candidate);
        if (trailing) result.push_back('/');
    }
    return result;
#endif
}

#ifdef _WIN32

namespace {

DWORD attributes(std::string_view package_path) {
    return GetFileAttributesW(windows::widen(native_path(package_path)).c_str());
}

}  // namespace

bool file_exists(std::string_view package_path) {
    DWORD found = attributes(package_path);
    return found != INVALID_FILE_ATTRIBUTES && (found & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool directory_exists(std::string_view package_path) {
    DWORD found = attributes(package_path);
    return found != INVALID_FILE_ATTRIBUTES && (found & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

#else

bool file_exists(std::string_view package_path) {
    std::error_code ec;
    return fs::is_regular_file(fs::path(native_path(package_path)), ec);
}

bool directory_exists(std::string_view package_path) {
    std::error_code ec;
    return fs::is_directory(fs::path(native_path(package_path)), ec);
}

#endif

namespace {

// Every name in the directory with whether it is a directory; none when the
// directory cannot be read.
std::vector<std::pair<std::string, bool>> directory_names(const std::string& directory) {
    std::vector<std::pair<std::string, bool>> names;
#ifdef _WIN32
    // All names are read and matched here, not by the system's own wildcard:
    // that one also matches the short 8.3 names ("*.HAL" would find
    // "RUN1.HALBAK" through "RUN1~1.HAL") and differs between file systems.
    std::wstring pattern = windows::widen(directory);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW data{};
    HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::wstring_view wide(data.cFileName);
        if (wide == L"." || wide == L"..") continue;
        bool converted = true;
        std::string name = windows::narrow(wide, &converted);
        // A name the code page cannot spell could not be opened by it either.
        if (!converted) continue;
        names.emplace_back(std::move(name),
                           (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileW(search, &data));
    FindClose(search);
#else
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(directory), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code type_error;
        names.emplace_back(it->path().filename().string(), it->is_directory(type_error));
    }
#endif
    return names;
}

}  // namespace

std::vector<DirectoryEntry> list_directory(std::string_view package_pattern,
                                           std::size_t max_entries) {
    std::vector<DirectoryEntry> entries;
    std::size_t cut = package_pattern.find_last_of("\\/");
    std::string_view directory_part =
        cut == std::string_view::npos ? std::string_view() : package_pattern.substr(0, cut + 1);
    std::string_view wildcard =
        cut == std::string_view::npos ? package_pattern : package_pattern.substr(cut + 1);
    std::string directory = directory_part.empty() ? "." : native_path(directory_part);
    std::vector<std::pair<std::string, bool>> names = directory_names(directory);
    std::erase_if(names,
                  [wildcard](const auto& entry) { return !wildcard_match(wildcard, entry.first); });
    std::sort(names.begin(), names.end());
    for (auto& [name, is_directory] : names) {
        if (entries.size() >= max_entries) break;
        entries.push_back({std::string(directory_part) + name, name, is_directory});
    }
    return entries;
}

#ifdef _WIN32

bool change_directory(std::string_view package_path) {
    return SetCurrentDirectoryW(windows::widen(native_path(package_path)).c_str()) != 0;
}

std::string current_directory() {
    DWORD needed = GetCurrentDirectoryW(0, nullptr);
    std::wstring directory(needed, L'\0');
    DWORD length = GetCurrentDirectoryW(needed, directory.data());
    if (length == 0 || length >= needed) return {};
    directory.resize(length);
    return windows::narrow(directory);
}

#else

bool change_directory(std::string_view package_path) {
    std::error_code ec;
    fs::current_path(fs::path(native_path(package_path)), ec);
    return !ec;
}

std::string current_directory() {
    std::error_code ec;
    return to_package_path(fs::current_path(ec).string());
}

#endif

std::string replacement_temporary(std::string_view native) {
    return std::string(native) + ".qortmp";
}

#ifdef _WIN32

namespace {

// Moves the temporary file over the target; an error text when it cannot.
std::string rename_over(const std::string& temporary, const std::string& target) {
    const std::wstring from = windows::widen(temporary);
    const std::wstring to = windows::widen(target);
    DWORD target_attributes = GetFileAttributesW(to.c_str());
    if (target_attributes != INVALID_FILE_ATTRIBUTES &&
        (target_attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return "it is a directory";
    }
    // A program reading the old file (a map program started a moment ago)
    // keeps it from being replaced while it has it open; it lets go soon.
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return {};
        }
        error = GetLastError();
        if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) break;
        Sleep(25);
    }
    return windows::error_text(error);
}

}  // namespace

WriteResult replace_file(std::string_view package_path, std::string_view content) {
    std::string target = native_path(package_path);
    std::string temporary = replacement_temporary(target);
    std::FILE* file = _wfopen(windows::widen(temporary).c_str(), L"wb");
    if (file == nullptr) {
        return {false, "cannot create " + temporary + ": " + std::strerror(errno)};
    }
    bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    bool flushed = std::fflush(file) == 0;
    // Forces the written bytes to the disk before the rename makes them the file.
    if (written && flushed) flushed = _commit(_fileno(file)) == 0;
    int saved_errno = errno;
    bool closed = std::fclose(file) == 0;
    if (!written || !flushed || !closed) {
        DeleteFileW(windows::widen(temporary).c_str());
        return {false, "cannot write " + temporary + ": " + std::strerror(saved_errno)};
    }
    std::string error = rename_over(temporary, target);
    if (!error.empty()) {
        DeleteFileW(windows::widen(temporary).c_str());
        return {false, "cannot replace " + target + ": " + error};
    }
    return {};
}

#else

namespace {

// A temporary file at least this old was left by a write that never reached
// its rename (the program was killed, the machine went down): no write takes
// minutes, so removing it cannot disturb one that is still going on.
constexpr std::time_t stale_after_seconds = 10 * 60;

bool has_temporary_suffix(std::string_view name) {
    constexpr std::string_view suffix = ".qortmp";
    return name.size() > suffix.size() && name.substr(name.size() - suffix.size()) == suffix;
}

// Removes the temporaries replace_file leaves behind when it is interrupted:
// the target's own (whatever its age: the write about to start needs its
// name) and the stale ones of other files in the same directory. Only
// regular files and symbolic links go; a directory of that name is left and
// makes the write fail.
void clear_stale_temporaries(const std::string& target, const std::string& temporary) {
    struct stat info {};
    if (::lstat(temporary.c_str(), &info) == 0 && !S_ISDIR(info.st_mode)) {
        ::unlink(temporary.c_str());
    }
    const std::size_t slash = target.rfind('/');
    const std::string directory = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    DIR* listing = ::opendir(directory.c_str());
    if (listing == nullptr) return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(listing)) {
        if (!has_temporary_suffix(entry->d_name)) continue;
        const std::string path =
            (slash == std::string::npos ? std::string() : directory) + entry->d_name;
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            now - info.st_mtime >= stale_after_seconds) {
            ::unlink(path.c_str());
        }
    }
    ::closedir(listing);
}

bool write_all(int descriptor, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(descriptor, content.data(), content.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable: the directory entry is on disk too.
void flush_directory(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    const std::string directory = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const int descriptor = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);  // some file systems cannot: the rename has happened all the same
    ::close(descriptor);
}

std::string failure_text(const char* what, const std::string& path, int error) {
    return std::string(what) + " " + path + ": " + std::strerror(error);
}

}  // namespace

WriteResult replace_file(std::string_view package_path, std::string_view content) {
    const std::string target = native_path(package_path);
    const std::string temporary = replacement_temporary(target);

    // The replacement gets the old file's permissions and, where the user may
    // give them, its owner and group: a catalog kept private stays private.
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const mode_t mode = replacing ? (old.st_mode & 07777) : 0666;

    clear_stale_temporaries(target, temporary);
    // Created afresh, never opened through a link someone left at its name.
    const int descriptor =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (descriptor < 0) return {false, failure_text("cannot create", temporary, errno)};
    if (replacing) {
        // Only root may give a file away; for anyone else the replacement
        // stays the writer's, with the old file's permissions.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            [[maybe_unused]] const int given = ::fchown(descriptor, old.st_uid, old.st_gid);
        }
        // open applied the umask to the mode.
        [[maybe_unused]] const int kept = ::fchmod(descriptor, mode);
    }

    bool ok = write_all(descriptor, content) && ::fsync(descriptor) == 0;
    int error = errno;
    struct stat written {};
    ok = ok && ::fstat(descriptor, &written) == 0;
    if (::close(descriptor) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return {false, failure_text("cannot write", temporary, error)};
    }

    // Another program writing the same file at the same moment may have put
    // its own temporary at the name: that one is not ours to rename.
    struct stat named {};
    if (::lstat(temporary.c_str(), &named) != 0 || named.st_ino != written.st_ino ||
        named.st_dev != written.st_dev) {
        return {false, "cannot replace " + target + ": it is being written by another program"};
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        return {false, failure_text("cannot replace", target, error)};
    }
    flush_directory(target);
    return {};
}

#endif

std::string_view line_end() {
#ifdef _WIN32
    return "\r\n";
#else
    return "\n";
#endif
}

}  // namespace qor
