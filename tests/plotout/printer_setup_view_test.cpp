// The "Setup printer" dialog on the offscreen platform: its fields are edited
// as a user types, its buttons pressed by objectName, and print_a.ini compared
// byte for byte.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "plotout/printer_setup_view.h"
#include "tests/support/test_support.h"
#include "toolkit/window_builder.h"

namespace qor {
namespace {

using testing::RecordingConsole;
using testing::TempDir;

struct Package {
    TempDir dir;
    RecordingConsole console;
    Session session;
    std::string file;

    Package() {
        testing::use_package(session, testing::make_minimal_package(dir.path()), console);
        file = dir / "RUN/print_a.ini";
    }
};

// Runs the dialog; the handler gets it once it is shown. A dialog the handler
// leaves open is closed, so that a failed check does not hang the test.
int run_dialog(Session& session, const std::function<void(Window*)>& handler) {
    bool seen = false;
    QTimer::singleShot(50, [&] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (window == nullptr || window->objectName() != "PRINTER_SETUP") return;
        seen = true;
        handler(window);
        if (!window->was_closed()) window->close_window();
    });
    const int result = PRINTER_SETUP(session.paths, session.window, session.printer, nullptr);
    if (!seen) qWarning("the printer setup dialog was not shown");
    return seen ? result : -1;
}

void type_into(Window* window, const char* name, const char* text) {
    auto* edit = window->findChild<QLineEdit*>(name);
    QVERIFY2(edit != nullptr, name);
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, text);
}

void press(Window* window, const char* name) {
    auto* button = window->findChild<QAbstractButton*>(name);
    QVERIFY2(button != nullptr, name);
    button->click();
}

}  // namespace

class PrinterSetupViewTest : public QObject {
    Q_OBJECT

  private slots:
    void showsThePlacementReadFromPrintAIni() {
        Package package;
        testing::write_file(package.file, "    2    0.7500    1.2500   -2.0000\n");
        const int result = run_dialog(package.session, [](Window* window) {
            QCOMPARE(window->windowTitle(),
                     QString("Change Area Coverage Printer SETUP information"));
            auto* border = window->findChild<QListWidget*>("border");
            QVERIFY(border != nullptr);
            QCOMPARE(border->count(), 2);
            QCOMPARE(border->item(0)->text(), QString("Draw Border"));
            QCOMPARE(border->item(1)->text(), QString("Do Not Draw Border"));
            QCOMPARE(border->currentRow(), 1);
            QCOMPARE(window->findChild<QLineEdit*>("scale")->text(), QString("0.75"));
            QCOMPARE(window->findChild<QLineEdit*>("xOffset")->text(), QString("1.25"));
            QCOMPARE(window->findChild<QLineEdit*>("yOffset")->text(), QString("-2.0"));
            QCOMPARE(window->findChild<QAbstractButton*>("PRINTER_SETUP_DEFAULT")
                         ->property("helpText")
                         .toString(),
                     QString("Default (Draw Border, Scale=1.0, Offset=0,0)"));
            QCOMPARE(border->property("helpText").toString(),
                     QString("Do you want a border drawn around the map?"));
            QVERIFY(window->findChild<QWidget*>("inputHelpBox") != nullptr);
        });
        QCOMPARE(result, 1);
    }

    void acceptStoresTheTypedPlacement_data() {
        QTest::addColumn<int>("borderRow");
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("line");
        QTest::newRow("half size, shifted") << 1 << "0.5"
                                            << "1.25"
                                            << "-2.0"
                                            << "    2    0.5000    1.2500   -2.0000\n";
        QTest::newRow("scale 0 becomes full size") << 0 << "0"
                                                   << "1"
                                                   << "1"
                                                   << "    1    1.0000    0.0000    0.0000\n";
        QTest::newRow("near full size drops offsets") << 0 << "0.995"
                                                      << "3.0"
                                                      << "1"
                                                      << "    1    0.9950    0.0000    0.0000\n";
        QTest::newRow("0.99 keeps offsets") << 0 << "0.99"
                                            << "3.0"
                                            << "-4"
                                            << "    1    0.9900    3.0000   -4.0000\n";
        QTest::newRow("0.991 drops offsets") << 0 << "0.991"
                                             << "3.0"
                                             << "-4"
                                             << "    1    0.9910    0.0000    0.0000\n";
    }

    void acceptStoresTheTypedPlacement() {
        QFETCH(int, borderRow);
        QFETCH(QString, scale);
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QString, line);
        Package package;
        run_dialog(package.session, [&](Window* window) {
            window->findChild<QListWidget*>("border")->setCurrentRow(borderRow);
            type_into(window, "scale", qPrintable(scale));
            type_into(window, "xOffset", qPrintable(x));
            type_into(window, "yOffset", qPrintable(y));
            press(window, "PRINTER_SETUP_OK");
            QVERIFY(window->was_closed());
        });
        QCOMPARE(QString::fromStdString(testing::read_file(package.file)), line);
        QCOMPARE(package.session.printer.border, borderRow + 1);
    }

    void cancelLeavesTheFileAndTheRecordAlone() {
        Package package;
        const std::string before = "    2    0.5000    1.0000    1.0000\n";
        testing::write_file(package.file, before);
        run_dialog(package.session, [](Window* window) {
            window->findChild<QListWidget*>("border")->setCurrentRow(0);
            type_into(window, "scale", "0.25");
            press(window, "PRINTER_SETUP_NO");
            QVERIFY(window->was_closed());
        });
        QCOMPARE(testing::read_file(package.file), before);
        QCOMPARE(package.session.printer.border, 2);
        QCOMPARE(package.session.printer.scale, 0.5f);
    }

    void escapeCancelsWhicheverFieldHasTheFocus() {
        for (const char* focused : {"scale", "border"}) {
            Package package;
            run_dialog(package.session, [focused](Window* window) {
                type_into(window, "xOffset", "4.5");
                window->findChild<QListWidget*>("border")->setCurrentRow(1);
                auto* field = window->findChild<QWidget*>(focused);
                field->setFocus();
                QTest::keyClick(field, Qt::Key_Escape);
                QVERIFY2(window->was_closed(), focused);
            });
            // Nothing saved: print_a.ini is not even created, the record keeps its defaults.
            QVERIFY2(!std::filesystem::exists(package.file), focused);
            QCOMPARE(package.session.printer.border, 1);
            QCOMPARE(package.session.printer.xOffset, 0.0f);
        }
    }

    void defaultSavesTheDefaultsWhateverTheFieldsShow() {
        Package package;
        testing::write_file(package.file, "    2    0.5000    1.0000    1.0000\n");
        run_dialog(package.session, [](Window* window) {
            type_into(window, "scale", "0.3");
            type_into(window, "xOffset", "7");
            press(window, "PRINTER_SETUP_DEFAULT");
            QVERIFY(window->was_closed());
        });
        QCOMPARE(testing::read_file(package.file),
                 std::string("    1    1.0000    0.0000    0.0000\n"));
        QCOMPARE(package.session.printer.border, 1);
        QCOMPARE(package.session.printer.scale, 1.0f);
        QCOMPARE(package.session.printer.xOffset, 0.0f);
    }

    void typedValuesStayWithinTheFieldLimits() {
        Package package;
        run_dialog(package.session, [](Window* window) {
            type_into(window, "scale", "2");
            type_into(window, "xOffset", "-11");
            QVERIFY(window->findChild<QLineEdit*>("scale")->text() != "2");
            QVERIFY(window->findChild<QLineEdit*>("xOffset")->text() != "-11");
            press(window, "PRINTER_SETUP_OK");
        });
        const std::string line = testing::read_file(package.file);
        QVERIFY2(line.find("2.0000") == std::string::npos, line.c_str());
        QVERIFY2(line.find("-11.0000") == std::string::npos, line.c_str());
    }
};

}  // namespace qor

QTEST_MAIN(qor::PrinterSetupViewTest)
#include "printer_setup_view_test.moc"
