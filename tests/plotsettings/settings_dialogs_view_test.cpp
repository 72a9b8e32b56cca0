// The settings dialogs on the offscreen platform, opened from the main window
// with a sample grid file loaded: their controls found by the fields they are
// bound to, Accept, Cancel and Default pressed, and the records, the main
// window's repainted summaries and the requirement file a plot writes compared.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "app/main_window_view.h"
#include "app/startup.h"
#include "sample/sample_package.h"
#include "tests/support/modal_driver.h"
#include "tests/support/test_support.h"
#include "toolkit/screen_metrics.h"
#include "toolkit/window_builder.h"

namespace qor {
namespace {

namespace fs = std::filesystem;
using testing::when_modal;

const std::string fake_map_program = std::string(QOR_BINARY_DIR) + "/fake_map_program";

template <typename T = QWidget>
T* control(QWidget* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (found == nullptr)
        qWarning("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return found;
}

void click(QWidget* window, const QString& name) {
    if (auto* button = control<QPushButton>(window, name)) button->click();
}

QString shown(QWidget* window, const QString& name) {
    auto* label = control<QLabel>(window, name);
    return label != nullptr ? label->text() : QString("(missing)");
}

// The sample package with SAMPLE01.HG1 current: DBU on automatic levels, SNR
// and REL on user-defined ones; the stand-in map program is installed as the
// window map program.
struct Package {
    testing::TempDir dir;
    testing::RecordingConsole console;
    Session session;

    Package() {
        const std::string error = sample::write_sample_package(dir.path());
        if (!error.empty()) qWarning("%s", error.c_str());
        testing::use_package(session, dir / "RUN", console);
        load_settings_files(session);
        INITVAR(session.projections);
        session.paths.Model = "HALDOR";
        session.paths.SubDir = "SAMPLE_001";
        session.paths.FileName = "SAMPLE_001\\SAMPLE01.HG1";
        fs::create_directories(dir / "bin_win");
        fs::copy_file(fake_map_program, dir / "bin_win/terrapix");
    }

    // Runs the main window; the handler gets it once it is shown and closes it
    // when done.
    void run(std::function<void(Window*)> handler) {
        when_modal("SCREEN", [handler = std::move(handler)](QWidget* shown_window) {
            auto* window = qobject_cast<Window*>(shown_window);
            handler(window);
            window->close_window();
        });
        SCREEN(session, Text<6>("HALDOR"), Text<8>("AREADATA"), session.paths.SubDir);
    }
    // "Plot to", "Window": waits until the map program has recorded its start,
    // so that it is done before the package goes.
    void plot(Window* window) {
        window->findChild<QAction*>("TOWINDOW")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(dir / "bin_win/terrapix.record"), 10000);
    }
    std::string requirement_file() const {
        return testing::read_file(dir / "AREADATA/SAMPLE_001/SAMPLE01.HAL");
    }
};

// Opens the dialog behind a main window button and hands it to the handler,
// which must close it.
void open_dialog(Window* main, const char* button, const char* dialog,
                 std::function<void(Window*)> handler) {
    when_modal(dialog, [handler = std::move(handler)](QWidget* shown_window) {
        handler(qobject_cast<Window*>(shown_window));
    });
    click(main, button);
}

std::string header_lines(const std::string& file, int count) {
    std::size_t end = 0;
    for (int i = 0; i < count && end != std::string::npos; ++i) end = file.find('\n', end + 1);
    return file.substr(0, end + 1);
}

}  // namespace

class SettingsDialogsViewTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { testing::isolate_user_settings(); }
    void init() { testing::modal_missed() = false; }
    void cleanup() { QVERIFY(!testing::modal_missed()); }

    void titleAcceptRepaintsTheMainWindowsTitleAndCancelKeepsIt() {
        Package package;
        const QString old_title = "SAMPLE01  15.26 MHz GRV 250 kW Az  45  Jun SSN 100  0700 UT";
        QString after_cancel;
        QString after_accept;
        package.run([&](Window* main) {
            open_dialog(main, "TITLECB", "TITLECB", [](Window* dialog) {
                QCOMPARE(dialog->windowTitle(), QString("Change Area Plot TITLE"));
                auto* entry = control<QLineEdit>(dialog, "TitleEntry");
                QCOMPARE(entry->text().trimmed(), QString("SAMPLE01  15.26 MHz GRV 250 kW Az  "
                                                          "45  Jun SSN 100  0700 UT"));
                QCOMPARE(entry->maxLength(), 76);
                entry->setText("Edited, then cancelled");
                click(dialog, "TITLE_NO");
            });
            after_cancel = shown(main, "GridFile.title").trimmed();
            open_dialog(main, "TITLECB", "TITLECB", [](Window* dialog) {
                auto* entry = control<QLineEdit>(dialog, "TitleEntry");
                QVERIFY(entry->text().startsWith("SAMPLE01"));
                entry->setText("Evening service " + QString(70, 'x'));
                click(dialog, "TITLE_OK");
            });
            after_accept = shown(main, "GridFile.title").trimmed();
            package.plot(main);
        });
        QCOMPARE(after_cancel, old_title);
        const QString accepted = ("Evening service " + QString(70, 'x')).left(75);
        QCOMPARE(after_accept, accepted);
        QCOMPARE(QString::fromStdString(package.session.grid.title.str()), accepted);
        const std::string request = testing::read_file(package.dir / "RUN/zonegrfx.dat");
        QCOMPARE(QString::fromStdString(request.substr(31, 75)), accepted);
    }

    void parametersAcceptMovesTheSlotsAndReachesTheRequirementFile() {
        Package package;
        QString active;
        QString parameters;
        QString contours;
        package.run([&](Window* main) {
            open_dialog(main, "PARAMSCB", "PARAMSCB", [&](Window* dialog) {
                QCOMPARE(dialog->windowTitle(), QString("Change PARAMETERS to plot"));
                auto* list = control<QListWidget>(dialog, "selected");
                QCOMPARE(list->count(), 7);
                QCOMPARE(list->item(0)->text().left(6), QString("DBU   "));
                QCOMPARE(list->item(0)->text().size(), 76);
                QCOMPARE(shown(dialog, "activeText").trimmed(), QString("DBU       SNR       REL"));
                list->item(2)->setSelected(false);  // SNR
                list->item(4)->setSelected(true);   // MUF
                active = shown(dialog, "activeText").trimmed();
                click(dialog, "PARAMS_OK");
            });
            parameters = shown(main, "ParameterSelection.summaryText").trimmed();
            contours = shown(main, "ContourSettings.summaryText");
            package.plot(main);
        });
        QCOMPARE(active, QString("DBU       REL       MUF"));
        QCOMPARE(parameters, QString("DBU       REL       MUF"));
        QVERIFY2(contours.contains("\nREL     Defined       10.0"), qPrintable(contours));
        QVERIFY2(contours.contains("\nMUF     Auto   "), qPrintable(contours));
        QCOMPARE(package.session.parameters.count, 3);
        const std::string file = package.requirement_file();
        QCOMPARE(header_lines(file, 7).substr(header_lines(file, 4).size()),
                 std::string("Parameter:DBU      0\n"
                             "Parameter:REL      7 12   10.00 10   20.00  3   30.00  9   50.00  "
                             "1   70.00  5   80.00 15   90.00\n"
                             "Parameter:MUF      0\n"));
        QVERIFY(file.find("Nparms   :    3\n") != std::string::npos);
    }

    void parametersDefaultAndCancel() {
        Package package;
        QString after_cancel;
        QString after_default;
        package.run([&](Window* main) {
            open_dialog(main, "PARAMSCB", "PARAMSCB", [](Window* dialog) {
                control<QListWidget>(dialog, "selected")->item(0)->setSelected(false);
                click(dialog, "PARAMS_NO");
            });
            after_cancel = shown(main, "ParameterSelection.summaryText").trimmed();
            open_dialog(main, "PARAMSCB", "PARAMSCB", [](Window* dialog) {
                QCOMPARE(shown(dialog, "activeText").trimmed(), QString("DBU       SNR       REL"));
                click(dialog, "PARAMS_DEFAULT");
            });
            after_default = shown(main, "ParameterSelection.summaryText").trimmed();
            package.plot(main);
        });
        QCOMPARE(after_cancel, QString("DBU       SNR       REL"));
        QCOMPARE(after_default, QString("DBU"));
        const std::string file = package.requirement_file();
        QVERIFY(file.find("Nparms   :    1\nParameter:DBU      0\nMonths") != std::string::npos);
    }

    void layersAcceptDefaultAndCancel() {
        Package package;
        QStringList summaries;
        std::string after_accept;
        package.run([&](Window* main) {
            open_dialog(main, "LAYERSCB", "LAYERSCB", [](Window* dialog) {
                QCOMPARE(dialog->windowTitle(), QString("Change COLORS for plot LAYERS"));
                auto* grid = control<QComboBox>(dialog, "choices(1)");
                QCOMPARE(grid->count(), 17);
                QCOMPARE(grid->currentText(), QString("Black"));
                QCOMPARE(grid->maxVisibleItems(), 17);
                QCOMPARE(control<QComboBox>(dialog, "choices(4)")->currentText(),
                         QString("RED, large names"));
                auto* files = control<QComboBox>(dialog, "cityChoice");
                QCOMPARE(files->count(), 3);
                QCOMPARE(files->currentText().trimmed(), QString("RECEIVE.CTY"));
                grid->setCurrentIndex(8);  // Grey
                files->setCurrentIndex(1);
                control<QComboBox>(dialog, "choices(6)")->setCurrentIndex(5);  // Shading
                click(dialog, "LAYERS_NO");
            });
            summaries << shown(main, "LayerSettings.summaryText");
            open_dialog(main, "LAYERSCB", "LAYERSCB", [](Window* dialog) {
                QCOMPARE(control<QComboBox>(dialog, "choices(1)")->currentText(), QString("Black"));
                control<QComboBox>(dialog, "choices(1)")->setCurrentIndex(8);
                control<QComboBox>(dialog, "cityChoice")->setCurrentIndex(1);
                control<QComboBox>(dialog, "choices(6)")->setCurrentIndex(5);
                click(dialog, "LAYERS_OK");
            });
            summaries << shown(main, "LayerSettings.summaryText");
            package.plot(main);
            after_accept = package.requirement_file();
            open_dialog(main, "LAYERSCB", "LAYERSCB",
                        [](Window* dialog) { click(dialog, "LAYERS_DEFAULT"); });
            summaries << shown(main, "LayerSettings.summaryText");
        });
        QCOMPARE(summaries.size(), 3);
        const QString heading = "  Grid    Countries  Zones  Cities  MainBeam  Contours";
        QCOMPARE(summaries[0].split('\n').value(1).trimmed(),
                 QString("black     blue     Ignore RED      red      Black with shading"));
        QVERIFY(summaries[1].startsWith(heading.leftJustified(78) + "\n"));
        QCOMPARE(summaries[1].split('\n').value(1).trimmed(),
                 QString("grey      blue     Ignore RED      red      Shading, no contours"));
        QCOMPARE(summaries[2].split('\n').value(1).trimmed(),
                 QString("black     blue     Ignore Ignore   red      Black with shading"));
        QCOMPARE(header_lines(after_accept, 3).substr(header_lines(after_accept, 1).size()),
                 std::string("Colors   :grey     :blue     :Ignore   :RED      :red      :"
                             "Shading, no contours\n"
                             "Cities   :RECEIVE.EUR \n"));
        QCOMPARE(package.session.layers.cityFile, Text<12>("RECEIVE.CTY"));
    }

    void contourEditorRefusesLevelsOutOfOrderAndTheOverviewAcceptStoresThem() {
        Package package;
        QString overview_line;
        QString summary;
        bool refused_editor_stayed = false;
        QString error_caption;
        package.run([&](Window* main) {
            open_dialog(main, "CONTOURS", "CONTOURS", [&](Window* overview) {
                QCOMPARE(overview->windowTitle(),
                         QString("Change CONTOUR levels and colors to plot"));
                QVERIFY(overview->no_border());
                QCOMPARE(control<QPushButton>(overview, "CONTOUR1")->text(), QString("DBU   "));
                QVERIFY(overview->findChild<QPushButton*>("CONTOUR4") == nullptr);
                QVERIFY(shown(overview, "PendingContours.lines(2)").startsWith("SNR     Defined"));

                when_modal("CONTOURX", [&](QWidget* editor) {
                    QCOMPARE(editor->windowTitle(),
                             QString("Change CONTOUR levels and colors for SNR   "));
                    QCOMPARE(shown(editor, "methodText"), QString("USER defined"));
                    QCOMPARE(control<QLineEdit>(editor, "levelInputs(7)")->text(), QString("30.0"));
                    QCOMPARE(control<QComboBox>(editor, "colorChoices(7)")->currentText(),
                             QString("Red"));
                    QCOMPARE(control<QComboBox>(editor, "colorChoices(1)")->currentText(),
                             QString("White"));
                    control<QLineEdit>(editor, "levelInputs(5)")->setText("25");
                    when_modal("messageBox", [&](QWidget* message) {
                        error_caption = message->windowTitle();
                        click(message, "messageButton");
                    });
                    click(editor, "CONTOURX_OK");
                    refused_editor_stayed = editor->isVisible();
                    control<QLineEdit>(editor, "levelInputs(5)")->setText("15");
                    // Item 7 of the list is colour 5.
                    control<QComboBox>(editor, "colorChoices(6)")->setCurrentIndex(6);
                    click(editor, "CONTOURX_OK");
                });
                click(overview, "CONTOUR2");
                overview_line = shown(overview, "PendingContours.lines(2)");
                click(overview, "CONTOURS_OK");
            });
            summary = shown(main, "ContourSettings.summaryText");
            package.plot(main);
        });
        QCOMPARE(error_caption, QString("CONTOUR VALUES Input ERROR"));
        QVERIFY(refused_editor_stayed);
        QVERIFY2(overview_line.startsWith("SNR     Defined     -999.0  -999.0  -999.0  -999.0    "
                                          "15.0    20.0    30.0"),
                 qPrintable(overview_line));
        QVERIFY2(summary.contains("\nSNR     Defined     -999.0  -999.0  -999.0  -999.0    15.0"),
                 qPrintable(summary));
        QVERIFY(package.requirement_file().find(
                    "Parameter:SNR      3  3   15.00  5   20.00  1   30.00\n") !=
                std::string::npos);
    }

    void cancellingTheOverviewDropsEveryEditorChange() {
        Package package;
        ContourSettings before;
        QString summary_before;
        QString summary_after;
        QString method_after_switch;
        package.run([&](Window* main) {
            before = package.session.contours;
            summary_before = shown(main, "ContourSettings.summaryText");
            open_dialog(main, "CONTOURS", "CONTOURS", [&](Window* overview) {
                // DBU: automatic levels switched to user-defined and accepted.
                when_modal("CONTOURX", [&](QWidget* editor) {
                    QCOMPARE(shown(editor, "methodText"), QString("AUTO scaled "));
                    click(editor, "CONTOURX_METHOD");
                    method_after_switch = shown(editor, "methodText");
                    click(editor, "CONTOURX_OK");
                });
                click(overview, "CONTOUR1");
                QVERIFY(shown(overview, "PendingContours.lines(1)").startsWith("DBU     Defined"));
                // REL: switched to automatic levels.
                when_modal("CONTOURX", [](QWidget* editor) { click(editor, "CONTOURX_AUTO"); });
                click(overview, "CONTOUR3");
                QVERIFY(shown(overview, "PendingContours.lines(3)").startsWith("REL     Auto"));
                click(overview, "CONTOURS_NO");
            });
            summary_after = shown(main, "ContourSettings.summaryText");
        });
        QCOMPARE(method_after_switch, QString("USER defined"));
        QCOMPARE(summary_after, summary_before);
        QCOMPARE(package.session.contours.levelCount, before.levelCount);
        QCOMPARE(package.session.contours.levels, before.levels);
    }

    void smallScreensNarrowTheContourDialogs_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("scrollBar");
        QTest::addColumn<int>("characters");
        QTest::addColumn<int>("colourLines");
        QTest::newRow("640 pixels") << 640 << 16 << 70 << 13;
        QTest::newRow("800 pixels, large text") << 800 << 24 << 80 << 13;
        QTest::newRow("1024 pixels") << 1024 << 16 << 80 << 17;
    }

    void smallScreensNarrowTheContourDialogs() {
        QFETCH(int, width);
        QFETCH(int, scrollBar);
        QFETCH(int, characters);
        QFETCH(int, colourLines);
        ScopedScreenMetrics metrics({width, scrollBar});
        Package package;
        int box_width = 0;
        int expected_width = -1;
        int lines = 0;
        package.run([&](Window* main) {
            open_dialog(main, "CONTOURS", "CONTOURS", [&](Window* overview) {
                auto* box = control<QLabel>(overview, "PendingContours.lines(1)");
                box_width = box->width();
                expected_width = characters * QFontMetrics(box->font()).averageCharWidth() + 2;
                when_modal("CONTOURX", [&](QWidget* editor) {
                    lines = control<QComboBox>(editor, "colorChoices(1)")->maxVisibleItems();
                    click(editor, "CONTOURX_NO");
                });
                click(overview, "CONTOUR1");
                click(overview, "CONTOURS_NO");
            });
        });
        QCOMPARE(box_width, expected_width);
        QCOMPARE(lines, colourLines);
    }
};

}  // namespace qor

QTEST_MAIN(qor::SettingsDialogsViewTest)
#include "settings_dialogs_view_test.moc"
