#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>

#include "app/appsettings.h"
#include "app/languagetable.h"
#include "app/loadtext.h"
#include "controls/gdipbutton.h"
#include "controls/zoctooltipctrl.h"
#include "controlstestsupport.h"

namespace {

struct Tips : ::testing::Test {
    void SetUp() override {
        window.resize(300, 100);
        play = new CGdipButton(&window);
        play->LoadStdImage(129);
        stop = new CGdipButton(&window);
        stop->LoadStdImage(133);
        tips = new CZocToolTipCtrl(&window);
        const CZocToolTipCtrl::Tool table[] = {{play, 1015, 134}, {stop, 1016, 185}};
        tips->Fill(table);
    }
    void TearDown() override { AppSettings::Instance().SetLanguageIndex(LanguageTable::kEnglishRow); }

    QString Name(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }

    QWidget window;
    CGdipButton* play = nullptr;
    CGdipButton* stop = nullptr;
    CZocToolTipCtrl* tips = nullptr;
};

TEST_F(Tips, HoveringAToolShowsItsLabelAndTheCheckMark) {
    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), play->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(play, &hover);
    EXPECT_EQ(tips->ShowingControlId(), 1015);
    EXPECT_EQ(tips->Label(), QStringLiteral("Play/Pause video"));
    EXPECT_EQ(tips->Description(), QString());
    EXPECT_EQ(tips->IconId(), 161);
    EXPECT_TRUE(tips->isVisible());

    // Label, icon and the tip's own dark panel are all drawn.
    const QImage image = Paint(*tips);
    int green = 0, light = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            green += qGreen(p) > 150 && qRed(p) < 120;
            light += Brightness(p) > 600;
        }
    EXPECT_GT(green, 40);
    EXPECT_GT(light, 20);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(play, &leave);
    EXPECT_EQ(tips->ShowingControlId(), 0);
    EXPECT_FALSE(tips->isVisible());

    tips->Activate(false);
    EXPECT_FALSE(tips->ShowTip(play, QPoint()));
    tips->Activate(true);
    EXPECT_FALSE(tips->ShowTip(&window, QPoint()));  // not a tool
}

TEST_F(Tips, LabelsAndAccessibleNamesFollowTheLanguage) {
    EXPECT_EQ(Name(play), QStringLiteral("Play/Pause video"));
    EXPECT_EQ(Name(stop), QStringLiteral("Stop"));

    const int german = LanguageTable::FindBySystemLocale("de_DE");
    ASSERT_GE(german, 0);
    AppSettings::Instance().SetLanguageIndex(german);
    const QString germanPlay = LoadText(134);
    ASSERT_NE(germanPlay, QStringLiteral("Play/Pause video"));
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&window, &change);
    EXPECT_EQ(Name(play), germanPlay);
    EXPECT_EQ(Name(stop), LoadText(185));
    EXPECT_TRUE(tips->ShowTip(play, QPoint()));
    EXPECT_EQ(tips->Label(), germanPlay);
    tips->HideTip();
}

TEST_F(Tips, RemovedToolsShowNothing) {
    tips->DelTool(play);
    EXPECT_FALSE(tips->ShowTip(play, QPoint()));
    EXPECT_TRUE(tips->ShowTip(stop, QPoint()));
    tips->RemoveAllTools();
    EXPECT_FALSE(tips->ShowTip(stop, QPoint()));
}

// A tool destroyed after the table was given is left out when the tips are filled again.
TEST_F(Tips, ADestroyedToolIsSkippedOnALanguageChange) {
    delete stop;
    stop = nullptr;
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&window, &change);
    EXPECT_TRUE(tips->ShowTip(play, QPoint()));
    EXPECT_EQ(tips->ShowingControlId(), 1015);
    tips->HideTip();
}

}  // namespace
