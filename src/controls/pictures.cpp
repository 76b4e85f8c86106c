#include "controls/pictures.h"

#include <QCache>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// clang-format off
constexpr std::array kPictures{
    PictureEntry{128, "orvan-player.svg",      256, 256, "application icon"},
    PictureEntry{129, "play.svg",               48,  48, "PLAY"},
    PictureEntry{132, "pause.svg",              48,  48, "PLAY while playing (pause)"},
    PictureEntry{133, "stop.svg",               40,  40, "STOP"},
    PictureEntry{136, "fast.svg",               40,  40, "FAST"},
    PictureEntry{137, "slow.svg",               40,  40, "SLOW"},
    PictureEntry{138, "conf.svg",               48,  36, "Conf"},
    PictureEntry{139, "open.svg",               48,  36, "OPEN"},
    PictureEntry{140, "snap.svg",               48,  36, "SNAP"},
    PictureEntry{141, "save.svg",               48,  36, "SAVE"},
    PictureEntry{142, "delete.svg",             48,  36, "DEL"},
    PictureEntry{143, "loop-on.svg",            32,  32, "Loop, next recording plays on"},
    PictureEntry{145, "kml.svg",                32,  32, "KML"},
    PictureEntry{146, "map.svg",                32,  32, "MAP"},
    PictureEntry{147, "gsensor.svg",            32,  32, "GSR"},
    PictureEntry{148, "unlock.svg",             32,  32, "LOCK (unlock files)"},
    PictureEntry{150, "gps.svg",                36,  32, "GPS lamp, satellite dish"},
    PictureEntry{151, "window-close.svg",       25,  25, "close"},
    PictureEntry{152, "window-maximize.svg",    25,  25, "maximise"},
    PictureEntry{153, "window-minimize.svg",    25,  25, "minimise"},
    PictureEntry{154, "about.svg",              25,  25, "About"},
    PictureEntry{155, "volume-muted.svg",       12,  24, "Vol, muted"},
    PictureEntry{156, "volume.svg",             12,  24, "Vol, sound on"},
    PictureEntry{158, "lock-icons.svg",         96,  24, "lists' lock icons: none, G, M, G and M (24 x 24 each)"},
    PictureEntry{161, "check.svg",              32,  32, "tooltip check mark"},
    PictureEntry{167, "compass-n.svg",          48,  48, "compass N"},
    PictureEntry{168, "compass-nw.svg",         48,  48, "compass NW"},
    PictureEntry{169, "compass-w.svg",          48,  48, "compass W"},
    PictureEntry{170, "compass-sw.svg",         48,  48, "compass SW"},
    PictureEntry{171, "compass-s.svg",          48,  48, "compass S"},
    PictureEntry{172, "compass-se.svg",         48,  48, "compass SE"},
    PictureEntry{173, "compass-e.svg",          48,  48, "compass E"},
    PictureEntry{174, "compass-ne.svg",         48,  48, "compass NE"},
    PictureEntry{176, "loop-off.svg",           32,  32, "Loop, recording stops at its end"},
    PictureEntry{187, "size-m.svg",             16,  16, "M"},
    PictureEntry{188, "size-l.svg",             16,  16, "L"},
    PictureEntry{189, "progress-pattern.svg",   30,  30, "status board bar, light-dark-light blue"},
    PictureEntry{196, "logo.svg",              733, 566, "idle pane: logo in grey on black"},
    PictureEntry{197, "black.svg",             320, 240, "idle pane: black"},
    PictureEntry{1045, "size-s.svg",            16,  16, "S"},
};
// clang-format on

std::shared_ptr<QSvgRenderer> LoadRenderer(const PictureEntry& entry) {
    // Parsed once per picture for the life of the program: there are few, and they are small.
    static QHash<int, std::shared_ptr<QSvgRenderer>> renderers;
    if (auto found = renderers.find(entry.id); found != renderers.end()) return found.value();
    auto renderer =
        std::make_shared<QSvgRenderer>(QStringLiteral(":/orvan/pictures/") + QLatin1String(entry.file));
    if (!renderer->isValid()) renderer.reset();
    renderers.insert(entry.id, renderer);
    return renderer;
}

QImage Render(QSvgRenderer& renderer, QSize logicalSize, qreal dpr) {
    const QSize pixels(int(std::ceil(logicalSize.width() * dpr)), int(std::ceil(logicalSize.height() * dpr)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    image.setDevicePixelRatio(dpr);
    return image;
}

QImage CachedRender(int id, const std::shared_ptr<QSvgRenderer>& renderer, QSize logicalSize, qreal dpr) {
    if (!renderer || logicalSize.isEmpty() || dpr <= 0) return {};
    // Idle panes render the large logo at every pane size, so the cache is bounded by bytes (in KiB).
    static QCache<QString, QImage> cache(64 * 1024);
    const QString key =
        QStringLiteral("%1:%2x%3@%4").arg(id).arg(logicalSize.width()).arg(logicalSize.height()).arg(dpr);
    if (const QImage* hit = cache.object(key)) return *hit;
    auto image = std::make_unique<QImage>(Render(*renderer, logicalSize, dpr));
    const QImage result = *image;
    const qsizetype cost = std::max<qsizetype>(1, image->sizeInBytes() / 1024);
    cache.insert(key, image.release(), cost);
    return result;
}

// Renders the SVG at the exact size the icon is asked for instead of scaling one bitmap.
class PictureIconEngine : public QIconEngine {
  public:
    explicit PictureIconEngine(int id) : id_(id) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const QImage image = RenderPicture(id_, rect.size(), painter->device()->devicePixelRatioF());
        if (!image.isNull()) painter->drawImage(rect, image);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return QPixmap::fromImage(RenderPicture(id_, size));
    }
    QIconEngine* clone() const override { return new PictureIconEngine(id_); }

  private:
    int id_;
};

}  // namespace

std::span<const PictureEntry> PictureTable() {
    return kPictures;
}

const PictureEntry* FindPicture(int id) {
    const auto found =
        std::find_if(kPictures.begin(), kPictures.end(), [id](const auto& e) { return e.id == id; });
    return found == kPictures.end() ? nullptr : &*found;
}

QImage RenderPicture(int id, QSize logicalSize, qreal dpr) {
    const PictureEntry* entry = FindPicture(id);
    return entry == nullptr ? QImage() : CachedRender(id, LoadRenderer(*entry), logicalSize, dpr);
}

QImage RenderPicture(int id, qreal dpr) {
    const PictureEntry* entry = FindPicture(id);
    return entry == nullptr ? QImage() : RenderPicture(id, QSize(entry->width, entry->height), dpr);
}

QIcon PictureIcon(int id) {
    return FindPicture(id) == nullptr ? QIcon() : QIcon(new PictureIconEngine(id));
}

bool CGdiPlusBitmapResource::Load(int id) {
    Empty();
    const PictureEntry* entry = FindPicture(id);
    if (entry == nullptr) return false;
    renderer_ = LoadRenderer(*entry);
    if (renderer_ != nullptr) id_ = id;
    return renderer_ != nullptr;
}

void CGdiPlusBitmapResource::Empty() {
    renderer_.reset();
    id_ = 0;
}

QSize CGdiPlusBitmapResource::Size() const {
    const PictureEntry* entry = IsEmpty() ? nullptr : FindPicture(id_);
    return entry == nullptr ? QSize() : QSize(entry->width, entry->height);
}

QImage CGdiPlusBitmapResource::Render(QSize logicalSize, qreal dpr) const {
    return CachedRender(id_, renderer_, logicalSize, dpr);
}
