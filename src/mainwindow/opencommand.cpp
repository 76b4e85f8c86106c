#include "mainwindow/opencommand.h"

#include <QCoreApplication>

#include <utility>

#include "library/recordingcatalogue.h"
#include "playback/dualplayback.h"

namespace {

// The folder and name parts of a path, split at its last '/': "/card/A.MP4" gives "/card" and "A.MP4", and
// "/A.MP4" gives "" and "A.MP4" (the catalogue reads an empty folder as the root).
std::pair<std::string, std::string> SplitAtLastSlash(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {std::string(), path};
    return {path.substr(0, slash), path.substr(slash + 1)};
}

}  // namespace

void OpenCommand::WalkCounter::ShowCounter(bool on) {
    pane_.ShowCounter(on);
    sinceEvents_.start();
}

void OpenCommand::WalkCounter::SetCount(int filesSeen) {
    pane_.SetCount(filesSeen);
    if (sinceEvents_.isValid() && sinceEvents_.elapsed() < kPaintIntervalMs) return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceEvents_.start();
}

OpenCommand::OpenCommand(RecordingCatalogue& catalogue, DualPlayback& playback, CounterPane& counter)
    : catalogue_(catalogue), playback_(playback), counter_(counter) {
    catalogue_.SetCounterPane(&counter_);
}

OpenCommand::~OpenCommand() {
    catalogue_.SetCounterPane(nullptr);
}

void OpenCommand::Run(const Chooser& choose) {
    if (walking_ || !playback_.PrepareOpen()) return;
    const std::optional<MediaChoice> choice = choose ? choose() : std::nullopt;
    if (!choice) return;
    OpenChosen(*choice);
}

void OpenCommand::Open(const MediaChoice& choice) {
    if (walking_ || !playback_.PrepareOpen()) return;
    OpenChosen(choice);
}

void OpenCommand::OpenChosen(const MediaChoice& choice) {
    walking_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{walking_};

    if (choice.kind == SourceKind::File) {
        catalogue_.Clear();
        const auto [folder, name] = SplitAtLastSlash(choice.source);
        // A path that ends in '/' names no file; read as a folder it would start a walk nobody asked for.
        if (name.empty()) return;
        if (catalogue_.OpenSource(folder, name) == 0 || catalogue_.GetCount() == 0) return;
        // A single file starts at once, without the guard: there is no walk to wait for.
        playback_.StartFirstEntry();
        return;
    }
    playback_.ArmSwitchGuard();
    if (choice.source.empty()) {
        playback_.ClearSwitchGuard();
        return;
    }
    catalogue_.Clear();
    counter_.ShowCounter(true);
    catalogue_.OpenSource(choice.source, std::string());
    counter_.ShowCounter(false);
    if (catalogue_.GetCount() == 0) {
        playback_.ClearSwitchGuard();
        return;
    }
    if (choice.kind == SourceKind::Disk) {
        playback_.StartFirstEntry();
    } else {
        playback_.ArmDelayedStart();
    }
}
