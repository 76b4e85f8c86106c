#include "mainwindow/zovdlg.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "app/appsettings.h"
#include "app/loadtext.h"
#include "controls/gdipbutton.h"
#include "controls/gsensorctrl.h"
#include "controls/instrumentpaneladapter.h"
#include "controls/mysliderctrl.h"
#include "controls/pictures.h"
#include "controls/pngcompassstatic.h"
#include "controls/pngstatic.h"
#include "controls/speedlabelstatic.h"
#include "controls/statusboardstatic.h"
#include "controls/videoslider.h"
#include "controls/videostatic.h"
#include "controls/videostaticbg.h"
#include "controls/zoctooltipctrl.h"
#include "controls/zovfilelistctrl.h"
#include "controls/zovgrouplistctrl.h"
#include "mainwindow/controltable.h"
#include "mainwindow/filecommands.h"
#include "mainwindow/windowframe.h"
#include "mainwindow/windowplayback.h"
#include "map/htmlmapdlg.h"
#include "playback/vlcengine.h"

namespace {

constexpr int kIconPicture = 128;
constexpr int kEngineMissingText = 133;
constexpr int kWarningCaption = 131;
constexpr int kSeekInterval = 500;
constexpr int kDelayedStartInterval = 100;
// Where the map window is made before the first layout moves it: the template's place of control 1004.
constexpr QRect kMapPlaceRect(555, 48, 240, 240);
// The graph keeps its template height; the layout only changes its width and place.
constexpr int kGraphHeight = 72;
// The video backgrounds draw no sunken edge here, so the panes cover them exactly rather than overlapping
// their neighbours by an edge's width.
constexpr int kPaneEdge = 0;

QRect ToQRect(const LayoutRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

LayoutRect ToLayoutRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

Qt::CursorShape ToCursor(SizingCursor cursor) {
    switch (cursor) {
        case SizingCursor::Diagonal:
            return Qt::SizeFDiagCursor;
        case SizingCursor::NorthSouth:
            return Qt::SizeVerCursor;
        case SizingCursor::WestEast:
            return Qt::SizeHorCursor;
        case SizingCursor::Arrow:
            break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

CZovDlg::CZovDlg(QWidget* parent) : CZovDlg(VlcEngine::Process(), AppSettings::Instance(), parent) {}

CZovDlg::CZovDlg(VlcEngine& engine, AppSettings& settings, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint),
      settings_(settings),
      // The first use of the settings fixes the language as well.
      mapProvider_(settings.ReadMapProvider()),
      front_(engine),
      rear_(engine) {
    // Every text of the window and its dialogs follows the language of the window's own settings.
    AppSettings::SetCurrent(&settings_);
    setObjectName(QStringLiteral("CZovDlg"));
    setMouseTracking(true);
    // The face is painted whole on every paint; nothing of the platform's background shows.
    setAttribute(Qt::WA_OpaquePaintEvent);
    OnInitDialog();
}

CZovDlg::~CZovDlg() {
    if (&AppSettings::Current() == &settings_) AppSettings::SetCurrent(nullptr);
}

template <class T, class... Args>
T* CZovDlg::Make(int id, Args... args) {
    T* control = new T(args..., this);
    control->setObjectName(QString::number(id));
    controls_[id] = control;
    return control;
}

QWidget* CZovDlg::Control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

void CZovDlg::CreateControls() {
    using namespace ControlId;
    // Made in the z-order they need: the backgrounds under the video panes.
    frontBackground_ = Make<CVideoStaticBg>(kFrontBackground, VideoPaneSide::Front);
    rearBackground_ = Make<CVideoStaticBg>(kRearBackground, VideoPaneSide::Rear);
    frontPane_ = Make<CVideoStatic>(kFrontPane, VideoPaneSide::Front);
    rearPane_ = Make<CVideoStatic>(kRearPane, VideoPaneSide::Rear);
    for (const ButtonSetup& setup : kButtonSetups) Make<CGdipButton>(setup.id);
    Make<CGdipButton>(kFlip);
    playButton_ = ControlAs<CGdipButton>(kPlay);
    graph_ = Make<CGSensorCtrl>(kGraph);
    graph_->resize(graph_->width(), kGraphHeight);
    positionSlider_ = Make<CVideoSlider>(kPositionSlider);
    volumeSlider_ = Make<CMySliderControl>(kVolumeSlider);
    groupList_ = Make<CZovGroupListCtrl>(kGroupList);
    fileList_ = Make<CZovFileListCtrl>(kFileList);
    auto* lamp = Make<CPngStatic>(kGpsLamp);
    auto* compass = Make<CPngCompassStatic>(kCompass);
    auto* speed = Make<CSpeedLabelStatic>(kSpeed);
    speed_ = speed;
    auto* board = Make<CStatusBoardStatic>(kStatusBoard);
    instruments_ = std::make_unique<InstrumentPanelAdapter>(*compass, *speed, *lamp, *board);
    Make<CPngStatic>(kBlank);
    Make<CPngStatic>(kBanner);
    for (const ControlPlacement& fixed : kFixedPlacements)
        Control(fixed.id)->setGeometry(ToQRect(fixed.rect));
    // The map window takes this placeholder's place.
    auto* mapPlace = new QWidget(this);
    mapPlace->setObjectName(QString::number(kMapPlace));
    mapPlace->setGeometry(kMapPlaceRect);
}

void CZovDlg::OnInitDialog() {
    CreateControls();
    // Frameless windows have no window menu here, so there is nothing to append the About entry to.
    setWindowIcon(PictureIcon(kIconPicture));

    mapShown_ = settings_.ReadMapEnabled() != 0;
    graphShown_ = settings_.ReadGSensorEnabled() != 0;
    if (!graphShown_) graph_->hide();

    SetUpChannels();

    map_ = new CHtmlMapDlg([this] { return mapProvider_; }, this);
    map_->setObjectName(QStringLiteral("CHtmlMapDlg"));
    map_->CreateInPlace(ControlId::kMapPlace, this);

    SetUpPictures();
    setWindowTitle(title_);
    PlaceFromSettings();
    RelayoutControls(width(), height());

    toolTip_ = new CZocToolTipCtrl(this);
    toolTip_->CreateTips(this, 0, true);
    std::vector<CZocToolTipCtrl::Tool> tools;
    for (const TooltipEntry& entry : kTooltips) tools.push_back({Control(entry.id), entry.id, entry.text});
    toolTip_->Fill(tools);

    groupList_->InitList();
    fileList_->InitList();
    catalogue_.Init(groupList_, fileList_, graph_, map_, instruments_.get());
    catalogue_.SetCounterPane(frontPane_);

    frontPane_->hide();
    rearPane_->hide();

    WireControls();
    seekTimer_.start(kSeekInterval);
    delayedStartTimer_.start(kDelayedStartInterval);
}

void CZovDlg::SetUpChannels() {
    const std::pair<VideoPlayer*, CVideoStatic*> channels[] = {{&front_, frontPane_}, {&rear_, rearPane_}};
    for (const auto& [channel, pane] : channels) {
        if (channel->IsEngineAvailable()) {
            channel->SetWindow(pane->VideoWindow()->winId());
            channel->SetRate(1.0f);
        } else {
            QMessageBox::warning(this, LoadText(kWarningCaption), LoadText(kEngineMissingText));
        }
    }
    positionSlider_->setRange(0, 1000);
    volumeSlider_->setRange(0, 100);
    volumeSlider_->setValue(100);
    front_.SetVolume(100);
    // The rear channel stays silent for the life of the window.
    rear_.SetVolume(0);
}

void CZovDlg::SetUpPictures() {
    using namespace ControlId;
    for (const ButtonSetup& setup : kButtonSetups) {
        auto* button = ControlAs<CGdipButton>(setup.id);
        button->LoadStdImage(setup.picture);
        if (setup.altPicture != 0) button->LoadAltImage(setup.altPicture);
        if (setup.toggle) button->EnableToggle(true);
        if (setup.width > 0) button->resize(setup.width, setup.height);
    }
    QWidget* flip = Control(kFlip);
    flip->setEnabled(false);
    flip->hide();
    Control(kBanner)->setEnabled(false);
    // Compass at grey north, 0 km/h with a fix, the lamp grey, the status board's pattern.
    instruments_->SetUp();
    frontBackground_->show();
    rearBackground_->show();
}

void CZovDlg::PlaceFromSettings() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QSize usable = primary ? primary->availableGeometry().size() : QSize(800, 560);
    const ::WindowRect r = settings_.ReadWindowRect(usable.width(), usable.height());
    setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    raise();
}

void CZovDlg::SetMapProvider(int provider) {
    mapProvider_ = provider;
    if (map_) map_->SetMapProvider(provider);
}

void CZovDlg::AddCommand(int id, std::function<void()> handler) {
    commands_[id] = std::move(handler);
}

void CZovDlg::RunCommand(int id) {
    const auto it = commands_.find(id);
    if (it != commands_.end() && it->second) it->second();
}

void CZovDlg::AddMessageHandler(ZovMessage message, std::function<void(const ZovMessageEvent&)> handler) {
    messageHandlers_[message] = std::move(handler);
}

bool CZovDlg::event(QEvent* event) {
    if (ZovMessageEvent::IsZovMessage(event)) {
        const auto& message = static_cast<const ZovMessageEvent&>(*event);
        const auto it = messageHandlers_.find(message.message());
        if (it != messageHandlers_.end() && it->second) it->second(message);
        return true;
    }
    return QDialog::event(event);
}

// Layout.

void CZovDlg::RelayoutControls(int width, int height) {
    LayoutInput input;
    input.clientWidth = width;
    input.clientHeight = height;
    input.sizes = sizes_;
    input.mapShown = mapShown_;
    input.graphShown = graphShown_;
    input.graphHeight = graph_->height();
    input.fullPane = modes_.IsFullPane();
    if (input.fullPane) {
        const LayoutRect monitor = MonitorRect();
        const QPoint topLeft = mapFromGlobal(QPoint(monitor.left, monitor.top));
        input.monitor = {topLeft.x(), topLeft.y(), topLeft.x() + monitor.Width(),
                         topLeft.y() + monitor.Height()};
    }
    const LayoutResult layout = ::RelayoutControls(input);
    for (int i = 0; i < layout.count; ++i) {
        const ControlPlacement& p = layout.placements[static_cast<std::size_t>(i)];
        QWidget* control = p.id == ControlId::kMapPlace ? map_ : Control(p.id);
        if (control) control->setGeometry(ToQRect(p.rect));
    }
    mouse_.SetSplitters(layout);
    FitVideoPanes();
}

void CZovDlg::FitVideoPanes() {
    if (!frontBackground_ || !rearBackground_ || !frontPane_ || !rearPane_) return;
    const VideoSize video = catalogue_.GetCurrentVideoSize();
    const VideoPaneRects panes = ::FitVideoPanes(
        ToLayoutRect(frontBackground_->geometry()), ToLayoutRect(rearBackground_->geometry()),
        modes_.IsFullPane(), kPaneEdge, kPaneEdge, video.ok ? video.width : 0, video.ok ? video.height : 0);
    if (!modes_.IsFullPane()) {
        frontPane_->setGeometry(ToQRect(panes.front));
        rearPane_->setGeometry(ToQRect(panes.rear));
    } else if (modes_.FullPaneId() == 2) {
        rearPane_->setGeometry(ToQRect(panes.rear));
    } else {
        frontPane_->setGeometry(ToQRect(panes.front));
    }
}

void CZovDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    OnSizeChanged(width(), height());
}

void CZovDlg::OnSizeChanged(int width, int height) {
    if (width == 0 && height == 0) return;
    clientWidth_ = width;
    clientHeight_ = height;
    setMask(OutlineRegion(width, height, modes_.IsFullPane()));
    const QSize size(width, height);
    if (size != lastLayoutSize_) RelayoutControls(width, height);
    lastLayoutSize_ = size;
    if (modes_.TakeRestorePending()) {
        for (QWidget* pane : {frontPane_, rearPane_}) {
            if (pane) pane->show();
        }
    }
    update();
}

void CZovDlg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // A window restored from the task bar keeps its size, so Qt reports no resize: the restore is the size
    // change that shows the panes again.
    if (event->type() == QEvent::WindowStateChange && !isMinimized()) OnSizeChanged(width(), height());
}

void CZovDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintWindowFace(painter, width(), height(), modes_.IsFullPane(), title_);
}

// The mouse on the background.

void CZovDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QDialog::mousePressEvent(event);
    const QPoint p = event->position().toPoint();
    // A press on the grip or a splitter starts that drag; anywhere else on the background moves the window.
    // (Asking the platform to move first would hand the whole drag to the window manager.)
    if (mouse_.Press(p.x(), p.y(), width(), height()) == DragKind::None && modes_.CanMoveOrResize()) {
        QWindow* window = windowHandle();
        manualMove_ = window == nullptr || !window->startSystemMove();
        manualMoveOffset_ = event->globalPosition().toPoint() - pos();
    }
    event->accept();
}

void CZovDlg::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (manualMove_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - manualMoveOffset_);
        return;
    }
    const MouseSizing::Action action =
        mouse_.Move(p.x(), p.y(), width(), height(), modes_.CanMoveOrResize(), sizes_);
    ApplyMouseAction(action, p);
    setCursor(ToCursor(action.cursor));
}

void CZovDlg::mouseReleaseEvent(QMouseEvent* event) {
    manualMove_ = false;
    bool handled = false;
    const MouseSizing::Action action = mouse_.Release(modes_.CanMoveOrResize(), handled);
    if (!handled) return QDialog::mouseReleaseEvent(event);
    ApplyMouseAction(action, event->position().toPoint());
    event->accept();
}

void CZovDlg::ApplyMouseAction(const MouseSizing::Action& action, const QPoint& pointer) {
    if (action.resizeWindow) {
        MoveWindow(GripResize(WindowRect(), pointer.x(), pointer.y()));
        raise();
    }
    if (action.relayout) RelayoutControls();
    if (action.repaintGraph) graph_->update();
    if (action.refreshMap) RefreshMapWindow();
}

void CZovDlg::RefreshMapWindow() {
    if (!map_) return;
    map_->hide();
    map_->show();
}

void CZovDlg::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QDialog::mouseDoubleClickEvent(event);
    const QPoint p = event->position().toPoint();
    if (speed_ && speed_->isVisible() && speed_->geometry().contains(p)) {
        // The speed display lies on the background it shares with the title bar: hand it the double click,
        // it switches its unit.
        QMouseEvent forwarded(QEvent::MouseButtonDblClick, speed_->mapFrom(this, event->position()),
                              event->globalPosition(), Qt::LeftButton, event->buttons(), event->modifiers());
        QCoreApplication::sendEvent(speed_, &forwarded);
    } else {
        ToggleMaximize();
    }
    event->accept();
}

// Keys and closing.

void CZovDlg::keyPressEvent(QKeyEvent* event) {
    // Escape never closes the player.
    if (event->key() == Qt::Key_Escape) return event->accept();
    QDialog::keyPressEvent(event);
}

void CZovDlg::SaveOnClose() {
    front_.Stop();
    const LayoutRect r = WindowRect();
    settings_.WriteWindowRect({r.left, r.top, r.right, r.bottom});
}

void CZovDlg::closeEvent(QCloseEvent* event) {
    SaveOnClose();
    event->accept();
    done(QDialog::Rejected);
}

void CZovDlg::reject() {
    // A cancel request stores the state like a close but leaves the window open.
    SaveOnClose();
}
