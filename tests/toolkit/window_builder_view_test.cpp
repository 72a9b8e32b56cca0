// The window builder on the offscreen platform: windows are built element by
// element, their controls found by objectName, used, and the bound fields
// compared.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>
#include <array>

#include "tests/support/modal_driver.h"
#include "toolkit/format_notation.h"
#include "toolkit/screen_metrics.h"
#include "toolkit/window_builder.h"

namespace qor {
namespace {

QLabel* label_with_text(QWidget* window, const QString& text) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text() == text) return label;
    }
    return nullptr;
}

QColor text_colour(QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

// Shows the window as the user gets it: laid out for the size it is shown at.
// (A hidden window's layout may still hold the places of an earlier size.)
void lay_out(Window* window) {
    window->show_modeless();
    QApplication::processEvents();
}

}  // namespace

class WindowBuilderTest : public QObject {
    Q_OBJECT

  private slots:
    void aBoundStaticTextRepaintsOnlyWhenItsFieldIsUpdated() {
        Text<40> field("first");
        std::string other = "alpha\r\nbeta";
        WindowBuilder builder(nullptr, "bound");
        builder.static_text("summaryText", field, 40)
            .static_text(
                "twoLines", [&other] { return other; }, 20, 2);
        Window* window = builder.window();
        auto* summary = window->findChild<QLabel*>("summaryText");
        auto* lines = window->findChild<QLabel*>("twoLines");
        QVERIFY(summary != nullptr && lines != nullptr);
        QCOMPARE(summary->text(), QString("first") + QString(35, ' '));
        QCOMPARE(lines->text(), QString("alpha\nbeta"));

        field = "second";
        other = "gamma";
        QCOMPARE(window->update("summaryText"), 1);
        QCOMPARE(summary->text().trimmed(), QString("second"));
        QCOMPARE(lines->text(), QString("alpha\nbeta"));  // not asked to repaint
        window->refresh();
        QCOMPARE(lines->text(), QString("gamma"));
        QCOMPARE(window->update("noSuchField"), 0);
    }

    void aCallbackReturningZeroClosesItsWindowAndOneKeepsItOpen() {
        int calls = 0;
        WindowBuilder builder(nullptr, "buttons");
        builder
            .button("&Keep", "KEEP",
                    [&calls] {
                        ++calls;
                        return 1;
                    })
            .button(
                "Close", "CLOSE",
                [&calls] {
                    ++calls;
                    return 0;
                },
                ButtonKind::default_button);
        Window* window = builder.window();
        auto* keep = window->findChild<QPushButton*>("KEEP");
        auto* close = window->findChild<QPushButton*>("CLOSE");
        QVERIFY(keep != nullptr && close != nullptr);
        QVERIFY(close->isDefault());
        QVERIFY(!keep->isDefault() && !keep->autoDefault());
        QCOMPARE(keep->text(), QString("&Keep"));

        testing::when_modal("buttons", [](QWidget* shown) {
            shown->findChild<QPushButton*>("KEEP")->click();
            QVERIFY(shown->isVisible());
            shown->findChild<QPushButton*>("CLOSE")->click();
        });
        builder.run_modal();
        QVERIFY(!testing::modal_missed());
        QCOMPARE(calls, 2);
        QVERIFY(window->was_closed());
    }

    void escapeDoesNotCloseAWindow() {
        WindowBuilder builder(nullptr, "escape");
        builder.text("stays");
        Window* window = builder.show_modeless();
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->was_closed());
        QVERIFY(window->isVisible());
        window->close_window();
        QVERIFY(window->was_closed());
        QVERIFY(!window->isVisible());
    }

    void aDropDownListIsBoundToAOneBasedItemNumber() {
        std::int32_t choice = 3;
        int changes = 0;
        WindowBuilder builder;
        builder.control_background("white")
            .drop_down("MainChoice", {"white", "gray", "red"}, choice,
                       [&changes] {
                           ++changes;
                           return 1;
                       })
            .drop_down("OutOfRange", {"one"}, changes);
        Window* window = builder.window();
        auto* box = window->findChild<QComboBox*>("MainChoice");
        QVERIFY(box != nullptr);
        QCOMPARE(box->currentText(), QString("red"));
        QCOMPARE(box->property("controlBackground").toString(), QString("white"));
        QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 255, 255));
        // Only the control asked for it gets the white background.
        QVERIFY(
            !window->findChild<QComboBox*>("OutOfRange")->property("controlBackground").isValid());
        QCOMPARE(window->findChild<QComboBox*>("OutOfRange")->currentIndex(), -1);

        box->setCurrentIndex(0);
        QCOMPARE(choice, 1);
        QCOMPARE(changes, 1);
        choice = 2;
        window->update("MainChoice");
        QCOMPARE(box->currentText(), QString("gray"));
        QCOMPARE(changes, 1);  // repainting is not a change by the user
    }

    void aListBoxTellsADoubleClickFromAChangeOfHighlight() {
        std::int32_t index = 2;
        std::vector<std::pair<std::int32_t, int>> events;  // (index, item chosen)
        WindowBuilder builder(nullptr, "list");
        builder.list_box(
            "RequirementIndex",
            [] {
                return std::vector<std::string>{"a", "b", "c"};
            },
            index, 5, 20,
            [&] {
                events.emplace_back(index, listbox_item_selected());
                return 1 - listbox_item_selected();
            });
        Window* window = builder.show_modeless();
        auto* list = window->findChild<QListWidget*>("RequirementIndex");
        QVERIFY(list != nullptr);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(list->height() > 5 * QFontMetrics(list->font()).height(), true);

        list->setCurrentRow(2);
        QCOMPARE(index, 3);
        QVERIFY(!window->was_closed());
        emit list->itemActivated(list->item(0));
        QCOMPARE(index, 1);
        QVERIFY(window->was_closed());
        QCOMPARE(listbox_item_selected(), 0);  // only inside the callback
        const std::vector<std::pair<std::int32_t, int>> expected{{3, 0}, {1, 1}};
        QCOMPARE(events, expected);
    }

    void aListBoxGivenTheFocusHighlightsNothingUntilTheUserMoves() {
        std::int32_t index = 0;
        int events = 0;
        WindowBuilder builder(nullptr, "list");
        builder.list_box(
            "lines",
            [] {
                return std::vector<std::string>{"a", "b", "c"};
            },
            index, 3, 10,
            [&events] {
                ++events;
                return 1;
            });
        Window* window = builder.show_modeless();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto* list = window->findChild<QListWidget*>("lines");
        list->setFocus(Qt::TabFocusReason);
        QVERIFY(list->hasFocus());
        QCOMPARE(list->currentRow(), 0);  // the focus frame is on the first line
        QCOMPARE(index, 0);
        QCOMPARE(events, 0);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(index, 2);
        QCOMPARE(events, 1);
        window->close_window();
    }

    void aMultipleSelectionListKeepsOneFlagPerItem() {
        std::array<std::int32_t, 4> flags{0, 1, 0, 0};
        int changes = 0;
        WindowBuilder builder;
        builder.multi_list_box(
            "selected",
            [] {
                return std::vector<std::string>{"p1", "p2", "p3", "p4", "p5"};
            },
            flags, 6, 30,
            [&changes] {
                ++changes;
                return 1;
            });
        auto* list = builder.window()->findChild<QListWidget*>("selected");
        QVERIFY(list != nullptr);
        QCOMPARE(list->selectionMode(), QAbstractItemView::MultiSelection);
        QVERIFY(list->item(1)->isSelected());
        QVERIFY(!list->item(0)->isSelected());

        list->item(3)->setSelected(true);
        list->item(4)->setSelected(true);  // beyond the flags: shown, not bound
        list->item(1)->setSelected(false);
        const std::array<std::int32_t, 4> expected{0, 0, 0, 1};
        QCOMPARE(flags, expected);
        QCOMPARE(changes, 3);
    }

    void entryBoxesRefuseTypedValuesOutsideTheirLimits() {
        std::int32_t columns = 77;
        double scale = 1.0;
        double offset = 0.0;
        WindowBuilder builder;
        builder.integer_box("ColumnsEntry", columns, 0, 160, 3)
            .real_box("scale", scale, 0.0, 1.0)
            .real_box("xOffset", offset, -10.0, 10.0);
        Window* window = builder.window();
        auto* box = window->findChild<QSpinBox*>("ColumnsEntry");
        auto* scale_edit = window->findChild<QLineEdit*>("scale");
        auto* offset_edit = window->findChild<QLineEdit*>("xOffset");
        QVERIFY(box != nullptr && scale_edit != nullptr && offset_edit != nullptr);
        QCOMPARE(box->value(), 77);
        QCOMPARE(scale_edit->text(), QString("1.0"));

        struct Row {
            QLineEdit* edit;
            const char* typed;
            QString shown;
            double* bound;
            double stored;
        };
        const std::array<Row, 5> rows{{{scale_edit, "0.5", "0.5", &scale, 0.5},
                                       {scale_edit, "1.5", "1.", &scale, 1.0},
                                       {scale_edit, "-1", "1", &scale, 1.0},
                                       {offset_edit, "-12", "-1", &offset, -1.0},
                                       {offset_edit, "10.5", "10.", &offset, 10.0}}};
        for (const Row& row : rows) {
            row.edit->clear();
            QTest::keyClicks(row.edit, row.typed);
            QCOMPARE(row.edit->text(), row.shown);
            QCOMPARE(*row.bound, row.stored);
        }

        auto* line = box->findChild<QLineEdit*>();
        line->selectAll();
        QTest::keyClicks(line, "170");
        QCOMPARE(columns, 17);
        line->selectAll();
        QTest::keyClicks(line, "45");
        QCOMPARE(columns, 45);
    }

    void aTextBoxWritesItsFixedWidthFieldBlankPadded() {
        Text<8> title("old");
        WindowBuilder builder;
        builder.text_box("title", title, 8);
        auto* edit = builder.window()->findChild<QLineEdit*>("title");
        QVERIFY(edit != nullptr);
        QCOMPARE(edit->text(), QString("old"));
        QCOMPARE(edit->maxLength(), 8);
        edit->clear();
        QTest::keyClicks(edit, "123456789");
        QCOMPARE(title.view(), std::string_view("12345678"));
        edit->setText("ab");
        QCOMPARE(title.view(), std::string_view("ab      "));
    }

    void aMenuIsGreyedByItsIntegerAndItsItemsRunTheirRoutines() {
        std::int32_t loaded = 0;
        std::vector<std::string> called;
        WindowBuilder builder(nullptr, "menus");
        builder
            .menu("&File", "fileMenu",
                  {{"Open (by file)", "OPENDATA",
                    [&] {
                        called.push_back("open");
                        return 1;
                    }},
                   {"|", "", {}},
                   {"E&xit", "EXIT", [] { return 0; }}})
            .menu("~&Plot to", "plotMenu",
                  {{"&Window", "TOWINDOW",
                    [&] {
                        called.push_back("window");
                        return 1;
                    }}},
                  &loaded)
            .menu_action("&New Group", "NEW_GROUP_CB", {}, false);
        Window* window = builder.show_modeless();
        auto* file = window->findChild<QMenu*>("fileMenu");
        QVERIFY(file != nullptr);
        QStringList texts;
        for (QAction* action : file->actions()) {
            texts << (action->isSeparator() ? QString("|") : action->text());
        }
        QCOMPARE(texts, (QStringList{"Open (by file)", "|", "E&xit"}));
        auto* plot = window->findChild<QMenu*>("plotMenu");
        QVERIFY(!plot->menuAction()->isEnabled());
        loaded = 1;
        window->refresh();
        QVERIFY(plot->menuAction()->isEnabled());
        QVERIFY(!window->findChild<QAction*>("NEW_GROUP_CB")->isEnabled());

        window->findChild<QAction*>("OPENDATA")->trigger();
        window->findChild<QAction*>("TOWINDOW")->trigger();
        QCOMPARE(called, (std::vector<std::string>{"open", "window"}));
        QVERIFY(!window->was_closed());
        window->findChild<QAction*>("EXIT")->trigger();
        QVERIFY(window->was_closed());
    }

    void theHelpAreaShowsTheHelpOfTheControlUnderThePointerInRed() {
        std::int32_t value = 1;
        WindowBuilder builder(nullptr, "help");
        builder.button("Default", "SETUP_DEFAULT", [] { return 1; })
            .help("first line\nsecond line")
            .integer_box("RowsEntry", value, 0, 70)
            .help("Rows")
            .button("Plain", "PLAIN", [] { return 1; })
            .newline(2)
            .help_area();
        Window* window = builder.show_modeless();
        auto* help = window->findChild<QLabel*>("inputHelp");
        QVERIFY(help != nullptr);
        QCOMPARE(text_colour(help), QColor(255, 0, 0));
        QVERIFY(label_with_text(window, "Input Help: ") != nullptr);
        QVERIFY(help->height() >= 2 * QFontMetrics(help->font()).lineSpacing());

        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(window->findChild<QPushButton*>("SETUP_DEFAULT"), &enter);
        QCOMPARE(window->shown_help(), QString("first line\nsecond line"));
        // The edit line inside the entry box carries the box's help too.
        QApplication::sendEvent(window->findChild<QSpinBox*>("RowsEntry")->findChild<QLineEdit*>(),
                                &enter);
        QCOMPARE(window->shown_help(), QString("Rows"));
        QApplication::sendEvent(window->findChild<QPushButton*>("PLAIN"), &enter);
        QCOMPARE(window->shown_help(), QString());
        window->close_window();
    }

    void aMessageBoxShowsItsCaptionColouredLinesAndCentredButton() {
        Message message;
        message.caption = "Could not OPEN file";
        message.background = "red";
        message.exclamation = true;
        message.lines.push_back(MessageLine{false, {{"File=", ""}, {"X.HG1", "red"}}});
        message.lines.push_back(plain_line("second", true));
        message.button = "Bad\nfile";
        bool seen = false;
        testing::when_modal("messageBox", [&seen](QWidget* shown) {
            seen = true;
            QCOMPARE(shown->windowTitle(), QString("Could not OPEN file"));
            QCOMPARE(shown->palette().color(QPalette::Window), QColor(255, 0, 0));
            QVERIFY(shown->findChild<QLabel*>("exclamationIcon") != nullptr);
            QLabel* name = label_with_text(shown, "X.HG1");
            QVERIFY(name != nullptr);
            QCOMPARE(text_colour(name), QColor(255, 0, 0));
            QCOMPARE(text_colour(label_with_text(shown, "File=")), QColor(0, 0, 0));
            auto* button = shown->findChild<QPushButton*>("messageButton");
            QCOMPARE(button->text(), QString("Bad\nfile"));
            QVERIFY(button->isDefault());
            QVERIFY(qAbs(button->geometry().center().x() - shown->rect().center().x()) <= 1);
            QLabel* centred = label_with_text(shown, "second");
            QVERIFY(qAbs(centred->geometry().center().x() - shown->rect().center().x()) <= 1);
            button->click();
        });
        show_message(message, nullptr);
        QVERIFY(seen);
    }

    void tabsMoveToTheNextTabPositionSoShortLabelsShareAColumn() {
        WindowBuilder builder;
        builder.text("  Model/Ver :")
            .tab()
            .text("A")
            .newline()
            .text("  Grid size :")
            .tab()
            .text("B");
        builder.newline().text(std::string(30, 'w')).tab().text("C");
        Window* window = builder.window();
        lay_out(window);
        QLabel* a = label_with_text(window, "A");
        QLabel* b = label_with_text(window, "B");
        QLabel* c = label_with_text(window, "C");
        QLabel* wide = label_with_text(window, QString(30, 'w'));
        QCOMPARE(a->x(), b->x());
        QVERIFY(b->y() > a->y());
        QVERIFY(a->x() > label_with_text(window, "  Model/Ver :")->geometry().right());
        QVERIFY(c->x() > wide->geometry().right());
        // Tab positions are multiples of eight average characters.
        int step = default_tab_width * QFontMetrics(wide->font()).averageCharWidth();
        QCOMPARE((a->x() - wide->x()) % step, 0);
        QCOMPARE((c->x() - wide->x()) % step, 0);
        window->close_window();
    }

    void aWindowWithMenusIsTallEnoughForItsLastLine() {
        for (bool no_border : {false, true}) {
            WindowBuilder builder(nullptr, "tall");
            builder.menu("&File", "fileMenu", {{"E&xit", "EXIT", [] { return 0; }}});
            builder.style(no_border, false);
            builder.text("first").newline(20).text("last").newline(2).help_area().newline(2);
            Window* window = builder.show_modeless();
            QApplication::processEvents();
            QWidget* box = window->findChild<QWidget*>("inputHelpBox");
            QVERIFY(box != nullptr);
            QVERIFY(box->geometry().bottom() < window->height());
            window->close_window();
        }
    }

    void windowsStayResizableWithTheirContentsInPlaceOrFillTheScreen() {
        struct Row {
            bool no_border, maximise;
        };
        for (Row row : {Row{false, false}, Row{true, false}, Row{true, true}}) {
            WindowBuilder builder;
            builder.style(row.no_border, row.maximise).text("content").newline().text("below");
            Window* window = builder.show_modeless();
            QApplication::processEvents();
            QCOMPARE(window->no_border(), row.no_border);
            QCOMPARE(window->windowState().testFlag(Qt::WindowMaximized), row.maximise);
            QVERIFY(window->maximumWidth() > window->minimumWidth());
            QLabel* below = label_with_text(window, "below");
            const QPoint place = below->pos();
            window->resize(window->width() + 200, window->height() + 100);
            QApplication::processEvents();
            QCOMPARE(below->pos(), place);
            window->close_window();
        }
    }

    void aWindowIsAtLeastAsWideAsItsCaptionUpToTheScreen() {
        const std::string caption = "QOR_PLOT - HALDOR Plot Area Coverage data input - SAMPLE_001";
        WindowBuilder builder(nullptr, "narrow");
        builder.caption(caption).text("x").newline().centre().text("middle");
        Window* window = builder.show_modeless();
        QApplication::processEvents();
        const int needed = caption_width(window->windowTitle(), window);
        // The caption measured in any font the title bar may use is narrower.
        QFont bold = window->font();
        bold.setBold(true);
        QVERIFY(needed > QFontMetrics(bold).horizontalAdvance(window->windowTitle()) + 50);
        QVERIFY(window->width() >= needed);
        QVERIFY(window->minimumWidth() >= needed);
        // A centred line is centred in the whole width.
        QLabel* middle = label_with_text(window, "middle");
        QVERIFY(qAbs(middle->geometry().center().x() - window->rect().center().x()) <= 1);
        window->close_window();

        QVERIFY(caption_width(QString(), nullptr) == 0);
        QVERIFY(caption_width("A longer caption", nullptr) > caption_width("A caption", nullptr));
        ScopedScreenMetrics small({640, 16});
        QCOMPARE(caption_width(QString(200, 'W'), nullptr), 640);
    }

    void escapePressesTheCancelButtonOrTheOnlyOkButtonNeverAcceptOrDefault() {
        struct Row {
            const char* name;
            std::vector<std::pair<const char*, ButtonKind>> buttons;
            const char* pressed;  // "" : none, the window stays open
        };
        const Row rows[] = {
            {"dialog",
             {{"SETUP_OK", ButtonKind::default_button},
              {"SETUP_NO", ButtonKind::normal},
              {"SETUP_DEFAULT", ButtonKind::normal}},
             "SETUP_NO"},
            {"cancel by kind",
             {{"LIST_ACCEPT", ButtonKind::default_button},
              {"LIST_BACK", ButtonKind::cancel_button}},
             "LIST_BACK"},
            {"box with only OK", {{"ABOUT_OK", ButtonKind::default_button}}, "ABOUT_OK"},
            {"no cancel",
             {{"X_OK", ButtonKind::default_button}, {"X_DEFAULT", ButtonKind::normal}},
             ""},
            {"only a plain button", {{"X_DEFAULT", ButtonKind::normal}}, ""},
            {"no button", {}, ""},
        };
        for (const Row& row : rows) {
            QStringList pressed;
            WindowBuilder builder(nullptr, row.name);
            for (const auto& [name, kind] : row.buttons) {
                builder.button(
                    name, name,
                    [&pressed, name = QString(name)] {
                        pressed << name;
                        return 0;
                    },
                    kind);
            }
            std::int32_t value = 3;
            builder.newline().integer_box("value", value, 0, 9);
            Window* window = builder.show_modeless();
            QLineEdit* edit = window->findChild<QSpinBox*>("value")->findChild<QLineEdit*>();
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Escape);
            const bool expected = *row.pressed != '\0';
            QCOMPARE(pressed, expected ? QStringList{row.pressed} : QStringList{});
            QVERIFY2(window->was_closed() == expected, row.name);
            if (!window->was_closed()) window->close_window();
        }
    }

    void colourNamesAndFontsMapToWhatTheWindowsDraw() {
        struct Row {
            const char* name;
            QColor colour;
        };
        const std::array<Row, 6> rows{{{"white", QColor(255, 255, 255)},
                                       {"YELLOW", QColor(255, 255, 0)},
                                       {"Red", QColor(255, 0, 0)},
                                       {"gray  ", QColor(192, 192, 192)},
                                       {"purple", QColor(128, 0, 128)},
                                       {"x", QColor()}}};
        for (const Row& row : rows) QCOMPARE(colour_by_name(row.name), row.colour);
        QCOMPARE(font_family("Courier New"), QString("Liberation Mono"));
        QCOMPARE(font_family("Courier"), QString("Liberation Mono"));
        QCOMPARE(font_family("Arial"), QString("Arial"));

        WindowBuilder builder;
        builder.background("x");
        QVERIFY(!builder.window()->property("background").isValid());
        builder.background("YELLOW");
        QCOMPARE(builder.window()->palette().color(QPalette::Window), QColor(255, 255, 0));
    }

    void fontsAndSizeFactorsApplyToWhatFollowsUntilTheStandardFont() {
        WindowBuilder builder;
        builder.text("plain")
            .font("Courier New")
            .text_size(2.0)
            .text("big")
            .bold(true)
            .text("bold");
        builder.standard_font().text("back");
        Window* window = builder.window();
        QFont plain = label_with_text(window, "plain")->font();
        QFont big = label_with_text(window, "big")->font();
        QCOMPARE(big.family(), QString("Liberation Mono"));
        QCOMPARE(big.pointSizeF(), plain.pointSizeF() * 2.0);
        QVERIFY(!big.bold());
        QVERIFY(label_with_text(window, "bold")->font().bold());
        QFont back = label_with_text(window, "back")->font();
        QCOMPARE(back.family(), plain.family());
        QCOMPARE(back.pointSizeF(), plain.pointSizeF());
        QVERIFY(back.bold());  // boldness is kept by the standard font
    }

    void theFormatNotationRendersItsCodesAndShowsUnknownOnesAsText() {
        WindowBuilder builder;
        render_format(builder, "%nl%cn%tc[RED]Contact:%tc[black] %bfName%`bf x%zz%tcy%ta%sfEnd");
        builder.newline().text(std::string(80, 'w'));
        Window* window = builder.window();
        lay_out(window);
        QLabel* contact = label_with_text(window, "Contact:");
        QVERIFY(contact != nullptr);
        QCOMPARE(text_colour(contact), QColor(255, 0, 0));
        QLabel* name = label_with_text(window, "Name");
        QVERIFY(name != nullptr && name->font().bold());
        QCOMPARE(text_colour(name), QColor(0, 0, 0));
        QLabel* unknown = label_with_text(window, " x%zz%tcy");
        QVERIFY(unknown != nullptr);
        QVERIFY(!unknown->font().bold());
        QLabel* end = label_with_text(window, "End");
        QVERIFY(end != nullptr);
        QVERIFY(end->x() > unknown->geometry().right());
        // The line was centred: the same space on both sides of its texts.
        int left = contact->x();
        int right = window->width() - end->geometry().right() - 1;
        QVERIFY(qAbs(left - right) <= 2);
        window->close_window();
    }

    void screenMetricsCanBeSetByATestAndFeedTheLargeTextTest() {
        struct Row {
            int scroll;
            int large;
        };
        for (Row row : {Row{16, 0}, Row{20, 0}, Row{21, 1}}) {
            ScopedScreenMetrics metrics({800, row.scroll});
            QCOMPARE(screen_width(), 800);
            QCOMPARE(ITEXTSIZ(), row.large);
        }
        ScreenMetrics real = screen_metrics();
        {
            ScopedScreenMetrics outer({640, 30});
            { ScopedScreenMetrics inner({1024, 16}); }
            QCOMPARE(screen_width(), 640);
        }
        QCOMPARE(screen_width(), real.screenWidth);
        QVERIFY(real.screenWidth > 0 && real.scrollBarWidth > 0);
    }
};

}  // namespace qor

QTEST_MAIN(qor::WindowBuilderTest)
#include "window_builder_view_test.moc"
