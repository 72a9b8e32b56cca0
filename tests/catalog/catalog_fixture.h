#pragma once
// A package with the data sub-directory SAMPLE_001, requirement files built
// field by field, and catalog windows driven by a script instead of a user.

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/session.h"
#include "base/fixed_record.h"
#include "catalog/catalog_windows.h"
#include "platform/paths.h"
#include "tests/support/test_support.h"

namespace qor::testing {

/// Fields of a requirement file; empty ones are left out of it.
struct Requirement {
    std::vector<int> hours;  ///< none: no "Hours    :" line
    std::string admin, time, frequency, ciraf, station;
    bool months = true;  ///< with a "Months   :" line
};

inline Requirement with_hours(std::vector<int> hours) {
    Requirement r;
    r.hours = std::move(hours);
    return r;
}

inline std::string requirement_text(const Requirement& r) {
    std::string text = "Model    :HALDOR\nNparms   :    0\n";
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
    return text + "Gridsize :    1\n";
}

struct CatalogPackage {
    CatalogPackage() : run(make_minimal_package(dir.path())) {
        use_package(*session, run, console);
        session->paths.Model = "HALDOR";
        session->paths.SubDir = "SAMPLE_001";
        std::filesystem::create_directories(dir / "AREADATA/SAMPLE_001");
    }
    std::string data(const std::string& name) const {
        return dir / ("AREADATA/SAMPLE_001/" + name);
    }
    std::string catalog() const { return data("HALDOR.TXT"); }
    std::string catalog_path() const { return to_package_path(catalog()); }
    void requirement(const std::string& name, const Requirement& r) const {
        write_file(data(name), requirement_text(r));
    }
    void grid(const std::string& name, const std::string& title) const {
        write_file(data(name), "HALDOR 1.0\n" + title + "\n    3    2\n");
    }

    TempDir dir;
    std::string run;
    RecordingConsole console;
    std::unique_ptr<Session> session = std::make_unique<Session>();
};

/// Records what the windows show; each list window runs the next script, which
/// stands for the user and returns when the window would close.
struct ScriptedWindows : CatalogWindows {
    int width = 1024;
    bool large = false;
    std::deque<std::function<void(RequirementWindow&)>> requirementScript;
    std::deque<std::function<void(GridWindow&)>> gridScript;
    std::vector<Message> messages;
    std::vector<std::vector<std::string>> listsShown;  ///< the lines of each list window
    std::vector<std::string> sortNamesShown;
    std::vector<CatalogProgress> progress;  ///< as opened, then every refresh
    int progressOpen = 0;

    int screen_width() const override { return width; }
    bool large_text() const override { return large; }
    void show_message(const Message& message) override { messages.push_back(message); }
    template <typename Window, typename Script>
    void run(Window& window, std::deque<Script>& script) {
        std::vector<std::string> lines;
        for (int i = 1; i <= window.count(); ++i) lines.push_back(window.line(i).str());
        listsShown.push_back(lines);
        ASSERT_FALSE(script.empty()) << "a list window nobody expected";
        auto next = std::move(script.front());
        script.pop_front();
        next(window);
    }
    void run_requirement_window(RequirementWindow& window) override {
        sortNamesShown.push_back(window.sortName);
        run(window, requirementScript);
    }
    void run_grid_window(GridWindow& window) override { run(window, gridScript); }
    void open_progress(const CatalogProgress& shown) override {
        ++progressOpen;
        progress.push_back(shown);
    }
    void update_progress(const CatalogProgress& shown) override { progress.push_back(shown); }
    void close_progress() override { --progressOpen; }
};

/// A 94-character catalog entry line.
inline std::string entry_line(const std::string& name, const std::string& frequency,
                              const std::string& time, const std::string& location) {
    RecordWriter line;
    line.text(name, 12).literal(" ADM ").text(frequency, 5).blanks(1).text(time, 9);
    line.literal("(1/1) ").text("ZONES", 30).blanks(1).text(location + " 500", 24).blanks(1);
    return line.str();
}

}  // namespace qor::testing
