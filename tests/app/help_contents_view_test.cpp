// Help, Contents on the offscreen platform: which page is opened, and the
// boxes for a missing help file and for a viewer that fails.

#include <QPushButton>
#include <QtTest>

#include "app/help_contents_view.h"
#include "platform/paths.h"
#include "tests/support/modal_driver.h"
#include "tests/support/test_support.h"
#include "toolkit/help_action.h"

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
};

}  // namespace qor

QTEST_MAIN(qor::HelpContentsViewTest)
#include "help_contents_view_test.moc"
