// Writes a picture of the player playing a recording of the sample card: player-playing.png in the folder
// given (docs/ holds the committed one). Run under Xvfb with the window tests' environment:
//   xvfb-run -a -s "-screen 0 1920x1080x24" env QTWEBENGINE_DISABLE_SANDBOX=1
//     QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu ORVAN_LIBVLC_ARGS="--aout=dummy --quiet"
//     player_screenshot CARD docs
// (one command line)
// The picture is taken from the screen, not from the widgets: the video is drawn by the engine straight
// into the panes' native windows.

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <cstdio>
#include <filesystem>

#include "../map/maptestsupport.h"
#include "mainwindow/windowplayback.h"
#include "mainwindow/zovapp.h"
#include "mainwindow/zovdlg.h"
#include "map/cefbrowsereventhandler.h"
#include "map/htmlmapdlg.h"
#include "playback/vlcengine.h"
#include "windowtestsupport.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: player_screenshot CARD OUTDIR\n");
        return 1;
    }
    CZovApp::PrepareProcess();
    CZovApp app(argc, argv);
    windowtest::SettingsFolder settings;
    settings.Settings().WriteWindowRect({40, 40, 1240, 800});
    CZovDlg window(VlcEngine::Process(), settings.Settings());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) ||
        !maptest::WaitUntil([&] { return window.MapWindow()->Handler()->GetBrowser() != nullptr; })) {
        std::fprintf(stderr, "player_screenshot: the window or its map did not come up\n");
        return 1;
    }
    if (window.Catalogue().OpenSource(argv[1], "") != 1) {
        std::fprintf(stderr, "player_screenshot: no recordings in %s\n", argv[1]);
        return 1;
    }
    // The second minute of the first trip, a little way in: the car under way, the curve filled.
    int entry = 0;
    for (int i = 0; i < window.Catalogue().GetCount(); ++i) {
        if (window.Catalogue().GetPath(i).ends_with("FILE0002F.mp4")) entry = i;
    }
    DualPlayback& playback = window.Playback()->Playback();
    playback.StartEntry(entry, DualPlayback::Trigger::FileList);
    QTest::qWait(1500);
    playback.RequestSeek(300);
    QTest::qWait(4000);
    const QRect frame = window.frameGeometry();
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                            .toImage();
    const QString path = QDir(QString::fromLocal8Bit(argv[2])).filePath(QStringLiteral("player-playing.png"));
    playback.Stop();
    if (!shot.save(path)) {
        std::fprintf(stderr, "player_screenshot: could not write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("%s\n", qPrintable(path));
    return 0;
}
