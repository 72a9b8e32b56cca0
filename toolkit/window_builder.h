#pragma once
// The window layer: builds a window the way the system describes one, element
// after element, and runs it.
//
// A window is a sequence of lines. Elements (texts, buttons, lists, entry
// boxes, framed boxes) are added one after another on the current line;
// newline() starts the next one, centre() centres the current line and tab()
// moves to the next tab position. Font, size factor, boldness and text colour
// are builder state that applies to the elements added after they are set, as
// in the system's format strings:
//
//     WindowBuilder b(parent, "SETUPCB");
//     b.caption("Change SETUP colors and fonts").background(BACKGRND(window));
//     b.button("Accept", "SETUP_OK", ok, ButtonKind::default_button)
//      .button("Cancel", "SETUP_NO", no);
//     ...
//     b.help_area();
//     b.run_modal();
//
// Callbacks return 1 to keep their window open and 0 to close it. Every
// control and menu action gets the objectName it is given: the routine it
// calls ("SETUP_OK") or the field it is bound to ("MainChoice"), so that tests
// and scripts find it with findChild. Controls bound to a record field read
// the field when the window is built and whenever the window is asked to
// repaint them (Window::update(name), Window::refresh()); edits are written
// back to the field at once.
//
// Texts are latin-1 bytes, as in the records; they become QStrings here.
//
// The builder's header also brings the rest of the window layer that a view
// uses beside it: the window itself, the Qt text and colour conversions, the
// message box and the standard dialogs.

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "toolkit/message_box.h"
#include "toolkit/qt_conversions.h"
#include "toolkit/standard_dialogs.h"
#include "toolkit/window.h"

class QMenuBar;

namespace qor {

class FormatLayout;

/// How a button behaves.
enum class ButtonKind {
    normal,
    default_button,  ///< pressed by Enter; drawn as the window's default
    cancel_button,   ///< pressed by Escape (a button named "..._NO" is one too)
};

/// One item of a drop-down menu: "|" as label is a separator.
struct MenuItem {
    std::string label;    ///< text with "&" before the access letter
    std::string name;     ///< objectName of the action: the routine it calls
    Callback callback;    ///< none: the item does nothing (or is a separator)
    bool enabled = true;  ///< false: the item is shown greyed
};

/// The lines' tab positions, in average characters of the standard font.
inline constexpr int default_tab_width = 8;

class WindowBuilder {
  public:
    /// Starts a window; name is the window's objectName (the routine that
    /// builds it, e.g. "SETUPCB").
    explicit WindowBuilder(QWidget* parent = nullptr, const QString& name = {});
    ~WindowBuilder();
    WindowBuilder(const WindowBuilder&) = delete;
    WindowBuilder& operator=(const WindowBuilder&) = delete;

    /// The window being built.
    Window* window() const { return window_; }

    // ------------------------------------------------------------ window --
    /// Window caption. The window is made at least as wide as its title bar
    /// needs to show it (caption_width).
    WindowBuilder& caption(std::string_view text);
    /// Window background; an empty or unknown colour name leaves the default.
    WindowBuilder& background(std::string_view colour);
    /// Window style: no_border is recorded (Window::no_border) while the
    /// window stays resizable, its contents in their places; maximise shows it
    /// filling the screen.
    WindowBuilder& style(bool no_border, bool maximise);

    // ---------------------------------------------------- lines and text --
    /// Plain text in the current font and colour.
    WindowBuilder& text(std::string_view latin1);
    /// Ends the current line (count times: count - 1 empty lines follow).
    WindowBuilder& newline(int count = 1);
    /// Centres the current line.
    WindowBuilder& centre();
    /// Moves to the next tab position of the current line.
    WindowBuilder& tab();
    /// Sets the distance of tab positions in average characters (default 8).
    WindowBuilder& tab_width(int characters);
    /// Text colour of what follows; "" (or an unknown name) is black.
    WindowBuilder& colour(std::string_view name);
    WindowBuilder& colour(const char* name) { return colour(std::string_view(name)); }
    WindowBuilder& colour(const std::string& name) { return colour(std::string_view(name)); }
    WindowBuilder& colour(const QColor& colour);
    /// Font of what follows ("Courier New" etc.); the size is kept.
    WindowBuilder& font(std::string_view family);
    /// Size factor of what follows, relative to the standard font size.
    WindowBuilder& text_size(double factor);
    /// Back to the standard font and size (colour and boldness are kept).
    WindowBuilder& standard_font();
    /// Bold on or off.
    WindowBuilder& bold(bool on);
    /// The exclamation icon.
    WindowBuilder& exclamation_icon();

    // ---------------------------------------------------- bound texts --
    /// A static text bound to a field: width in characters of the current
    /// font, height in lines. Repainted by Window::update(name).
    WindowBuilder& static_text(const QString& name, TextGetter getter, int width, int lines = 1);
    template <std::size_t N>
    WindowBuilder& static_text(const QString& name, const Text<N>& field, int width,
                               int lines = 1) {
        return static_text(
            name, [&field] { return field.str(); }, width, lines);
    }

    // -------------------------------------------------------- buttons --
    /// A button; "&" marks its access letter, "\n" breaks its label. The
    /// window's Cancel (cancel_button, or a name ending in "_NO": the routine
    /// that changes nothing) is what Escape presses; see Window::escape_button.
    WindowBuilder& button(std::string_view label, const QString& name, Callback callback,
                          ButtonKind kind = ButtonKind::normal);
    /// The help text of the control added last; the "Input Help: " area
    /// shows it while the pointer is over the control or it has the focus.
    /// "\n" breaks it into lines.
    WindowBuilder& help(std::string_view latin1);

    // ---------------------------------------------------------- menus --
    /// A drop-down menu in the window's menu bar. When enabled_state is given,
    /// the whole menu is grey while *enabled_state is 0 (evaluated at build
    /// time and on refresh()).
    WindowBuilder& menu(std::string_view title, const QString& name, std::vector<MenuItem> items,
                        const std::int32_t* enabled_state = nullptr);
    /// A top-level menu bar item without a sub-menu.
    WindowBuilder& menu_action(std::string_view title, const QString& name, Callback callback,
                               bool enabled = true);

    // ---------------------------------------------- lists and entries --
    /// Background colour of the next control only ("white" for the lists
    /// and entry boxes of the input dialogs).
    WindowBuilder& control_background(std::string_view colour);
    /// A drop-down list bound to a 1-based item number; the callback, if
    /// any, runs after every change. visible_lines: lines shown when open
    /// (0 = the toolkit's choice).
    WindowBuilder& drop_down(const QString& name, ItemsGetter items, std::int32_t& choice,
                             Callback callback = {}, int visible_lines = 0);
    WindowBuilder& drop_down(const QString& name, std::vector<std::string> items,
                             std::int32_t& choice, Callback callback = {}, int visible_lines = 0);
    /// A list box bound to the 1-based number of its highlighted line (0:
    /// none; the keyboard focus alone highlights nothing), lines high and
    /// width characters wide. The callback runs on every selection event: a
    /// change of the highlighted line and the choice of an item (double click
    /// or Enter); listbox_item_selected() tells them apart.
    WindowBuilder& list_box(const QString& name, ItemsGetter items, std::int32_t& index, int lines,
                            int width, Callback callback = {});
    /// A list box where several items can be selected: flags[i] is 1 while
    /// item i + 1 is selected. The callback runs after every change.
    WindowBuilder& multi_list_box(const QString& name, ItemsGetter items,
                                  std::span<std::int32_t> flags, int lines, int width,
                                  Callback callback = {});
    /// An integer entry box that keeps the value within [minimum, maximum]
    /// (typed values outside are refused), stepping by 1.
    WindowBuilder& integer_box(const QString& name, std::int32_t& value, std::int32_t minimum,
                               std::int32_t maximum, int width = 5);
    /// A real entry box that keeps the value within [minimum, maximum].
    WindowBuilder& real_box(const QString& name, double& value, double minimum, double maximum,
                            int width = 10);
    /// A text entry box of at most max_length characters.
    WindowBuilder& text_box(const QString& name, TextGetter getter,
                            std::function<void(const std::string&)> setter, int max_length,
                            int width);
    template <std::size_t N>
    WindowBuilder& text_box(const QString& name, Text<N>& field, int width) {
        return text_box(
            name, [&field] { return field.str(); },
            [&field](const std::string& value) { field.assign(value); }, static_cast<int>(N),
            width);
    }

    // ------------------------------------------------- framed boxes --
    /// Opens a framed box on the current line; elements go into it until
    /// end_box().
    WindowBuilder& begin_box();
    WindowBuilder& end_box();
    /// The framed "Input Help: " area that ends every window: it shows in red
    /// the help text of the control under the pointer (or with the focus).
    WindowBuilder& help_area();

    // ------------------------------------------------------- running --
    /// Shows the window modally and returns when it has closed.
    void run_modal();
    /// Shows the window and returns at once: it stays open while the program
    /// works, until Window::close_window(). The builder still owns it.
    Window* show_modeless();
    /// Hands the window over without showing it.
    std::unique_ptr<Window> take();

  private:
    FormatLayout* layout() const;
    /// The window's menu bar, made with the first menu.
    QMenuBar* menu_bar();
    QFont current_font() const;
    void add_widget(QWidget* widget, bool is_text);
    void apply_control_background(QWidget* widget);

    Window* window_ = nullptr;
    std::unique_ptr<Window> owned_;
    QMenuBar* menu_bar_ = nullptr;
    std::vector<FormatLayout*> layouts_;
    QWidget* last_control_ = nullptr;
    QFont standard_font_;
    QString family_;
    double size_factor_ = 1.0;
    bool bold_ = false;
    QColor colour_;
    std::string next_background_;
    int tab_characters_ = default_tab_width;
};

/// Answers, during a list box's callback, whether the event is the choice of
/// an item (double click or Enter: 1) rather than a change of the highlighted
/// line (0): the "LISTBOX_ITEM_SELECTED" query. 0 outside a list callback.
int listbox_item_selected();

}  // namespace qor
