#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "controls/gdipbutton.h"
#include "controlstestsupport.h"

namespace {

QImage Image(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void Send(QWidget& widget, QEvent::Type type, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF at(widget.width() / 2.0, widget.height() / 2.0);
    if (type == QEvent::Enter) {
        QEnterEvent event(at, widget.mapToGlobal(at), widget.mapToGlobal(at));
        QApplication::sendEvent(&widget, &event);
        return;
    }
    if (type == QEvent::Leave) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&widget, &event);
        return;
    }
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

struct PlayButton : ::testing::Test {
    void SetUp() override {
        button.resize(48, 48);
        ASSERT_TRUE(button.LoadStdImage(129));
        ASSERT_TRUE(button.LoadAltImage(132));
    }
    CGdipButton button;
};

TEST_F(PlayButton, HotIsBrighterPressedIsShiftedDisabledIsGrey) {
    const QImage normal = Image(button.RenderingPixmap(CGdipButton::StdNormal));
    const QImage hot = Image(button.RenderingPixmap(CGdipButton::StdHot));
    const QImage pressed = Image(button.RenderingPixmap(CGdipButton::StdPressed));
    const QImage grey = Image(button.RenderingPixmap(CGdipButton::StdDisabled));
    ASSERT_EQ(normal.size(), QSize(48, 48));
    long normalSum = 0, hotSum = 0;
    int coloured = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            const QRgb n = normal.pixel(x, y), h = hot.pixel(x, y), g = grey.pixel(x, y);
            EXPECT_EQ(qAlpha(h), qAlpha(n));
            EXPECT_GE(Brightness(h) + 3, Brightness(n));
            normalSum += Brightness(n);
            hotSum += Brightness(h);
            EXPECT_LE(std::abs(qRed(g) - qBlue(g)) + std::abs(qGreen(g) - qBlue(g)), 2) << x << "," << y;
            coloured += std::abs(qRed(n) - qBlue(n)) > 40;
            if (x < 47 && y < 47) {
                EXPECT_EQ(pressed.pixel(x + 1, y + 1), n) << x << "," << y;
            }
        }
    EXPECT_GT(hotSum, normalSum + normalSum / 40);
    EXPECT_GT(coloured, 500);  // the blue disc: grey is a real change
    // The alternate picture is another drawing.
    EXPECT_NE(Image(button.RenderingPixmap(CGdipButton::AltNormal)), normal);
}

// Hovering shows the brighter picture, pressing the shifted one, leaving restores; state 1 uses the alternate
// row; state 2 shows grey and ignores hover.
TEST_F(PlayButton, ShowsTheRenderingOfItsStateHoverAndPress) {
    auto shows = [this](CGdipButton::Rendering expected) {
        EXPECT_EQ(button.CurrentRendering(), expected);
        EXPECT_EQ(Paint(button), Image(button.RenderingPixmap(expected))) << expected;
    };
    shows(CGdipButton::StdNormal);
    Send(button, QEvent::Enter);
    shows(CGdipButton::StdHot);
    Send(button, QEvent::MouseButtonPress);
    shows(CGdipButton::StdPressed);
    Send(button, QEvent::MouseButtonRelease);
    shows(CGdipButton::StdHot);
    Send(button, QEvent::Leave);
    shows(CGdipButton::StdNormal);

    button.SetImageState(1);
    EXPECT_TRUE(button.IsAltState());
    shows(CGdipButton::AltNormal);
    Send(button, QEvent::Enter);
    shows(CGdipButton::AltHot);
    button.SetImageState(2);
    shows(CGdipButton::StdDisabled);
    button.SetImageState(0);
    button.setEnabled(false);
    shows(CGdipButton::StdDisabled);
}

TEST_F(PlayButton, ToggleFlipsOnEveryClickIncludingTheSecondOfADoubleClick) {
    button.EnableToggle(true);
    button.EnableToggle(true);  // the window gives Loop its toggle twice
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    int stateSeenByReceiver = -1;
    QObject::connect(&button, &QAbstractButton::clicked, [&] { stateSeenByReceiver = button.ImageState(); });

    Send(button, QEvent::MouseButtonPress);
    Send(button, QEvent::MouseButtonRelease);
    EXPECT_EQ(button.ImageState(), 1);
    EXPECT_EQ(stateSeenByReceiver, 1);
    Send(button, QEvent::MouseButtonDblClick);
    EXPECT_EQ(button.CurrentRendering(), CGdipButton::AltPressed);
    Send(button, QEvent::MouseButtonRelease);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(button.ImageState(), 0);

    Send(button, QEvent::MouseButtonPress, Qt::RightButton);
    Send(button, QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(GdipButton, ToggleNeedsAnAlternatePictureAndAMissingPictureLeavesItBlank) {
    CGdipButton plain;
    plain.resize(40, 40);
    ASSERT_TRUE(plain.LoadStdImage(133));
    plain.EnableToggle(true);
    EXPECT_FALSE(plain.IsToggle());
    plain.click();
    EXPECT_EQ(plain.ImageState(), 0);

    CGdipButton missing;
    missing.resize(40, 40);
    EXPECT_FALSE(missing.LoadStdImage(12345));
    const QImage image = Paint(missing);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(qAlpha(image.pixel(x, y)), 0);
}

TEST(GdipButton, RenderingsFollowTheSizeAndRendersAreCrispAtHighDensity) {
    CGdipButton button;
    ASSERT_TRUE(button.LoadStdImage(139));
    button.resize(48, 36);
    EXPECT_EQ(button.RenderingPixmap(CGdipButton::StdNormal).size(), QSize(48, 36));
    button.resize(96, 72);
    EXPECT_EQ(button.RenderingPixmap(CGdipButton::StdNormal).size(), QSize(96, 72));
}

TEST(GdipButton, ScreenReadersNameItByItsTooltipAndCanPressIt) {
    CGdipButton button;
    button.LoadStdImage(129);
    button.LoadAltImage(132);
    button.EnableToggle(true);
    button.setToolTip(QStringLiteral("Play/Pause video"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Play/Pause video"));
    button.setToolTip(QStringLiteral("Wiedergabe/Pause"));
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Wiedergabe/Pause"));

    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    ASSERT_NE(accessible->actionInterface(), nullptr);
    // A screen reader's press is an animated click: down, then up a moment later.
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicks.count() == 1; }, 2000));
    EXPECT_EQ(button.ImageState(), 1);
}

}  // namespace
