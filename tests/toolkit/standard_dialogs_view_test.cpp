// The toolkit's standard actions on the offscreen platform: the file-open
// dialog and the console's boxes.

#include <QFileDialog>
#include <QLabel>
#include <QtTest>

#include "platform/paths.h"
#include "tests/support/modal_driver.h"
#include "tests/support/test_support.h"
#include "toolkit/gui_console.h"
#include "toolkit/standard_dialogs.h"

namespace qor {
namespace {

using testing::TempDir;
using testing::when_modal;
using testing::write_file;

const std::vector<std::pair<std::string, std::string>> grid_filters{{"MIRVEN files", "*.MG?"},
                                                                    {"HALDOR files", "*.HG?"},
                                                                    {"TABLIN files", "*.TG?"},
                                                                    {"PARVIS files", "*.PG?"},
                                                                    {"All", "*.MG? *.HG? *.TG?"}};

}  // namespace

class StandardDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { testing::isolate_user_settings(); }

    void theFileDialogStartsInTheFolderWithTheStartPatternsFilter() {
        TempDir dir;
        write_file(dir / "AREADATA/SAMPLE_001/RUN1.HG1", "grid");
        // The start folder is given in upper case, as the program builds it.
        std::string start = to_package_path(dir.path()) + "\\AREADATA\\sample_001\\*.HG?";
        QString directory;
        QStringList filters;
        QString selected;
        when_modal("fileOpenDialog", [&](QWidget* shown) {
            auto* dialog = qobject_cast<QFileDialog*>(shown);
            directory = dialog->directory().absolutePath();
            filters = dialog->nameFilters();
            selected = dialog->selectedNameFilter();
            testing::choose_in_file_dialog(dialog, dir / "AREADATA/SAMPLE_001/RUN1.HG1");
        });
        std::optional<std::string> chosen =
            open_file_dialog(nullptr, "Select GRID file to plot", grid_filters, start);
        QVERIFY(!testing::modal_missed());
        QCOMPARE(directory, QString::fromStdString(dir / "AREADATA/SAMPLE_001"));
        QCOMPARE(filters, (QStringList{"MIRVEN files (*.MG?)", "HALDOR files (*.HG?)",
                                       "TABLIN files (*.TG?)", "PARVIS files (*.PG?)",
                                       "All (*.MG? *.HG? *.TG?)"}));
        QCOMPARE(selected, QString("HALDOR files (*.HG?)"));
        QVERIFY(chosen.has_value());
        QCOMPARE(QString::fromStdString(*chosen),
                 QString::fromStdString(dir / "AREADATA/SAMPLE_001/RUN1.HG1"));
    }

    void cancellingTheFileDialogChoosesNothing() {
        TempDir dir;
        when_modal("fileOpenDialog",
                   [](QWidget* shown) { qobject_cast<QDialog*>(shown)->reject(); });
        // A start pattern matching no filter is offered as a filter of its own.
        std::optional<std::string> chosen =
            open_file_dialog(nullptr, "Select GRID file to plot", grid_filters,
                             to_package_path(dir.path()) + "\\MISSING\\*.XG?");
        QVERIFY(!testing::modal_missed());
        QVERIFY(!chosen.has_value());
    }

    void theConsoleShowsItsLinesThenThePauseOrStopMessage() {
        Message pause =
            console_message({" in SET_RUN, could not find RUN directory:", " dir=X"}, " ", false);
        QCOMPARE(QString::fromStdString(pause.text()),
                 QString(" in SET_RUN, could not find RUN directory:\n dir=X"));
        QCOMPARE(QString::fromStdString(pause.button), QString("Continue"));
        QVERIFY(!pause.exclamation);

        Message stop = console_message({" Could not OPEN file=C:\\database\\colors.win;"},
                                       "Missing file ..\\database\\colors.win in WINcolr", true);
        QCOMPARE(QString::fromStdString(stop.caption), QString("QOR_PLOT stopped"));
        QCOMPARE(QString::fromStdString(stop.text()),
                 QString(" Could not OPEN file=C:\\database\\colors.win;\n\n"
                         "Missing file ..\\database\\colors.win in WINcolr"));
        QCOMPARE(QString::fromStdString(stop.button), QString("OK"));
        QVERIFY(stop.exclamation);

        QVERIFY(console_message({}, "  ", false).lines.empty());
        QCOMPARE(QString::fromStdString(console_message({}, "Stopped", true).text()),
                 QString("Stopped"));
    }
};

}  // namespace qor

QTEST_MAIN(qor::StandardDialogsTest)
#include "standard_dialogs_view_test.moc"
