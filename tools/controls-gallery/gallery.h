#pragma once

#include <QImage>
#include <QString>
#include <vector>

class QWidget;

// A sheet of captioned pictures in titled sections, laid out in rows on the window's own background, so the
// controls are seen as the player shows them. Each part of the skin adds its own section (sections.h).
class Gallery {
  public:
    explicit Gallery(int width = 1280) : width_(width) {}

    void Section(const QString& title);
    void Add(const QString& caption, const QImage& image);
    // The widget as it paints itself now, at its current size; the widget stays the caller's.
    void Add(const QString& caption, QWidget& widget);

    QImage Render() const;

  private:
    struct Item {
        QString caption;
        QImage image;
    };
    struct Block {
        QString title;
        std::vector<Item> items;
    };
    int width_;
    std::vector<Block> blocks_;
};
