#include "tests/support/faults.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "tests/support/test_support.h"

#ifdef __linux__
#include <fcntl.h>
#include <grp.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#endif

namespace qor::testing {

namespace fs = std::filesystem;

#ifdef __linux__

namespace {

std::string unavailable(const std::string& what) {
    return std::string(cannot_play) + what + ": " + std::strerror(errno);
}

// A mount namespace of the child's own: its mounts vanish when it ends and
// are never seen by anyone else.
std::string private_mounts() {
    if (::unshare(CLONE_NEWNS) != 0) return unavailable("no mount namespace of its own");
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        return unavailable("mounts cannot be made private");
    }
    return {};
}

}  // namespace

ChildOutcome in_child(const std::function<std::string()>& body) {
    int pipe_ends[2];
    if (::pipe(pipe_ends) != 0) return {false, 0, "pipe failed"};
    const pid_t child = ::fork();
    if (child < 0) return {false, 0, "fork failed"};
    if (child == 0) {
        ::close(pipe_ends[0]);
        std::string report;
        try {
            report = body();
        } catch (const std::exception& e) {
            report = std::string("exception: ") + e.what();
        }
        const char* data = report.data();
        std::size_t left = report.size();
        while (left > 0) {
            const ssize_t written = ::write(pipe_ends[1], data, left);
            if (written <= 0) break;
            data += written;
            left -= static_cast<std::size_t>(written);
        }
        ::_exit(0);
    }
    ::close(pipe_ends[1]);
    ChildOutcome outcome;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(pipe_ends[0], buffer, sizeof buffer)) > 0) {
        outcome.report.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipe_ends[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    outcome.exited = WIFEXITED(status);
    outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return outcome;
}

std::string full_tmpfs_over(const std::string& directory, std::size_t bytes) {
    if (std::string problem = private_mounts(); !problem.empty()) return problem;
    // The files of the directory (not its sub-directories) go onto the tmpfs.
    std::vector<std::pair<std::string, std::string>> files;
    std::vector<std::pair<std::string, fs::perms>> permissions;
    for (const auto& entry : fs::directory_iterator(directory)) {
        if (!entry.is_regular_file()) continue;
        const std::string name = entry.path().filename().string();
        files.emplace_back(name, read_file(entry.path().string()));
        permissions.emplace_back(name, entry.status().permissions());
    }
    const std::string options = "size=" + std::to_string(bytes);
    if (::mount("qorfull", directory.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        return unavailable("tmpfs cannot be mounted");
    }
    for (const auto& [name, content] : files) write_file(directory + "/" + name, content);
    for (const auto& [name, perms] : permissions) fs::permissions(directory + "/" + name, perms);
    // Filled to the last byte: first in large pieces, then byte by byte.
    const int filler = ::open((directory + "/filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (filler < 0) return unavailable("no filler file");
    const std::string block(4096, 'f');
    while (::write(filler, block.data(), block.size()) > 0) {
    }
    while (::write(filler, "f", 1) > 0) {
    }
    ::close(filler);
    return {};
}

std::string no_room_for_files() {
    ::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the process
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return unavailable("no file size limit");
    limit.rlim_cur = 0;
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return unavailable("no file size limit");
    return {};
}

std::string read_only_mount_over(const std::string& directory) {
    if (std::string problem = private_mounts(); !problem.empty()) return problem;
    if (::mount(directory.c_str(), directory.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        return unavailable("no bind mount");
    }
    if (::mount(nullptr, directory.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) !=
        0) {
        return unavailable("no read-only remount");
    }
    return {};
}

std::string unwritable_directory(const std::string& directory) {
    if (::chmod(directory.c_str(), 0555) != 0) return unavailable("chmod");
    // Root writes wherever it likes: the child becomes the ordinary user
    // nobody, who may still go through the (world-searchable) directories.
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
        return unavailable("cannot become an ordinary user");
    }
    return {};
}

std::string fault_on_rename(RenameFault fault) {
#if defined(__x86_64__)
    constexpr std::uint32_t architecture = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
    constexpr std::uint32_t architecture = AUDIT_ARCH_AARCH64;
#else
    return std::string(cannot_play) + "no system call filter for this architecture";
#endif
#if defined(__x86_64__) || defined(__aarch64__)
    const std::uint32_t action = fault == RenameFault::kill
                                     ? SECCOMP_RET_KILL_PROCESS
                                     : (SECCOMP_RET_ERRNO | (EIO & SECCOMP_RET_DATA));
    constexpr auto nr = static_cast<std::uint32_t>(offsetof(seccomp_data, nr));
    constexpr auto arch = static_cast<std::uint32_t>(offsetof(seccomp_data, arch));
    std::vector<sock_filter> program = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, arch),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, architecture, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, nr),
    };
    std::vector<std::uint32_t> renames = {SYS_renameat, SYS_renameat2};
#ifdef SYS_rename
    renames.push_back(SYS_rename);
#endif
    for (std::uint32_t call : renames) {
        program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, call, 0, 1));
        program.push_back(BPF_STMT(BPF_RET | BPF_K, action));
    }
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    sock_fprog filter{static_cast<unsigned short>(program.size()), program.data()};
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) return unavailable("no_new_privs");
    if (::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) != 0) {
        return unavailable("no system call filter");
    }
    return {};
#endif
}

#else

ChildOutcome in_child(const std::function<std::string()>&) {
    return {true, 0, std::string(cannot_play) + "no child processes on this system"};
}
std::string full_tmpfs_over(const std::string&, std::size_t) {
    return std::string(cannot_play) + "no tmpfs on this system";
}
std::string no_room_for_files() {
    return std::string(cannot_play) + "no file size limit on this system";
}
std::string read_only_mount_over(const std::string&) {
    return std::string(cannot_play) + "no bind mounts on this system";
}
std::string unwritable_directory(const std::string&) {
    return std::string(cannot_play) + "no permission bits on this system";
}
std::string fault_on_rename(RenameFault) {
    return std::string(cannot_play) + "no system call filter on this system";
}

#endif

}  // namespace qor::testing
