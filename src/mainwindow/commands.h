#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

#include "mainwindow/zovmessages.h"

class DualPlayback;
class QWidget;
class ZovMessageEvent;

// What the window does for the commands and messages that are not playback's. The hub fills these in; one
// left empty makes its row do nothing.
struct WindowActions {
    // Commands.
    std::function<void()> open, saveAs, deleteFiles, unlock, kml, configure;
    std::function<void()> minimise, maximise, close, about, sizeSmall, sizeMedium, sizeLarge;
    // MAP and GSR: whether each is shown, and showing or hiding it with the relayout that follows.
    std::function<bool()> mapShown, graphShown, inFullPane;
    std::function<void(bool)> showMap, showGraph;
    // The settings the two are stored in (UI/MAP_ENABLE, UI/GSNR_ENABLE).
    std::function<void(bool)> storeMapShown, storeGraphShown;
    // The toggle buttons' own states, read after their click.
    std::function<bool()> volumePressed;
    std::function<int()> volumeSlider, positionSlider;
    // Messages.
    std::function<void(std::intptr_t wParam)> engineError;
    std::function<void()> languageChanged, toggleFullPane, showControls, mapProviderChanged;
    // Key F: the front pane's full-pane mode in and out.
    std::function<void()> toggleFrontFullPane;
};

// The dispatch of the main window: the command table and the private-message table, both in commands.cpp.
class ZovDispatch {
  public:
    ZovDispatch(DualPlayback& playback, WindowActions actions);

    // A button's command. False when the id is not one of the window's.
    bool Command(int id);
    // A private message; false for any other event.
    bool Message(const QEvent* event);
    // A tick of one of the window's timers; false for an id the window does not use.
    bool Timer(int id);
    // The sliders' scroll notifications (the position slider's release, the volume slider's moves).
    void PositionScrolled(int position);
    void VolumeScrolled(int position);

    const WindowActions& Actions() const { return actions_; }

  private:
    void ToggleMap();
    void ToggleGraph();

    DualPlayback& playback_;
    WindowActions actions_;
};

// The keys of a player, for the window whichever of its controls has the focus: Space plays and pauses,
// Left/Right seek 5 s, Up/Down change the volume by 5, F shows the front pane alone and back. Escape is
// swallowed so that it never closes the player. Dialogs (other top-level windows) keep their own keys.
class PlayerKeys : public QObject {
    Q_OBJECT
  public:
    // Watches every key press of the application (installed on it) that is meant for window.
    PlayerKeys(QWidget* window, ZovDispatch& dispatch, DualPlayback& playback);
    ~PlayerKeys() override;

    static constexpr std::int64_t kSeekStepMs = 5000;
    static constexpr int kVolumeStep = 5;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    ZovDispatch& dispatch_;
    DualPlayback& playback_;
};

// The box of an engine error: string 102 ("Media player encountered a error.") for wParam 1, an empty text
// otherwise, under the application's name.
void ShowEngineErrorBox(QWidget* parent, std::intptr_t wParam);
