#include "playback/videoplayer.h"

#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>
#include <QTemporaryFile>

#include <array>

namespace {

// The player's event types, attached in this order.
constexpr std::array<int, 12> kEventTypes = {
    libvlc_MediaPlayerPositionChanged, libvlc_MediaPlayerSeekableChanged,  libvlc_MediaPlayerTimeChanged,
    libvlc_MediaStateChanged,  // a media event; attaching it to the player's manager is harmless
    libvlc_MediaPlayerMediaChanged,    libvlc_MediaPlayerOpening,          libvlc_MediaPlayerBuffering,
    libvlc_MediaPlayerPlaying,         libvlc_MediaPlayerPaused,           libvlc_MediaPlayerStopped,
    libvlc_MediaPlayerEndReached,      libvlc_MediaPlayerEncounteredError,
};

// One decoder thread per channel, whatever the processor count: two channels decode at once, beside the
// telemetry displays and the map.
constexpr int kDecoderThreads = 1;

bool IsJpegPath(const std::string& utf8Path) {
    const QString path = QString::fromStdString(utf8Path);
    return path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive);
}

// Re-encodes the PNG at pngPath as a JPEG at utf8Path, replacing the file only once the whole picture is
// written.
bool WriteJpeg(const QString& pngPath, const std::string& utf8Path) {
    const QImage picture(pngPath, "PNG");
    if (picture.isNull()) return false;
    QSaveFile file(QString::fromStdString(utf8Path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&file, "JPEG");
    return writer.write(picture) && file.commit();
}

}  // namespace

VideoPlayer::VideoPlayer() : VideoPlayer(VlcEngine::Process()) {}

VideoPlayer::VideoPlayer(VlcEngine& engine) : engine_(engine) {
    if (!engine_.Join()) return;
    player_ = Vlc().libvlc_media_player_new(engine_.Instance());
    if (!player_) {
        engine_.MarkUnavailable("libvlc_media_player_new made no player");
        return;
    }
    events_ = Vlc().libvlc_media_player_event_manager(player_);
    Vlc().libvlc_audio_set_volume(player_, volume_);
}

VideoPlayer::~VideoPlayer() {
    // Own objects are released even when the engine went unavailable after this player was made. Releasing
    // the player joins its threads, so no callback runs after this line; the media goes too, as it holds a
    // reference to the instance that Leave is about to release. Releasing a playing player stops it, and that
    // stop is reported like any other: detach first, so no event reaches a listener that may already be gone.
    if (player_ && eventCallback_) {
        for (int type : kEventTypes) Vlc().libvlc_event_detach(events_, type, eventCallback_, eventContext_);
    }
    if (player_) Vlc().libvlc_media_player_release(player_);
    if (media_) Vlc().libvlc_media_release(media_);
    player_ = nullptr;
    media_ = nullptr;
    engine_.Leave();
}

bool VideoPlayer::IsEngineAvailable() const {
    return Ready();
}

void VideoPlayer::SetWindow(WId window) {
    if (!Ready() || !engine_.BindsWindows()) return;
#ifdef _WIN32
    Vlc().libvlc_media_player_set_hwnd(player_, reinterpret_cast<void*>(window));
#else
    Vlc().libvlc_media_player_set_xwindow(player_, static_cast<std::uint32_t>(window));
#endif
}

void VideoPlayer::AttachEvents(EventCallback callback, void* context) {
    if (!Ready()) return;
    // Attaching twice would deliver every event twice.
    if (eventCallback_) {
        for (int type : kEventTypes) Vlc().libvlc_event_detach(events_, type, eventCallback_, eventContext_);
    }
    eventCallback_ = callback;
    eventContext_ = context;
    if (!callback) return;
    for (int type : kEventTypes) Vlc().libvlc_event_attach(events_, type, callback, context);
}

void VideoPlayer::Open(const std::string& utf8Path) {
    if (!Ready()) return;
    Vlc().libvlc_audio_set_volume(player_, volume_);
    mediaPath_ = utf8Path;
    if (media_) Vlc().libvlc_media_release(media_);
    media_ = Vlc().libvlc_media_new_path(engine_.Instance(), utf8Path.c_str());
    if (media_) {
        const std::string threads = ":avcodec-threads=" + std::to_string(kDecoderThreads);
        Vlc().libvlc_media_add_option(media_, threads.c_str());
    }
    // A null media detaches the old one, so the channel never goes on playing what it was asked to drop.
    Vlc().libvlc_media_player_set_media(player_, media_);
    Vlc().libvlc_video_set_key_input(player_, 0);
    Vlc().libvlc_video_set_mouse_input(player_, 0);
}

int VideoPlayer::Close() {
    if (!Ready() || !media_) return 0;
    Vlc().libvlc_media_release(media_);
    media_ = nullptr;
    Vlc().libvlc_audio_set_volume(player_, volume_);
    return 1;
}

void VideoPlayer::Play() {
    if (!Ready() || !media_) return;
    Vlc().libvlc_media_player_play(player_);
    playing_ = true;
    paused_ = false;
}

void VideoPlayer::Pause() {
    if (!Ready()) return;
    playing_ = false;
    Vlc().libvlc_media_player_pause(player_);
    paused_ = true;
}

void VideoPlayer::Stop() {
    if (!Ready()) return;
    Vlc().libvlc_media_player_stop(player_);
    playing_ = false;
    paused_ = false;
}

bool VideoPlayer::IsPlaying() const {
    return Ready() && playing_;
}

bool VideoPlayer::IsPaused() const {
    return Ready() && paused_;
}

std::int64_t VideoPlayer::GetLength() const {
    if (!Ready()) return -1;
    return Vlc().libvlc_media_player_get_length(player_);
}

std::int64_t VideoPlayer::GetTime() const {
    if (!Ready()) return -1;
    return Vlc().libvlc_media_player_get_time(player_);
}

void VideoPlayer::SetTime(std::int64_t ms) {
    if (!Ready()) return;
    Vlc().libvlc_media_player_set_time(player_, ms);
}

int VideoPlayer::SetRate(float rate) {
    if (!Ready()) return -1;
    rate_ = rate;
    return Vlc().libvlc_media_player_set_rate(player_, rate);
}

void VideoPlayer::SetVolume(int level) {
    if (!Ready()) return;
    Vlc().libvlc_audio_set_volume(player_, 2 * level);
    volume_ = 2 * level;
}

void VideoPlayer::SetMute(int mute) {
    if (!Ready()) return;
    Vlc().libvlc_audio_set_mute(player_, mute);
}

int VideoPlayer::TakeSnapshot(const std::string& utf8Path, unsigned output) {
    if (!Ready()) return -1;
    // Width and height 0 keep the picture's own size. libvlc 3 writes PNG whatever the file name says, so
    // a ".jpg" the user asked for is taken to a private PNG first and re-encoded.
    if (!IsJpegPath(utf8Path))
        return Vlc().libvlc_video_take_snapshot(player_, output, utf8Path.c_str(), 0, 0);
    QTemporaryFile png(QDir::tempPath() + QLatin1String("/orvan-snapshot-XXXXXX.png"));
    if (!png.open()) return -1;
    png.close();
    const std::string pngPath = png.fileName().toStdString();
    const int result = Vlc().libvlc_video_take_snapshot(player_, output, pngPath.c_str(), 0, 0);
    if (result != 0) return result;
    return WriteJpeg(png.fileName(), utf8Path) ? 0 : -1;
}

int VideoPlayer::SetMarquee(int x, int y, const std::string& text, int size, int opacity, int color,
                            int timeout, int enable) {
    if (!Ready()) return 0;
    Vlc().libvlc_video_set_marquee_string(player_, libvlc_marquee_Text, text.c_str());
    Vlc().libvlc_video_set_marquee_int(player_, libvlc_marquee_Size, size);
    Vlc().libvlc_video_set_marquee_int(player_, libvlc_marquee_Opacity, opacity & 0xFF);
    Vlc().libvlc_video_set_marquee_int(player_, libvlc_marquee_Color, color);
    Vlc().libvlc_video_set_marquee_int(player_, libvlc_marquee_Timeout, timeout);
    Vlc().libvlc_video_set_marquee_int(player_, libvlc_marquee_X, x);
    Vlc().libvlc_video_set_marquee_int(player_, libvlc_marquee_Y, y);
    Vlc().libvlc_video_set_marquee_int(player_, libvlc_marquee_Enable, enable);
    return 1;
}
