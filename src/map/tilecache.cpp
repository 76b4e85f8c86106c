#include "map/tilecache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <vector>

namespace {

constexpr QByteArrayView kMagic = "ORVANTILE 1\n";
constexpr QLatin1StringView kSuffix(".tile");
// A stray file of an interrupted write is left alone this long: another player may be writing it.
constexpr qint64 kStrayAgeMs = 10 * 60 * 1000;

// A header value must stay on its line.
QByteArray OneLine(const QByteArray& value) {
    QByteArray line = value;
    line.replace('\r', ' ').replace('\n', ' ');
    return line;
}

QByteArray Serialise(const QString& url, const TileCache::Entry& entry) {
    QByteArray out(kMagic.data(), kMagic.size());
    out += "url: " + OneLine(url.toUtf8()) + '\n';
    out += "type: " + OneLine(entry.contentType) + '\n';
    out += "fresh-until: " + QByteArray::number(entry.freshUntilMs) + '\n';
    out += "etag: " + OneLine(entry.etag) + '\n';
    out += "last-modified: " + OneLine(entry.lastModified) + '\n';
    out += '\n';
    out += entry.data;
    return out;
}

std::optional<TileCache::Entry> Parse(const QByteArray& bytes, const QString& url) {
    if (!bytes.startsWith(kMagic)) return std::nullopt;
    const qsizetype end = bytes.indexOf("\n\n", kMagic.size() - 1);
    if (end < 0) return std::nullopt;
    TileCache::Entry entry;
    bool urlMatches = false;
    bool freshOk = false;
    const QList<QByteArray> lines = bytes.mid(kMagic.size(), end - kMagic.size() + 1).split('\n');
    for (const QByteArray& line : lines) {
        const qsizetype colon = line.indexOf(": ");
        if (colon < 0) continue;
        const QByteArray key = line.left(colon);
        const QByteArray value = line.mid(colon + 2);
        if (key == "url")
            urlMatches = value == OneLine(url.toUtf8());
        else if (key == "type")
            entry.contentType = value;
        else if (key == "fresh-until")
            entry.freshUntilMs = value.toLongLong(&freshOk);
        else if (key == "etag")
            entry.etag = value;
        else if (key == "last-modified")
            entry.lastModified = value;
    }
    if (!urlMatches || !freshOk) return std::nullopt;
    entry.data = bytes.mid(end + 2);
    return entry;
}

}  // namespace

TileCache::TileCache(QString folder, qint64 maxBytes) : folder_(std::move(folder)), maxBytes_(maxBytes) {}

TileCache& TileCache::Shared() {
    static TileCache cache(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                           QStringLiteral("/tiles"));
    return cache;
}

QString TileCache::FileName(const QString& url) const {
    return QString::fromLatin1(QCryptographicHash::hash(url.toUtf8(), QCryptographicHash::Sha1).toHex()) +
           kSuffix;
}

void TileCache::Load() {
    if (loaded_) return;
    loaded_ = true;
    const QDir dir(folder_);
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    std::vector<QFileInfo> tiles;
    for (const QFileInfo& file : files) {
        if (file.fileName().endsWith(kSuffix)) {
            tiles.push_back(file);
        } else if (now - file.lastModified().toMSecsSinceEpoch() > kStrayAgeMs) {
            QFile::remove(file.filePath());
        }
    }
    std::sort(tiles.begin(), tiles.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const QDateTime ta = a.lastModified(), tb = b.lastModified();
        return ta != tb ? ta < tb : a.fileName() < b.fileName();
    });
    for (const QFileInfo& file : tiles) {
        order_.push_back(Node{file.fileName(), file.size()});
        index_.insert(file.fileName(), std::prev(order_.end()));
        totalBytes_ += file.size();
    }
    Evict();
}

std::optional<TileCache::Entry> TileCache::Find(const QString& url) {
    Load();
    const QString name = FileName(url);
    const auto it = index_.find(name);
    if (it == index_.end()) return std::nullopt;
    QFile file(folder_ + QLatin1Char('/') + name);
    std::optional<Entry> entry;
    // Never larger than the bound when written; a larger one is not ours.
    if (file.open(QIODevice::ReadOnly) && file.size() <= maxBytes_) {
        entry = Parse(file.readAll(), url);
        if (entry) file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
    }
    if (!entry) {
        // Gone (another player evicted it), unreadable or not ours: forget it for good.
        Forget(name, true);
        return std::nullopt;
    }
    order_.splice(order_.end(), order_, it.value());
    return entry;
}

bool TileCache::Store(const QString& url, const Entry& entry) {
    Load();
    const QString name = FileName(url);
    const QByteArray bytes = Serialise(url, entry);
    if (bytes.size() > maxBytes_) {
        Forget(name, true);
        return false;
    }
    if (!QDir().mkpath(folder_)) return false;
    QSaveFile file(folder_ + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) return false;
    Forget(name, false);
    order_.push_back(Node{name, bytes.size()});
    index_.insert(name, std::prev(order_.end()));
    totalBytes_ += bytes.size();
    Evict();
    return true;
}

void TileCache::Remove(const QString& url) {
    Load();
    Forget(FileName(url), true);
}

void TileCache::Forget(const QString& name, bool removeFile) {
    if (removeFile) QFile::remove(folder_ + QLatin1Char('/') + name);
    const auto it = index_.find(name);
    if (it == index_.end()) return;
    totalBytes_ -= it.value()->size;
    order_.erase(it.value());
    index_.erase(it);
}

void TileCache::Evict() {
    while (totalBytes_ > maxBytes_ && !order_.empty()) Forget(order_.front().name, true);
}

void TileCache::SetMaxBytes(qint64 maxBytes) {
    maxBytes_ = maxBytes;
    if (loaded_) Evict();
}

qint64 TileCache::TotalBytes() {
    Load();
    return totalBytes_;
}

int TileCache::Count() {
    Load();
    return static_cast<int>(order_.size());
}
