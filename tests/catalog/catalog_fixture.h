#pragma once
// A package with one data sub-directory, requirement files built field by
// field, and catalog windows driven by a script instead of a user.

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <filesystem>

#include <gtest/gtest.h>

#include "app/fixed_record.h"
#include "app/session.h"
#include "catalog/catalog_windows.h"
#include "platform/paths.h"
#include "tests/support/test_support.h"

namespace qor::testing {

/// What a requirement file says, field by field; empty fields are left out.
struct Requirement {
    std::vector<int> hours;  ///< up to nine values; none: no "Hours    :" line
    std::string admin;       ///< "Comment  :Admin" code
    std::string time;        ///< "Comment  :Time" span
    std::string frequency;   ///< "Comment  :INFO" fields
    std::string ciraf;
    std::string station;
    bool months = true;  ///< with a "Months   :" line
};

/// The text of a requirement file as QOR_PLAN leaves it.
std::string requirement_text(const Requirement& requirement);

/// A grid file whose second line is the title.
std::string grid_text(const std::string& title);

/// A package in a temporary directory with the data sub-directory SAMPLE_001
/// and a session pointed at it for HALDOR.
class CatalogPackage {
  public:
    CatalogPackage();

    /// Native path of a file in the data sub-directory.
    std::string data(const std::string& name) const;
    /// Native path of the HALDOR catalog.
    std::string catalog() const { return data("HALDOR.TXT"); }
    void write_requirement(const std::string& name, const Requirement& requirement) const;
    void write_grid(const std::string& name, const std::string& title) const;

    TempDir dir;
    std::string run;  ///< native run directory
    RecordingConsole console;
    std::unique_ptr<Session> session = std::make_unique<Session>();
};

/// Catalog windows that record what is shown and run a script for each list
/// window in turn. A script stands for the user: it calls the window's event
/// functions and returns when the window would close.
class ScriptedWindows : public CatalogWindows {
  public:
    int width = 1024;
    bool large = false;

    std::deque<std::function<void(RequirementWindow&)>> requirementScript;
    std::deque<std::function<void(GridWindow&)>> gridScript;

    std::vector<Message> messages;
    /// Caption, "Sorted by" name and the lines shown, per requirement window.
    struct Shown {
        std::string caption;
        std::string sortName;
        std::string listFormat;
        std::vector<std::string> lines;
    };
    std::vector<Shown> requirementWindows;
    std::vector<Shown> gridWindows;
    std::vector<CatalogProgress> progress;  ///< open, then every refresh
    int progressOpen = 0;                   ///< opened minus closed

    int screen_width() const override { return width; }
    bool large_text() const override { return large; }
    void show_message(const Message& message) override { messages.push_back(message); }
    void run_requirement_window(RequirementWindow& window) override;
    void run_grid_window(GridWindow& window) override;
    void open_progress(const CatalogProgress& shown) override {
        ++progressOpen;
        progress.push_back(shown);
    }
    void update_progress(const CatalogProgress& shown) override { progress.push_back(shown); }
    void close_progress() override { --progressOpen; }
};

/// A catalog entry line: name, blank, summary fields, blank (94 characters).
std::string entry_line(const std::string& name, const std::string& frequency,
                       const std::string& time, const std::string& location);

// ------------------------------------------------------------------------

inline std::string requirement_text(const Requirement& r) {
    std::string text = "Model    :HALDOR\n";
    text += "Colours  :Black    :Red      :Green    :Blue     :White    :Shading, no contours\n";
    text += "Cities   :..\\database\\receive.cty\n";
    text += "Nparms   :    0\n";
    if (r.months) text += "Months   :      1      2\n";
    if (!r.hours.empty()) {
        RecordWriter hours;
        hours.literal("Hours    :");
        for (int hour : r.hours) hours.integer(hour, 7);
        text += hours.str() + "\n";
    }
    if (!r.admin.empty()) text += padded("Comment  :Admin", 20) + r.admin + "\n";
    if (!r.time.empty()) text += padded("Comment  :Time", 20) + r.time + "\n";
    if (!r.frequency.empty()) {
        text += padded("Comment  :INFO", 18) + padded(r.frequency, 5) + " " + padded(r.ciraf, 30) +
                " " + r.station + "\n";
    }
    text += "Gridsize :    1\n";
    return text;
}

inline std::string grid_text(const std::string& title) {
    return "HALDOR version 1.0\n" + title + "\n    3    2\n";
}

inline CatalogPackage::CatalogPackage() : run(make_minimal_package(dir.path())) {
    use_package(*session, run, console);
    session->paths.Model = "HALDOR";
    session->paths.SubDir = "SAMPLE_001";
    std::filesystem::create_directories(dir / "AREADATA/SAMPLE_001");
}

inline std::string CatalogPackage::data(const std::string& name) const {
    return dir / ("AREADATA/SAMPLE_001/" + name);
}

inline void CatalogPackage::write_requirement(const std::string& name, const Requirement& r) const {
    write_file(data(name), requirement_text(r));
}

inline void CatalogPackage::write_grid(const std::string& name, const std::string& title) const {
    write_file(data(name), grid_text(title));
}

inline void ScriptedWindows::run_requirement_window(RequirementWindow& window) {
    Shown shown{window.caption, window.sortName, window.listFormat, {}};
    for (int i = 1; i <= window.count(); ++i) shown.lines.push_back(window.line(i).str());
    requirementWindows.push_back(shown);
    ASSERT_FALSE(requirementScript.empty()) << "a requirement window nobody expected";
    auto script = std::move(requirementScript.front());
    requirementScript.pop_front();
    script(window);
}

inline void ScriptedWindows::run_grid_window(GridWindow& window) {
    Shown shown{window.caption, "", window.listFormat, {}};
    for (int i = 1; i <= window.count(); ++i) shown.lines.push_back(window.line(i).str());
    gridWindows.push_back(shown);
    ASSERT_FALSE(gridScript.empty()) << "a grid-file window nobody expected";
    auto script = std::move(gridScript.front());
    gridScript.pop_front();
    script(window);
}

inline std::string entry_line(const std::string& name, const std::string& frequency,
                              const std::string& time, const std::string& location) {
    RecordWriter line;
    line.text(name, 12).blanks(1).text("ADM", 3).blanks(1).text(frequency, 5).blanks(1);
    line.text(time, 9).literal("(1/1)").blanks(1).text("ZONES", 30).blanks(1);
    line.text(location + " 500  45  0 ANT", 24).blanks(1);
    return line.str();
}

}  // namespace qor::testing
