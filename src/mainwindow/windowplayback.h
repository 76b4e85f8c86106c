#pragma once

#include <memory>
#include <string>

#include "mainwindow/channelevents.h"
#include "mainwindow/commands.h"
#include "mainwindow/windowtimers.h"
#include "playback/catalogueplayback.h"
#include "playback/dualplayback.h"

class CZovDlg;

// Playback inside the main window: the two-channel controller on the window's channels and catalogue, its
// view of the window's panes and controls, the engine callbacks' context, the command and message tables, the
// player's keys and the tooltips. The hub makes one after its controls exist and keeps it until its channels
// are released.
class WindowPlayback : public PlaybackSurface {
  public:
    explicit WindowPlayback(CZovDlg& window);
    // Detaches the engine callbacks first: libvlc waits for a callback that is running, so none outlives
    // the context.
    ~WindowPlayback() override;

    DualPlayback& Playback() { return playback_; }
    ZovDispatch& Dispatch() { return dispatch_; }
    // The window's tooltip table again, in its order, each with its text in the current language.
    void RegisterTooltips();

    // PlaybackSurface.
    bool IsPlaceholderShown(Channel channel) const override;
    void SetPlaceholderShown(Channel channel, bool shown) override;
    void ShowPane(Channel channel, bool show) override;
    bool HasPane(Channel channel) const override;
    WId PaneWindow(Channel channel) const override;
    void FitVideoPanes() override;
    void SetPlayButtonState(int state) override;
    void SetPositionSlider(int position) override;
    int VolumeSlider() const override;
    void SetVolumeSlider(int position) override;
    void SetGraphPosition(int ms) override;
    void SetGraphDimmed(bool dimmed) override;
    void SetGpsLamp(bool lit) override;
    bool GraphShown() const override;
    bool MapShown() const override;
    void InitMap() override;
    void ShowMessage(int textId, int captionId) override;
    std::string AskSnapshotPath() override;
    void SnapshotResult(const std::string& path, bool written) override;

  private:
    WindowActions MakeActions();
    void Wire();

    CZovDlg& window_;
    CataloguePlayback catalogue_;
    WindowTimers timers_;
    DualPlayback playback_;
    ChannelEventContext context_;
    ZovDispatch dispatch_;
    std::unique_ptr<PlayerKeys> keys_;
};

// The snapshot's save dialog: JPEG or PNG, ".JPG" when no extension is typed, the overwrite question on.
// Empty when cancelled.
std::string AskSnapshotFile(QWidget* owner);
