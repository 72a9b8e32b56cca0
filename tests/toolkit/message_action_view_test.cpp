// A window action's message on the offscreen platform: shown in a modal box
// over the window before the action's flag reaches the window.

#include <QAbstractButton>
#include <QtTest>

#include "tests/support/modal_driver.h"
#include "toolkit/message_action.h"

namespace qor {

class MessageActionTest : public QObject {
    Q_OBJECT

  private slots:
    void theMessageIsShownOverTheParentBeforeTheFlagIsReturned() {
        for (int keep_open : {0, 1}) {
            QWidget parent;
            Message message = button_message("OK");
            message.caption = "Could not SAVE setup file";
            QString caption;
            QWidget* shown_over = nullptr;
            testing::when_modal("messageBox", [&](QWidget* box) {
                caption = box->windowTitle();
                shown_over = box->parentWidget();
                box->findChild<QAbstractButton*>("messageButton")->click();
            });
            int runs = 0;
            const auto callback = showing_message(&parent, [&] {
                ++runs;
                return CallbackResult{keep_open, message};
            });
            QCOMPARE(callback(), keep_open);
            QVERIFY(!testing::modal_missed());
            QCOMPARE(runs, 1);
            QCOMPARE(caption, QString("Could not SAVE setup file"));
            QCOMPARE(shown_over, &parent);
        }
    }

    void withoutAMessageNoBoxIsShown() {
        int boxes = 0;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&boxes] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                ++boxes;
                box->close();
            }
        });
        watcher.start(5);
        const auto callback = showing_message(nullptr, [] { return CallbackResult{0, {}}; });
        QCOMPARE(callback(), 0);
        QTest::qWait(50);
        QCOMPARE(boxes, 0);
    }
};

}  // namespace qor

QTEST_MAIN(qor::MessageActionTest)
#include "message_action_view_test.moc"
