#pragma once
// Package paths and the file system.
//
// Inside the program a package path has the package's own form: components
// separated by backslashes, exactly as the system's rules join them
// (root + "AREADATA\" + sub-directory). Only this layer turns such a path into a
// native one. On POSIX a backslash becomes a slash, and a component that does
// not exist under its exact name is looked up case-insensitively in its
// directory (the package's files come in any case, and the program upper-cases
// paths). Forward slashes are accepted as separators too.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

/// Turns a command-line or file-dialog path into the package form
/// ("/opt/qor/RUN" becomes "\opt\qor\RUN"; a Windows path is unchanged).
std::string to_package_path(std::string_view native);

/// A path given on the command line, in the package form: a relative native
/// path is taken from the current directory (the program changes into the run
/// directory, after which a relative path would name something else). A path
/// already in the package's own form (holding a backslash) is kept as given.
std::string command_line_path(std::string_view native);

/// The native path of a package path, with the case-insensitive lookup of each
/// component that does not exist under its exact name.
std::string native_path(std::string_view package_path);

/// True when a file (not a directory) of that package path exists.
bool file_exists(std::string_view package_path);
/// True when a directory of that package path exists.
bool directory_exists(std::string_view package_path);

struct DirectoryEntry {
    std::string path;        ///< the pattern's directory part (as given) followed by the name
    std::string name;        ///< the name as it is on disk
    bool directory = false;  ///< the entry is a directory
};

/// Lists the entries of a directory that match a wildcard pattern ('*' any run
/// of characters, '?' one character; compared without regard to case, as on
/// the package's own platform). The pattern's last component is the wildcard,
/// the rest names the directory. At most max_entries, in ascending name order.
std::vector<DirectoryEntry> list_directory(std::string_view package_pattern,
                                           std::size_t max_entries);

/// Makes the directory the process's current directory. False when it cannot.
bool change_directory(std::string_view package_path);
/// The process's current directory, in package form.
std::string current_directory();

/// Outcome of a file replacement: empty error when it worked.
struct WriteResult {
    bool ok = true;
    std::string error;  ///< what went wrong, for the user
};

/// Replaces (or creates) a file with the given content: written to a temporary
/// file in the same directory, then renamed over the old one, so that the old
/// file stays whole when anything fails. The new file keeps the old one's
/// permissions (and, where the writer may give them, its owner and group).
/// Temporaries left by writes that were interrupted before their rename are
/// cleared: the file's own at once, others of the same directory once they
/// are ten minutes old.
WriteResult replace_file(std::string_view package_path, std::string_view content);

/// The temporary name replace_file writes first (the file's name + ".qortmp").
std::string replacement_temporary(std::string_view native);

/// The platform's line end for files the program writes ("\r\n" on Windows,
/// "\n" elsewhere).
std::string_view line_end();

}  // namespace qor
