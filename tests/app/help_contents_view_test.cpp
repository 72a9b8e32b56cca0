// Help, Contents on the offscreen platform: which page is opened, the
// program's own help window where no viewer opens it, and the boxes for a
// missing help file and for a viewer that fails without a page to show.

#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include "app/help_contents_view.h"
#include "platform/paths.h"
#include "tests/support/modal_driver.h"
#include "tests/support/test_support.h"
#include "toolkit/help_action.h"
#include "toolkit/window.h"

namespace qor {
namespace {

using testing::TempDir;
using testing::when_modal;
using testing::write_file;

}  // namespace

class HelpContentsViewTest : public QObject {
    Q_OBJECT

  private slots:
    void helpContentsOpensTheHelpFileOrThePageBesideIt() {
        struct Row {
            const char* file;
            const char* opened;
        };
        for (Row row : {Row{"help_win/qorplot.hlp", "help_win/qorplot.hlp"},
                        Row{"HELP_WIN/qorplot.html", "HELP_WIN/qorplot.html"}}) {
            TempDir dir;
            write_file(dir / row.file, "help");
            std::vector<std::string> opened;
            set_document_opener([&opened](const std::string& native) {
                opened.push_back(native);
                return true;
            });
            bool result = open_help_contents(
                to_package_path(dir.path()) + "\\help_win\\qorplot.hlp", nullptr);
            set_document_opener({});
            QVERIFY(result);
            QCOMPARE(opened, std::vector<std::string>{dir / row.opened});
        }
    }

    void missingHelpOrAViewerThatFailsIsShownInAMessage() {
        TempDir dir;
        std::string help = to_package_path(dir.path()) + "\\help_win\\qorplot.hlp";
        int attempts = 0;
        set_document_opener([&attempts](const std::string&) {
            ++attempts;
            return false;
        });
        QStringList captions;
        auto answer = [&captions](QWidget* box) {
            captions << box->windowTitle();
            box->findChild<QPushButton*>("messageButton")->click();
        };
        when_modal("messageBox", answer);
        QVERIFY(!open_help_contents(help, nullptr));
        write_file(dir / "help_win/qorplot.hlp", "help");
        when_modal("messageBox", answer);
        QVERIFY(!open_help_contents(help, nullptr));
        set_document_opener({});
        QVERIFY(!testing::modal_missed());
        QCOMPARE(attempts, 1);
        QCOMPARE(captions, (QStringList{"HELP file not found", "Could not OPEN help file"}));
    }

    void withoutAViewerTheHtmlPageOpensInTheProgramsOwnHelpWindow() {
        TempDir dir;
        write_file(dir / "help_win/qorplot.hlp", "windows help");
        write_file(dir / "help_win/qorplot.html",
                   "<html><head><title>QOR_PLOT Help</title></head><body>"
                   "<p><a href=\"#setup\">Setup</a></p><h2 id=\"setup\">The setup dialog</h2>"
                   "</body></html>");
        std::vector<std::string> tried;
        set_document_opener([&tried](const std::string& native) {
            tried.push_back(native);
            return false;
        });
        QWidget parent;
        const std::string help = to_package_path(dir.path()) + "\\help_win\\qorplot.hlp";
        const bool shown = open_help_contents(help, &parent);
        // Asked again, the same window shows the page.
        const bool again = open_help_contents(help, &parent);
        set_document_opener({});
        QVERIFY(shown && again);
        QCOMPARE(tried, (std::vector<std::string>{dir / "help_win/qorplot.hlp",
                                                  dir / "help_win/qorplot.hlp"}));
        QList<QWidget*> windows = parent.findChildren<QWidget*>("helpWindow");
        QCOMPARE(windows.size(), 1);
        QWidget* window = windows.front();
        QVERIFY(window->isVisible() && window->isWindow());
        QCOMPARE(window->windowTitle(), QString("QOR_PLOT Help"));
        auto* browser = window->findChild<QTextBrowser*>("helpBrowser");
        QVERIFY(browser != nullptr);
        QVERIFY(browser->toPlainText().contains("The setup dialog"));
        QCOMPARE(browser->source(),
                 QUrl::fromLocalFile(QString::fromStdString(dir / "help_win/qorplot.html")));
        QVERIFY(window->width() >= caption_width(window->windowTitle(), window));

        QPointer<QWidget> guard(window);
        QTest::keyClick(browser, Qt::Key_Escape);
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard == nullptr);
    }
};

}  // namespace qor

QTEST_MAIN(qor::HelpContentsViewTest)
#include "help_contents_view_test.moc"
