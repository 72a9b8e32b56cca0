#pragma once
// Scenes of the screenshot program: each starts QOR_PLOT on the sample package
// as its command line does and drives its windows, step by step, the way a user
// would, saving a picture of each window the documentation shows.
//
// A step waits for a window (by objectName), saves its picture and then acts on
// it: triggers a menu action or clicks a button, types a file name into the
// file-open dialog, or closes it. A window that opens without a step of its own
// is pictured under its objectName and closed; when the last step is done the
// windows still open are closed, which ends the program's window loop.
//
// To add scenes: write a function returning them in a file of its own
// (catalog_scenes.cpp), declare it below and add it to all_scenes().

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/screen_metrics.h"

namespace qor::screenshots {

/// What a step does to its window once the picture is taken.
struct Action {
    enum class Kind {
        close,        ///< closes the window as its close box does
        trigger,      ///< triggers the menu action or clicks the button named target
        choose_file,  ///< types the file target (relative to the package root) and opens it
        type_text,    ///< replaces the text of the entry box named target with text
        highlight,    ///< highlights line row (0-based) of the list box named target, as a click
    };
    Kind kind = Kind::close;
    QString target;
    QString text{};
    int row = 0;
};

inline Action close_window() {
    return {Action::Kind::close, {}};
}
inline Action trigger(const QString& name) {
    return {Action::Kind::trigger, name};
}
inline Action choose_file(const QString& package_file) {
    return {Action::Kind::choose_file, package_file};
}
inline Action highlight(const QString& list, int row) {
    return {Action::Kind::highlight, list, {}, row};
}

inline Action type_text(const QString& name, const QString& text) {
    return {Action::Kind::type_text, name, text};
}

struct Step {
    QString window;   ///< objectName of the window the step waits for
    QString picture;  ///< file name of its picture without ".png"; empty: no picture
    Action action;
};

/// The window pictured under its own objectName, then closed.
inline Step picture_of(const QString& window) {
    return {window, window, close_window()};
}

/// A file the scene copies inside the package before it starts and removes
/// when it has ended (paths relative to the package root).
struct FileCopy {
    std::string from;
    std::string to;
};

/// A window the program opens and closes by itself while it works (a progress
/// window): pictured as it closes, showing its last state.
struct Passing {
    QString window;
    QString picture;
};

struct Scene {
    std::string name;  ///< chosen on the command line to run only some scenes
    std::vector<Step> steps{};
    /// The screen the windows are laid out for; none: the real screen.
    std::optional<ScreenMetrics> screen{};
    std::vector<FileCopy> copies{};
    /// Command-line tokens after the run directory.
    std::string model = "HALDOR";
    std::string subDirectory = "SAMPLE_001";
    std::vector<Passing> passing{};
};

/// The main window without and with a grid file, and the windows of its menus.
std::vector<Scene> main_window_scenes();
/// The messages of "Open (by file)" for files it refuses.
std::vector<Scene> open_by_file_scenes();
/// The program's own help window (the scenes ask no desktop viewer).
std::vector<Scene> help_scenes();

/// The settings dialogs (Title, Layers, Parameters, the contour overview and
/// editor with its order error) at 1024 and 800 pixels.
std::vector<Scene> settings_scenes();

/// Catalog creation, the requirement and grid-file windows, and their boxes.
std::vector<Scene> catalog_scenes();

/// Every scene, in the order they run.
std::vector<Scene> all_scenes();

}  // namespace qor::screenshots
