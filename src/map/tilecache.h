#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <list>
#include <optional>

// The map tiles kept on disk between runs, so that an area seen once still shows offline. One file per tile
// address (named by its hash) in one folder, which the three map pages share; the folder holds at most a
// given number of bytes, and the tile used longest ago goes first. A file's modification time is its last
// use, so the order survives a restart. A file that cannot be read back is dropped as if it never existed.
//
// Not thread-safe: the map's tile fetching runs on the GUI thread.
class TileCache {
  public:
    static constexpr qint64 kDefaultMaxBytes = 256LL * 1024 * 1024;

    struct Entry {
        QByteArray data;
        QByteArray contentType;
        // Until when the tile may be shown without asking its server again (ms since 1970, UTC).
        qint64 freshUntilMs = 0;
        // The validators the server sent, for asking it whether the tile changed.
        QByteArray etag;
        QByteArray lastModified;
    };

    // folder is made on the first store; it is read lazily.
    explicit TileCache(QString folder, qint64 maxBytes = kDefaultMaxBytes);

    // The process-wide cache in the user's cache folder ("tiles" under the application's cache location).
    static TileCache& Shared();

    // The tile stored for url; a hit counts as a use.
    std::optional<Entry> Find(const QString& url);
    // Stores (or replaces) the tile and then drops the tiles used longest ago until the folder fits. A tile
    // larger than the whole bound is not stored. False when nothing could be written.
    bool Store(const QString& url, const Entry& entry);
    void Remove(const QString& url);

    void SetMaxBytes(qint64 maxBytes);
    qint64 MaxBytes() const { return maxBytes_; }
    qint64 TotalBytes();
    int Count();
    const QString& Folder() const { return folder_; }

  private:
    struct Node {
        QString name;
        qint64 size = 0;
    };
    using Order = std::list<Node>;

    void Load();
    QString FileName(const QString& url) const;
    void Forget(const QString& name, bool removeFile);
    void Evict();

    QString folder_;
    qint64 maxBytes_;
    bool loaded_ = false;
    qint64 totalBytes_ = 0;
    // Least recently used first.
    Order order_;
    QHash<QString, Order::iterator> index_;
};
