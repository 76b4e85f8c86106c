// Every connection the hub makes, grouped by direction. Playback and the command handlers add theirs
// through AddCommand and AddMessageHandler.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTimer>

#include "app/appsettings.h"
#include "controls/gdipbutton.h"
#include "controls/mysliderctrl.h"
#include "controls/videoslider.h"
#include "controls/videostatic.h"
#include "controls/videostaticbg.h"
#include "controls/zovfilelistctrl.h"
#include "controls/zovgrouplistctrl.h"
#include "mainwindow/controltable.h"
#include "mainwindow/dropopener.h"
#include "mainwindow/filecommands.h"
#include "mainwindow/windowdialogs.h"
#include "mainwindow/windowplayback.h"
#include "mainwindow/zovdlg.h"
#include "map/cefbrowsereventhandler.h"
#include "map/htmlmapdlg.h"

namespace {

// Sent, not posted: the handler runs before the control goes on, as the controls expect.
void Send(QObject* window, ZovMessage message, std::intptr_t wParam = 0) {
    ZovMessageEvent event(message, wParam);
    QCoreApplication::sendEvent(window, &event);
}

}  // namespace

void CZovDlg::WireControls() {
    using namespace ControlId;

    // buttons -> commands: a click runs the handler registered for the button's id.
    for (const ButtonSetup& setup : kButtonSetups) {
        auto* button = ControlAs<CGdipButton>(setup.id);
        const int id = setup.id;
        connect(button, &QAbstractButton::clicked, this, [this, id] { RunCommand(id); });
    }

    WireWindowCommands();
    WireNotifications();

    // video panes and their backgrounds -> window modes (sent on a double click)
    AddMessageHandler(ZovMessage::ToggleFullPane, [this](const ZovMessageEvent&) { ToggleFullPane(); });
    AddMessageHandler(ZovMessage::ShowControls, [this](const ZovMessageEvent&) { ShowMainControls(true); });
    AddMessageHandler(ZovMessage::Reserved, [](const ZovMessageEvent&) {});

    // playback <-> channels, panes, sliders, playback buttons, keys, tooltips (windowplayback.cpp)
    playback_ = std::make_unique<WindowPlayback>(*this);
    WireDialogCommands();
}

void CZovDlg::WireDialogCommands() {
    using namespace ControlId;
    DualPlayback& playback = playback_->Playback();
    // OPEN, a drop, the command line -> catalogue and playback (the walk's counter on the front pane)
    open_ = std::make_unique<OpenCommand>(catalogue_, playback, *frontPane_);
    AddCommand(kOpen, [this] { open_->Run([this] { return AskMediaSource(this, settings_); }); });
    new DropOpener(*this, [this](const MediaChoice& choice) { OpenMedia(choice); });

    // DEL, LOCK, SAVE, KML -> the catalogue's file operations and the export, with their boxes
    fileCommands_ = std::make_unique<FileCommands>(
        *this, catalogue_, playback, [this](const QString& title) { return AskFolder(this, title); },
        [this] { return DocumentsFolder(); });
    AddCommand(kDelete, [this] { fileCommands_->Delete(); });
    AddCommand(kLock, [this] { fileCommands_->Unlock(); });
    AddCommand(kSave, [this] { fileCommands_->SaveAs(); });
    AddCommand(kKml, [this] { fileCommands_->ExportKml(); });

    // Conf -> the configuration dialog; its Apply buttons post to this window (language, map provider), whose
    // dispatch (windowplayback.cpp) relabels the window and switches the map page
    AddCommand(kConfig, [this] {
        if (const std::optional<int> provider = AskConfiguration(this, settings_)) SetMapProvider(*provider);
    });
}

void CZovDlg::OpenMedia(const MediaChoice& choice) {
    if (open_) open_->Open(choice);
}

void CZovDlg::OpenMediaWhenMapReady(const MediaChoice& choice) {
    constexpr int kPollMs = 50;
    constexpr int kGiveUpMs = 5000;
    auto* poll = new QTimer(this);
    QElapsedTimer waited;
    waited.start();
    connect(poll, &QTimer::timeout, this, [this, poll, waited, choice] {
        const bool ready =
            map_ == nullptr || map_->Handler() == nullptr || map_->Handler()->GetBrowser() != nullptr;
        if (!ready && waited.elapsed() < kGiveUpMs) return;
        poll->deleteLater();
        poll->stop();
        OpenMedia(choice);
    });
    poll->start(kPollMs);
}

std::string CZovDlg::DocumentsFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

void CZovDlg::WireWindowCommands() {
    using namespace ControlId;
    // window buttons -> window modes
    AddCommand(kMaximize, [this] { ToggleMaximize(); });
    AddCommand(kMinimize, [this] { MinimizeWindow(); });
    AddCommand(kSizeS, [this] { SetSizePreset(SizePreset::Small); });
    AddCommand(kSizeM, [this] { SetSizePreset(SizePreset::Medium); });
    AddCommand(kSizeL, [this] { SetSizePreset(SizePreset::Large); });
    // The close button asks for the close the way the desktop does, through the queue.
    AddCommand(kClose, [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); });
}

void CZovDlg::WireNotifications() {
    // video panes and their backgrounds -> window (double click: the full-pane mode)
    for (CVideoStatic* pane : {frontPane_, rearPane_}) {
        connect(pane, &CVideoStatic::DoubleClicked, this, [this] { Send(this, ZovMessage::ToggleFullPane); });
    }
    for (CVideoStaticBg* background : {frontBackground_, rearBackground_}) {
        connect(background, &CVideoStaticBg::DoubleClicked, this,
                [this] { Send(this, ZovMessage::ToggleFullPane); });
    }
    // sliders -> window (while dragged and on release)
    connect(volumeSlider_, &CSkinnedSlider::Dragged, this, [this] { Send(this, ZovMessage::VolumeChanged); });
    connect(positionSlider_, &CSkinnedSlider::Dragged, this,
            [this] { Send(this, ZovMessage::PositionDragged); });
    // lists -> window (double click on a row, -1 below the last)
    connect(groupList_, &CZovListCtrl::rowDoubleClicked, this,
            [this](int row) { Send(this, ZovMessage::GroupActivated, row); });
    connect(fileList_, &CZovListCtrl::rowDoubleClicked, this,
            [this](int row) { Send(this, ZovMessage::FileActivated, row); });
}
