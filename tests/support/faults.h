#pragma once
// Faults the machine can throw at a writer, played for real in a child
// process so that whatever they change (a limit, the user, a mount, a system
// call filter) ends with the child:
//  - a full disk: a tmpfs of a few pages mounted over the directory and filled,
//    or a file size limit of zero (every write to a file fails, as on a full
//    disk, and works everywhere);
//  - a read-only directory: the directory bind-mounted read-only, or its write
//    permission taken away with the child no longer root;
//  - a crash between the temporary file and the rename: a seccomp filter kills
//    the child at its first rename, or makes the rename fail.
// Mounting needs root and a kernel that lets the process have a mount
// namespace of its own; a fault that cannot be played here says why, and the
// test is skipped for it.

#include <functional>
#include <string>

namespace qor::testing {

/// How a child process ended and what it reported.
struct ChildOutcome {
    bool exited = false;  ///< ended on its own (the body returned)
    int signal = 0;       ///< the signal that ended it, 0 when none did
    std::string report;   ///< what the body returned
};

/// Runs body in a child process (fork) and waits for it. The body returns its
/// report: "" when all it checked held.
ChildOutcome in_child(const std::function<std::string()>& body);

/// A report beginning with this marks a fault that cannot be played here.
inline constexpr const char* cannot_play = "cannot play: ";

// The faults, each for a child process only. Each returns "" when it is in
// place, else the reason it cannot be played (beginning with cannot_play).

/// Mounts a tmpfs of the given size over the directory, with copies of the
/// files it held, then fills it: the next write of any size fails (ENOSPC).
std::string full_tmpfs_over(const std::string& directory, std::size_t bytes);
/// Every write to a regular file fails (EFBIG), as when the disk is full.
std::string no_room_for_files();
/// Bind-mounts the directory over itself read-only (EROFS).
std::string read_only_mount_over(const std::string& directory);
/// Takes write permission from the directory and makes the process an
/// ordinary user (when root), so that the permission counts (EACCES).
std::string unwritable_directory(const std::string& directory);

enum class RenameFault {
    kill,  ///< the process dies at its first rename, as if the machine went down
    fail,  ///< every rename fails (EIO)
};
/// Installs the system call filter for renames.
std::string fault_on_rename(RenameFault fault);

}  // namespace qor::testing
