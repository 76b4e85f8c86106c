// The player without its video engine: ORVAN_LIBVLC names a file that does not exist.

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "mainwindow/controltable.h"
#include "mainwindow/windowplayback.h"
#include "mainwindow/zovdlg.h"
#include "tempdir.h"
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

TEST(MissingEngineWindowTest, SnapStillAsksWhereAndWritesNothing) {
    if (!windowtest::HasDisplay()) GTEST_SKIP() << "no X display";
    windowtest::SettingsFolder settings;
    windowtest::DialogAnswerer answerer;
    CZovDlg window(VlcEngine::Process(), settings.Settings());
    TempDir folder;
    { std::ofstream(folder / "FILE0001F.mp4") << "no video here"; }
    ASSERT_EQ(window.Catalogue().OpenSource(folder.Path(), "FILE0001F.mp4"), 1);
    const std::string snapshot = folder / "snap.png";
    bool asked = false;
    answerer.OnDialog([&](QWidget* dialog) {
        auto* picker = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(picker, nullptr);
        asked = true;
        auto* name = picker->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromStdString(snapshot));
        static_cast<QDialog*>(picker)->accept();
    });
    window.RunCommand(ControlId::kSnap);
    EXPECT_TRUE(asked);
    EXPECT_FALSE(std::filesystem::exists(snapshot));
    ASSERT_FALSE(answerer.Seen().isEmpty());
    EXPECT_EQ(answerer.Seen().back(),
              QString::fromStdString("Snapshot|The snapshot could not be saved: " + snapshot));
}

TEST(MissingEngineWindowTest, AnOpenedFolderDoesNotLeaveOpenDeafForTheGuardsTimeOut) {
    if (!windowtest::HasDisplay()) GTEST_SKIP() << "no X display";
    windowtest::SettingsFolder settings;
    windowtest::DialogAnswerer answerer;
    CZovDlg window(VlcEngine::Process(), settings.Settings());
    TempDir folder;
    for (const char* name : {"FILE0001F.mp4", "FILE0002F.mp4"})
        std::ofstream(folder / name) << "no video here";
    window.OpenMedia({SourceKind::Folder, folder.Path()});
    ASSERT_EQ(window.Catalogue().GetCount(), 2);
    // The delayed start has run; with no engine nothing will ever report a time.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Playback()->Playback().CurrentPath().empty(); }, 3000));
    window.OpenMedia({SourceKind::File, folder / "FILE0002F.mp4"});
    EXPECT_EQ(window.Catalogue().GetCount(), 1);
}

}  // namespace
