#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QWindow>

#include "controls/videostatic.h"
#include "controls/videostaticbg.h"
#include "controlstestsupport.h"

namespace {

void Click(QWidget& widget, QEvent::Type type) {
    const QPointF at(10, 10);
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

int BluePixels(const QImage& image, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            count += qBlue(p) > 150 && qBlue(p) > qRed(p) + 60;
        }
    return count;
}

// While a folder is scanned, the front pane shows the count in big blue digits at its top left.
TEST(VideoPane, CounterModeShowsTheCountOtherwiseNearBlack) {
    CVideoStatic pane(VideoPaneSide::Front);
    pane.resize(320, 200);
    pane.SetCounter(42);
    QImage image = Paint(pane);
    EXPECT_EQ(BluePixels(image, image.rect()), 0);
    EXPECT_EQ(image.pixel(160, 100), qRgb(5, 5, 5));

    pane.SetCounterMode(true);
    image = Paint(pane);
    EXPECT_GT(BluePixels(image, QRect(10, 10, 110, 90)), 800);
    EXPECT_EQ(BluePixels(image, QRect(150, 0, 170, 200)), 0);  // two digits end well before x = 150
    pane.SetCount(12345);
    EXPECT_EQ(pane.Counter(), 12345);
    EXPECT_GT(BluePixels(Paint(pane), QRect(150, 10, 170, 90)), 200);
}

TEST(VideoPane, DoubleClicksAreReportedSingleClicksAreNot) {
    CVideoStatic pane(VideoPaneSide::Rear);
    CVideoStaticBg background(VideoPaneSide::Rear);
    for (QWidget* widget : {static_cast<QWidget*>(&pane), static_cast<QWidget*>(&background)}) {
        widget->resize(100, 80);
        QSignalSpy doubleClicks(widget, SIGNAL(DoubleClicked()));
        Click(*widget, QEvent::MouseButtonPress);
        Click(*widget, QEvent::MouseButtonRelease);
        EXPECT_EQ(doubleClicks.count(), 0);
        Click(*widget, QEvent::MouseButtonDblClick);
        EXPECT_EQ(doubleClicks.count(), 1);
    }
}

// The engine's window fills the pane and steps aside while the counter shows.
TEST(VideoPane, HostsTheEnginesWindow) {
    CVideoStatic pane(VideoPaneSide::Front);
    pane.resize(200, 120);
    pane.show();
    QWindow* window = pane.VideoWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(pane.VideoWindow(), window);
    QWidget* container = pane.findChild<QWidget*>();
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->geometry(), pane.rect());
    pane.resize(300, 150);
    EXPECT_EQ(container->geometry(), QRect(0, 0, 300, 150));
    pane.SetCounterMode(true);
    EXPECT_TRUE(container->isHidden());
    pane.SetCounterMode(false);
    EXPECT_FALSE(container->isHidden());
}

TEST(VideoPaneBackground, LogoOrBlack) {
    CVideoStaticBg background(VideoPaneSide::Front);
    background.resize(400, 300);
    EXPECT_EQ(background.GetBgImage(), 1);
    auto litPixels = [&background] {
        const QImage image = Paint(background);
        int lit = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2) lit += Brightness(image.pixel(x, y)) > 150;
        return lit;
    };
    EXPECT_GT(litPixels(), 300);  // the grey logo
    background.SetBgImage(0);
    EXPECT_EQ(background.GetBgImage(), 0);
    EXPECT_EQ(litPixels(), 0);
    background.SetBgImage(1);
    EXPECT_GT(litPixels(), 300);
}

TEST(VideoPane, ScreenReadersNameTheFrontAndRearPanes) {
    CVideoStatic front(VideoPaneSide::Front);
    CVideoStaticBg rear(VideoPaneSide::Rear);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&front)->text(QAccessible::Name),
              QStringLiteral("Front video"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&rear)->text(QAccessible::Name),
              QStringLiteral("Rear video"));
}

}  // namespace
