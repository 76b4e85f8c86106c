#include "mainwindow/windowplayback.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QSlider>
#include <QWindow>

#include <vector>

#include "app/appsettings.h"
#include "app/loadtext.h"
#include "controls/gdipbutton.h"
#include "controls/gsensorctrl.h"
#include "controls/pngstatic.h"
#include "controls/skinnedslider.h"
#include "controls/videostatic.h"
#include "controls/videostaticbg.h"
#include "controls/zoctooltipctrl.h"
#include "controls/zovlistctrl.h"
#include "mainwindow/aboutdlg.h"
#include "mainwindow/controltable.h"
#include "mainwindow/filecommands.h"
#include "mainwindow/zovdlg.h"
#include "map/htmlmapdlg.h"

namespace {

int PaneId(Channel c) {
    return c == Channel::Front ? ControlId::kFrontPane : ControlId::kRearPane;
}
int BackgroundId(Channel c) {
    return c == Channel::Front ? ControlId::kFrontBackground : ControlId::kRearBackground;
}

// The background shows its placeholder picture (the logo) while its pane is hidden.
constexpr int kPlaceholderImage = 1;
constexpr int kBlackImage = 0;

// The commands and messages the window's own wiring handles are left to it.
constexpr int kDispatchedCommands[] = {
    ControlId::kPlay,  ControlId::kStop,      ControlId::kFast,     ControlId::kSlow, ControlId::kSnap,
    ControlId::kLoop,  ControlId::kFlip,      ControlId::kVolume,   ControlId::kMap,  ControlId::kGsr,
    ControlId::kAbout, ControlId::kFrontPane, ControlId::kRearPane,
};
constexpr ZovMessage kDispatchedMessages[] = {
    ZovMessage::EngineError,   ZovMessage::LanguageChanged, ZovMessage::PlayState,
    ZovMessage::TimeChanged,   ZovMessage::FrontEnded,      ZovMessage::GroupActivated,
    ZovMessage::FileActivated, ZovMessage::VolumeChanged,   ZovMessage::PositionDragged,
    ZovMessage::RearEnded,     ZovMessage::GpsLampOff,      ZovMessage::MapProviderChanged,
};

}  // namespace

std::string AskSnapshotFile(QWidget* owner) {
    const QString jpeg = QStringLiteral("Jpeg File(*.jpg)");
    const QString png = QStringLiteral("Png File(*.png)");
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({jpeg, png});
    dialog.setDefaultSuffix(QStringLiteral("JPG"));
    // A name typed without an extension takes the chosen type's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, png](const QString& filter) {
        dialog.setDefaultSuffix(filter == png ? QStringLiteral("png") : QStringLiteral("JPG"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first().toStdString();
}

WindowPlayback::WindowPlayback(CZovDlg& window)
    : window_(window),
      catalogue_(window.Catalogue()),
      timers_([this](int id) { playback_.OnTimer(id); }),
      playback_(window.FrontChannel(), window.RearChannel(), catalogue_, *this, timers_),
      context_{&window.FrontChannel(), &playback_.Shared(), &window},
      dispatch_(playback_, MakeActions()) {
    timers_.Adopt(playback_timer::kApplySeek, window.SeekTimer());
    timers_.Adopt(playback_timer::kDelayedStart, window.DelayedStartTimer());
    // The window has set up the channels' rates, volumes and warnings already.
    playback_.AttachChannels(&channel_events::OnFrontPlayerEvent, &channel_events::OnRearPlayerEvent,
                             &context_);
    SetVolumeSlider(100);
    Wire();
}

WindowPlayback::~WindowPlayback() {
    window_.FrontChannel().AttachEvents(nullptr, nullptr);
    window_.RearChannel().AttachEvents(nullptr, nullptr);
}

WindowActions WindowPlayback::MakeActions() {
    CZovDlg& w = window_;
    WindowActions a;
    a.about = [&w] { CAboutDlg(&w).exec(); };
    a.mapShown = [&w] { return w.IsMapShown(); };
    a.graphShown = [&w] { return w.IsGraphShown(); };
    a.inFullPane = [&w] { return w.Modes().IsFullPane(); };
    a.showMap = [&w](bool show) {
        w.SetMapShown(show);
        if (w.MapWindow()) w.MapWindow()->setVisible(show);
        w.RelayoutControls();
    };
    a.showGraph = [&w](bool show) {
        w.SetGraphShown(show);
        if (QWidget* graph = w.Control(ControlId::kGraph)) graph->setVisible(show);
        w.RelayoutControls();
    };
    a.storeMapShown = [&w](bool show) { w.Settings().WriteMapEnabled(show ? 1 : 0); };
    a.storeGraphShown = [&w](bool show) { w.Settings().WriteGSensorEnabled(show ? 1 : 0); };
    a.volumePressed = [&w] {
        auto* vol = w.ControlAs<CGdipButton>(ControlId::kVolume);
        return vol && vol->IsAltState();
    };
    a.volumeSlider = [this] { return VolumeSlider(); };
    a.positionSlider = [&w] {
        auto* slider = w.ControlAs<QSlider>(ControlId::kPositionSlider);
        return slider ? slider->sliderPosition() : 0;
    };
    a.engineError = [&w](std::intptr_t wParam) { ShowEngineErrorBox(&w, wParam); };
    // The lists' headers first, then the tooltips, which the buttons' accessible names follow.
    a.languageChanged = [this, &w] {
        for (int id : {ControlId::kGroupList, ControlId::kFileList}) {
            if (auto* list = w.ControlAs<CZovListCtrl>(id)) list->RelabelColumns();
        }
        RegisterTooltips();
    };
    // The provider is read back from the settings: the message's own value is not used.
    a.mapProviderChanged = [&w] { w.SetMapProvider(w.Settings().ReadMapProvider()); };
    a.toggleFrontFullPane = [&w] { w.ToggleFullPane(); };
    return a;
}

void WindowPlayback::Wire() {
    // buttons -> playback and the window's own commands
    for (int id : kDispatchedCommands) window_.AddCommand(id, [this, id] { dispatch_.Command(id); });
    // engine callbacks, lists, sliders -> playback (through the private messages)
    for (ZovMessage m : kDispatchedMessages) {
        window_.AddMessageHandler(m, [this](const ZovMessageEvent& e) { dispatch_.Message(&e); });
    }
    // (Connections are made in the name of timers_, so they end with this object.)
    // sliders -> seek and volume: a key or a page step scrolls them (their drags come as the window's
    // private messages, which the hub sends).
    if (auto* position = window_.ControlAs<QSlider>(ControlId::kPositionSlider)) {
        position->setRange(0, 1000);
        QObject::connect(position, &QAbstractSlider::actionTriggered, &timers_,
                         [this, position] { dispatch_.PositionScrolled(position->sliderPosition()); });
    }
    if (auto* volume = window_.ControlAs<QSlider>(ControlId::kVolumeSlider)) {
        volume->setRange(0, 100);
        QObject::connect(volume, &QAbstractSlider::actionTriggered, &timers_,
                         [this, volume] { dispatch_.VolumeScrolled(volume->sliderPosition()); });
    }
    // keys of the whole window -> commands
    keys_ = std::make_unique<PlayerKeys>(&window_, dispatch_, playback_);
}

void WindowPlayback::RegisterTooltips() {
    CZocToolTipCtrl* tips = window_.ToolTip();
    if (!tips) return;
    std::vector<CZocToolTipCtrl::Tool> tools;
    for (const TooltipEntry& entry : kTooltips) {
        if (QWidget* control = window_.Control(entry.id)) tools.push_back({control, entry.id, entry.text});
    }
    tips->Fill(tools);
}

bool WindowPlayback::IsPlaceholderShown(Channel c) const {
    auto* bg = window_.ControlAs<CVideoStaticBg>(BackgroundId(c));
    return bg && bg->GetBgImage() == kPlaceholderImage;
}

void WindowPlayback::SetPlaceholderShown(Channel c, bool shown) {
    if (auto* bg = window_.ControlAs<CVideoStaticBg>(BackgroundId(c))) {
        bg->SetBgImage(shown ? kPlaceholderImage : kBlackImage);
    }
}

void WindowPlayback::ShowPane(Channel c, bool show) {
    if (QWidget* pane = window_.Control(PaneId(c))) pane->setVisible(show);
}

bool WindowPlayback::HasPane(Channel c) const {
    return window_.Control(PaneId(c)) != nullptr;
}

WId WindowPlayback::PaneWindow(Channel c) const {
    auto* pane = window_.ControlAs<CVideoStatic>(PaneId(c));
    QWindow* video = pane ? pane->VideoWindow() : nullptr;
    return video ? video->winId() : 0;
}

void WindowPlayback::FitVideoPanes() {
    window_.FitVideoPanes();
}

void WindowPlayback::SetPlayButtonState(int state) {
    if (auto* play = window_.ControlAs<CGdipButton>(ControlId::kPlay)) play->SetImageState(state);
}

void WindowPlayback::SetPositionSlider(int position) {
    auto* slider = window_.ControlAs<CSkinnedSlider>(ControlId::kPositionSlider);
    // The user's hand on the thumb wins over the clock.
    if (slider && !slider->IsDragging()) slider->setValue(position);
}

int WindowPlayback::VolumeSlider() const {
    auto* slider = window_.ControlAs<QSlider>(ControlId::kVolumeSlider);
    return slider ? slider->value() : 100;
}

void WindowPlayback::SetVolumeSlider(int position) {
    if (auto* slider = window_.ControlAs<QSlider>(ControlId::kVolumeSlider)) slider->setValue(position);
}

void WindowPlayback::SetGraphPosition(int ms) {
    if (auto* graph = window_.ControlAs<CGSensorCtrl>(ControlId::kGraph)) graph->SetPosition(ms);
}

void WindowPlayback::SetGraphDimmed(bool dimmed) {
    if (auto* graph = window_.ControlAs<CGSensorCtrl>(ControlId::kGraph)) graph->SetDimmed(dimmed);
}

void WindowPlayback::SetGpsLamp(bool lit) {
    if (auto* lamp = window_.ControlAs<CPngStatic>(ControlId::kGpsLamp)) lamp->SetLit(lit);
}

bool WindowPlayback::GraphShown() const {
    return window_.IsGraphShown();
}

bool WindowPlayback::MapShown() const {
    return window_.IsMapShown();
}

void WindowPlayback::InitMap() {
    if (window_.MapWindow()) window_.MapWindow()->InitMap(0, 0);
}

void WindowPlayback::ShowMessage(int textId, int captionId) {
    QMessageBox box(QMessageBox::NoIcon, LoadText(captionId), LoadText(textId), QMessageBox::Ok, &window_);
    box.exec();
}

void WindowPlayback::SnapshotResult(const std::string& path, bool written) {
    constexpr int kSnapshotCaption = 180;  // "Snapshot"
    constexpr int kSaved = 2004;
    constexpr int kNotSaved = 2005;
    QMessageBox box(written ? QMessageBox::Information : QMessageBox::Warning, LoadText(kSnapshotCaption),
                    FillIn(LoadText(written ? kSaved : kNotSaved), {ShownPath(path)}), QMessageBox::Ok,
                    &window_);
    box.exec();
}

std::string WindowPlayback::AskSnapshotPath() {
    // The dialog has no owner, as the recorder's own player opens it.
    return AskSnapshotFile(nullptr);
}
