#include "gallery.h"

#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QWidget>
#include <algorithm>

namespace {
constexpr int kMargin = 16;
constexpr int kGap = 14;
constexpr int kTitleHeight = 30;
constexpr int kCaptionHeight = 16;
const QColor kBackground(5, 5, 5);
}  // namespace

void Gallery::Section(const QString& title) {
    blocks_.push_back({title, {}});
}

void Gallery::Add(const QString& caption, const QImage& image) {
    if (blocks_.empty()) Section(QString());
    blocks_.back().items.push_back({caption, image});
}

void Gallery::Add(const QString& caption, QWidget& widget) {
    // Over the window's background, as the player shows it, not over the widget's palette.
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(kBackground);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    Add(caption, image);
}

QImage Gallery::Render() const {
    // Two passes over the same layout: the first measures, the second paints.
    auto layout = [this](QPainter* painter) {
        int y = kMargin;
        for (const Block& block : blocks_) {
            if (painter != nullptr && !block.title.isEmpty()) {
                painter->setPen(QColor(200, 210, 222));
                painter->setFont(QFont(QStringLiteral("Liberation Sans"), 13, QFont::Bold));
                painter->drawText(QRect(kMargin, y, width_ - 2 * kMargin, kTitleHeight),
                                  Qt::AlignLeft | Qt::AlignVCenter, block.title);
            }
            y += kTitleHeight;
            int x = kMargin, rowHeight = 0;
            for (const Item& item : block.items) {
                const QSize size = item.image.deviceIndependentSize().toSize();
                const int cellWidth = std::max(size.width(), 64);
                if (x > kMargin && x + cellWidth > width_ - kMargin) {
                    x = kMargin;
                    y += rowHeight + kGap;
                    rowHeight = 0;
                }
                if (painter != nullptr) {
                    painter->drawImage(QPoint(x + (cellWidth - size.width()) / 2, y), item.image);
                    painter->setPen(QColor(130, 140, 152));
                    painter->setFont(QFont(QStringLiteral("Liberation Sans"), 8));
                    painter->drawText(
                        QRect(x - kGap / 2, y + size.height() + 2, cellWidth + kGap, kCaptionHeight),
                        Qt::AlignHCenter | Qt::AlignTop, item.caption);
                }
                x += cellWidth + kGap;
                rowHeight = std::max(rowHeight, size.height() + kCaptionHeight + 2);
            }
            y += rowHeight + kGap;
        }
        return y + kMargin;
    };
    QImage sheet(width_, layout(nullptr), QImage::Format_RGB32);
    sheet.fill(kBackground);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    layout(&painter);
    return sheet;
}
