#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <memory>

#include "controls/mysliderctrl.h"
#include "controls/videoslider.h"
#include "controlstestsupport.h"

namespace {

void Mouse(QWidget& widget, QEvent::Type type, int x) {
    const QPointF at(x, widget.height() / 2.0);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

std::unique_ptr<CSkinnedSlider> Make(bool video, int width) {
    std::unique_ptr<CSkinnedSlider> slider;
    if (video)
        slider = std::make_unique<CVideoSlider>();
    else
        slider = std::make_unique<CMySliderControl>();
    slider->resize(width, 20);
    return slider;
}

// Clicks land straight under the pointer; the ends of the channel give the ends of the range, and beyond
// them the range clamps.
TEST(Sliders, ClickSetsThePositionUnderThePointer) {
    for (bool video : {true, false}) {
        auto slider = Make(video, video ? 544 : 80);
        const int max = video ? 1000 : 100;
        EXPECT_EQ(slider->maximum(), max);
        const QRect channel = slider->ChannelRect();
        ASSERT_GT(channel.width(), 0);
        struct Case {
            int x, expected;
        } cases[] = {{channel.left(), 0},
                     {channel.right() + 1, max},
                     {channel.left() + channel.width() / 2, max / 2},
                     {slider->width() + 40, max},
                     {-30, 0},
                     {channel.left() + channel.width() / 4, max / 4}};
        for (const Case& c : cases) {
            slider->setValue(max / 3);
            Mouse(*slider, QEvent::MouseButtonPress, c.x);
            EXPECT_NEAR(slider->value(), c.expected, max / 100) << video << " x=" << c.x;
            Mouse(*slider, QEvent::MouseButtonRelease, c.x);
        }
    }
}

TEST(Sliders, DragsReportEveryMoveAndTheRelease) {
    for (bool video : {true, false}) {
        auto slider = Make(video, 300);
        QSignalSpy dragged(slider.get(), &CSkinnedSlider::Dragged);
        const QRect channel = slider->ChannelRect();
        Mouse(*slider, QEvent::MouseButtonPress, channel.left());
        EXPECT_TRUE(slider->IsDragging());
        EXPECT_EQ(dragged.count(), 0);
        Mouse(*slider, QEvent::MouseMove, channel.center().x());
        Mouse(*slider, QEvent::MouseMove, slider->width() + 100);
        EXPECT_EQ(slider->value(), slider->maximum());
        EXPECT_EQ(dragged.count(), 2);
        // The position slider also takes the release point; the volume slider keeps where the drag left it.
        Mouse(*slider, QEvent::MouseButtonRelease, channel.left());
        EXPECT_EQ(dragged.count(), 3);
        EXPECT_FALSE(slider->IsDragging());
        EXPECT_EQ(slider->value(), video ? 0 : slider->maximum()) << video;
        // Moves without a press are not drags.
        Mouse(*slider, QEvent::MouseMove, channel.center().x());
        EXPECT_EQ(dragged.count(), 3);
    }
}

TEST(Sliders, AChannelWithoutWidthLeavesThePosition) {
    auto slider = Make(true, 8);
    slider->setValue(400);
    Mouse(*slider, QEvent::MouseButtonPress, 6);
    EXPECT_EQ(slider->value(), 400);
}

TEST(Sliders, ThumbColoursFollowThePressAndTheChannelsLookDiffers) {
    struct Case {
        bool video;
        QRgb normal, pressed;
    } cases[] = {{true, qRgb(100, 250, 100), qRgb(240, 0, 180)}, {false, qRgb(255, 0, 0), qRgb(170, 0, 0)}};
    for (const Case& c : cases) {
        auto slider = Make(c.video, 200);
        slider->setValue(slider->maximum() / 2);
        const QPoint thumb = slider->ThumbRect().center();
        EXPECT_EQ(Paint(*slider).pixel(thumb) | 0xff000000, c.normal);
        Mouse(*slider, QEvent::MouseButtonPress, thumb.x());
        EXPECT_EQ(Paint(*slider).pixel(thumb) | 0xff000000, c.pressed);
        Mouse(*slider, QEvent::MouseButtonRelease, thumb.x());
        // The position slider is a black bar; the volume slider leaves the window behind it visible.
        const QRgb corner = Paint(*slider).pixel(3, 2);
        if (c.video)
            EXPECT_EQ(corner, qRgb(0, 0, 0));
        else
            EXPECT_EQ(qAlpha(corner), 0);
    }
}

TEST(Sliders, ScreenReadersHearPositionAndVolumeWithTheirValues) {
    CVideoSlider position;
    CMySliderControl volume;
    volume.setValue(40);
    for (auto [slider, name, value] : {std::tuple<QWidget*, const char*, int>{&position, "Position", 0},
                                       std::tuple<QWidget*, const char*, int>{&volume, "Volume", 40}}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(slider);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), QLatin1String(name));
        ASSERT_NE(accessible->valueInterface(), nullptr);
        EXPECT_EQ(accessible->valueInterface()->currentValue().toInt(), value);
    }
}

}  // namespace
