#include "playback/vlcengine.h"

#include <QGuiApplication>

#include <cstdlib>
#include <sstream>
#include <utility>

namespace {

// "--no-video-title" is accepted by VLC as the unique prefix of --no-video-title-show. The snapshot preview
// would otherwise be drawn over the picture for a moment after every snapshot.
constexpr const char* kBaseArguments[] = {"-I", "dummy", "--ignore-config", "--no-video-title",
                                          "--no-snapshot-preview"};
// Without an X11 window to draw into, VLC would open a console output of its own and crash.
constexpr const char* kNoWindowArgument = "--vout=dummy";

std::vector<std::string> SplitWords(const char* text) {
    std::vector<std::string> words;
    if (!text) return words;
    std::istringstream in(text);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

}  // namespace

VlcEngine::VlcEngine(std::unique_ptr<VlcLibrary> library, std::vector<std::string> extraArguments)
    : library_(std::move(library)), extraArguments_(std::move(extraArguments)) {}

VlcEngine::~VlcEngine() {
    // Players normally leave first. Should one outlive the engine (a static torn down late), its objects
    // would point into the library, so it is left loaded rather than pulled from under them.
    if (players_ == 0 && libraryOpen_) library_->Close();
}

VlcEngine& VlcEngine::Process() {
    static VlcEngine engine = [] {
        const char* file = std::getenv("ORVAN_LIBVLC");
        return VlcEngine(MakeVlcLibrary(file && *file ? file : kVlcLibraryFile),
                         SplitWords(std::getenv("ORVAN_LIBVLC_ARGS")));
    }();
    return engine;
}

bool VlcEngine::Join() {
    ++players_;
    if (available_ && !instance_) Start();
    return available_;
}

bool VlcEngine::Start() {
    if (!libraryOpen_) {
        std::string failure = library_ ? library_->Open(api_) : "no engine library";
        if (!failure.empty()) {
            MarkUnavailable(std::move(failure));
            return false;
        }
        libraryOpen_ = true;
    }
    bindsWindows_ = QGuiApplication::platformName() == QLatin1String("xcb");
    arguments_.assign(std::begin(kBaseArguments), std::end(kBaseArguments));
    if (!bindsWindows_) arguments_.emplace_back(kNoWindowArgument);
    arguments_.insert(arguments_.end(), extraArguments_.begin(), extraArguments_.end());
    std::vector<const char*> argv;
    for (const std::string& a : arguments_) argv.push_back(a.c_str());
    instance_ = api_.libvlc_new(static_cast<int>(argv.size()), argv.data());
    if (!instance_) {
        MarkUnavailable("libvlc_new refused the instance arguments");
        return false;
    }
    return true;
}

void VlcEngine::Leave() {
    if (players_ == 0) return;
    if (--players_ > 0) return;
    if (instance_) api_.libvlc_release(instance_);
    instance_ = nullptr;
    if (libraryOpen_) library_->Close();
    libraryOpen_ = false;
    api_ = VlcApi{};
}

void VlcEngine::MarkUnavailable(std::string reason) {
    if (available_) error_ = std::move(reason);
    available_ = false;
}
