#include <QApplication>
#include <QMouseEvent>

#include "controls/mysliderctrl.h"
#include "controls/videoslider.h"
#include "controls/videostatic.h"
#include "controls/videostaticbg.h"
#include "controls/zoctooltipctrl.h"
#include "gallery.h"
#include "sections.h"

namespace {

void PressThumb(CSkinnedSlider& slider) {
    const QPointF at = slider.ThumbRect().center();
    QMouseEvent press(QEvent::MouseButtonPress, at, slider.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&slider, &press);
}

}  // namespace

void AddSlidersAndPanes(Gallery& gallery) {
    gallery.Section(QStringLiteral("Sliders: position at 35 %, held; volume at 70 %, held"));
    for (bool held : {false, true}) {
        CVideoSlider position;
        position.resize(300, 20);
        position.setValue(350);
        if (held) PressThumb(position);
        gallery.Add(held ? QStringLiteral("position, held") : QStringLiteral("position"), position);
    }
    for (bool held : {false, true}) {
        CMySliderControl volume;
        volume.resize(80, 20);
        volume.setValue(70);
        if (held) PressThumb(volume);
        gallery.Add(held ? QStringLiteral("volume, held") : QStringLiteral("volume"), volume);
    }

    gallery.Section(QStringLiteral("Video panes: idle (logo), playing (black), scanning (counter); tooltip"));
    CVideoStaticBg idle(VideoPaneSide::Front);
    idle.resize(267, 221);
    gallery.Add(QStringLiteral("idle pane"), idle);
    idle.SetBgImage(0);
    gallery.Add(QStringLiteral("black pane"), idle);
    CVideoStatic counter(VideoPaneSide::Front);
    counter.resize(267, 221);
    counter.SetCounterMode(true);
    counter.SetCounter(137);
    gallery.Add(QStringLiteral("counter while scanning"), counter);

    QWidget window;
    QWidget tool(&window);
    CZocToolTipCtrl tips(&window);
    const CZocToolTipCtrl::Tool table[] = {{&tool, 1015, 134}};
    tips.Fill(table);
    tips.ShowTip(&tool, QPoint());
    gallery.Add(QStringLiteral("tooltip"), tips);
    tips.HideTip();
}
