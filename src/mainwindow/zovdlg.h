#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "library/recordingcatalogue.h"
#include "mainwindow/mainlayout.h"
#include "mainwindow/mousesizing.h"
#include "mainwindow/opencommand.h"
#include "mainwindow/windowmodes.h"
#include "mainwindow/zovmessages.h"
#include "playback/videoplayer.h"

class AppSettings;
class CGdipButton;
class CGSensorCtrl;
class CHtmlMapDlg;
class CMySliderControl;
class CVideoSlider;
class CVideoStatic;
class CVideoStaticBg;
class CZocToolTipCtrl;
class DropOpener;
class FileCommands;
class CZovFileListCtrl;
class CZovGroupListCtrl;
class InstrumentPanelAdapter;
class VlcEngine;
class WindowPlayback;

// The player's only top-level window, and the hub of the program: it owns the two playback channels, the
// catalogue, the map window and every control around the video panes, and wires them together
// (zovdlg_wiring.cpp). What each piece does lives in its own file: the layout (mainlayout), the modes
// (windowmodes, applied in zovdlg_modes.cpp), the mouse on the background (mousesizing), the outline and
// the painted face (windowframe). Playback and the commands attach their own handlers through AddCommand,
// AddMessageHandler and the timers.
//
// Frameless and shaped: it paints its own title, grip and outline and is moved by dragging its background.
class CZovDlg : public QDialog {
    Q_OBJECT

  public:
    // The engine and the settings default to the process-wide ones; tests give a recording stand-in of the
    // engine and a settings file of their own.
    explicit CZovDlg(QWidget* parent = nullptr);
    CZovDlg(VlcEngine& engine, AppSettings& settings, QWidget* parent = nullptr);
    ~CZovDlg() override;

    // Owned objects.
    VideoPlayer& FrontChannel() { return front_; }
    VideoPlayer& RearChannel() { return rear_; }
    RecordingCatalogue& Catalogue() { return catalogue_; }
    AppSettings& Settings() { return settings_; }
    CHtmlMapDlg* MapWindow() const { return map_; }
    CZocToolTipCtrl* ToolTip() const { return toolTip_; }
    InstrumentPanelAdapter& Instruments() { return *instruments_; }
    WindowPlayback* Playback() const { return playback_.get(); }
    OpenCommand* Opener() const { return open_.get(); }
    // Opens a source as OPEN does once it has been chosen: a drop on the window and the command line.
    void OpenMedia(const MediaChoice& choice);
    // The same once the map's page can take the route (at start the page is still loading, and what is sent
    // to it before it exists is lost), or after a few seconds without it.
    void OpenMediaWhenMapReady(const MediaChoice& choice);
    // Where KML exports go below "ZOV/KML/": the user's documents folder.
    std::string DocumentsFolder() const;
    // The child control of an id (ControlId), nullptr for ids the window does not have.
    QWidget* Control(int id) const;
    template <class T>
    T* ControlAs(int id) const {
        return dynamic_cast<T*>(Control(id));
    }

    // Commands: a button's click runs the handler registered for its id. A second registration replaces
    // the first.
    void AddCommand(int id, std::function<void()> handler);
    void RunCommand(int id);
    // Private messages, posted or sent to the window (zovmessages.h).
    void AddMessageHandler(ZovMessage message, std::function<void(const ZovMessageEvent&)> handler);

    // Timer 103 applies a pending seek (500 ms), timer 105 counts down a delayed start (100 ms). Both run for
    // the window's life; playback connects to their timeout.
    QTimer& SeekTimer() { return seekTimer_; }
    QTimer& DelayedStartTimer() { return delayedStartTimer_; }

    // Settings mirrored by the MAP and GSR commands.
    bool IsMapShown() const { return mapShown_; }
    void SetMapShown(bool shown) { mapShown_ = shown; }
    bool IsGraphShown() const { return graphShown_; }
    void SetGraphShown(bool shown) { graphShown_ = shown; }
    int MapProvider() const { return mapProvider_; }
    void SetMapProvider(int provider);

    // Layout.
    void RelayoutControls(int width, int height);
    void RelayoutControls() { RelayoutControls(clientWidth_, clientHeight_); }
    void FitVideoPanes();
    const SplitterSizes& RequestedSizes() const { return sizes_; }
    const MouseSizing& Mouse() const { return mouse_; }

    // Window modes (zovdlg_modes.cpp).
    const WindowModes& Modes() const { return modes_; }
    void ToggleMaximize();
    void SetSizePreset(SizePreset preset);
    void MinimizeWindow();
    void ToggleFullPane();
    void ShowMainControls(bool show);
    // The full rectangle of the monitor nearest the window, in screen pixels.
    LayoutRect MonitorRect() const;
    LayoutRect WindowRect() const;
    void MoveWindow(const LayoutRect& rect);

    // Closing: stops the front channel and stores the window's rectangle.
    void SaveOnClose();
    // A cancel request (not a close) stores the same but leaves the window open.
    void reject() override;

    const QString& Title() const { return title_; }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void OnInitDialog();
    void CreateControls();
    void SetUpChannels();
    void SetUpPictures();
    void PlaceFromSettings();
    void WireControls();
    void WireNotifications();
    void WireWindowCommands();
    void WireDialogCommands();
    void OnSizeChanged(int width, int height);
    void ApplyMouseAction(const MouseSizing::Action& action, const QPoint& pointer);
    void RefreshMapWindow();
    template <class T, class... Args>
    T* Make(int id, Args... args);

    AppSettings& settings_;
    QString title_ = QStringLiteral("Orvan Player");
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    QSize lastLayoutSize_;
    bool mapShown_ = true;
    bool graphShown_ = true;
    int mapProvider_ = 0;

    WindowModes modes_;
    SplitterSizes sizes_;
    MouseSizing mouse_;
    // Moving by hand where the platform has no window manager to move the window.
    bool manualMove_ = false;
    QPoint manualMoveOffset_;

    VideoPlayer front_;
    VideoPlayer rear_;
    RecordingCatalogue catalogue_;
    CHtmlMapDlg* map_ = nullptr;

    std::map<int, QWidget*> controls_;
    CGSensorCtrl* graph_ = nullptr;
    CGdipButton* playButton_ = nullptr;
    CVideoStatic* frontPane_ = nullptr;
    CVideoStatic* rearPane_ = nullptr;
    CVideoStaticBg* frontBackground_ = nullptr;
    CVideoStaticBg* rearBackground_ = nullptr;
    CVideoSlider* positionSlider_ = nullptr;
    CMySliderControl* volumeSlider_ = nullptr;
    CZovGroupListCtrl* groupList_ = nullptr;
    CZovFileListCtrl* fileList_ = nullptr;
    QWidget* speed_ = nullptr;
    CZocToolTipCtrl* toolTip_ = nullptr;
    std::unique_ptr<InstrumentPanelAdapter> instruments_;

    std::map<int, std::function<void()>> commands_;
    std::map<ZovMessage, std::function<void(const ZovMessageEvent&)>> messageHandlers_;
    QTimer seekTimer_;
    QTimer delayedStartTimer_;
    // Last: it goes first, detaching the engine's callbacks while the channels, the catalogue and the timers
    // it uses still exist.
    std::unique_ptr<WindowPlayback> playback_;
    // After playback_, so they go before the controller they drive.
    std::unique_ptr<OpenCommand> open_;
    std::unique_ptr<FileCommands> fileCommands_;
};
