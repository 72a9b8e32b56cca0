// The catalog windows on the offscreen platform: the sample package's catalog
// created, opened, sorted and chosen from through the main window's menus, the
// lists clicked, double-clicked and answered with Enter as a user does, and
// the files and the current grid file compared afterwards.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <array>
#include <deque>
#include <filesystem>
#include <functional>

#include "app/main_window_view.h"
#include "base/fixed_record.h"
#include "catalog/catalog_creation.h"
#include "catalog/catalog_file.h"
#include "catalog/catalog_windows_view.h"
#include "catalog/grid_list.h"
#include "catalog/open_by_catalog.h"
#include "sample/sample_package.h"
#include "tests/support/test_support.h"
#include "toolkit/screen_metrics.h"
#include "toolkit/window_builder.h"

namespace qor {
namespace {

using testing::RecordingConsole;
using testing::TempDir;

// ------------------------------------------------------------------ the user --

// The user's part of a test: steps that each wait for a modal window (by
// objectName) and act on it. A step never acts twice on the same window, so a
// window closed by one step and opened again (after a sort) is awaited anew.
// A window that does not come, or one that comes when no step is left, or is
// left open by the last step, is recorded and closed, so that a failing test
// ends instead of waiting for ever.
class User : public QObject {
  public:
    using Act = std::function<void(QWidget*)>;

    User& then(const QString& window, Act act) {
        steps_.push_back({window, std::move(act)});
        return *this;
    }
    void start() { poll_later(); }
    /// Stops watching; true when every step was done and no other window came.
    bool finish() {
        stopped_ = true;
        return steps_.empty() && problems_.isEmpty();
    }
    /// What went wrong: the windows missed, unexpected or left open.
    QString problems() const {
        QStringList all = problems_;
        for (const Step& step : steps_) all << "not yet: " + step.window;
        return all.join(", ");
    }

  private:
    struct Step {
        QString window;
        Act act;
    };

    void poll_later() {
        if (!stopped_) QTimer::singleShot(10, this, [this] { poll(); });
    }

    void poll() {
        if (stopped_) return;
        QWidget* shown = QApplication::activeModalWidget();
        if (shown != nullptr && !shown->isVisible()) shown = nullptr;
        if (steps_.empty()) {
            // Give the last window a second to close as its step made it.
            if (shown != nullptr && (shown != last_ || ++polls_ > 100)) {
                problems_ << (shown == last_ ? "left open: " : "unexpected: ") +
                                 shown->objectName();
                close(shown);
            }
            poll_later();
            return;
        }
        if (shown != nullptr && shown != last_ && shown->objectName() == steps_.front().window) {
            Step step = std::move(steps_.front());
            steps_.pop_front();
            last_ = shown;
            polls_ = 0;
            poll_later();  // the act may open a modal window and wait in it
            step.act(shown);
            return;
        }
        if (++polls_ > 3000) {
            for (const Step& step : steps_) problems_ << "missed: " + step.window;
            steps_.clear();
            if (shown != nullptr) close(shown);
        }
        poll_later();
    }

    static void close(QWidget* window) {
        if (auto* dialog = qobject_cast<QDialog*>(window)) dialog->done(0);
    }

    std::deque<Step> steps_;
    QPointer<QWidget> last_;
    int polls_ = 0;
    bool stopped_ = false;
    QStringList problems_;
};

QListWidget* list_of(QWidget* window, const char* name) {
    auto* list = window->findChild<QListWidget*>(name);
    if (list == nullptr) qWarning("no list %s in %s", name, qPrintable(window->objectName()));
    return list;
}

QStringList items_of(QListWidget* list) {
    QStringList items;
    for (int row = 0; list != nullptr && row < list->count(); ++row)
        items << list->item(row)->text();
    return items;
}

int row_starting(QListWidget* list, const QString& start) {
    const QStringList items = items_of(list);
    for (int row = 0; row < items.size(); ++row)
        if (items[row].startsWith(start)) return row;
    return -1;
}

QPoint centre_of(QListWidget* list, int row) {
    return list->visualItemRect(list->item(row)).center();
}

void click_line(QWidget* window, const char* name, int row) {
    QListWidget* list = list_of(window, name);
    if (list == nullptr || list->item(row) == nullptr) return;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre_of(list, row));
}

void double_click_line(QWidget* window, const char* name, int row) {
    QListWidget* list = list_of(window, name);
    if (list == nullptr || list->item(row) == nullptr) return;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre_of(list, row));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre_of(list, row));
}

void trigger(QWidget* window, const char* name) {
    auto* action = window->findChild<QAction*>(name);
    if (action == nullptr) {
        qWarning("no action %s in %s", name, qPrintable(window->objectName()));
        return;
    }
    action->trigger();
}

void press_button(QWidget* window) {
    if (auto* button = window->findChild<QAbstractButton*>("messageButton")) button->click();
}

QStringList label_texts(QWidget* window) {
    QStringList texts;
    for (QLabel* label : window->findChildren<QLabel*>()) texts << label->text();
    return texts;
}

QString joined_labels(QWidget* window) {
    return label_texts(window).join("");
}

// The text after "Sorted by: ".
QString sort_name_shown(QWidget* window) {
    const QStringList texts = label_texts(window);
    const qsizetype at = texts.indexOf("Sorted by: ");
    return at >= 0 && at + 1 < texts.size() ? texts[at + 1] : QString("(none)");
}

bool is_open(const QPointer<QWidget>& window) {
    return window != nullptr && window->isVisible();
}

// ------------------------------------------------------------------ packages --

// Creating a catalog without windows, for tests about the windows that read it.
class NoWindows : public CatalogWindows {
  public:
    int screen_width() const override { return 1024; }
    bool large_text() const override { return false; }
    void show_message(const Message& message) override { messages.push_back(message); }
    void run_requirement_window(RequirementWindow&) override {}
    void run_grid_window(GridWindow&) override {}
    void open_progress(const CatalogProgress&) override {}
    void update_progress(const CatalogProgress&) override {}
    void close_progress() override {}
    std::vector<Message> messages;
};

struct Package {
    TempDir dir;
    RecordingConsole console;
    Session session;

    Package() {
        const std::string error = sample::write_sample_package(dir.path());
        if (!error.empty()) qWarning("%s", error.c_str());
        testing::use_package(session, dir / "RUN", console);
        INITVAR(session.projections);
        session.paths.Model = "HALDOR";
        session.paths.SubDir = "SAMPLE_001";
    }

    std::string data(const std::string& name) const {
        return dir / ("AREADATA/SAMPLE_001/" + name);
    }
    std::string catalog() const { return data("HALDOR.TXT"); }
    std::string catalog_path() const { return qor::catalog_path(session.paths); }

    void create_catalog() {
        NoWindows windows;
        CREATECB(session.paths, windows);
        if (windows.messages.empty() || windows.messages.back().background != "green")
            qWarning("the catalog was not created");
    }
    // Line 1 of the catalog, trailing blanks and all.
    QString first_line() const {
        return QString::fromStdString(testing::read_file(catalog())).section('\n', 0, 0);
    }
    // The catalog's entry lines in file order.
    QStringList entry_lines() const {
        const QStringList lines = QString::fromStdString(testing::read_file(catalog())).split('\n');
        return lines.mid(2, lines.size() - 3);
    }
    // The entry line of a requirement file.
    std::string entry_of(const QString& requirement) const {
        for (const QString& line : entry_lines())
            if (line.startsWith(requirement)) return line.toStdString();
        return {};
    }

    int screen() {
        return SCREEN(session, Text<6>("HALDOR"), Text<8>("AREADATA"), session.paths.SubDir);
    }
    int open_by_catalog() {
        QtCatalogWindows windows(nullptr);
        return OPCAT_CB(session.paths, session.catalog, windows);
    }
    int new_group() {
        QtCatalogWindows windows(nullptr);
        return NEW_GROUP_CB(session.paths, session.catalog, windows);
    }
};

// The catalog's entry lines as the list shows them, in the order of names.
QStringList in_order(const Package& package, const std::vector<const char*>& names) {
    QStringList lines;
    for (const char* name : names) lines << QString::fromStdString(package.entry_of(name));
    return lines;
}

// The rows of a list that are shown whole.
int rows_shown(QListWidget* list) {
    const int row = list->visualItemRect(list->item(0)).height();
    return row > 0 ? list->viewport()->height() / row : 0;
}

// Paint events of the progress window's percentage, as the user saw them.
class PaintRecorder : public QObject {
  public:
    PaintRecorder() { qApp->installEventFilter(this); }
    ~PaintRecorder() override { qApp->removeEventFilter(this); }
    QStringList percentages;
    QStringList counts;
    QString caption;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            if (auto* label = qobject_cast<QLabel*>(watched)) {
                if (label->objectName() == "CatalogProgress.percentage") {
                    percentages << label->text();
                    caption = label->window()->windowTitle();
                } else if (label->objectName() == "CatalogProgress.count") {
                    counts << label->text();
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

QStringList without_repeats(const QStringList& texts) {
    QStringList shown;
    for (const QString& text : texts)
        if (shown.isEmpty() || shown.back() != text) shown << text;
    return shown;
}

}  // namespace

class CatalogWindowsViewTest : public QObject {
    Q_OBJECT

  private slots:
    // The road of a user on the sample package: create the catalog, open it,
    // sort it four ways, pick SAMPLE02 and its hour 2, see the main window
    // rebuilt on it, and have New Group offer SAMPLE02's hours again.
    void aUserCreatesOpensSortsAndChoosesThroughTheMainWindow() {
        Package package;
        const QString path = QString::fromStdString(package.catalog_path());
        QStringList sortsShown;
        QStringList gridLines;
        User user;
        user.then("SCREEN", [](QWidget* window) { trigger(window, "CREATECB"); })
            .then("messageBox",
                  [&path](QWidget* box) {
                      QCOMPARE(box->windowTitle(),
                               QString("Catalog file created with    3 HALDOR grid files"));
                      QCOMPARE(box->property("background").toString(), QString("green"));
                      QVERIFY(label_texts(box).contains("Catalog file=" + path + " created."));
                      press_button(box);
                  })
            .then("SCREEN", [](QWidget* window) { trigger(window, "OPCAT_CB"); });
        // Each sort closes the window and opens it again in the new order.
        struct Sort {
            const char* routine;
            std::string name;
            std::vector<const char*> order;
        };
        const std::vector<Sort> sorts = {
            {"SORT_FTL", "Frequency/Time/Location", {"SAMPLE02", "SAMPLE03", "SAMPLE01"}},
            {"SORT_LFT", "Location/Frequency/Time", {"SAMPLE02", "SAMPLE01", "SAMPLE03"}},
            {"SORT_LTF", "Location/Time/Frequency", {"SAMPLE02", "SAMPLE01", "SAMPLE03"}},
            // The key is the name's first five characters, the same in every
            // line: the lines come in the order the heap sort leaves equal keys.
            {"SORT_R", "Requirement Number", {"SAMPLE01", "SAMPLE03", "SAMPLE02"}}};
        for (const Sort& sort : sorts) {
            user.then("OPCAT_CB", [&package, &sortsShown, sort](QWidget* window) {
                sortsShown << sort_name_shown(window);
                QCOMPARE(items_of(list_of(window, "REQ_DOUBLE_CLICK")), package.entry_lines());
                click_line(window, "REQ_DOUBLE_CLICK", 2);  // forgotten by the sort
                trigger(window, sort.routine);
                QCOMPARE(package.entry_lines(), in_order(package, sort.order));
                QCOMPARE(package.first_line(),
                         QString::fromStdString("    3" + std::string(catalog_count_literal) +
                                                padded(sort.name, 24)));
            });
        }
        user.then("OPCAT_CB",
                  [&](QWidget* window) {
                      sortsShown << sort_name_shown(window);
                      QListWidget* list = list_of(window, "REQ_DOUBLE_CLICK");
                      QVERIFY(list->selectedItems().isEmpty());
                      QCOMPARE(package.session.catalog.RequirementIndex, 0);
                      const int sample02 = row_starting(list, "SAMPLE02");
                      double_click_line(window, "REQ_DOUBLE_CLICK", sample02);
                  })
            .then(grid_window_name,
                  [&](QWidget* window) {
                      gridLines = items_of(list_of(window, "GRID_DOUBLE_CLICK"));
                      double_click_line(window, "GRID_DOUBLE_CLICK", 1);
                  })
            .start();
        const int rebuilt = package.screen();
        QVERIFY2(user.finish(), qPrintable(user.problems()));
        QCOMPARE(rebuilt, 1);
        QCOMPARE(sortsShown, QStringList({"Requirement Number", "Frequency/Time/Location",
                                          "Location/Frequency/Time", "Location/Time/Frequency",
                                          "Requirement Number"}));
        QCOMPARE(gridLines.size(), 4);
        QVERIFY(gridLines[2].startsWith("SAMPLE02.HG3=(file not calculated)"));
        QCOMPARE(package.session.paths.FileName, Text<30>("SAMPLE_001\\SAMPLE02.HG2"));

        // The main window is rebuilt on the chosen file; New Group offers the
        // same requirement's hours again.
        QStringList offeredAgain;
        User again;
        again
            .then("SCREEN",
                  [](QWidget* window) {
                      QCOMPARE(window->windowTitle(),
                               QString(" Plot results for:..\\AREADATA\\SAMPLE_001\\SAMPLE02.HG2"));
                      trigger(window, "NEW_GROUP_CB");
                  })
            .then(grid_window_name,
                  [&offeredAgain](QWidget* window) {
                      offeredAgain = items_of(list_of(window, "GRID_DOUBLE_CLICK"));
                      trigger(window, "EXIT");
                  })
            .then("SCREEN", [](QWidget* window) { trigger(window, "EXIT"); })
            .start();
        QCOMPARE(package.screen(), 0);
        QVERIFY2(again.finish(), qPrintable(again.problems()));
        QCOMPARE(offeredAgain, gridLines);
    }

    void theRequirementWindowShowsTheCatalogUnderItsHeadings() {
        Package package;
        package.create_catalog();
        QString caption, header, sortColour;
        QStringList items;
        QStringList menu;
        User user;
        user.then("OPCAT_CB",
                  [&](QWidget* window) {
                      caption = window->windowTitle();
                      for (QLabel* label : window->findChildren<QLabel*>()) {
                          if (label->text() == "Requirement Number")
                              sortColour = label->palette().color(QPalette::WindowText).name();
                      }
                      header = label_texts(window).filter("SEA Req#").value(0);
                      items = items_of(list_of(window, "REQ_DOUBLE_CLICK"));
                      for (const char* name : {"EXIT", "REQ_SELECTED", "SortMenu", "SORT_R",
                                               "SORT_FTL", "SORT_LFT", "SORT_LTF"}) {
                          auto* action = window->findChild<QAction*>(name);
                          menu << (action != nullptr ? action->text() : QString("(none)"));
                      }
                      QVERIFY(label_texts(window).contains("Sorted by: "));
                      trigger(window, "EXIT");
                  })
            .start();
        QCOMPARE(package.open_by_catalog(), 1);
        QVERIFY2(user.finish(), qPrintable(user.problems()));
        QCOMPARE(caption,
                 "Select requirement from:" + QString::fromStdString(package.catalog_path()) +
                     "    3 requirements found");
        QCOMPARE(sortColour, QString("#ff0000"));
        QCOMPARE(header, QString::fromStdString(padded(std::string(catalog_heading), 94)));
        QCOMPARE(items, package.entry_lines());
        QCOMPARE(menu, QStringList({"&Exit", "&Accept", "&Sort by:", "Requirement Number",
                                    "Frequency/Time/Location", "Location/Frequency/Time",
                                    "Location/Time/Frequency"}));
    }

    // A double click, Enter on the highlighted line, or a click and Accept,
    // take the line; a click alone only highlights it; Exit, or Accept with
    // nothing highlighted, takes nothing.
    void onlyAChoiceOfALineAcceptsIt_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("double click") << "double click" << true;
        QTest::newRow("Enter") << "Enter" << true;
        QTest::newRow("click, Accept") << "click, Accept" << true;
        QTest::newRow("click, Exit") << "click, Exit" << false;
        QTest::newRow("Accept alone") << "Accept" << false;
        QTest::newRow("Exit alone") << "Exit" << false;
    }

    void onlyAChoiceOfALineAcceptsIt() {
        QFETCH(QString, how);
        QFETCH(bool, accepted);
        Package package;
        package.create_catalog();
        bool openAfterClick = false;
        bool gridWindowShown = false;
        User user;
        user.then("OPCAT_CB", [&](QWidget* window) {
            QPointer<QWidget> guard(window);
            QListWidget* list = list_of(window, "REQ_DOUBLE_CLICK");
            // The list has the focus as after Tab: that alone highlights nothing.
            list->setFocus(Qt::TabFocusReason);
            if (how.startsWith("click")) {
                click_line(window, "REQ_DOUBLE_CLICK", 0);
                openAfterClick = is_open(guard);
            }
            if (how == "double click") double_click_line(window, "REQ_DOUBLE_CLICK", 0);
            if (how == "Enter") {
                QTest::keyClick(list, Qt::Key_Home);
                openAfterClick = is_open(guard);
                QTest::keyClick(list, Qt::Key_Return);
            }
            if (how.endsWith("Accept")) trigger(window, "REQ_SELECTED");
            if (how.endsWith("Exit")) trigger(window, "EXIT");
        });
        if (accepted) {
            // SAMPLE01 has three grid files: its grid-file window comes next.
            user.then(grid_window_name, [&](QWidget* window) {
                gridWindowShown = true;
                trigger(window, "EXIT");
            });
        }
        user.start();
        QCOMPARE(package.open_by_catalog(), 1);
        QVERIFY2(user.finish(), qPrintable(user.problems()));
        if (how.startsWith("click") || how == "Enter") QVERIFY(openAfterClick);
        QCOMPARE(gridWindowShown, accepted);
        QCOMPARE(package.session.catalog.SelectedLine.str(),
                 accepted ? package.entry_of("SAMPLE01") : padded("", 94));
        QVERIFY(package.session.paths.FileName.blank());
    }

    // In the grid-file window the same gestures choose a grid file, which
    // becomes the current file; an hour whose file was not calculated gives
    // the red box and changes nothing.
    void theGridFileWindowMakesTheChosenFileCurrent_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("double click on hour 2")
            << "double click" << 1 << "SAMPLE_001\\SAMPLE02.HG2";
        QTest::newRow("Enter on hour 4") << "Enter" << 3 << "SAMPLE_001\\SAMPLE02.HG4";
        QTest::newRow("click on hour 1, Accept")
            << "click, Accept" << 0 << "SAMPLE_001\\SAMPLE02.HG1";
        QTest::newRow("click on hour 1, Exit") << "click, Exit" << 0 << "";
        QTest::newRow("hour 3, not calculated") << "click, Accept" << 2 << "";
    }

    void theGridFileWindowMakesTheChosenFileCurrent() {
        QFETCH(QString, how);
        QFETCH(int, row);
        QFETCH(QString, chosen);
        Package package;
        package.create_catalog();
        package.session.catalog.Header = catalog_heading;
        package.session.catalog.SelectedLine = package.entry_of("SAMPLE02");
        QString boxCaption, boxButton, boxBackground;
        QStringList texts;
        User user;
        user.then(grid_window_name, [&](QWidget* window) {
            QCOMPARE(window->windowTitle(), QString("Select grid file to plot"));
            texts = label_texts(window);
            QListWidget* list = list_of(window, "GRID_DOUBLE_CLICK");
            QVERIFY(list->selectedItems().isEmpty());
            if (how == "double click") double_click_line(window, "GRID_DOUBLE_CLICK", row);
            if (how.startsWith("click")) click_line(window, "GRID_DOUBLE_CLICK", row);
            if (how == "Enter") {
                list->setFocus(Qt::TabFocusReason);
                list->setCurrentRow(row);
                QTest::keyClick(list, Qt::Key_Enter);
            }
            if (how.endsWith("Accept")) trigger(window, "GRID_SELECTED");
            if (how.endsWith("Exit")) trigger(window, "EXIT");
        });
        if (row == 2) {
            user.then("messageBox", [&](QWidget* box) {
                boxCaption = box->windowTitle();
                boxButton = box->findChild<QAbstractButton*>("messageButton")->text();
                boxBackground = box->property("background").toString();
                press_button(box);
            });
        }
        user.start();
        QCOMPARE(package.new_group(), chosen.isEmpty() ? 1 : 0);
        QVERIFY2(user.finish(), qPrintable(user.problems()));
        QCOMPARE(package.session.paths.FileName.str(), padded(chosen.toStdString(), 30));
        QCOMPARE(package.session.paths.NewFileChosen, chosen.isEmpty() ? 0 : 1);
        for (const QString& expected :
             {QString::fromStdString(padded(std::string(catalog_heading), 94)),
              QString::fromStdString(package.entry_of("SAMPLE02")),
              QString("Filename    =Plot Title")}) {
            QVERIFY2(texts.contains(expected), qPrintable(expected));
        }
        if (row == 2) {
            QCOMPARE(boxCaption, QString("Grid file has not been calculated"));
            QCOMPARE(boxButton, QString("File=SAMPLE_001\\SAMPLE02.HG3"));
            QCOMPARE(boxBackground, QString("red"));
        }
    }

    // SAMPLE03 has one grid file: through the catalog it is taken without a
    // grid-file window and the main window is rebuilt on it at once; New Group
    // then shows the window with that one line.
    void aRequirementWithOneGridFileIsOpenedAtOnce() {
        Package package;
        package.create_catalog();
        User user;
        user.then("SCREEN", [](QWidget* window) { trigger(window, "OPCAT_CB"); })
            .then("OPCAT_CB",
                  [](QWidget* window) { double_click_line(window, "REQ_DOUBLE_CLICK", 2); })
            .start();
        QCOMPARE(package.screen(), 1);
        QVERIFY2(user.finish(), qPrintable(user.problems()));
        QCOMPARE(package.session.paths.FileName, Text<30>("SAMPLE_001\\SAMPLE03.HG1"));

        QStringList offered;
        User again;
        again.then(grid_window_name, [&offered](QWidget* window) {
            offered = items_of(list_of(window, "GRID_DOUBLE_CLICK"));
            trigger(window, "EXIT");
        });
        again.start();
        QCOMPARE(package.new_group(), 1);
        QVERIFY2(again.finish(), qPrintable(again.problems()));
        QCOMPARE(offered.size(), 1);
        QVERIFY(offered[0].startsWith("SAMPLE03.HG1=SAMPLE03  11.85 MHz KAV"));
        QCOMPARE(package.session.paths.NewFileChosen, 0);
    }

    void newGroupBeforeAnyCatalogUseSaysSoAndKeepsTheMainWindow() {
        Package package;
        QString caption, background;
        bool mainStillOpen = false;
        User user;
        user.then("SCREEN", [](QWidget* window) { trigger(window, "NEW_GROUP_CB"); })
            .then("messageBox",
                  [&](QWidget* box) {
                      caption = box->windowTitle();
                      background = box->property("background").toString();
                      press_button(box);
                  })
            .then("SCREEN",
                  [&mainStillOpen](QWidget* window) {
                      mainStillOpen = true;
                      trigger(window, "EXIT");
                  })
            .start();
        QCOMPARE(package.screen(), 0);
        QVERIFY2(user.finish(), qPrintable(user.problems()));
        QCOMPARE(caption, QString("No initial grid file has been selected"));
        QCOMPARE(background, QString("red"));
        QVERIFY(mainStillOpen);
    }

    void anEmptyCatalogShowsAnEmptyListAndChoosesNothing() {
        Package package;
        testing::write_file(package.catalog(), "    0" + std::string(catalog_count_literal) +
                                                   "Requirement Number\n" +
                                                   std::string(catalog_heading) + "\n");
        int lines = -1;
        QString caption;
        User user;
        user.then("OPCAT_CB", [&](QWidget* window) {
            caption = window->windowTitle();
            lines = list_of(window, "REQ_DOUBLE_CLICK")->count();
            trigger(window, "REQ_SELECTED");
        });
        user.start();
        QCOMPARE(package.open_by_catalog(), 1);
        QVERIFY2(user.finish(), qPrintable(user.problems()));
        QCOMPARE(lines, 0);
        QVERIFY(caption.endsWith("    0 requirements found"));
        QVERIFY(package.session.catalog.SelectedLine.blank());
    }

    // A catalog that is missing or is no catalog: a red box whose button names
    // the file, and nothing else happens.
    void aCatalogThatCannotBeReadGivesARedBoxNamingIt_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("caption");
        QTest::newRow("missing") << QString() << "catalog file OPEN ERROR";
        QTest::newRow("not a catalog") << "HALDOR Version 4.02\ntitle\n"
                                       << "catalog file READ ERROR";
        QTest::newRow("fewer lines than announced")
            << "    4 Requirement files found.  Sorted by:Requirement Number\nheading\nline\n"
            << "catalog file READ ERROR";
    }

    void aCatalogThatCannotBeReadGivesARedBoxNamingIt() {
        QFETCH(QString, content);
        QFETCH(QString, caption);
        Package package;
        if (!content.isEmpty()) testing::write_file(package.catalog(), content.toStdString());
        QString shownCaption, button, background;
        User user;
        user.then("messageBox", [&](QWidget* box) {
            shownCaption = box->windowTitle();
            button = box->findChild<QAbstractButton*>("messageButton")->text();
            background = box->property("background").toString();
            press_button(box);
        });
        user.start();
        QCOMPARE(package.open_by_catalog(), 1);
        QVERIFY2(user.finish(), qPrintable(user.problems()));
        QCOMPARE(shownCaption, caption);
        QCOMPARE(button, "File:" + QString::fromStdString(package.catalog_path()));
        QCOMPARE(background, QString("red"));
        QCOMPARE(package.session.paths.NewFileChosen, 0);
    }

    // A catalog that cannot be written (its sub-directory is missing, or a
    // directory stands in its place) gives the CREATE box, and no progress
    // window is left standing.
    void aCatalogThatCannotBeWrittenGivesTheCreateBox_data() {
        QTest::addColumn<QString>("subDirectory");
        QTest::addColumn<bool>("directoryInTheWay");
        QTest::newRow("missing sub-directory") << "NOSUCH_SUB" << false;
        QTest::newRow("a directory named like the catalog") << "SAMPLE_001" << true;
    }

    void aCatalogThatCannotBeWrittenGivesTheCreateBox() {
        QFETCH(QString, subDirectory);
        QFETCH(bool, directoryInTheWay);
        Package package;
        package.session.paths.SubDir = subDirectory.toStdString();
        if (directoryInTheWay) std::filesystem::create_directories(package.catalog());
        QString caption, text;
        bool progressStanding = true;
        User user;
        user.then("messageBox", [&](QWidget* box) {
            caption = box->windowTitle();
            text = joined_labels(box);
            progressStanding = false;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->objectName() == progress_window_name && top->isVisible())
                    progressStanding = true;
            press_button(box);
        });
        user.start();
        QtCatalogWindows windows(nullptr);
        QCOMPARE(CREATECB(package.session.paths, windows), 1);
        QVERIFY2(user.finish(), qPrintable(user.problems()));
        QCOMPARE(caption, QString("Could not CREATE catalog file"));
        QVERIFY2(text.startsWith("Could not CREATE catalog file=" +
                                 QString::fromStdString(package.catalog_path()) +
                                 "Possible problem is: Files have not been created in QOR_PLAN."),
                 qPrintable(text));
        QVERIFY(!progressStanding);
    }

    // The list shows the whole catalog below 30 lines; longer ones scroll in
    // 20 lines on screens up to 800 pixels and 30 on wider ones. Large text on
    // an 800-pixel screen makes the text 0.9 times as large.
    void theRequirementListIsAsTallAsTheScreenAllows_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("scrollBar");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("smaller");
        QTest::newRow("5 lines, 1024") << 5 << 1024 << 16 << 5 << false;
        QTest::newRow("25 lines, 800") << 25 << 800 << 16 << 25 << false;
        QTest::newRow("25 lines, 1024") << 25 << 1024 << 16 << 25 << false;
        QTest::newRow("45 lines, 800") << 45 << 800 << 16 << 20 << false;
        QTest::newRow("45 lines, 800, large text") << 45 << 800 << 24 << 20 << true;
        QTest::newRow("45 lines, 1024") << 45 << 1024 << 24 << 30 << false;
    }

    void theRequirementListIsAsTallAsTheScreenAllows() {
        QFETCH(int, count);
        QFETCH(int, width);
        QFETCH(int, scrollBar);
        QFETCH(int, rows);
        QFETCH(bool, smaller);
        ScopedScreenMetrics metrics({width, scrollBar});
        Package package;
        std::string text = RecordWriter().integer(count, 5).str() +
                           std::string(catalog_count_literal) + "Requirement Number\n" +
                           std::string(catalog_heading) + "\n";
        for (int i = 1; i <= count; ++i)
            text += RecordWriter().literal("R").integer(i, 4, 4).literal(".HAL").str() + "\n";
        testing::write_file(package.catalog(), text);
        int shown = 0, lines = 0;
        double factor = 0;
        User user;
        user.then("OPCAT_CB", [&](QWidget* window) {
            QListWidget* list = list_of(window, "REQ_DOUBLE_CLICK");
            lines = list->count();
            shown = rows_shown(list);
            factor = list->font().pointSizeF() / window->font().pointSizeF();
            trigger(window, "EXIT");
        });
        user.start();
        QCOMPARE(package.open_by_catalog(), 1);
        QVERIFY2(user.finish(), qPrintable(user.problems()));
        QCOMPARE(lines, count);
        QCOMPARE(shown, rows);
        QVERIFY2(qAbs(factor - (smaller ? 0.9 : 1.0)) < 0.02, qPrintable(QString::number(factor)));
    }

    // Creating the catalog of 400 requirement files: the progress window shows
    // the count once it is known and every percentage from 1% to 100% once,
    // and it is gone when the confirmation box comes.
    void theProgressWindowIsRepaintedOnlyWhenItsTextChanges() {
        Package package;
        const std::string requirement = testing::read_file(package.data("SAMPLE01.HAL"));
        for (int i = 1; i <= 400; ++i) {
            testing::write_file(
                package.data(RecordWriter().literal("R").integer(i, 4, 4).literal(".HAL").str()),
                requirement);
        }
        PaintRecorder recorder;
        QString caption;
        bool progressStanding = true;
        User user;
        user.then("messageBox", [&](QWidget* box) {
            caption = box->windowTitle();
            progressStanding = false;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->objectName() == progress_window_name && top->isVisible())
                    progressStanding = true;
            press_button(box);
        });
        user.start();
        QtCatalogWindows windows(nullptr);
        QCOMPARE(CREATECB(package.session.paths, windows), 1);
        QVERIFY2(user.finish(), qPrintable(user.problems()));
        QCOMPARE(caption, QString("Catalog file created with  403 HALDOR grid files"));
        QVERIFY(!progressStanding);
        QCOMPARE(recorder.caption, QString("Reading HALDOR grid data files"));
        QStringList expected{"  0%"};
        for (int percent = 1; percent <= 100; ++percent)
            expected << QString::fromStdString(format_integer(percent, 3) + "%");
        QCOMPARE(without_repeats(recorder.percentages), expected);
        QCOMPARE(without_repeats(recorder.counts), QStringList({"    ", " 403"}));
    }

    void theProgressWindowAsksForARepaintOnlyForANewText() {
        ProgressWindow window(nullptr);
        CatalogProgress progress;
        progress.caption = "Reading HALDOR grid data files";
        progress.percentage = "  0%";
        window.open(progress);
        window.update(progress);
        QCOMPARE(window.repaints(), 0);
        progress.count = "  12";
        window.update(progress);
        window.update(progress);
        QCOMPARE(window.repaints(), 1);
        progress.percentage = "  8%";
        window.update(progress);
        QCOMPARE(window.repaints(), 2);
        QLabel* shown = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == progress_window_name && top->isVisible())
                shown = top->findChild<QLabel*>("CatalogProgress.percentage");
        QVERIFY(shown != nullptr);
        QCOMPARE(shown->text(), QString("  8%"));
        window.close();
    }
};

}  // namespace qor

QTEST_MAIN(qor::CatalogWindowsViewTest)
#include "catalog_windows_view_test.moc"
