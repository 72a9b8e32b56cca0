#include "platform/paths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "tests/support/test_support.h"

namespace qor {
namespace {

using testing::on_windows;
using testing::TempDir;
using testing::write_file;

TEST(PackagePathTest, CommandLinePathsTakeThePackageForm) {
    EXPECT_EQ(to_package_path("/opt/qor/RUN"), "\\opt\\qor\\RUN");
    EXPECT_EQ(to_package_path("C:\\PKG\\RUN"), "C:\\PKG\\RUN");
    EXPECT_EQ(to_package_path("rel/dir/"), "rel\\dir\\");
}

TEST(PackagePathTest, CommandLinePathsAreTakenFromTheCurrentDirectory) {
    TempDir dir;
    std::filesystem::create_directories(dir / "pkg/RUN");
    std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    const std::string here = to_package_path(dir.path());
    EXPECT_EQ(command_line_path("pkg/RUN"), here + "\\pkg\\RUN");
    EXPECT_EQ(command_line_path("./pkg/../pkg/RUN/"), here + "\\pkg\\RUN\\");
    // Backslashes make a Windows path, relative there; elsewhere they mark a
    // path that is in the package's own form already.
    EXPECT_EQ(command_line_path("pkg\\RUN"), on_windows ? here + "\\pkg\\RUN" : "pkg\\RUN");
    std::filesystem::current_path(before);
    // On Windows a path from the root of the current drive gets the drive.
    const std::string drive = on_windows ? current_directory().substr(0, 2) : "";
    EXPECT_EQ(command_line_path("/opt/qor/RUN"), drive + "\\opt\\qor\\RUN");
    EXPECT_EQ(command_line_path("C:\\PKG\\RUN"), "C:\\PKG\\RUN");  // the package's own form
    EXPECT_EQ(command_line_path(""), "");
}

TEST(PackagePathTest, MapsBackslashesAndFindsComponentsWhateverTheirCase) {
    TempDir dir;
    write_file(dir / "Pkg/AreaData/Sample_001/run1.hg3", "x");
    std::string package = to_package_path(dir.path());
    // Windows finds a name in any case by itself: the path stays as given.
    EXPECT_EQ(native_path(package + "\\PKG\\AREADATA\\SAMPLE_001\\RUN1.HG3"),
              on_windows ? package + "\\PKG\\AREADATA\\SAMPLE_001\\RUN1.HG3"
                         : dir / "Pkg/AreaData/Sample_001/run1.hg3");
    // An exact name is taken as it stands; forward slashes work too.
    EXPECT_EQ(native_path(package + "/Pkg/AreaData"), dir / "Pkg/AreaData");
    // Below a component that does not exist the rest is kept as given.
    EXPECT_EQ(native_path(package + "\\PKG\\NOWHERE\\X.TXT"),
              on_windows ? package + "\\PKG\\NOWHERE\\X.TXT" : dir / "Pkg/NOWHERE/X.TXT");
    EXPECT_TRUE(file_exists(package + "\\pkg\\areadata\\sample_001\\RUN1.HG3"));
    EXPECT_FALSE(file_exists(package + "\\pkg\\areadata\\sample_001"));
    EXPECT_TRUE(directory_exists(package + "\\pkg\\areadata\\sample_001"));
    EXPECT_FALSE(file_exists(package + "\\pkg\\areadata\\sample_001\\RUN1.HG4"));
}

TEST(PackagePathTest, SeesFilesAddedAndRemovedAfterAnEarlierLookup) {
    TempDir dir;
    write_file(dir / "data/one.hg1", "x");
    std::string package = to_package_path(dir.path()) + "\\DATA\\";
    EXPECT_TRUE(file_exists(package + "ONE.HG1"));
    EXPECT_FALSE(file_exists(package + "TWO.HG1"));
    write_file(dir / "data/two.hg1", "x");
    EXPECT_TRUE(file_exists(package + "TWO.HG1"));
    std::filesystem::remove(dir / "data/one.hg1");
    EXPECT_FALSE(file_exists(package + "ONE.HG1"));
    if (on_windows) return;  // a Windows folder cannot hold names differing only in case
    // Of two names that differ only in case, the first in byte order is taken.
    write_file(dir / "data/Three.hg1", "a");
    write_file(dir / "data/three.HG1", "b");
    EXPECT_EQ(native_path(package + "THREE.HG1"), dir / "data/Three.hg1");
}

TEST(ListDirectoryTest, ListsMatchesInNameOrderWithDirectoriesMarked) {
    TempDir dir;
    write_file(dir / "B.HAL", "");
    write_file(dir / "a.hal", "");
    write_file(dir / "C.MIR", "");
    write_file(dir / "D.HAL.bak", "");
    write_file(dir / "F.HALBAK", "");  // on Windows its short name F~1.HAL would match
    std::filesystem::create_directories(dir / "E.HAL");
    std::string package = to_package_path(dir.path());
    std::vector<DirectoryEntry> entries = list_directory(package + "\\*.HAL", 2000);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "B.HAL");  // name order is byte order: capitals first
    EXPECT_EQ(entries[1].name, "E.HAL");
    EXPECT_TRUE(entries[1].directory);
    EXPECT_EQ(entries[2].name, "a.hal");
    EXPECT_FALSE(entries[2].directory);
    EXPECT_EQ(entries[0].path, package + "\\B.HAL");
    EXPECT_EQ(list_directory(package + "\\?.HAL", 1).size(), 1u);
    EXPECT_TRUE(list_directory(package + "\\missing\\*.HAL", 10).empty());
}

TEST(ChangeDirectoryTest, MakesTheDirectoryCurrentAndReportsFailure) {
    TempDir dir;
    std::filesystem::create_directories(dir / "RUN");
    std::string before = std::filesystem::current_path().string();
    EXPECT_TRUE(change_directory(to_package_path(dir.path()) + "\\run"));
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), dir / "RUN"));
    EXPECT_FALSE(change_directory(to_package_path(dir.path()) + "\\missing"));
    std::filesystem::current_path(before);
}

TEST(ReplaceFileTest, WritesTheNewContentOrLeavesTheOldFileWhole) {
    TempDir dir;
    std::string package = to_package_path(dir.path());
    EXPECT_TRUE(replace_file(package + "\\setup.ini", "first\n").ok);
    EXPECT_EQ(testing::read_file(dir / "setup.ini"), "first\n");
    EXPECT_TRUE(replace_file(package + "\\setup.ini", "second\n").ok);
    EXPECT_EQ(testing::read_file(dir / "setup.ini"), "second\n");

    // A directory where the temporary file should go makes the write fail, even as root.
    std::filesystem::create_directories(replacement_temporary(dir / "setup.ini"));
    WriteResult failed = replace_file(package + "\\setup.ini", "third\n");
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.error.find("setup.ini"), std::string::npos);
    EXPECT_EQ(testing::read_file(dir / "setup.ini"), "second\n");

    // A target that cannot be replaced: the old content stays, no temporary is left.
    std::filesystem::create_directories(dir / "taken/inner");
    WriteResult blocked = replace_file(package + "\\taken", "x");
    EXPECT_FALSE(blocked.ok);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken/inner"));
    EXPECT_FALSE(std::filesystem::exists(replacement_temporary(dir / "taken")));

    // A missing directory is reported, not created.
    EXPECT_FALSE(replace_file(package + "\\nowhere\\file.txt", "x").ok);
}

TEST(ReplaceFileTest, ReplacesAFileThatAReaderStillHasOpen) {
    TempDir dir;
    std::string package = to_package_path(dir.path());
    ASSERT_TRUE(replace_file(package + "\\zonegrfx.dat", "old\n").ok);
    // A map program started a moment ago may still be reading the old file;
    // on Windows that keeps it from being replaced until the reader lets go.
    std::FILE* reader = std::fopen((dir / "zonegrfx.dat").c_str(), "rb");
    ASSERT_NE(reader, nullptr);
    std::thread closer([reader] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        std::fclose(reader);
    });
    WriteResult result = replace_file(package + "\\zonegrfx.dat", "new\n");
    closer.join();
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(testing::read_file(dir / "zonegrfx.dat"), "new\n");
}

#ifndef _WIN32

mode_t permissions_of(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

TEST(ReplaceFileTest, TheNewFileKeepsTheOldFilesPermissionsAndOwner) {
    TempDir dir;
    const std::string package = to_package_path(dir.path());
    for (mode_t mode : {mode_t{0600}, mode_t{0640}, mode_t{0664}, mode_t{0444}, mode_t{0755}}) {
        testing::write_file(dir / "catalog.txt", "old\n");
        ASSERT_EQ(::chmod((dir / "catalog.txt").c_str(), mode), 0);
        ASSERT_TRUE(replace_file(package + "\\catalog.txt", "new\n").ok) << std::oct << mode;
        EXPECT_EQ(permissions_of(dir / "catalog.txt"), mode) << std::oct << mode;
        EXPECT_EQ(testing::read_file(dir / "catalog.txt"), "new\n");
    }
    // A new file gets what the user's umask leaves of read and write for all.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    ASSERT_TRUE(replace_file(package + "\\fresh.txt", "x").ok);
    EXPECT_EQ(permissions_of(dir / "fresh.txt"), 0666 & ~mask);

    if (::geteuid() == 0) {
        // Root rewriting a user's file gives the replacement back to the user.
        testing::write_file(dir / "users.txt", "old\n");
        ASSERT_EQ(::chown((dir / "users.txt").c_str(), 65534, 65534), 0);
        ASSERT_TRUE(replace_file(package + "\\users.txt", "new\n").ok);
        struct stat info {};
        ASSERT_EQ(::stat((dir / "users.txt").c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, 65534u);
        EXPECT_EQ(info.st_gid, 65534u);
    }
}

TEST(ReplaceFileTest, ClearsTheTemporariesThatInterruptedWritesLeftBehind) {
    TempDir dir;
    const std::string package = to_package_path(dir.path());
    testing::write_file(dir / "setup.ini", "old\n");
    // The file's own temporary, half written when the program was killed.
    testing::write_file(replacement_temporary(dir / "setup.ini"), "ne");
    // Another file's temporary, an hour old, and one being written right now.
    testing::write_file(replacement_temporary(dir / "print_a.ini"), "stale");
    testing::write_file(replacement_temporary(dir / "HALDOR.TXT"), "in progress");
    const auto an_hour_ago = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(replacement_temporary(dir / "print_a.ini"), an_hour_ago);
    // An old directory of that name is not a temporary of ours.
    std::filesystem::create_directory(replacement_temporary(dir / "zonegrfx.dat"));
    std::filesystem::last_write_time(replacement_temporary(dir / "zonegrfx.dat"), an_hour_ago);

    ASSERT_TRUE(replace_file(package + "\\setup.ini", "new\n").ok);
    EXPECT_EQ(testing::read_file(dir / "setup.ini"), "new\n");
    EXPECT_FALSE(std::filesystem::exists(replacement_temporary(dir / "setup.ini")));
    EXPECT_FALSE(std::filesystem::exists(replacement_temporary(dir / "print_a.ini")));
    EXPECT_EQ(testing::read_file(replacement_temporary(dir / "HALDOR.TXT")), "in progress");
    EXPECT_TRUE(std::filesystem::is_directory(replacement_temporary(dir / "zonegrfx.dat")));
}

TEST(ReplaceFileTest, NeverWritesThroughALinkLeftAtTheTemporarysName) {
    TempDir dir;
    const std::string package = to_package_path(dir.path());
    testing::write_file(dir / "elsewhere.txt", "not to be touched\n");
    std::filesystem::create_symlink(dir / "elsewhere.txt",
                                    replacement_temporary(dir / "setup.ini"));
    ASSERT_TRUE(replace_file(package + "\\setup.ini", "new\n").ok);
    EXPECT_EQ(testing::read_file(dir / "setup.ini"), "new\n");
    EXPECT_EQ(testing::read_file(dir / "elsewhere.txt"), "not to be touched\n");
    EXPECT_FALSE(std::filesystem::is_symlink(dir / "setup.ini"));
}

#endif

}  // namespace
}  // namespace qor
