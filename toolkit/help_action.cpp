#include "toolkit/help_action.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/paths.h"
#include "toolkit/message_box.h"
#include "toolkit/screen_metrics.h"
#include "toolkit/window.h"

namespace qor {

namespace {

DocumentOpener& opener() {
    static DocumentOpener current;
    return current;
}

#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
// The freedesktop opener starts whatever is registered for a file's type and
// reports success even when nothing is: ask first whether a viewer exists.
bool registered_viewer(const QString& native) {
    if (QStandardPaths::findExecutable("xdg-open").isEmpty()) return false;
    const QString suffix = QFileInfo(native).suffix().toLower();
    const bool html = suffix == "html" || suffix == "htm";
    if (html && !qEnvironmentVariableIsEmpty("BROWSER")) return true;
    auto ask = [](const QStringList& arguments) {
        QProcess query;
        query.start("xdg-mime", arguments);
        if (!query.waitForFinished(5000)) {
            query.kill();
            query.waitForFinished();
            return QString();
        }
        if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) return QString();
        return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    };
    const QString type = html ? QString("text/html") : ask({"query", "filetype", native});
    if (type.isEmpty()) return false;
    return !ask({"query", "default", type}).isEmpty();
}
#endif

bool open_with_desktop(const std::string& native) {
    const QString path = QFile::decodeName(native.c_str());
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    if (!registered_viewer(path)) return false;
#endif
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

// A window of its own beside its parent: a modal parent does not block it,
// so the help can be read while the main window is used.
class HelpWindow : public QWidget {
  public:
    explicit HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
        setObjectName("helpWindow");
        setAttribute(Qt::WA_DeleteOnClose);
        browser_ = new QTextBrowser(this);
        browser_->setObjectName("helpBrowser");
        browser_->setOpenExternalLinks(true);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser_);
        // About 80 columns and 40 lines of the standard font, within the screen.
        QFontMetrics metrics(font());
        const int width = std::min(90 * metrics.averageCharWidth(), screen_width() * 9 / 10);
        resize(width, 40 * metrics.lineSpacing());
    }

    void show_page(const QString& native) {
        browser_->setSource(QUrl::fromLocalFile(native));
        QString title = browser_->documentTitle();
        if (title.isEmpty()) title = QFileInfo(native).fileName();
        setWindowTitle(title);
        setMinimumWidth(std::max(minimumWidth(), caption_width(title, this)));
    }

  protected:
    // Escape closes the window from wherever the focus is in it.
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            close();
            return;
        }
        QWidget::keyPressEvent(event);
    }

  private:
    QTextBrowser* browser_;
};

HelpWindow* open_help_window(QWidget* parent) {
    if (parent != nullptr) {
        for (QObject* child : parent->children()) {
            if (auto* window = dynamic_cast<HelpWindow*>(child)) return window;
        }
        return nullptr;
    }
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* window = dynamic_cast<HelpWindow*>(top); window != nullptr && !window->parent()) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

void set_document_opener(DocumentOpener replacement) {
    opener() = std::move(replacement);
}

QWidget* show_help_window(std::string_view page, QWidget* parent) {
    HelpWindow* window = open_help_window(parent);
    if (window == nullptr) window = new HelpWindow(parent);
    window->show_page(QFile::decodeName(native_path(page).c_str()));
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

bool open_help_file(std::string_view file, std::string_view page, QWidget* parent) {
    std::string native = native_path(file);
    bool opened = opener() ? opener()(native) : open_with_desktop(native);
    if (opened) return true;
    if (!page.empty()) {
        show_help_window(page, parent);
        return true;
    }
    Message message;
    message.caption = "Could not OPEN help file";
    message.background = "red";
    message.lines.push_back(MessageLine{
        false, {{"No viewer could open the help file=", ""}, {std::string(file), "white"}}});
    message.button = "OK";
    show_message(message, parent);
    return false;
}

}  // namespace qor
