// The map window driven as a user drives it, on the offscreen platform: opened
// from the front end's argument list, read under the pointer, stepped through
// the hours of a run, zoomed, exported and printed.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "mapdraw/window/map_printing.h"
#include "mapdraw/window/map_program.h"
#include "mapdraw/world_data.h"
#include "tests/mapdraw/sample_maps.h"

namespace qor::map {
namespace {

using testing::SamplePackage;

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The window "Plot to, Window" opens on a grid file of the sample package.
std::unique_ptr<MapWindow> open_window(const SamplePackage& package, const std::string& grid,
                                       const std::string& title) {
    package.request(grid, title);
    MapArguments arguments;
    std::string error;
    EXPECT_EQ(parse_map_arguments({package.run(), "AREADATA", "zonegrfx.dat"}, "terrapix",
                                  package.run(), arguments, error),
              0)
        << error;
    std::unique_ptr<MapWindow> window = open_map_window(arguments, nullptr, error);
    EXPECT_TRUE(window) << error;
    if (window) {
        window->resize(1100, 760);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    return window;
}

void move_pointer(QWidget& widget, QPointF at) {
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

std::size_t pdf_pages(const std::string& path) {
    const std::string pdf = qor::testing::read_file(path);
    std::size_t pages = 0;
    for (std::size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
         at = pdf.find("/Type /Page\n", at + 1)) {
        ++pages;
    }
    return pages;
}

TEST(MapProgramArguments, TheFrontEndsThreeCommandLinesChooseWindowPrinterAndFullScreen) {
    MapArguments arguments;
    std::string error;
    ASSERT_EQ(parse_map_arguments({"/pkg/RUN", "area_inv", "zonegrfx.dat"}, "terrapix", "/x",
                                  arguments, error),
              0);
    EXPECT_EQ(arguments.mode, MapMode::window);
    EXPECT_EQ(arguments.run_directory, "/pkg/RUN");
    EXPECT_EQ(arguments.request_file, "zonegrfx.dat");
    ASSERT_EQ(parse_map_arguments({"/pkg/RUN", "AREADATA", "zonegrfx.dat", "p"}, "terrapix", "/x",
                                  arguments, error),
              0);
    EXPECT_EQ(arguments.mode, MapMode::printer);
    // The full-screen program is started in the run directory with the
    // request file alone, under its own name.
    EXPECT_EQ(program_name("C:\\QOR\\bin\\TERRADOX.EXE"), "terradox");
    ASSERT_EQ(parse_map_arguments({"zonegrfx.dat"}, "terradox", "/pkg/RUN", arguments, error), 0);
    EXPECT_EQ(arguments.mode, MapMode::full_screen);
    EXPECT_EQ(arguments.run_directory, "/pkg/RUN");
    EXPECT_EQ(arguments.data_root, "");

    for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
             {}, {"/pkg/RUN", "AREADATA"}, {"/pkg/RUN", "AREADATA", "zonegrfx.dat", "x"}}) {
        error.clear();
        EXPECT_EQ(parse_map_arguments(wrong, "terrapix", "/x", arguments, error), 2);
        EXPECT_FALSE(error.empty());
    }
}

TEST(MapWindow, OpensOnTheRequestWithItsTitleTabsAndHours) {
    SamplePackage package;
    std::unique_ptr<MapWindow> window =
        open_window(package, "SAMPLE_001\\SAMPLE02.HG2", "Pacific service");
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), "SAMPLE_001\\SAMPLE02.HG2 - Pacific service - terrapix");
    auto* tabs = window->findChild<QTabBar*>("parameterTabs");
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "DBU");
    EXPECT_EQ(tabs->tabText(1), "REL");
    tabs->setCurrentIndex(1);
    EXPECT_EQ(window->canvas().parameter(), 1u);
    ASSERT_NE(window->canvas().scene(), nullptr);
    EXPECT_NE(window->canvas().scene()->parameter.find("REL"), std::string::npos);

    auto* slider = window->findChild<QSlider*>("hourSlider");
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->maximum(), 3);
    EXPECT_EQ(slider->value(), 1);
    EXPECT_EQ(window->findChild<QLabel*>("hourLabel")->text(), "04 UT");

    // A run of one hour has no slider to show.
    std::unique_ptr<MapWindow> single =
        open_window(package, "SAMPLE_001\\SAMPLE03.HG1", "Evening service");
    ASSERT_TRUE(single);
    EXPECT_TRUE(single->findChild<QWidget*>("hoursBar")->isHidden());

    // The full-screen program finds the data root itself.
    MapArguments arguments;
    std::string error;
    ASSERT_EQ(parse_map_arguments({"zonegrfx.dat"}, "terradox", package.run(), arguments, error),
              0);
    std::unique_ptr<MapWindow> full = open_map_window(arguments, nullptr, error);
    ASSERT_TRUE(full) << error;
    EXPECT_TRUE(full->windowTitle().endsWith("terradox"));

    // A request whose grid file is missing opens nothing and says why.
    package.request("SAMPLE_001\\GONE.HG1", "t");
    ASSERT_EQ(parse_map_arguments({package.run(), "AREADATA", "zonegrfx.dat"}, "terrapix",
                                  package.run(), arguments, error),
              0);
    EXPECT_FALSE(open_map_window(arguments, nullptr, error));
    EXPECT_NE(error.find("GONE.HG1"), std::string::npos) << error;
}

TEST(MapWindow, TheStatusBarReadsPositionBearingAndValuesUnderThePointer) {
    SamplePackage package;
    std::unique_ptr<MapWindow> window =
        open_window(package, "SAMPLE_001\\SAMPLE03.HG1", "Evening service");
    ASSERT_TRUE(window);
    MapCanvas& canvas = window->canvas();
    auto* status = window->findChild<QLabel*>("readout");
    ASSERT_NE(status, nullptr);
    const QRegularExpression position(
        QStringLiteral("^(\\d+\\.\\d\\d)\u00B0([NS])  (\\d+\\.\\d\\d)\u00B0([EW])    (\\d+) km, "
                       "azimuth (\\d+)\u00B0 from KAVALA    DBU (.*)    SNR (.*)    MUF (.*)$"));

    struct Case {
        GeoPoint place;
        bool values;  // inside the grid
    };
    // Inside the grid (2 E 48.5 N, near Paris) and south of it, on the map
    // but outside the grid.
    for (const Case& c : {Case{{2.0, 48.5}, true}, Case{{24.0, -8.0}, false}}) {
        const std::optional<QPointF> at = canvas.pixel_of(c.place);
        ASSERT_TRUE(at) << c.place.lon << " " << c.place.lat;
        move_pointer(canvas, *at);
        const QRegularExpressionMatch match = position.match(status->text());
        ASSERT_TRUE(match.hasMatch()) << status->text().toStdString();
        const double lat = match.captured(1).toDouble() * (match.captured(2) == "S" ? -1 : 1);
        const double lon = match.captured(3).toDouble() * (match.captured(4) == "W" ? -1 : 1);
        // Within a pixel of the place.
        EXPECT_NEAR(lat, c.place.lat, 0.1);
        EXPECT_NEAR(lon, c.place.lon, 0.1);
        const GeoPoint kavala{24.48, 40.95};
        EXPECT_NEAR(match.captured(5).toDouble(), distance_km(kavala, c.place), 15);
        EXPECT_NEAR(match.captured(6).toDouble(), azimuth_deg(kavala, c.place), 1.01);
        for (int k = 7; k <= 9; ++k) {
            const QString value = match.captured(k);
            if (c.values) {
                EXPECT_TRUE(value.contains(QRegularExpression("^-?\\d+(\\.\\d+)? ")))
                    << value.toStdString();
            } else {
                EXPECT_EQ(value, "no value");
            }
        }
    }
    // The DBU value is the grid's, interpolated.
    const std::optional<QPointF> paris = canvas.pixel_of({2.0, 48.5});
    move_pointer(canvas, *paris);
    std::string error;
    const HourMap* map = window->run().hour(0, error);
    ASSERT_NE(map, nullptr);
    const Readout expected = readout(map->request, *map->locator, {2.0, 48.5});
    const QString dbu = status->text().section(QStringLiteral("    "), 2, 2);
    EXPECT_NEAR(dbu.section(' ', 1, 1).toDouble(),
                std::stod(expected.values[0].substr(expected.values[0].find(' ') + 1)), 0.5);

    // Off the map and off the window the line is empty.
    move_pointer(canvas, QPointF(3, 3));
    EXPECT_TRUE(status->text().isEmpty());
    move_pointer(canvas, *paris);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&canvas, &leave);
    EXPECT_TRUE(status->text().isEmpty());
}

TEST(MapWindow, TheHourSliderStepsOverAnHourThatWasNotCalculated) {
    SamplePackage package;
    std::unique_ptr<MapWindow> window = open_window(package, "SAMPLE_001\\SAMPLE02.HG1", "Pacific");
    ASSERT_TRUE(window);
    auto* slider = window->findChild<QSlider*>("hourSlider");
    auto* label = window->findChild<QLabel*>("hourLabel");
    ASSERT_TRUE(slider && label);
    EXPECT_EQ(window->canvas().hour(), 0u);

    slider->setValue(1);
    EXPECT_EQ(window->canvas().hour(), 1u);
    EXPECT_EQ(label->text(), "04 UT");
    ASSERT_NE(window->canvas().scene(), nullptr);
    EXPECT_NE(window->windowTitle().indexOf("SAMPLE02.HG2"), -1);
    // Up onto the missing third hour: on to the fourth; down onto it: back to
    // the second.
    slider->setValue(2);
    EXPECT_EQ(window->canvas().hour(), 3u);
    EXPECT_EQ(slider->value(), 3);
    EXPECT_EQ(label->text(), "08 UT");
    slider->setValue(2);
    EXPECT_EQ(window->canvas().hour(), 1u);
    EXPECT_EQ(slider->value(), 1);

    // Next and previous hour go round the run and skip it too.
    EXPECT_EQ(window->next_hour(1, 1), 3u);
    EXPECT_EQ(window->next_hour(3, 1), 0u);
    EXPECT_EQ(window->next_hour(0, -1), 3u);
    EXPECT_EQ(window->next_hour(3, -1), 1u);

    // Play steps on by itself and turns into Pause.
    auto* play = window->findChild<QToolButton*>("playHours");
    ASSERT_NE(play, nullptr);
    play->click();
    EXPECT_TRUE(window->playing());
    EXPECT_EQ(play->text(), "&Pause");
    QTRY_COMPARE_WITH_TIMEOUT(window->canvas().hour(), std::size_t{3}, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(window->canvas().hour(), std::size_t{0}, 5000);
    play->click();
    EXPECT_FALSE(window->playing());
    EXPECT_EQ(play->text(), "&Play");
}

TEST(MapWindow, ZoomPanHomeAndEscapeWorkFromTheKeyboardAndMouse) {
    SamplePackage package;
    std::unique_ptr<MapWindow> window = open_window(package, "SAMPLE_001\\SAMPLE01.HG1", "Zoom");
    ASSERT_TRUE(window);
    MapCanvas& canvas = window->canvas();
    EXPECT_EQ(canvas.view().zoom, 1.0);
    window->findChild<QAction*>("zoomIn")->trigger();
    EXPECT_DOUBLE_EQ(canvas.view().zoom, 1.5);

    // The wheel zooms about the pointer: the place under it stays there.
    const std::optional<QPointF> before = canvas.pixel_of({-70, 30});
    ASSERT_TRUE(before);
    QWheelEvent wheel(*before, canvas.mapToGlobal(*before), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&canvas, &wheel);
    EXPECT_DOUBLE_EQ(canvas.view().zoom, 1.5 * 1.25);
    const std::optional<QPointF> after = canvas.pixel_of({-70, 30});
    ASSERT_TRUE(after);
    EXPECT_NEAR(after->x(), before->x(), 1.0);
    EXPECT_NEAR(after->y(), before->y(), 1.0);

    // Dragging moves the map with the pointer.
    const QPointF start = *after;
    QTest::mousePress(&canvas, Qt::LeftButton, Qt::NoModifier, start.toPoint());
    move_pointer(canvas, start + QPointF(40, 25));
    QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::NoModifier,
                        (start + QPointF(40, 25)).toPoint());
    const std::optional<QPointF> dragged = canvas.pixel_of({-70, 30});
    ASSERT_TRUE(dragged);
    EXPECT_NEAR(dragged->x(), start.x() + 40, 1.0);
    EXPECT_NEAR(dragged->y(), start.y() + 25, 1.0);

    // Home shows the whole map again; a picture is drawn at the window's size.
    QTest::keyClick(&canvas, Qt::Key_Home);
    EXPECT_EQ(canvas.view().zoom, 1.0);
    EXPECT_FALSE(canvas.view().centred);
    QTest::keyClick(&canvas, Qt::Key_Minus);
    EXPECT_EQ(canvas.view().zoom, 1.0);
    EXPECT_EQ(canvas.picture(QSize(640, 400)).size(), QSize(640, 400));

    // The options draw other scenes.
    window->findChild<QAction*>("safePalette")->trigger();
    EXPECT_TRUE(canvas.options().safe_palette);
    window->findChild<QAction*>("terminator")->trigger();
    EXPECT_TRUE(canvas.options().terminator);
    EXPECT_NE(canvas.scene(), nullptr);

    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST(MapWindow, ExportWritesEachKindOfFileOfWhatTheWindowShows) {
    SamplePackage package;
    std::unique_ptr<MapWindow> window = open_window(package, "SAMPLE_001\\SAMPLE01.HG2", "Export");
    ASSERT_TRUE(window);
    qor::testing::TempDir out;
    for (const char* name : {"map.png", "map.svg", "map.pdf", "map.geojson"}) {
        EXPECT_EQ(window->export_to(q(out / name)), QString()) << name;
        EXPECT_GT(std::filesystem::file_size(out / name), 1000u) << name;
    }
    EXPECT_EQ(QImage(q(out / "map.png")).size(), window->canvas().size());
    EXPECT_NE(qor::testing::read_file(out / "map.svg").find("<svg"), std::string::npos);
    EXPECT_EQ(pdf_pages(out / "map.pdf"), 3u);
    EXPECT_NE(qor::testing::read_file(out / "map.geojson").find("\"FeatureCollection\""),
              std::string::npos);

    EXPECT_TRUE(window->export_to(q(out / "map.bmp")).contains("use .png"));
    EXPECT_TRUE(window->export_to(q(out / "no/such/folder/map.png")).contains("Cannot write"));
}

TEST(MapPrinting, ScaleAndOffsetsPlaceThePictureInThePrintableArea) {
    const QSizeF area(1000, 700);  // at 100 dots per inch
    struct Case {
        PrintPlacement placement;
        QRectF expected;
    };
    const std::vector<Case> cases = {
        {{1, 1.0, 0, 0}, {0, 0, 1000, 700}},
        {{1, 0.5, 1.25, 2.0}, {125, 200, 500, 350}},
        // Pushed past the paper's edge, the picture stays on it.
        {{1, 0.5, 8.0, -2.0}, {500, 0, 500, 350}},
        // A scale the dialog would not save prints at full size.
        {{2, 0.0, 1.0, 1.0}, {0, 0, 1000, 700}},
        {{2, 1.5, 0, 0}, {0, 0, 1000, 700}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(printed_rect(area, 100, c.placement), c.expected)
            << c.placement.scale << " " << c.placement.x_offset;
    }
}

TEST(MapPrinting, PrintsAPagePerParameterWithOrWithoutItsBorder) {
    SamplePackage package;
    std::unique_ptr<MapWindow> window = open_window(package, "SAMPLE_001\\SAMPLE01.HG1", "Print");
    ASSERT_TRUE(window);
    qor::testing::TempDir out;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(q(out / "printed.pdf"));
    EXPECT_EQ(window->print_to(printer), QString());
    EXPECT_EQ(pdf_pages(out / "printed.pdf"), 3u);

    // The page as painted: a frame round the picture's place with border 1,
    // none with 2, and nothing outside it.
    const MapScene* scene = window->canvas().scene();
    ASSERT_NE(scene, nullptr);
    for (const int border : {1, 2}) {
        QImage page(1000, 700, QImage::Format_RGB32);
        page.fill(Qt::white);
        const PrintPlacement placement{border, 0.5, 1.0, 2.0};
        {
            QPainter painter(&page);
            paint_page(painter, page.size(), 100, placement, *scene);
        }
        const QRect rect = printed_rect(page.size(), 100, placement).toRect();
        ASSERT_EQ(rect, QRect(100, 200, 500, 350));
        // The picture's white margin at the middle of its left edge.
        const QColor left = page.pixelColor(rect.left(), rect.center().y());
        const QColor top = page.pixelColor(rect.left() + 10, rect.top());
        if (border == 1) {
            EXPECT_EQ(left, QColor(Qt::black));
            EXPECT_EQ(top, QColor(Qt::black));
        } else {
            EXPECT_NE(left, QColor(Qt::black));
            EXPECT_NE(top, QColor(Qt::black));
        }
        EXPECT_EQ(page.pixelColor(rect.left() - 3, rect.center().y()), QColor(Qt::white));
        EXPECT_EQ(page.pixelColor(rect.right() + 3, rect.center().y()), QColor(Qt::white));
        EXPECT_EQ(page.pixelColor(rect.center().x(), rect.bottom() + 3), QColor(Qt::white));
        EXPECT_EQ(page.pixelColor(50, 50), QColor(Qt::white));
    }
}

}  // namespace
}  // namespace qor::map
