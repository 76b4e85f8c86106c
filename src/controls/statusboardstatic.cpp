#include "controls/statusboardstatic.h"

#include <QPainter>
#include <algorithm>

#include "controls/pictures.h"

namespace {

// A raised edge of two lines on each side, light above and left, dark below and right.
void RaisedEdge(QPainter& p, QRect r) {
    const auto frame = [&p](QRect box, const QColor& topLeft, const QColor& bottomRight) {
        if (box.width() < 1 || box.height() < 1) return;
        p.fillRect(QRect(box.left(), box.top(), box.width() - 1, 1), topLeft);
        p.fillRect(QRect(box.left(), box.top(), 1, box.height() - 1), topLeft);
        p.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), bottomRight);
        p.fillRect(QRect(box.right(), box.top(), 1, box.height()), bottomRight);
    };
    frame(r, QColor(120, 130, 142), QColor(0, 0, 0));
    frame(r.adjusted(1, 1, -1, -1), QColor(78, 86, 96), QColor(34, 38, 44));
}

}  // namespace

CStatusBoardStatic::CStatusBoardStatic(QWidget* parent) : QWidget(parent) {
    InstallAccessibleValueFactory();
    setAccessibleName(QStringLiteral("Copy progress"));
    hide();
}

void CStatusBoardStatic::SetProgress(int percent) {
    show();
    percent_ = percent % 101;
    percentText_ = QStringLiteral("%1 %").arg(percent);
    repaint();
    ValueChanged(this, percentText_);
}

void CStatusBoardStatic::SetPatternBitmap(int id) {
    patternId_ = id;
    repaint();
}

void CStatusBoardStatic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect client = rect();
    const int x =
        std::clamp(client.left() + client.width() * percent_ / 100, client.left(), client.right() + 1);
    const QRect filled(client.left(), client.top(), x - client.left(), client.height());
    if (patternId_ == 0) {
        p.fillRect(filled, fillColour_);
    } else {
        // A pattern that cannot be loaded leaves the filled part unpainted.
        const QImage tile = RenderPicture(patternId_, devicePixelRatioF());
        if (!tile.isNull()) p.drawTiledPixmap(filled, QPixmap::fromImage(tile));
    }
    p.fillRect(QRect(x, client.top(), client.right() + 1 - x, client.height()), backColour_);
    p.setPen(textColour_);
    p.drawText(client, Qt::AlignCenter | Qt::TextSingleLine, percentText_);
    RaisedEdge(p, client);
}
