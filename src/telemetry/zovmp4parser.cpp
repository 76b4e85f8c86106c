#include "telemetry/zovmp4parser.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <exception>
#include <mutex>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
}

#include "fileio/fileio.h"
#include "telemetry/filestatus.h"
#include "telemetry/mp4tablecheck.h"
#include "telemetry/timerules.h"

namespace {

// Each refill of the demuxer's buffer after a seek would read a whole buffer, while the telemetry
// packets are 12 or 32 bytes, each in its own chunk between seconds of picture and sound: on a one-minute
// 1080p recording a 4 KiB buffer reads 2.5 MB. So the file is read through a pread that starts small after
// every seek and doubles while the demuxer reads on: a telemetry packet costs one 64-byte read, and the
// headers, read sequentially, soon come in whole-buffer reads. About 100 KB are read per recording.
constexpr int kIoBufferSize = 32768;
constexpr int kFirstReadAfterSeek = 64;
constexpr int kMaxStreams = 16;

struct FileSource {
    int fd = -1;
    std::int64_t size = 0;
    std::int64_t pos = 0;
    int nextRead = kFirstReadAfterSeek;
};

int ReadPacket(void* opaque, std::uint8_t* buf, int size) {
    auto* src = static_cast<FileSource*>(opaque);
    const int want = std::min(size, src->nextRead);
    if (want <= 0) return AVERROR(EINVAL);
    const std::size_t n =
        fileio::ReadAt(src->fd, static_cast<std::uint64_t>(src->pos), buf, static_cast<std::size_t>(want));
    if (n == 0) return src->pos >= src->size ? AVERROR_EOF : AVERROR(EIO);
    src->pos += static_cast<std::int64_t>(n);
    src->nextRead = std::min(kIoBufferSize, src->nextRead * 2);
    return static_cast<int>(n);
}

std::int64_t Seek(void* opaque, std::int64_t offset, int whence) {
    auto* src = static_cast<FileSource*>(opaque);
    std::int64_t base = 0;
    switch (whence & ~AVSEEK_FORCE) {
        case AVSEEK_SIZE:
            return src->size;
        case SEEK_SET:
            break;
        case SEEK_CUR:
            base = src->pos;
            break;
        case SEEK_END:
            base = src->size;
            break;
        default:
            return AVERROR(EINVAL);
    }
    if (offset < -base || offset > INT64_MAX - base) return AVERROR(EINVAL);
    if (base + offset != src->pos) src->nextRead = kFirstReadAfterSeek;
    src->pos = base + offset;
    return src->pos;
}

// Owns everything one Parse opens, whatever way it leaves.
struct Demuxer {
    fileio::UniqueFd file;  // closed after the demuxer, which reads it to the end
    FileSource src;
    AVIOContext* io = nullptr;
    AVFormatContext* fmt = nullptr;
    AVPacket* pkt = nullptr;

    ~Demuxer() {
        av_packet_free(&pkt);
        avformat_close_input(&fmt);
        if (io) av_freep(&io->buffer);
        avio_context_free(&io);
    }

    bool Open(const std::string& path) {
        struct stat st {};
        file = fileio::OpenForReading(path, &st);
        if (!file) return false;
        src.fd = file.Get();
        src.size = st.st_size;
        if (!Mp4TablesFitFile(src.fd, static_cast<std::uint64_t>(src.size))) return false;
        auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferSize));
        if (!buffer) return false;
        io = avio_alloc_context(buffer, kIoBufferSize, 0, &src, ReadPacket, nullptr, Seek);
        if (!io) {
            av_free(buffer);
            return false;
        }
        fmt = avformat_alloc_context();
        pkt = av_packet_alloc();
        if (!fmt || !pkt) return false;
        fmt->pb = io;
        fmt->flags |= AVFMT_FLAG_CUSTOM_IO;
        // Picture and sound are discarded before the stream analysis, so it can learn nothing from decoding
        // them; yet it would open a decoder and a parser for each (about 1.5 MB of zeroed memory, most of the
        // cost of reading a file). No decoder is allowed and no parser is used: the container's own facts
        // (picture size, duration) are all the reader takes.
        fmt->codec_whitelist = av_strdup("none");
        fmt->flags |= AVFMT_FLAG_NOPARSE;
        // Edit lists only shift and trim playback, which the reader never uses; followed, a few bytes of them
        // multiply the sample index.
        fmt->max_streams = kMaxStreams;
        AVDictionary* options = nullptr;
        av_dict_set(&options, "ignore_editlist", "1", 0);
        // On failure avformat_open_input frees the context itself.
        const int rc = avformat_open_input(&fmt, path.c_str(), nullptr, &options);
        av_dict_free(&options);
        return rc == 0;
    }
};

bool IsPictureOrSound(const AVStream* s) {
    return s->codecpar->codec_type == AVMEDIA_TYPE_VIDEO || s->codecpar->codec_type == AVMEDIA_TYPE_AUDIO;
}

void QuietDemuxerOnce() {
    // A damaged recording makes the demuxer complain on stderr; the reader's result already says it all.
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_FATAL); });
}

}  // namespace

int CZovMP4Parser::Parse(const std::string& fullPath) {
    try {
        return ParseFile(fullPath);
    } catch (const std::exception&) {
        return -1;
    }
}

int CZovMP4Parser::ParseFile(const std::string& fullPath) {
    Reset();
    if (status_) {
        if (auto s = ReadFileStatus(fullPath)) *status_ = *s;
    }
    QuietDemuxerOnce();
    Demuxer d;
    if (!d.Open(fullPath)) return -1;

    // Discarding picture and sound before the stream analysis means the demuxer never reads them: a card
    // scan must not read whole cards. It also keeps a 32-byte sound packet from passing for a GPS record.
    for (unsigned i = 0; i < d.fmt->nb_streams; ++i) {
        if (IsPictureOrSound(d.fmt->streams[i])) d.fmt->streams[i]->discard = AVDISCARD_ALL;
    }
    if (avformat_find_stream_info(d.fmt, nullptr) < 0) return -1;

    while (av_read_frame(d.fmt, d.pkt) >= 0) {
        const int si = d.pkt->stream_index;
        const AVStream* stream =
            si >= 0 && static_cast<unsigned>(si) < d.fmt->nb_streams ? d.fmt->streams[si] : nullptr;
        // The stream analysis may have buffered picture packets before the discard took hold.
        if (stream && !IsPictureOrSound(stream)) {
            if (d.pkt->size == kGpsRecordSize) {
                GpsSample rec;
                std::memcpy(&rec, d.pkt->data, sizeof(rec));
                if (!startFound_) {
                    const int year = rec.year + 1900;
                    if (IsValidDateTime(year, rec.month, rec.day, rec.hour, rec.minute, rec.second)) {
                        const auto t =
                            LocalTimeValue(year, rec.month, rec.day, rec.hour, rec.minute, rec.second);
                        if (!t) {
                            av_packet_unref(d.pkt);
                            return -1;
                        }
                        startTime_ = *t;
                        startFound_ = true;
                    }
                }
                if (target_) target_->gpsTrack.push_back(rec);
            } else if (d.pkt->size == static_cast<int>(sizeof(GSensorSample)) &&
                       stream->codecpar->codec_type == AVMEDIA_TYPE_DATA) {
                GSensorSample g;
                std::memcpy(&g, d.pkt->data, sizeof(g));
                if (target_) target_->gsenTrack.push_back(g);
            }
        }
        av_packet_unref(d.pkt);
    }

    // A missing duration is the demuxer's AV_NOPTS_VALUE: no length rather than a meaningless one.
    const std::int64_t duration = d.fmt->duration;
    durationMs_ =
        duration == AV_NOPTS_VALUE || duration < 0 ? 0 : static_cast<std::uint32_t>(duration / 1000);
    durationSpan_ = durationMs_ / 1000u;
    for (unsigned i = 0; i < d.fmt->nb_streams; ++i) {
        const AVCodecParameters* par = d.fmt->streams[i]->codecpar;
        if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
            width_ = static_cast<std::uint16_t>(par->width);
            height_ = static_cast<std::uint16_t>(par->height);
            break;
        }
    }
    fileSize_ = static_cast<std::uint64_t>(std::max<std::int64_t>(0, avio_size(d.fmt->pb)));
    if (!startFound_) startTime_ = status_ ? status_->creationTime : 0;
    CopyToTarget();
    return 0;
}
