// The setup dialog on the offscreen platform: opened from its routine, its
// controls found by the fields they are bound to, closed by its buttons, and
// setup.ini compared byte for byte.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "app/settings_files.h"
#include "app/setup_dialog_view.h"
#include "tests/support/modal_driver.h"
#include "tests/support/test_support.h"
#include "toolkit/window_builder.h"

namespace qor {
namespace {

using testing::read_file;
using testing::when_modal;
using testing::write_file;

struct Package {
    testing::TempDir dir;
    testing::RecordingConsole console;
    std::unique_ptr<Session> session = std::make_unique<Session>();

    explicit Package(const std::string& setup_ini = "") {
        testing::make_minimal_package(dir.path());
        testing::use_package(*session, dir / "RUN", console);
        if (!setup_ini.empty()) write_file(dir / "database/setup.ini", setup_ini);
        R_SETUP(session->paths, session->window);
    }
    std::string setup_ini() const { return read_file(dir / "database/setup.ini"); }
};

template <typename T>
T* control(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(name);
    if (found == nullptr) qWarning("no control %s", name);
    return found;
}

void type_into(QSpinBox* box, const char* text) {
    auto* line = box->findChild<QLineEdit*>();
    line->selectAll();
    QTest::keyClicks(line, text);
}

// Saves a picture of the window when QOR_SCREENSHOT_DIR names a folder.
void picture(QWidget* window, const char* name) {
    QByteArray folder = qgetenv("QOR_SCREENSHOT_DIR");
    if (!folder.isEmpty()) window->grab().save(QString(folder) + "/" + name + ".png");
}

}  // namespace

class SetupDialogViewTest : public QObject {
    Q_OBJECT

  private slots:
    void theDialogShowsItsCaptionBackgroundListsAndHelpTexts() {
        Package package("SUBWINDOW GREEN\nSCROLL    040.05Courier Small\n");
        bool seen = false;
        when_modal("SETUPCB", [&seen](QWidget* dialog) {
            seen = true;
            picture(dialog, "setup_dialog");
            QCOMPARE(dialog->windowTitle(), QString("Change SETUP colors and fonts"));
            QCOMPARE(dialog->palette().color(QPalette::Window), QColor(0, 255, 0));
            auto* main = control<QComboBox>(dialog, "MainChoice");
            QStringList colours;
            for (int i = 0; i < main->count(); ++i) colours << main->itemText(i);
            QCOMPARE(colours, (QStringList{"white", "gray", "red", "green", "blue", "yellow"}));
            QCOMPARE(main->currentText(), QString("white"));
            QCOMPARE(control<QComboBox>(dialog, "InputChoice")->currentText(), QString("green"));
            QCOMPARE(control<QComboBox>(dialog, "FontChoice")->currentText(),
                     QString("Courier Small"));
            QCOMPARE(control<QComboBox>(dialog, "FontChoice")->palette().color(QPalette::Base),
                     QColor(255, 255, 255));
            QCOMPARE(control<QSpinBox>(dialog, "ColumnsEntry")->value(), 60);
            QCOMPARE(control<QSpinBox>(dialog, "RowsEntry")->value(), 10);
            QCOMPARE(control<QSpinBox>(dialog, "ColumnsEntry")->maximum(), 160);
            QCOMPARE(control<QSpinBox>(dialog, "RowsEntry")->maximum(), 70);
            QCOMPARE(control<QPushButton>(dialog, "SETUP_DEFAULT")->property("helpText").toString(),
                     QString("Default colors: MAIN(yellow)  INPUT(green)\n"
                             "Scroll: FONT(default)  77wide x 26high"));
            QCOMPARE(control<QSpinBox>(dialog, "RowsEntry")->property("helpText").toString(),
                     QString("Number of  vertical  characters in scroll window (10-70)"));
            QVERIFY(control<QPushButton>(dialog, "SETUP_OK")->isDefault());
            QVERIFY(control<QLabel>(dialog, "inputHelp") != nullptr);
            control<QPushButton>(dialog, "SETUP_NO")->click();
        });
        QCOMPARE(SETUPCB(*package.session, nullptr), 1);
        QVERIFY(seen);
    }

    void acceptStoresTheEditedChoicesAndWritesSetupIni() {
        Package package("MAIN      purple\n");
        when_modal("SETUPCB", [](QWidget* dialog) {
            QCOMPARE(control<QComboBox>(dialog, "MainChoice")->currentText(), QString("yellow"));
            control<QComboBox>(dialog, "InputChoice")->setCurrentIndex(4);
            control<QComboBox>(dialog, "FontChoice")->setCurrentIndex(3);
            type_into(control<QSpinBox>(dialog, "ColumnsEntry"), "45");
            type_into(control<QSpinBox>(dialog, "RowsEntry"), "70");
            control<QPushButton>(dialog, "SETUP_OK")->click();
        });
        QCOMPARE(SETUPCB(*package.session, nullptr), 1);
        QVERIFY(!testing::modal_missed());
        QCOMPARE(
            package.setup_ini(),
            std::string("MAIN      yellow\nSUBWINDOW blue  \nSCROLL    060.70Courier       \n"));
        QCOMPARE(package.session->window.ScrollColumns, 60);
        QCOMPARE(package.session->window.InputColour.view(), std::string_view("blue  "));
    }

    void cancelEscapeAndDefaultIgnoreWhatTheDialogShows() {
        struct Row {
            const char* button;  // "" : Escape typed into the columns box
            std::string file;    // setup.ini afterwards
        };
        const Row rows[] = {
            {"SETUP_NO", "MAIN      WHITE\n"},
            {"", "MAIN      WHITE\n"},
            {"SETUP_DEFAULT",
             "MAIN      yellow\nSUBWINDOW green \nSCROLL    077.26default       \n"}};
        for (const Row& row : rows) {
            Package package("MAIN      WHITE\n");
            bool closed = false;
            when_modal("SETUPCB", [&row, &closed](QWidget* dialog) {
                control<QComboBox>(dialog, "MainChoice")->setCurrentIndex(2);
                auto* columns = control<QSpinBox>(dialog, "ColumnsEntry");
                type_into(columns, "150");
                if (*row.button == '\0') {
                    QTest::keyClick(columns->findChild<QLineEdit*>(), Qt::Key_Escape);
                } else {
                    control<QPushButton>(dialog, row.button)->click();
                }
                closed = !dialog->isVisible();
                if (!closed) static_cast<QDialog*>(dialog)->done(0);
            });
            QCOMPARE(SETUPCB(*package.session, nullptr), 1);
            QVERIFY(!testing::modal_missed());
            QVERIFY2(closed, row.button);
            QCOMPARE(package.setup_ini(), row.file);
            QCOMPARE(package.session->window.ScrollColumns == 150, false);
            QVERIFY(package.session->window.MainColour.view() != std::string_view("red   "));
        }
    }

    void aSetupIniThatCannotBeWrittenIsShownAndTheDialogCloses() {
        Package package;
        std::filesystem::remove_all(package.dir / "database");
        write_file(package.dir / "database", "not a directory\n");
        QString caption;
        when_modal("SETUPCB", [&caption](QWidget* dialog) {
            control<QComboBox>(dialog, "MainChoice")->setCurrentIndex(1);
            when_modal("messageBox", [&caption](QWidget* message) {
                picture(message, "setup_save_failed");
                caption = message->windowTitle();
                control<QPushButton>(message, "messageButton")->click();
            });
            control<QPushButton>(dialog, "SETUP_OK")->click();
        });
        QCOMPARE(SETUPCB(*package.session, nullptr), 1);
        QVERIFY(!testing::modal_missed());
        QCOMPARE(caption, QString("Could not SAVE setup file"));
        QCOMPARE(package.session->window.MainColour.view(), std::string_view("gray  "));
    }
};

}  // namespace qor

QTEST_MAIN(qor::SetupDialogViewTest)
#include "setup_dialog_view_test.moc"
