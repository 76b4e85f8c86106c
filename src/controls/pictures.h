#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>
#include <memory>
#include <span>

class QSvgRenderer;

// The product's pictures, named by the resource ids the rest of the program uses (LoadStdImage(129) is the
// PLAY picture). Each is one of our SVG files under :/orvan/pictures/, drawn for its logical size and
// rendered for the screen's device pixel ratio, so it stays crisp on any screen.
struct PictureEntry {
    int id = 0;
    const char* file = nullptr;  // file name under :/orvan/pictures/
    int width = 0;               // logical size the picture is drawn for
    int height = 0;
    const char* what = nullptr;  // what it shows, for people reading the table
};

std::span<const PictureEntry> PictureTable();
// nullptr for an id the table does not have.
const PictureEntry* FindPicture(int id);

// The picture rendered at logicalSize × dpr device pixels, its device pixel ratio set to dpr; a null image
// for an unknown id, an unreadable file or an empty size. Results are cached (a bounded cache shared by every
// control), so asking again for the same size costs a lookup. GUI thread only.
QImage RenderPicture(int id, QSize logicalSize, qreal dpr = 1.0);
// At the picture's own logical size.
QImage RenderPicture(int id, qreal dpr = 1.0);
// The picture as an icon that renders at whatever size is asked (window and application icons).
QIcon PictureIcon(int id);

// One loaded picture, as the controls own them: the id and its parsed drawing. Copies share the drawing.
class CGdiPlusBitmapResource {
  public:
    // Empties the object, then loads the picture of id; false (and empty) when the id is unknown or its file
    // cannot be read.
    bool Load(int id);
    void Empty();
    bool IsEmpty() const { return renderer_ == nullptr; }
    int Id() const { return id_; }
    // The logical size the picture is drawn for; empty when nothing is loaded.
    QSize Size() const;
    // RenderPicture of the loaded picture; a null image when empty.
    QImage Render(QSize logicalSize, qreal dpr = 1.0) const;

  private:
    int id_ = 0;
    std::shared_ptr<QSvgRenderer> renderer_;
};
