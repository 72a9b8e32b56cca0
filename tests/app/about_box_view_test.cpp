// The About box on the offscreen platform, with and without the site's
// contact file.

#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "app/about_box.h"
#include "app/about_box_view.h"
#include "tests/support/modal_driver.h"
#include "tests/support/test_support.h"

namespace qor {
namespace {

using testing::when_modal;

struct Package {
    testing::TempDir dir;
    testing::RecordingConsole console;
    std::unique_ptr<Session> session = std::make_unique<Session>();

    Package() { testing::use_package(*session, dir / "RUN", console); }
};

QLabel* label_with_text(QWidget* window, const QString& text) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text() == text) return label;
    }
    qWarning("no label '%s'", qPrintable(text));
    return nullptr;
}

QColor colour_of(QLabel* label) {
    return label != nullptr ? label->palette().color(QPalette::WindowText) : QColor();
}

void picture(QWidget* window, const char* name) {
    QByteArray folder = qgetenv("QOR_SCREENSHOT_DIR");
    if (!folder.isEmpty()) window->grab().save(QString(folder) + "/" + name + ".png");
}

}  // namespace

class AboutBoxViewTest : public QObject {
    Q_OBJECT

  private slots:
    void theBoxShowsTheSiteContactsInTheirOwnLayout() {
        Package package;
        testing::write_file(package.dir / "database/contact.txt",
                            "# contacts of this site\n"
                            "%nl%cn%tc[blue]Frequency management office%tc[black]\n"
                            "%nl%cnPhone: %bf+49 30 123456%`bf\n");
        bool seen = false;
        when_modal("ABOUT", [&seen](QWidget* box) {
            seen = true;
            picture(box, "about_box");
            QCOMPARE(box->windowTitle(), QString("About QOR_PLOT"));
            QVERIFY(label_with_text(box, "QOR Area Planning PLOT for Windows") != nullptr);
            QCOMPARE(colour_of(label_with_text(box, "Frequency management office")),
                     QColor(0, 0, 255));
            QLabel* phone = label_with_text(box, "+49 30 123456");
            QVERIFY(phone != nullptr && phone->font().bold());
            QVERIFY(!label_with_text(box, "Phone: ")->font().bold());
            QLabel* heading = label_with_text(box, "Disclaimer:");
            QCOMPARE(colour_of(heading), QColor(255, 0, 0));
            QVERIFY(heading->font().bold());
            QLabel* first = label_with_text(box, QString::fromLatin1(disclaimer_lines()[0]));
            QCOMPARE(colour_of(first), QColor(0, 0, 0));
            QVERIFY(!first->font().bold());
            auto* ok = box->findChild<QPushButton*>("ABOUT_OK");
            QVERIFY(ok->isDefault());
            QCOMPARE(ok->text(), QString("OK"));
            QVERIFY(qAbs(ok->geometry().center().x() - box->rect().center().x()) <= 1);
            ok->click();
        });
        QCOMPARE(ABOUT(*package.session, nullptr), 1);
        QVERIFY(seen);
    }

    void withoutTheContactFileTheNoticeIsRedAndTheCreditLineBlackAndEscapeCloses() {
        Package package;
        bool seen = false;
        bool closed = false;
        when_modal("ABOUT", [&seen, &closed](QWidget* box) {
            seen = true;
            picture(box, "about_box_without_contacts");
            QCOMPARE(colour_of(label_with_text(box, "No contact.txt file, notify Ardo")),
                     QColor(255, 0, 0));
            for (QLabel* label : box->findChildren<QLabel*>()) {
                if (label->text() == QString(32, '*'))
                    QCOMPARE(colour_of(label), QColor(255, 0, 0));
            }
            QString credit = QString::fromLatin1(credit_line().substr(6));
            QCOMPARE(colour_of(label_with_text(box, credit)), QColor(0, 0, 0));
            // A box with only OK: Escape closes it as OK does.
            QTest::keyClick(box, Qt::Key_Escape);
            closed = !box->isVisible();
            if (!closed) box->findChild<QPushButton*>("ABOUT_OK")->click();
        });
        QCOMPARE(ABOUT(*package.session, nullptr), 1);
        QVERIFY(seen);
        QVERIFY(closed);
    }
};

}  // namespace qor

QTEST_MAIN(qor::AboutBoxViewTest)
#include "about_box_view_test.moc"
