// The player without its video engine: ORVAN_LIBVLC names a file that does not exist.

#include <gtest/gtest.h>

#include <QTest>

#include "mainwindow/zovdlg.h"
#include "windowtestsupport.h"

namespace {

TEST(MissingEngineWindowTest, WarnsOncePerChannelAndStillOpens) {
    if (!windowtest::HasDisplay()) GTEST_SKIP() << "no X display";
    windowtest::SettingsFolder settings;
    windowtest::MessageBoxAnswerer answerer;
    CZovDlg window(VlcEngine::Process(), settings.Settings());
    const QString warning = "Warning|Loading video component failed. Please reinstall this program again.";
    EXPECT_EQ(answerer.Seen(), QStringList({warning, warning}));
    EXPECT_FALSE(window.FrontChannel().IsEngineAvailable());
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.geometry().size(), QSize(800, 560));
}

}  // namespace
