#pragma once
// The catalog windows on the window layer: the requirement list of "Open (by
// catalog)", the grid-file list, the progress window of catalog creation and
// the catalog commands' message boxes.

#include <memory>

#include "catalog/catalog_windows.h"

class QWidget;

namespace qor {

class Window;

/// Objectnames of the catalog windows and their controls, for tests and
/// scripts: the requirement window is built by OPCAT_CB, the grid-file window
/// by the grid-file step, the progress window by CREATECB.
inline constexpr const char* requirement_window_name = "OPCAT_CB";
inline constexpr const char* grid_window_name = "grid_file_step";
inline constexpr const char* progress_window_name = "CREATECB";

/// The progress window of catalog creation. It does not run a loop of its
/// own: open() shows it and returns, and the program goes on reading files.
/// While it stands the other windows take no input, so that no second
/// command starts inside the one that is running.
class ProgressWindow {
  public:
    explicit ProgressWindow(QWidget* parent);
    ~ProgressWindow();
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    void open(const CatalogProgress& progress);
    /// Shows the texts that differ from the ones shown and lets the window
    /// system repaint them (YIELDIT). Texts that did not change cost nothing.
    void update(const CatalogProgress& progress);
    void close();

    /// How often update() has let the window system repaint.
    int repaints() const { return repaints_; }

  private:
    QWidget* parent_;
    CatalogProgress shown_;
    std::unique_ptr<Window> window_;
    int repaints_ = 0;
};

/// The catalog commands' windows, shown over parent (the main window).
class QtCatalogWindows : public CatalogWindows {
  public:
    explicit QtCatalogWindows(QWidget* parent);
    ~QtCatalogWindows() override;

    int screen_width() const override;
    bool large_text() const override;
    /// Over the catalog window that is open, or over parent.
    void show_message(const Message& message) override;
    void run_requirement_window(RequirementWindow& window) override;
    void run_grid_window(GridWindow& window) override;
    void open_progress(const CatalogProgress& progress) override;
    void update_progress(const CatalogProgress& progress) override;
    void close_progress() override;

  private:
    QWidget* parent_;
    ProgressWindow progress_;
};

}  // namespace qor
