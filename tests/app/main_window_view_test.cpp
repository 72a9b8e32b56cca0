// The main window on the offscreen platform: built for sample packages, looked
// at while it runs modally, and closed again.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/main_window_view.h"
#include "sample/sample_package.h"
#include "tests/support/modal_driver.h"
#include "tests/support/test_support.h"
#include "toolkit/screen_metrics.h"
#include "toolkit/window_builder.h"

namespace qor {
namespace {

using testing::RecordingConsole;
using testing::TempDir;

bool handler_missed = false;

void close_modal(QWidget* shown) {
    if (auto* window = qobject_cast<Window*>(shown)) {
        window->close_window();
    } else if (auto* dialog = qobject_cast<QDialog*>(shown)) {
        dialog->reject();
    }
}

// Waits (polling the event loop) for the modal window with that objectName and
// hands it to the handler. A window the handler leaves open (a check failed
// half-way) is closed; a window that never appears is recorded and every open
// window closed, so that a failing test ends instead of hanging.
void when_shown(const QString& name, std::function<void(QWidget*)> handler, int tries = 200) {
    QTimer::singleShot(20, [name, handler = std::move(handler), tries]() mutable {
        QWidget* shown = QApplication::activeModalWidget();
        if (shown != nullptr && shown->objectName() == name) {
            QPointer<QWidget> guard(shown);
            handler(shown);
            if (guard != nullptr && guard->isVisible()) close_modal(guard);
        } else if (tries > 0) {
            when_shown(name, std::move(handler), tries - 1);
        } else {
            handler_missed = true;
            qWarning("window %s never appeared", qPrintable(name));
            for (QWidget* top : QApplication::topLevelWidgets()) close_modal(top);
        }
    });
}

QStringList action_texts(QWidget* window, const char* menu_name) {
    QStringList texts;
    auto* menu = window->findChild<QMenu*>(menu_name);
    if (menu == nullptr) return {"(no menu)"};
    for (QAction* action : menu->actions()) texts << action->text();
    return texts;
}

void choose_in_dialog(QWidget* dialog, const std::string& path) {
    QVERIFY(dialog->findChild<QLineEdit*>("fileNameEdit") != nullptr);
    testing::choose_in_file_dialog(dialog, path);
}

bool action_enabled(QWidget* window, const char* name) {
    auto* action = window->findChild<QAction*>(name);
    return action != nullptr && action->isEnabled();
}

QStringList label_texts(QWidget* window) {
    QStringList texts;
    for (QLabel* label : window->findChildren<QLabel*>()) texts << label->text();
    return texts;
}

QString bound_text(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(name);
    return label != nullptr ? label->text() : QString("(missing %1)").arg(name);
}

struct Package {
    TempDir dir;
    RecordingConsole console;
    Session session;

    explicit Package(bool sample) {
        std::string run;
        if (sample) {
            const std::string error = sample::write_sample_package(dir.path());
            if (!error.empty()) qWarning("%s", error.c_str());
            run = dir / "RUN";
        } else {
            run = testing::make_minimal_package(dir.path());
        }
        testing::use_package(session, run, console);
        INITVAR(session.projections);
        session.paths.Model = "HALDOR";
        session.paths.SubDir = "SAMPLE_001";
    }

    int screen() {
        return SCREEN(session, Text<6>("HALDOR"), Text<8>("AREADATA"), session.paths.SubDir);
    }
};

}  // namespace

class MainWindowViewTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { handler_missed = false; }
    void cleanup() { QVERIFY(!handler_missed); }

    void withoutAFileShowsCaptionMenusAndHelpAreaOnly() {
        Package package(false);
        when_shown("SCREEN", [](QWidget* shown) {
            auto* window = qobject_cast<Window*>(shown);
            QCOMPARE(window->windowTitle(),
                     QString("QOR_PLOT - HALDOR Plot Area Coverage data input - SAMPLE_001"));
            QCOMPARE(action_texts(window, "FileMenu"),
                     QStringList({"Open (by catalog)", "Create catalog of *.HAL files", "",
                                  "Open (by file)", "", "&Setup", "", "E&xit"}));
            QCOMPARE(action_texts(window, "PlotMenu"),
                     QStringList({"&Window", "&Printer", "&Setup printer"}));
            QCOMPARE(action_texts(window, "HelpMenu"),
                     QStringList({"&About QOR Plot", "", "&Contents"}));
            QVERIFY(!window->findChild<QMenu*>("PlotMenu")->menuAction()->isEnabled());
            QVERIFY(action_enabled(window, "OPCAT_CB"));
            QVERIFY(action_enabled(window, "CREATECB"));
            QVERIFY(action_enabled(window, "NEW_GROUP_CB"));
            QVERIFY(action_enabled(window, "OPENDATA"));
            QVERIFY(action_enabled(window, "EXIT"));
            QVERIFY(action_enabled(window, "SETUPCB"));
            QVERIFY(action_enabled(window, "ABOUT"));
            QVERIFY(action_enabled(window, "HELP_CONTENTS"));
            QVERIFY(window->findChild<QWidget*>("inputHelpBox") != nullptr);
            QVERIFY(window->findChild<QAbstractButton*>("TITLECB") == nullptr);
            QVERIFY(!window->no_border());
            QVERIFY(!window->maximised());
            // Its few elements do not cut its long caption.
            QVERIFY(window->width() >= caption_width(window->windowTitle(), window));
            window->findChild<QAction*>("EXIT")->trigger();
        });
        QCOMPARE(package.screen(), 0);
    }

    void dosScreenIsOfferedWhenItsProgramAndFontAreInstalled() {
        Package package(false);
        testing::write_file(package.dir / "bin/terradox.exe", "");
        testing::write_file(package.dir / "fonts/vgafix.fon", "");
        when_shown("SCREEN", [](QWidget* window) {
            QCOMPARE(action_texts(window, "PlotMenu"),
                     QStringList({"&Window", "&Printer", "&DOS screen", "&Setup printer"}));
            QVERIFY(!window->findChild<QMenu*>("PlotMenu")->menuAction()->isEnabled());
            qobject_cast<Window*>(window)->close_window();
        });
        QCOMPARE(package.screen(), 0);
    }

    void aLoadedSampleFileShowsItsSummariesBesideTheSettingsButtons() {
        Package package(true);
        package.session.paths.FileName = "SAMPLE_001\\SAMPLE01.HG1";
        package.session.window.MainColour = "yellow";
        Session& session = package.session;
        when_shown("SCREEN", [&session](QWidget* shown) {
            auto* window = qobject_cast<Window*>(shown);
            QCOMPARE(window->windowTitle(),
                     QString(" Plot results for:..\\AREADATA\\SAMPLE_001\\SAMPLE01.HG1"));
            QVERIFY(window->findChild<QMenu*>("PlotMenu")->menuAction()->isEnabled());
            QVERIFY(window->no_border());
            const QStringList labels = label_texts(window);
            for (const char* expected :
                 {"  File name :", "SAMPLE_001\\SAMPLE01.HG1",
                  "  Model/Ver :", "HALDOR Version 4.02 (area coverage)", "  Grid size :", "37x37",
                  "    Type : ", " 1=Lat/Lon          ", "Admin     USA",
                  "CIRAF: 27,28,37,38                   ",
                  "Morning service to western Europe, curtain array"}) {
                QVERIFY2(labels.contains(expected), expected);
            }
            for (const QString& label : labels) {
                QVERIFY2(!label.startsWith("Season") && !label.startsWith("Zones"),
                         qPrintable(label));
            }
            QCOMPARE(bound_text(window, "GridFile.title").trimmed(),
                     QString("SAMPLE01  15.26 MHz GRV 250 kW Az  45  Jun SSN 100  0700 UT"));
            QVERIFY(bound_text(window, "ParameterSelection.summaryText")
                        .startsWith("  DBU       SNR       REL"));
            QVERIFY(bound_text(window, "LayerSettings.summaryText")
                        .startsWith("  Grid    Countries  Zones  Cities  MainBeam  Contours"));
            QCOMPARE(bound_text(window, "ContourSettings.summaryText").left(15),
                     QString("DBU     Auto   "));
            QCOMPARE(session.window.MainColour, Text<6>("YELLOW"));
            for (const char* name : {"TITLECB", "LAYERSCB", "PARAMSCB", "CONTOURS"}) {
                auto* button = window->findChild<QAbstractButton*>(name);
                QVERIFY2(button != nullptr && button->isEnabled(), name);
            }
            // The user may enlarge the window; its contents keep their places.
            auto* contours = window->findChild<QLabel*>("ContourSettings.summaryText");
            const QPoint place = contours->pos();
            QVERIFY(window->maximumSize().width() > window->width());
            window->resize(window->width() + 150, window->height() + 80);
            QApplication::processEvents();
            QCOMPARE(contours->pos(), place);
            window->close_window();
        });
        QCOMPARE(package.screen(), 0);
    }

    void screenWidthSetsStyleTextScaleAndContourWidth_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("scrollBar");
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("characters");
        QTest::newRow("640 pixels") << 640 << 16 << true << 0.9 << 70;
        QTest::newRow("800 pixels, normal text") << 800 << 16 << false << 0.9 << 80;
        QTest::newRow("800 pixels, large text") << 800 << 24 << false << 0.85 << 70;
        QTest::newRow("1024 pixels") << 1024 << 24 << false << 1.0 << 80;
    }

    void screenWidthSetsStyleTextScaleAndContourWidth() {
        QFETCH(int, width);
        QFETCH(int, scrollBar);
        QFETCH(bool, maximised);
        QFETCH(double, scale);
        QFETCH(int, characters);
        ScopedScreenMetrics metrics({width, scrollBar});
        Package package(true);
        package.session.paths.FileName = "SAMPLE_001\\SAMPLE01.HG1";
        when_shown("SCREEN", [=](QWidget* shown) {
            auto* window = qobject_cast<Window*>(shown);
            QVERIFY(window->no_border());
            QCOMPARE(window->maximised(), maximised);
            auto* contours = window->findChild<QLabel*>("ContourSettings.summaryText");
            auto* parameters = window->findChild<QLabel*>("ParameterSelection.summaryText");
            QVERIFY(contours != nullptr && parameters != nullptr);
            // The parameter summary is in the standard font: the contour
            // summary's fixed-pitch font is scaled against it.
            QVERIFY(qAbs(contours->font().pointSizeF() / parameters->font().pointSizeF() - scale) <
                    0.01);
            QCOMPARE(contours->width(),
                     characters * QFontMetrics(contours->font()).averageCharWidth() + 2);
            window->close_window();
        });
        QCOMPARE(package.screen(), 0);
    }

    void plotToWindowWritesThePlotRequestAndKeepsTheWindowOpen() {
        // No map program is installed: the start fails and says so, after the
        // requirement file and the plot request file have been written.
        Package package(true);
        package.session.paths.FileName = "SAMPLE_001\\SAMPLE01.HG1";
        bool still_open = false;
        when_shown("SCREEN", [&still_open](QWidget* shown) {
            auto* window = qobject_cast<Window*>(shown);
            window->findChild<QAction*>("TOWINDOW")->trigger();
            still_open = !window->was_closed();
            window->close_window();
        });
        QCOMPARE(package.screen(), 0);
        QVERIFY(still_open);
        const std::string request = testing::read_file(package.dir / "RUN/zonegrfx.dat");
        QCOMPARE(request,
                 padded("SAMPLE_001\\SAMPLE01.HG1", 30) + "\n" +
                     padded("SAMPLE01  15.26 MHz GRV 250 kW Az  45  Jun SSN 100  0700 UT", 75) +
                     "\n");
        const std::vector<std::string>& events = package.console.events;
        QVERIFY(events.size() >= 2);
        QCOMPARE(events[0], std::string(" MyCreateProcess error in gh_exec during:"));
        QVERIFY2(events[1].find("bin_win\\terrapix.exe") != std::string::npos, events[1].c_str());
    }

    void aReaderFailureShowsItsMessageAndEndsTheLoop() {
        Package package(true);
        package.session.paths.FileName = "SAMPLE_001\\MISSING.HG1";
        Session& session = package.session;
        when_shown("SCREEN", [&session](QWidget* window) {
            auto* button = window->findChild<QAbstractButton*>("READ_FAILED");
            QVERIFY(button != nullptr);
            QVERIFY2(button->text().startsWith("OPEN error on file="), qPrintable(button->text()));
            QVERIFY(window->findChild<QMenu*>("PlotMenu") != nullptr);
            QVERIFY(window->findChild<QAbstractButton*>("TITLECB") == nullptr);
            // Even an open operation does not bring the window back after a
            // failed read.
            session.paths.NewFileChosen = 1;
            button->click();
        });
        QCOMPARE(package.screen(), 0);
    }

    void openByFileAcceptsAGridFileAndRebuildsTheWindow() {
        Package package(true);
        const std::string chosen = package.dir / "AREADATA/SAMPLE_001/SAMPLE01.HG2";
        when_shown("SCREEN", [chosen](QWidget* window) {
            when_shown("fileOpenDialog", [chosen](QWidget* shown) {
                auto* dialog = qobject_cast<QFileDialog*>(shown);
                QCOMPARE(dialog->windowTitle(), QString("Select GRID file to plot"));
                QCOMPARE(dialog->nameFilters(),
                         QStringList({"MIRVEN files (*.MG?)", "HALDOR files (*.HG?)",
                                      "TABLIN files (*.TG?)", "PARVIS files (*.PG?)",
                                      "All (*.MG? *.HG? *.TG?)"}));
                QCOMPARE(dialog->selectedNameFilter(), QString("HALDOR files (*.HG?)"));
                choose_in_dialog(dialog, chosen);
            });
            window->findChild<QAction*>("OPENDATA")->trigger();
        });
        QCOMPARE(package.screen(), 1);
        QCOMPARE(package.session.paths.FileName, Text<30>("SAMPLE_001\\SAMPLE01.HG2"));
        QCOMPARE(package.session.paths.DataDir, Text<8>("AREADATA"));
    }

    void openByFileRejectsAWrongSuffixAndKeepsTheWindowOpen() {
        Package package(true);
        const std::string chosen = package.dir / "AREADATA/SAMPLE_001/SAMPLE01.HAL";
        bool message_seen = false;
        bool still_open = false;
        when_shown("SCREEN", [&](QWidget* shown) {
            auto* window = qobject_cast<Window*>(shown);
            when_shown("fileOpenDialog", [&](QWidget* dialog) {
                when_shown("messageBox", [&](QWidget* message) {
                    message_seen = message->windowTitle() == "ERROR: File name suffix not valid";
                    message->findChild<QAbstractButton*>("messageButton")->click();
                });
                choose_in_dialog(dialog, chosen);
            });
            window->findChild<QAction*>("OPENDATA")->trigger();
            still_open = !window->was_closed();
            window->close_window();
        });
        QCOMPARE(package.screen(), 0);
        QVERIFY(message_seen);
        QVERIFY(still_open);
        QVERIFY(package.session.paths.FileName.blank());
    }
};

}  // namespace qor

QTEST_MAIN(qor::MainWindowViewTest)
#include "main_window_view_test.moc"
