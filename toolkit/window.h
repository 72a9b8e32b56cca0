#pragma once
// The window that WindowBuilder builds: it runs modally or stays open while
// the program works, repaints the controls bound to record fields on request,
// and shows the help text of the control under the pointer.

#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QAbstractButton;
class QLabel;

namespace qor {

/// A callback of a button, menu item or list: 1 keeps the window open, 0 closes it.
using Callback = std::function<int()>;
/// Reads a bound field's current text (latin-1; CR LF or LF separate lines).
using TextGetter = std::function<std::string()>;
/// Reads a bound list's current items.
using ItemsGetter = std::function<std::vector<std::string>()>;

/// The width a window needs to show its caption whole in its title bar: the
/// caption measured in a title font (the window's font in bold, a little
/// larger, as window managers draw titles) plus room for the title bar's icon
/// and buttons; at most the screen's width. The title bar is the window
/// system's, so this is an estimate on the safe side.
int caption_width(const QString& caption, const QWidget* window);

/// A window built by WindowBuilder. Runs modally (run_modal) or stays open
/// while the program works (show_modeless). Its callbacks and its close box
/// close it. Escape presses its cancel button (escape_button()); a window
/// without one ignores Escape.
class Window : public QDialog {
    Q_OBJECT
  public:
    explicit Window(QWidget* parent = nullptr);
    ~Window() override;

    using QDialog::update;  // the widget's own repaint stays reachable

    /// Repaints the controls bound under that objectName (the system's
    /// WINDOW_UPDATE# on one field). Returns how many were repainted.
    int update(const QString& name);
    /// Repaints every bound control and re-evaluates every menu state.
    void refresh();

    /// Shows the window modally and returns when it has been closed.
    void run_modal();
    /// Shows the window and returns at once; it stays open until close_window().
    void show_modeless();
    /// Closes the window (what a callback returning 0 does).
    void close_window();
    /// True after the window has been closed by any means.
    bool was_closed() const { return closed_; }

    /// The help text the "Input Help: " area shows now.
    QString shown_help() const;
    /// The button Escape presses: the cancel button (added with
    /// ButtonKind::cancel_button, or named "..._NO" after the routine it
    /// calls); in a window without one, its only button when that is its
    /// default button (the OK of a box that has nothing else); otherwise none.
    /// An Accept or Default button beside others is never pressed by Escape.
    QAbstractButton* escape_button() const;

    /// The layout options given with style(). A window without a border
    /// still keeps a sizing frame, so that its user can enlarge it; its
    /// contents keep their places.
    bool no_border() const { return no_border_; }
    bool maximised() const { return maximise_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend class WindowBuilder;
    struct Binding {
        QPointer<QObject> control;
        std::function<void()> repaint;
    };
    void show_help_of(QObject* control);
    void add_binding(QObject* control, std::function<void()> repaint);
    void add_help(QObject* control, const QString& help);
    void run_callback(const Callback& callback);
    void add_button(QAbstractButton* button, bool cancel);

    std::vector<Binding> bindings_;
    std::vector<std::pair<QPointer<QObject>, QString>> helps_;
    std::vector<QPointer<QAbstractButton>> buttons_;
    QPointer<QAbstractButton> cancel_button_;
    QLabel* help_label_ = nullptr;
    bool closed_ = false;
    bool no_border_ = false;
    bool maximise_ = false;
};

}  // namespace qor
