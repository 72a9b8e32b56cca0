// screenshot_scenes: pictures of QOR_PLOT's windows for its documentation.
// Starts the program on the sample package once per scene and drives its
// windows as the scene says, saving the pictures into the output folder.
//
//   screenshot_scenes [--package DIR] [--scene NAME]... OUTPUT_FOLDER
//
// DIR is a sample package written by qorsample (its run directory DIR/RUN);
// without it the sample package is written to a temporary folder. Without
// --scene every scene runs. Ends with status 0 when every scene played through.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>

#include "app/main_window_view.h"
#include "app/startup.h"
#include "sample/sample_package.h"
#include "tests/screenshots/scene_runner.h"
#include "tests/screenshots/scenes.h"
#include "toolkit/gui_console.h"
#include "toolkit/help_action.h"

namespace qor::screenshots {

namespace fs = std::filesystem;

namespace {

struct Options {
    std::string package;
    std::set<std::string> scenes;
    std::string output;
};

std::optional<Options> read_options(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--package" || argument == "--scene") && i + 1 < argc) {
            if (argument == "--package") {
                options.package = argv[++i];
            } else {
                options.scenes.insert(argv[++i]);
            }
        } else if (options.output.empty() && !argument.starts_with("--")) {
            options.output = argument;
        } else {
            return std::nullopt;
        }
    }
    if (options.output.empty()) return std::nullopt;
    return options;
}

// Removes the first count copies of the scene.
void remove_copies(const Scene& scene, const fs::path& package, std::size_t count) {
    std::error_code error;
    for (std::size_t i = 0; i < count && i < scene.copies.size(); ++i) {
        fs::remove(package / scene.copies[i].to, error);
    }
}

// Plays one scene: the program started on the package with the scene's tokens,
// its files copied in for the time of the scene. A copy never replaces a file
// of the package.
bool play(const Scene& scene, SceneRunner& runner, const fs::path& package) {
    for (std::size_t i = 0; i < scene.copies.size(); ++i) {
        const FileCopy& copy = scene.copies[i];
        std::error_code error;
        fs::copy_file(package / copy.from, package / copy.to, error);
        if (error) {
            std::fprintf(stderr, "scene %s: cannot copy %s to %s: %s\n", scene.name.c_str(),
                         copy.from.c_str(), copy.to.c_str(), error.message().c_str());
            remove_copies(scene, package, i);
            return false;
        }
    }
    std::optional<ScopedScreenMetrics> metrics;
    if (scene.screen) metrics.emplace(*scene.screen);
    auto session = std::make_unique<Session>();
    GuiConsole console;
    session->console = &console;
    runner.start(scene);
    const int status = run_startup(
        *session, {(package / "RUN").string(), scene.model, scene.subDirectory}, SCREEN);
    bool played = runner.finish();
    if (status != 0) {
        std::fprintf(stderr, "scene %s: the program ended with status %d\n", scene.name.c_str(),
                     status);
        played = false;
    }
    remove_copies(scene, package, scene.copies.size());
    return played;
}

}  // namespace

}  // namespace qor::screenshots

int main(int argc, char** argv) {
    using namespace qor::screenshots;
    const std::optional<Options> options = read_options(argc, argv);
    if (!options) {
        std::fputs("usage: screenshot_scenes [--package DIR] [--scene NAME]... OUTPUT_FOLDER\n",
                   stderr);
        return 2;
    }
    std::vector<Scene> scenes = all_scenes();
    for (const std::string& name : options->scenes) {
        if (std::none_of(scenes.begin(), scenes.end(),
                         [&name](const Scene& scene) { return scene.name == name; })) {
            std::fprintf(stderr, "no scene %s; the scenes are:\n", name.c_str());
            for (const Scene& scene : scenes) std::fprintf(stderr, "  %s\n", scene.name.c_str());
            return 2;
        }
    }

    // Qt keeps the file dialog's history in the user's settings: this run keeps
    // its own, so that the pictures do not depend on them and they stay as they are.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    QApplication application(argc, argv);
    // Help, Contents shows the program's own help window, whatever viewers the
    // machine has: a scene pictures windows of the program only.
    qor::set_document_opener([](const std::string&) { return false; });

    // Start-up makes the run directory the current one: paths are made whole first.
    const fs::path output = fs::absolute(options->output);
    QTemporaryDir written;
    fs::path package = options->package.empty() ? fs::path() : fs::absolute(options->package);
    if (package.empty()) {
        package = QFile::encodeName(written.path()).toStdString();
        const std::string error = qor::sample::write_sample_package(package.string());
        if (!error.empty()) {
            std::fprintf(stderr, "cannot write the sample package: %s\n", error.c_str());
            return 1;
        }
    }
    std::error_code error;
    fs::create_directories(output, error);
    if (error) {
        std::fprintf(stderr, "cannot make the folder %s: %s\n", output.c_str(),
                     error.message().c_str());
        return 1;
    }

    SceneRunner runner(QFile::decodeName(output.c_str()), package.string());
    bool all_played = true;
    for (const Scene& scene : scenes) {
        if (!options->scenes.empty() && options->scenes.count(scene.name) == 0) continue;
        all_played = play(scene, runner, package) && all_played;
    }
    for (const QString& picture : runner.pictures()) {
        std::printf("%s/%s\n", output.c_str(), qPrintable(picture));
    }
    return all_played ? 0 : 1;
}
