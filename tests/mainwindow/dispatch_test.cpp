// The main window's dispatch on the engine stand-in: the command table, the private-message table, the keys
// of the player, the timers by id and the About box.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dualplaybacktestsupport.h"
#include "fakevlc.h"
#include "mainwindow/aboutdlg.h"
#include "mainwindow/commands.h"
#include "mainwindow/windowtimers.h"
#include "mainwindow/zovmessages.h"

namespace {

using namespace playbacktest;
using Strings = std::vector<std::string>;

class DispatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fakevlc::Reset();
        fakevlc::Get().playerNames = {"front", "rear"};
        engine_ = std::make_unique<VlcEngine>(fakevlc::MakeLibrary(), std::vector<std::string>{});
        front_ = std::make_unique<VideoPlayer>(*engine_);
        rear_ = std::make_unique<VideoPlayer>(*engine_);
        catalogue.paths = {"/card/F/A_0F.MP4", "/card/F/A_1F.MP4"};
        playback = std::make_unique<DualPlayback>(*front_, *rear_, catalogue, surface, timers);
        playback->Initialise(nullptr, nullptr, nullptr);

        // Every window action counts its calls under its name.
        WindowActions a;
        const std::pair<std::function<void()>*, const char*> named[] = {
            {&a.open, "open"},
            {&a.saveAs, "saveAs"},
            {&a.deleteFiles, "delete"},
            {&a.unlock, "unlock"},
            {&a.kml, "kml"},
            {&a.configure, "configure"},
            {&a.minimise, "minimise"},
            {&a.maximise, "maximise"},
            {&a.close, "close"},
            {&a.about, "about"},
            {&a.sizeSmall, "small"},
            {&a.sizeMedium, "medium"},
            {&a.sizeLarge, "large"},
            {&a.languageChanged, "language"},
            {&a.toggleFullPane, "fullPane"},
            {&a.showControls, "showControls"},
            {&a.mapProviderChanged, "mapProvider"},
            {&a.toggleFrontFullPane, "frontFullPane"},
        };
        for (const auto& [f, name] : named) *f = [this, n = std::string(name)] { ++ran[n]; };
        a.engineError = [this](std::intptr_t w) { ++ran["engineError" + std::to_string(w)]; };
        a.mapShown = [this] { return mapShown; };
        a.graphShown = [this] { return graphShown; };
        a.inFullPane = [this] { return fullPane; };
        a.showMap = [this](bool on) { mapShown = on; };
        a.showGraph = [this](bool on) { graphShown = on; };
        a.storeMapShown = [this](bool on) {
            stored.push_back(std::string("MAP_ENABLE=") + (on ? "1" : "0"));
        };
        a.storeGraphShown = [this](bool on) {
            stored.push_back(std::string("GSNR_ENABLE=") + (on ? "1" : "0"));
        };
        a.volumePressed = [this] { return volumePressed; };
        a.volumeSlider = [] { return 40; };
        a.positionSlider = [] { return 500; };
        dispatch = std::make_unique<ZovDispatch>(*playback, a);
        fakevlc::Get().calls.clear();
    }
    void TearDown() override {
        dispatch.reset();
        playback.reset();
        rear_.reset();
        front_.reset();
    }

    // The calls of the last step that are not queries of the clock.
    static Strings Steps() {
        Strings out;
        for (const std::string& c : fakevlc::Get().calls) {
            if (c.rfind("libvlc_media_player_get_", 0) != 0) out.push_back(c);
        }
        fakevlc::Get().calls.clear();
        return out;
    }

    FakeCatalogue catalogue;
    FakeSurface surface;
    FakeTimers timers;
    std::unique_ptr<DualPlayback> playback;
    std::unique_ptr<ZovDispatch> dispatch;
    std::map<std::string, int> ran;
    std::vector<std::string> stored;
    bool mapShown = true, graphShown = true, fullPane = false, volumePressed = true;

  private:
    std::unique_ptr<VlcEngine> engine_;
    std::unique_ptr<VideoPlayer> front_, rear_;
};

TEST_F(DispatchTest, EveryButtonReachesItsHandler) {
    const std::pair<int, const char*> windowCommands[] = {
        {1001, "open"},      {1005, "saveAs"},   {1013, "delete"}, {1026, "unlock"}, {1023, "kml"},
        {1014, "configure"}, {1044, "minimise"}, {4, "maximise"},  {1045, "close"},  {57670, "about"},
        {1052, "small"},     {1059, "medium"},   {1060, "large"},
    };
    for (const auto& [id, name] : windowCommands) {
        EXPECT_TRUE(dispatch->Command(id)) << id;
        EXPECT_EQ(ran[name], 1) << id;
    }
    // Playback's buttons, by the first thing each does.
    const std::pair<int, const char*> playbackCommands[] = {
        {1015, "SetGraphDimmed(0)"},
        {1016, "SetGraphDimmed(1)"},
        {1017, "libvlc_media_player_set_rate(front,1.2)"},
        {1018, "libvlc_media_player_set_rate(front,1)"},
        {1046, "libvlc_audio_set_mute(front,1)"},
        {1006, "AskSnapshotPath()"},
    };
    for (const auto& [id, call] : playbackCommands) {
        EXPECT_TRUE(dispatch->Command(id)) << id;
        const Strings steps = Steps();
        EXPECT_NE(std::find(steps.begin(), steps.end(), call), steps.end()) << id << " " << call;
    }
    EXPECT_TRUE(dispatch->Command(1021));
    EXPECT_FALSE(playback->AutoNext());
    // FLIP and the panes are known and do nothing; other ids are not the window's.
    for (int id : {1022, 1002, 1011}) EXPECT_TRUE(dispatch->Command(id)) << id;
    EXPECT_EQ(Steps(), Strings{});
    EXPECT_FALSE(dispatch->Command(1003));
}

TEST_F(DispatchTest, EveryPrivateMessageReachesItsHandler) {
    using M = ZovMessage;
    const struct {
        M message;
        std::intptr_t wParam, lParam;
        Strings steps;
        const char* action;
    } cases[] = {
        {M::EngineError, 1, 0, {}, "engineError1"},
        {M::LanguageChanged, 3, 0, {}, "language"},
        {M::Reserved, 0, 0, {}, nullptr},
        {M::ToggleFullPane, 0, 0, {}, "fullPane"},
        {M::ShowControls, 0, 0, {}, "showControls"},
        {M::PlayState, 3, 0, {"SetPlayButtonState(1)"}, nullptr},
        {M::TimeChanged, 2000, 32, {"SyncToTime(2000)", "SetGpsLamp(1)", "SetPositionSlider(32)"}, nullptr},
        {M::MapProviderChanged, 2, 0, {}, "mapProvider"},
        {M::VolumeChanged, 0, 0, {"libvlc_audio_set_volume(front,80)"}, nullptr},
        {M::PositionDragged, 0, 0, {"SyncToTime(30500)", "SetGpsLamp(1)"}, nullptr},
        {M::GpsLampOff, 0, 0, {"SetGpsLamp(0)"}, nullptr},
        {M::FileActivated, -1, 0, {}, nullptr},
        {M::GroupActivated, -1, 0, {}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.message) - QEvent::User);
        ran.clear();
        ZovMessageEvent event(c.message, c.wParam, c.lParam);
        EXPECT_TRUE(dispatch->Message(&event));
        EXPECT_EQ(Steps(), c.steps);
        if (c.action) {
            EXPECT_EQ(ran[c.action], 1);
        }
    }
    EXPECT_EQ(playback->Shared().pendingSeek.load(), 30500) << "the drag leaves its seek pending";
    QEvent other(QEvent::User);
    EXPECT_FALSE(dispatch->Message(&other));
}

TEST_F(DispatchTest, MapAndGraphShowHideAndAreStoredButTheMapNotInFullPane) {
    dispatch->Command(1024);
    dispatch->Command(1025);
    EXPECT_FALSE(mapShown);
    EXPECT_FALSE(graphShown);
    fullPane = true;
    dispatch->Command(1024);
    dispatch->Command(1025);
    EXPECT_FALSE(mapShown);
    EXPECT_TRUE(graphShown);
    EXPECT_EQ(stored, (std::vector<std::string>{"MAP_ENABLE=0", "GSNR_ENABLE=0", "GSNR_ENABLE=1"}));
}

TEST_F(DispatchTest, KeysReachTheWindowWhateverHasTheFocusButNotInADialog) {
    QDialog window;  // a dialog like the player's own window, which Escape would close
    auto* button = new QPushButton("PLAY", &window);
    auto* edit = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(button);
    layout->addWidget(edit);
    PlayerKeys keys(&window, *dispatch, *playback);
    window.show();
    catalogue.current = 0;
    surface.volumeSlider = 50;

    const auto press = [](QWidget* to, int key) {
        QKeyEvent override(QEvent::ShortcutOverride, key, Qt::NoModifier);
        QApplication::sendEvent(to, &override);
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(to, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(to, &up);
    };
    for (QWidget* focus : {static_cast<QWidget*>(button), static_cast<QWidget*>(edit)}) {
        SCOPED_TRACE(focus->metaObject()->className());
        playback->Shared().pendingSeek = 0;
        press(focus, Qt::Key_Space);
        EXPECT_EQ(fakevlc::Count("SetGraphDimmed"), 1) << "Space is PLAY";
        press(focus, Qt::Key_Right);
        EXPECT_EQ(playback->Shared().pendingSeek.load(), 1234 + 5000);
        press(focus, Qt::Key_Left);
        press(focus, Qt::Key_Left);
        EXPECT_EQ(playback->Shared().pendingSeek.load(), 1);
        press(focus, Qt::Key_Up);
        EXPECT_EQ(surface.volumeSlider, 55);
        press(focus, Qt::Key_Down);
        press(focus, Qt::Key_Down);
        EXPECT_EQ(surface.volumeSlider, 45);
        surface.volumeSlider = 50;
        ran.clear();
        press(focus, Qt::Key_F);
        EXPECT_EQ(ran["frontFullPane"], 1);
        press(focus, Qt::Key_Escape);
        EXPECT_TRUE(window.isVisible()) << "Escape never closes the player";
        fakevlc::Get().calls.clear();
    }
    EXPECT_TRUE(edit->text().isEmpty()) << "the keys went to the player, not into the field";

    // A dialog of its own keeps its keys: Escape closes it, Space does not play.
    QDialog dialog(&window);
    auto* field = new QLineEdit(&dialog);
    dialog.show();
    press(field, Qt::Key_Space);
    EXPECT_EQ(fakevlc::Count("SetGraphDimmed"), 0);
    press(field, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(WindowTimersTest, TicksComeBackByIdAndOnlyTableIdsStart) {
    std::vector<int> ticks;
    WindowTimers timers([&](int id) {
        ticks.push_back(id);
        if (id == 106) timers.KillTimer(id);
    });
    EXPECT_FALSE(timers.Start(104));
    EXPECT_TRUE(timers.Start(105));
    timers.StartTimer(106, 30);  // a short stand-in for its 100 s
    bool later = false;
    timers.RunLater(50, [&] { later = true; });
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 400) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(later);
    EXPECT_EQ(std::count(ticks.begin(), ticks.end(), 106), 1);
    EXPECT_GE(std::count(ticks.begin(), ticks.end(), 105), 2);
    EXPECT_TRUE(timers.IsActive(105));
    EXPECT_FALSE(timers.IsActive(106));
}

TEST(AboutBoxTest, CaptionVersionIconAndOk) {
    QWidget owner;
    QPixmap icon(32, 32);
    icon.fill(Qt::darkGreen);
    owner.setWindowIcon(QIcon(icon));
    CAboutDlg about(&owner);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("&About ZOV..."));
    auto* text = about.findChild<QLabel*>(QStringLiteral("aboutText"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), QStringLiteral("Orvan Player, Version 3.1.3"));
    auto* picture = about.findChild<QLabel*>(QStringLiteral("aboutIcon"));
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->pixmap().isNull());
    QTimer::singleShot(0, &about, [&] {
        auto* ok = about.findChild<QPushButton*>();
        ASSERT_NE(ok, nullptr);
        ok->click();
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
}

TEST(EngineErrorBoxTest, TextOfString102UnderTheApplicationsName) {
    QApplication::setApplicationName(QStringLiteral("Orvan Player"));
    QString title, text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    ShowEngineErrorBox(nullptr, 1);
    EXPECT_EQ(title, QStringLiteral("Orvan Player"));
    EXPECT_EQ(text, QStringLiteral("Media player encountered a error."));
}

}  // namespace
