#pragma once

#include <QElapsedTimer>

#include <functional>
#include <optional>
#include <string>

#include "library/views.h"

class DualPlayback;
class RecordingCatalogue;

// Where recordings come from: a whole drive (a memory card's mount point), a folder, or one file.
enum class SourceKind { Disk = 0, Folder = 1, File = 2 };

struct MediaChoice {
    SourceKind kind = SourceKind::File;
    std::string source;  // the mount point, the folder or the file's path
};

// The OPEN command: stops playback, asks for a source, rebuilds the catalogue from it and starts its first
// recording (at once for a drive or a file, after the delayed start's countdown for a folder). A drop on the
// window and the player's command line open a source the same way, without the question.
//
// The walk of a full card reads hundreds of files on the GUI thread. The counter on the front pane repaints
// for every file, and between files the window handles its pending events except user input, so it keeps
// painting (a window that stops painting for seconds looks hung) while nothing the user does can start a
// second walk or change the catalogue under the first.
class OpenCommand {
  public:
    using Chooser = std::function<std::optional<MediaChoice>()>;

    // counter is the front pane's counter display; the catalogue is given this object's forwarding pane.
    OpenCommand(RecordingCatalogue& catalogue, DualPlayback& playback, CounterPane& counter);
    ~OpenCommand();

    // The command: does nothing while a recording chosen in a list is still being switched to.
    void Run(const Chooser& choose);
    // The same without the question: for a drop and the command line.
    void Open(const MediaChoice& choice);
    bool Walking() const { return walking_; }

    // The least time between two rounds of event handling during a walk.
    static constexpr int kPaintIntervalMs = 40;

  private:
    // Forwards the walk's counter to the pane and lets the window paint now and then.
    class WalkCounter : public CounterPane {
      public:
        explicit WalkCounter(CounterPane& pane) : pane_(pane) {}
        void ShowCounter(bool on) override;
        void SetCount(int filesSeen) override;

      private:
        CounterPane& pane_;
        QElapsedTimer sinceEvents_;
    };

    void OpenChosen(const MediaChoice& choice);

    RecordingCatalogue& catalogue_;
    DualPlayback& playback_;
    WalkCounter counter_;
    bool walking_ = false;
};
