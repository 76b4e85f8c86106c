// orvan-render-icon SVG SIZE OUT.png: the application icon as a square PNG, drawn by the same Qt SVG renderer
// that draws it in the player's own window, so the menu and the window show the same picture.
#include <cstdio>
#include <cstdlib>

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: orvan-render-icon SVG SIZE OUT.png\n");
        return 1;
    }
    const int size = std::atoi(argv[2]);
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "orvan-render-icon: %s: not a size from 16 to 1024\n", argv[2]);
        return 1;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "orvan-render-icon: %s: cannot be read\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        svg.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "orvan-render-icon: %s: cannot be written\n", argv[3]);
        return 1;
    }
    return 0;
}
