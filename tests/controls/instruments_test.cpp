#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>

#include "controls/instrumentpaneladapter.h"
#include "controls/pngcompassstatic.h"
#include "controls/pngstatic.h"
#include "controls/speedlabelstatic.h"
#include "controls/statusboardstatic.h"

namespace {

void Send(QWidget& w, QEvent::Type type, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(w.mapToGlobal(at)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

QString Value(QWidget& w) {
    return QAccessible::queryAccessibleInterface(&w)->text(QAccessible::Value);
}

// Every pixel of the image has red = green = blue.
bool AllGrey(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() != c.green() || c.green() != c.blue()) return false;
        }
    return true;
}

TEST(SpeedLabelTest, TextsInBothUnits) {
    CSpeedLabelStatic speed;
    speed.resize(80, 40);
    EXPECT_EQ(speed.SpeedText(), "  0");
    EXPECT_EQ(speed.UnitText(), "Km/h");
    EXPECT_EQ(speed.accessibleName(), "Speed");
    struct Case {
        std::uint16_t kmh;
        const char *kmhText, *mphText;
    };
    // Miles per hour are km/h x 0.621371 with the fraction dropped (160 km/h is 99 MPH, not 100).
    const Case cases[] = {{0, "  0", "  0"},     {5, "  5", "  3"},        {7, "  7", "  4"},
                          {100, "100", " 62"},   {160, "160", " 99"},      {999, "999", "620"},
                          {1000, "1000", "621"}, {65535, "65535", "40721"}};
    for (const Case& c : cases) {
        speed.SetSpeed(c.kmh, true);
        EXPECT_EQ(speed.SpeedText(), c.kmhText) << c.kmh;
    }
    Send(speed, QEvent::MouseButtonPress, {10, 10});
    Send(speed, QEvent::MouseButtonRelease, {10, 10});
    ASSERT_FALSE(speed.IsKmh());
    EXPECT_EQ(speed.UnitText(), "MPH");
    for (const Case& c : cases) {
        speed.SetSpeed(c.kmh, true);
        EXPECT_EQ(speed.SpeedText(), c.mphText) << c.kmh;
    }
    speed.SetSpeed(100, true);
    EXPECT_EQ(Value(speed), "62 MPH");
    speed.SetSpeed(100, false);
    EXPECT_EQ(Value(speed), "");
}

TEST(SpeedLabelTest, UnitClicks) {
    CSpeedLabelStatic speed;
    speed.resize(80, 40);
    const QPoint inside(20, 20), outside(120, 20);
    // Pressed inside, released outside: no change.
    Send(speed, QEvent::MouseButtonPress, inside);
    Send(speed, QEvent::MouseButtonRelease, outside);
    EXPECT_TRUE(speed.IsKmh());
    // A double click switches three times (release, double click, release): the other unit.
    Send(speed, QEvent::MouseButtonPress, inside);
    Send(speed, QEvent::MouseButtonRelease, inside);
    Send(speed, QEvent::MouseButtonDblClick, inside);
    EXPECT_TRUE(speed.IsKmh());
    Send(speed, QEvent::MouseButtonRelease, inside);
    EXPECT_FALSE(speed.IsKmh());
}

TEST(SpeedLabelTest, BlankWithoutAFix) {
    CSpeedLabelStatic speed;
    speed.resize(80, 40);
    speed.SetSpeed(88, true);
    const QImage shown = speed.grab().toImage();
    bool orange = false;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) orange |= shown.pixelColor(x, y).red() > 150;
    EXPECT_TRUE(orange);
    speed.SetSpeed(88, false);
    const QImage blank = speed.grab().toImage();
    for (int y = 0; y < blank.height(); ++y)
        for (int x = 0; x < blank.width(); ++x) ASSERT_EQ(blank.pixelColor(x, y), QColor(5, 5, 5));
}

TEST(CompassTest, HeadingsToPictures) {
    CPngCompassStatic compass;
    compass.resize(32, 32);
    for (int id = 167; id <= 174; ++id) ASSERT_TRUE(compass.AddImage(id));
    EXPECT_FALSE(compass.AddImage(9999));
    EXPECT_EQ(compass.ImageCount(), 8);
    EXPECT_EQ(compass.accessibleName(), "Compass");
    struct Case {
        int degrees;
        const char* point;
    };
    const Case cases[] = {{0, "N"},    {22, "N"},   {23, "NE"},  {45, "NE"},  {90, "E"},   {180, "S"},
                          {270, "W"},  {337, "NW"}, {338, "N"},  {359, "N"},  {400, "NE"}, {510, "SE"},
                          {-45, "NW"}, {720, "N"},  {135, "SE"}, {225, "SW"}, {-1000, "E"}};
    for (const Case& c : cases) {
        compass.SetHeading(c.degrees);
        EXPECT_EQ(Value(compass), c.point) << c.degrees;
    }
    EXPECT_EQ(CPngCompassStatic::PictureForHeading(90, 0), 0u);  // no pictures: nothing to choose from
    EXPECT_EQ(CPngCompassStatic::PictureForHeading(90, 3), 1u);  // modulo the pictures present
}

TEST(CompassTest, NoHeadingIsTheGreyNorth) {
    CPngCompassStatic compass;
    compass.resize(32, 32);
    EXPECT_TRUE(compass.SetImageIndex(0));  // nothing to draw, but 0 is always allowed
    EXPECT_FALSE(compass.SetImageIndex(1));
    for (int id = 167; id <= 174; ++id) compass.AddImage(id);
    EXPECT_FALSE(compass.SetImageIndex(9));
    ASSERT_TRUE(compass.SetImageIndex(1));
    const QImage north = compass.grab().toImage();
    EXPECT_FALSE(AllGrey(north));
    ASSERT_TRUE(compass.SetImageIndex(0));
    const QImage grey = compass.grab().toImage();
    EXPECT_TRUE(AllGrey(grey));
    EXPECT_NE(north, grey);
    EXPECT_EQ(Value(compass), "");
}

TEST(StatusBoardTest, ProgressFillsWithThePattern) {
    CStatusBoardStatic board;
    board.resize(200, 24);
    EXPECT_TRUE(board.isHidden());
    board.SetPatternBitmap(189);
    board.SetProgress(50);
    EXPECT_FALSE(board.isHidden());
    EXPECT_EQ(board.PercentText(), "50 %");
    EXPECT_EQ(Value(board), "50 %");
    const QImage img = board.grab().toImage();
    // Away from the centred text and the edge: blue on the left half, the dark back on the right.
    for (const int x : {5, 40, 70}) {
        const QColor c = img.pixelColor(x, 12);
        EXPECT_GT(c.blue(), c.red() + 40) << x;
    }
    for (const int x : {130, 160, 195}) EXPECT_EQ(img.pixelColor(x, 12), QColor(5, 5, 5)) << x;

    board.SetProgress(150);  // wraps in the bar; the text keeps the value
    EXPECT_EQ(board.Percent(), 49);
    EXPECT_EQ(board.PercentText(), "150 %");
    board.SetPatternBitmap(9999);  // a pattern that cannot be loaded leaves the bar unpainted, not broken
    board.SetProgress(100);
    const QColor unpainted = board.grab().toImage().pixelColor(40, 12);
    EXPECT_LE(unpainted.blue(), unpainted.red() + 40);
}

TEST(InstrumentPanelTest, SetUpAndWhatTheCatalogueSends) {
    QWidget window;
    auto* compass = new CPngCompassStatic(&window);
    auto* speed = new CSpeedLabelStatic(&window);
    auto* lamp = new CPngStatic(&window);
    auto* board = new CStatusBoardStatic(&window);
    compass->move(50, 6);
    InstrumentPanelAdapter panel(*compass, *speed, *lamp, *board);
    panel.SetUp();
    EXPECT_EQ(compass->geometry(), QRect(50, 6, 32, 32));
    EXPECT_EQ(compass->ImageCount(), 8);
    EXPECT_EQ(compass->ImageIndex(), 0u);
    EXPECT_EQ(speed->SpeedText(), "  0");
    EXPECT_TRUE(speed->IsValid());
    EXPECT_FALSE(lamp->IsLit());
    EXPECT_EQ(lamp->accessibleName(), "GPS");
    EXPECT_TRUE(board->isHidden());
    EXPECT_EQ(board->PatternId(), 189);

    InstrumentPanel& view = panel;
    view.SetHeading(90);
    EXPECT_EQ(Value(*compass), "E");
    view.SetSpeed(72, true);
    EXPECT_EQ(Value(*speed), "72 Km/h");
    view.SetImageIndex(0);
    EXPECT_EQ(compass->ImageIndex(), 0u);
    view.ShowProgress(45, true);
    EXPECT_FALSE(board->isHidden());
    EXPECT_EQ(board->PercentText(), "45 %");
    view.ShowProgress(0, false);
    EXPECT_TRUE(board->isHidden());
    panel.SetGpsLit(true);
    EXPECT_TRUE(lamp->IsLit());
}

}  // namespace
