#include "mainwindow/commands.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QWidget>

#include <utility>

#include "app/loadtext.h"
#include "mainwindow/controltable.h"
#include "playback/dualplayback.h"

namespace {

void Run(const std::function<void()>& f) {
    if (f) f();
}

constexpr int kEngineErrorText = 102;  // "Media player encountered a error."

}  // namespace

ZovDispatch::ZovDispatch(DualPlayback& playback, WindowActions actions)
    : playback_(playback), actions_(std::move(actions)) {}

// The command table: button id → what the click does.
bool ZovDispatch::Command(int id) {
    namespace c = ControlId;
    DualPlayback& p = playback_;
    const WindowActions& a = actions_;
    // clang-format off
    switch (id) {
        case c::kOpen:      Run(a.open); break;
        case c::kSave:      Run(a.saveAs); break;
        case c::kSnap:      p.Snapshot(); break;
        case c::kDelete:    Run(a.deleteFiles); break;
        case c::kConfig:    Run(a.configure); break;
        case c::kPlay:      p.Play(); break;
        case c::kStop:      p.Stop(); break;
        case c::kFast:      p.Faster(); break;
        case c::kSlow:      p.Slower(); break;
        case c::kLoop:      p.ToggleAutoNext(); break;
        case c::kFlip:      break;  // the button stays hidden and disabled
        case c::kKml:       Run(a.kml); break;
        case c::kMap:       ToggleMap(); break;
        case c::kGsr:       ToggleGraph(); break;
        case c::kLock:      Run(a.unlock); break;
        case c::kVolume:    p.SetMute(a.volumePressed && a.volumePressed()); break;
        case c::kMinimize:  Run(a.minimise); break;
        case c::kMaximize:  Run(a.maximise); break;
        case c::kClose:     Run(a.close); break;
        case c::kAbout:     Run(a.about); break;
        case c::kSizeS:     Run(a.sizeSmall); break;
        case c::kSizeM:     Run(a.sizeMedium); break;
        case c::kSizeL:     Run(a.sizeLarge); break;
        case c::kFrontPane:
        case c::kRearPane:  break;  // the panes' own commands do nothing
        default:            return false;
    }
    // clang-format on
    return true;
}

// The private-message table: who sends it (posted or sent) is in zovmessages.h.
bool ZovDispatch::Message(const QEvent* event) {
    if (!ZovMessageEvent::IsZovMessage(event)) return false;
    const auto& m = *static_cast<const ZovMessageEvent*>(event);
    const std::intptr_t w = m.wParam();
    DualPlayback& p = playback_;
    const WindowActions& a = actions_;
    // clang-format off
    switch (m.message()) {
        case ZovMessage::EngineError:        if (a.engineError) a.engineError(w); break;
        case ZovMessage::LanguageChanged:    Run(a.languageChanged); break;
        case ZovMessage::Reserved:           break;
        case ZovMessage::ToggleFullPane:     Run(a.toggleFullPane); break;
        case ZovMessage::ShowControls:       Run(a.showControls); break;
        case ZovMessage::PlayState:          p.OnPlayState(w); break;
        case ZovMessage::TimeChanged:        p.OnTimeReport(static_cast<std::uint32_t>(w), static_cast<int>(m.lParam())); break;
        case ZovMessage::FrontEnded:         p.OnFrontEnded(); break;
        case ZovMessage::GroupActivated:     p.OnGroupActivated(static_cast<int>(w)); break;
        case ZovMessage::FileActivated:      p.OnFileActivated(static_cast<int>(w)); break;
        case ZovMessage::MapProviderChanged: Run(a.mapProviderChanged); break;
        case ZovMessage::VolumeChanged:      if (a.volumeSlider) p.SetVolume(a.volumeSlider()); break;
        case ZovMessage::PositionDragged:    if (a.positionSlider) p.DragSeek(a.positionSlider()); break;
        case ZovMessage::RearEnded:          p.OnRearEnded(); break;
        case ZovMessage::GpsLampOff:         p.OnGpsLampOff(); break;
    }
    // clang-format on
    return true;
}

bool ZovDispatch::Timer(int id) {
    return playback_.OnTimer(id);
}

void ZovDispatch::PositionScrolled(int position) {
    playback_.RequestSeek(position);
}

void ZovDispatch::VolumeScrolled(int position) {
    playback_.SetVolume(position);
}

void ZovDispatch::ToggleMap() {
    const WindowActions& a = actions_;
    if (!a.mapShown || !a.showMap) return;
    // The full pane covers the map's place: nothing to show it in.
    if (a.inFullPane && a.inFullPane()) return;
    const bool show = !a.mapShown();
    a.showMap(show);
    if (a.storeMapShown) a.storeMapShown(show);
}

void ZovDispatch::ToggleGraph() {
    const WindowActions& a = actions_;
    if (!a.graphShown || !a.showGraph) return;
    const bool show = !a.graphShown();
    a.showGraph(show);
    if (a.storeGraphShown) a.storeGraphShown(show);
}

PlayerKeys::PlayerKeys(QWidget* window, ZovDispatch& dispatch, DualPlayback& playback)
    : window_(window), dispatch_(dispatch), playback_(playback) {
    qApp->installEventFilter(this);
}

PlayerKeys::~PlayerKeys() {
    qApp->removeEventFilter(this);
}

bool PlayerKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return QObject::eventFilter(watched, event);
    }
    // Only keys for the window itself or one of its controls; a dialog is a window of its own.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (key->key() == Qt::Key_Escape) return true;
    if (!plain) return false;
    std::function<void()> action;
    // clang-format off
    switch (key->key()) {
        case Qt::Key_Space: action = [this] { dispatch_.Command(ControlId::kPlay); }; break;
        case Qt::Key_Left:  action = [this] { playback_.SeekBy(-kSeekStepMs); }; break;
        case Qt::Key_Right: action = [this] { playback_.SeekBy(kSeekStepMs); }; break;
        case Qt::Key_Up:    action = [this] { playback_.StepVolume(kVolumeStep); }; break;
        case Qt::Key_Down:  action = [this] { playback_.StepVolume(-kVolumeStep); }; break;
        case Qt::Key_F:     action = dispatch_.Actions().toggleFrontFullPane; break;
        default:            return false;
    }
    // clang-format on
    // Claim the key before a control takes it as a shortcut of its own (a button's Space), then act once
    // on the press itself; auto-repeat keeps seeking and changing the volume.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (action) action();
    return true;
}

void ShowEngineErrorBox(QWidget* parent, std::intptr_t wParam) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                    wParam == 1 ? LoadText(kEngineErrorText) : QString(), QMessageBox::Ok, parent);
    box.exec();
}
