// Every file the program replaces, under every fault the machine can throw at
// the write: a full disk, a read-only directory, and a crash (or a failed
// rename) between the temporary file and the rename. Afterwards the file is
// the old one or the new one, never a mixture; a write that did not happen is
// reported to the user; the file keeps its permissions; no temporary is left
// except the one of the crashed write, which the next write clears.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/settings_files.h"
#include "app/setup_dialog.h"
#include "areadata/readers.h"
#include "catalog/catalog_creation.h"
#include "catalog/catalog_file.h"
#include "catalog/open_by_catalog.h"
#include "platform/paths.h"
#include "plotout/plot_launch.h"
#include "plotout/printer_setup.h"
#include "plotout/requirement_writer.h"
#include "sample/sample_package.h"
#include "tests/catalog/catalog_fixture.h"
#include "tests/support/faults.h"
#include "tests/support/test_support.h"

#ifdef __linux__
#include <signal.h>
#include <sys/stat.h>
#endif

namespace qor {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::write_file;

// The sample package with the file a writer replaces in its old state.
struct Package {
    testing::TempDir dir;
    testing::RecordingConsole console;
    std::unique_ptr<Session> session = std::make_unique<Session>();

    Package() {
        EXPECT_EQ(sample::write_sample_package(dir.path()), "");
        testing::use_package(*session, dir / "RUN", console);
        session->paths.SubDir = "SAMPLE_001";
        session->paths.Model = "HALDOR";
        session->paths.FileName = "SAMPLE_001\\SAMPLE01.HG1";
        DOSCOLR(session->paths, session->colors, console);
    }
};

// One writer: the file it replaces (below the package root), how the file
// looks before, what the program does to replace it, and what it then holds.
struct Writer {
    const char* name;
    const char* file;
    // Puts the old file in place and prepares the session; returns the text
    // the write is to give the file.
    std::function<std::string(Package&)> prepare;
    // The user's action; returns the message the user is shown ("" none).
    std::function<std::string(Package&)> write;
};

std::string shown(const std::optional<Message>& message) {
    return message ? message->text() + message->button : std::string();
}

const Writer writers[] = {
    {"requirement_file", "AREADATA/SAMPLE_001/SAMPLE01.HAL",
     [](Package& p) {
         Session& s = *p.session;
         EXPECT_FALSE(testing::read_requirement_file(s));
         s.parameters.count = 1;  // the new file differs from the old one
         std::string text;
         EXPECT_FALSE(requirement_file_text(plot_records(s), text));
         return text;
     },
     [](Package& p) { return shown(WRITMAIN(plot_records(*p.session))); }},
    {"catalog", "AREADATA/SAMPLE_001/HALDOR.TXT",
     [](Package& p) {
         Session& s = *p.session;
         write_file(p.dir / "AREADATA/SAMPLE_001/HALDOR.TXT",
                    catalog_creation_content(s.paths, GET_FILES(s.paths, s.paths.SubDir)));
         std::string path;
         Text<24> sortName;
         EXPECT_EQ(READ_CATALOG_FILE(s.paths, s.catalog, path, sortName), CatalogReadOutcome::read);
         sortName = sort_names[1];
         SORT_CATALOG_FILE(s.catalog, sortName);
         return catalog_file_content(s.catalog, sortName);
     },
     [](Package& p) {
         testing::ScriptedWindows windows;
         SORT_FTL(p.session->paths, p.session->catalog, windows);
         return windows.messages.empty() ? std::string()
                                         : windows.messages[0].text() + windows.messages[0].button;
     }},
    {"setup_ini", "database/setup.ini",
     [](Package& p) {
         write_file(p.dir / "database/setup.ini", setup_file_text(WindowSettings{}));
         WindowSettings defaults;
         defaults.MainColour = "yellow";
         defaults.InputColour = "green";
         return setup_file_text(defaults);
     },
     [](Package& p) {
         Session& s = *p.session;
         return shown(SETUP_DEFAULT(s.paths, s.window, p.console).message);
     }},
    {"print_a_ini", "RUN/print_a.ini",
     [](Package& p) {
         write_file(p.dir / "RUN/print_a.ini", printer_setup_line(PrinterPlacement{}) + "\n");
         return std::string("    2    0.5000    1.2500   -2.0000\n");
     },
     [](Package& p) {
         PrinterSetupCopy copy{2, 0.5, 1.25, -2.0};
         return shown(PRINTER_SETUP_OK(p.session->paths, p.session->printer, copy).message);
     }},
    {"zonegrfx_dat", "RUN/zonegrfx.dat",
     [](Package& p) {
         Session& s = *p.session;
         EXPECT_FALSE(READGRID(s.paths, s.grid));
         EXPECT_FALSE(testing::read_requirement_file(s));
         write_file(p.dir / "RUN/zonegrfx.dat", "SAMPLE_001\\SAMPLE01.HG9\nan older plot\n");
         return plot_request_text(s.paths, s.grid);
     },
     [](Package& p) { return shown(TOWINDOW(plot_records(*p.session), p.console).message); }},
};

enum class Fault {
    full_tmpfs,
    no_room_for_files,
    read_only_mount,
    unwritable_directory,
    killed_before_rename,
    rename_fails,
};

const char* fault_name(Fault fault) {
    switch (fault) {
        case Fault::full_tmpfs:
            return "full_disk_tmpfs";
        case Fault::no_room_for_files:
            return "full_disk_no_room_for_files";
        case Fault::read_only_mount:
            return "read_only_directory_mount";
        case Fault::unwritable_directory:
            return "read_only_directory_permissions";
        case Fault::killed_before_rename:
            return "killed_between_temporary_and_rename";
        case Fault::rename_fails:
            return "rename_fails";
    }
    return "?";
}

#ifdef __linux__

// Group-writable: the usual umask (022) takes that bit from a new file, so a
// replacement that does not copy the permissions shows.
constexpr mode_t old_permissions = 0660;

mode_t permissions_of(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

std::vector<std::string> temporaries_in(const std::string& directory) {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(directory)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 7 && name.substr(name.size() - 7) == ".qortmp") found.push_back(name);
    }
    return found;
}

// The checks after a write that failed, as lines of a report ("" all held).
std::string failed_write_report(const std::string& message, const std::string& target,
                                const std::string& old) {
    std::string report;
    if (message.empty()) report += "the failure was not reported\n";
    std::string now;
    try {
        now = read_file(target);
    } catch (const std::exception&) {
        now = "<unreadable>";
    }
    if (now != old) report += "the old file changed:\n" + now + "\n";
    if (permissions_of(target) != old_permissions) report += "the old file's permissions changed\n";
    for (const std::string& name : temporaries_in(fs::path(target).parent_path().string())) {
        report += "a temporary is left: " + name + "\n";
    }
    return report;
}

std::size_t bytes_in(const std::string& directory) {
    std::size_t total = 0;
    for (const auto& entry : fs::directory_iterator(directory)) {
        if (entry.is_regular_file()) total += (entry.file_size() + 4095) / 4096 * 4096;
    }
    return total;
}

#endif

class WriterFaults : public ::testing::TestWithParam<std::tuple<std::size_t, Fault>> {};

TEST_P(WriterFaults, LeaveTheOldFileOrTheNewOneAndReportWhatDidNotHappen) {
#ifndef __linux__
    GTEST_SKIP() << "the faults are played with Linux's mounts, limits and system call filters";
#else
    const Writer& writer = writers[std::get<0>(GetParam())];
    const Fault fault = std::get<1>(GetParam());
    Package package;
    const std::string target = package.dir / writer.file;
    const std::string directory = fs::path(target).parent_path().string();
    const std::string expected = writer.prepare(package);
    ASSERT_EQ(::chmod(target.c_str(), old_permissions), 0);
    const std::string old = read_file(target);
    ASSERT_NE(old, expected) << "the write must change the file for the test to mean anything";

    if (fault == Fault::unwritable_directory) {
        // Every directory down to the file searchable by the ordinary user.
        for (fs::path d = directory; d.string().size() >= package.dir.path().size();
             d = d.parent_path()) {
            fs::permissions(d, fs::perms(0755));
        }
    }

    testing::ChildOutcome outcome = testing::in_child([&]() -> std::string {
        std::string problem;
        switch (fault) {
            case Fault::full_tmpfs:
                problem = testing::full_tmpfs_over(directory, bytes_in(directory) + 16 * 4096);
                break;
            case Fault::no_room_for_files:
                problem = testing::no_room_for_files();
                break;
            case Fault::read_only_mount:
                problem = testing::read_only_mount_over(directory);
                break;
            case Fault::unwritable_directory:
                problem = testing::unwritable_directory(directory);
                break;
            case Fault::killed_before_rename:
                problem = testing::fault_on_rename(testing::RenameFault::kill);
                break;
            case Fault::rename_fails:
                problem = testing::fault_on_rename(testing::RenameFault::fail);
                break;
        }
        if (!problem.empty()) return problem;
        const std::string message = writer.write(package);
        // A mount is gone with the child: what it shows is checked here. (An
        // ordinary user may not even read the old file: the parent checks it.)
        if (fault == Fault::full_tmpfs || fault == Fault::read_only_mount) {
            return failed_write_report(message, target, old);
        }
        return message.empty() ? "the failure was not reported\n" : "";
    });
    fs::permissions(directory, fs::perms(0755));
    if (outcome.report.rfind(testing::cannot_play, 0) == 0) GTEST_SKIP() << outcome.report;

    if (fault == Fault::killed_before_rename) {
        ASSERT_EQ(outcome.signal, SIGSYS) << outcome.report;
        EXPECT_EQ(read_file(target), old);
        EXPECT_EQ(permissions_of(target), old_permissions);
        // The next write clears what the crash left and replaces the file.
        EXPECT_EQ(writer.write(package), "");
        EXPECT_EQ(read_file(target), expected);
        EXPECT_EQ(permissions_of(target), old_permissions);
        EXPECT_EQ(temporaries_in(directory), std::vector<std::string>());
        return;
    }
    ASSERT_TRUE(outcome.exited) << "signal " << outcome.signal << "\n" << outcome.report;
    EXPECT_EQ(outcome.report, "");
    EXPECT_EQ(failed_write_report("reported in the child", target, old), "");
    // Without the fault the same write goes through.
    EXPECT_EQ(writer.write(package), "");
    EXPECT_EQ(read_file(target), expected);
    EXPECT_EQ(permissions_of(target), old_permissions);
#endif
}

INSTANTIATE_TEST_SUITE_P(
    EveryWriter, WriterFaults,
    ::testing::Combine(::testing::Range<std::size_t>(0, std::size(writers)),
                       ::testing::Values(Fault::full_tmpfs, Fault::no_room_for_files,
                                         Fault::read_only_mount, Fault::unwritable_directory,
                                         Fault::killed_before_rename, Fault::rename_fails)),
    [](const ::testing::TestParamInfo<WriterFaults::ParamType>& param) {
        return std::string(writers[std::get<0>(param.param)].name) + "_under_" +
               fault_name(std::get<1>(param.param));
    });

}  // namespace
}  // namespace qor
