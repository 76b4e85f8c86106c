#include "controls/outlinedtext.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <mutex>

namespace {

constexpr int kMaxTextLength = 127;

struct GradientStop {
    int y1, y2;
    QColor c1, c2;
};

struct TextLook {
    const char* family;
    QColor glow;
    GradientStop gradient1;
    GradientStop gradient2;
};

// QColor(r, g, b, a): the alpha comes last here, first in the ARGB notation of the designs.
const TextLook& LookOf(OutlinedTextStyle style) {
    static const TextLook title{"Arial Black",
                                QColor(0, 2, 2, 62),
                                {0, 90, QColor(0, 0, 240, 200), QColor(30, 120, 195, 255)},
                                {10, 60, QColor(255, 255, 255, 255), QColor(1, 1, 1, 15)}};
    static const TextLook orange{"Arial",
                                 QColor(160, 80, 2, 80),
                                 {0, 90, QColor(190, 220, 24, 200), QColor(195, 120, 0, 255)},
                                 {10, 40, QColor(255, 188, 0, 255), QColor(255, 1, 1, 150)}};
    static const TextLook blue{"Arial",
                               QColor(10, 150, 220, 80),
                               {0, 90, QColor(20, 120, 240, 200), QColor(20, 120, 240, 255)},
                               {10, 120, QColor(80, 188, 250, 255), QColor(80, 80, 155, 150)}};
    switch (style) {
        case OutlinedTextStyle::Title:
            return title;
        case OutlinedTextStyle::Orange:
            return orange;
        case OutlinedTextStyle::Blue:
            break;
    }
    return blue;
}

QBrush Gradient(const GradientStop& g) {
    QLinearGradient gradient(0, g.y1, 0, g.y2);
    gradient.setColorAt(0, g.c1);
    gradient.setColorAt(1, g.c2);
    // The designs tile the gradient beyond its two points rather than holding the end colours.
    gradient.setSpread(QGradient::RepeatSpread);
    return gradient;
}

}  // namespace

void InstallFontSubstitutes() {
    static std::once_flag once;
    std::call_once(once, [] {
        const QStringList candidates{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
        for (const QString& family : {QStringLiteral("Arial"), QStringLiteral("Arial Black")})
            if (!QFontDatabase::hasFamily(family)) QFont::insertSubstitutions(family, candidates);
    });
}

QFont OutlinedTextFont(OutlinedTextStyle style, int emSize) {
    InstallFontSubstitutes();
    QFont font(QString::fromLatin1(LookOf(style).family));
    font.setPixelSize(std::max(1, emSize));
    // "Arial Black" is a family whose regular face is black; a substitute family needs the weight asked for.
    if (style == OutlinedTextStyle::Title) font.setWeight(QFont::Black);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPainterPath OutlinedTextPath(OutlinedTextStyle style, const QString& text, int x, int y, int emSize) {
    const QFont font = OutlinedTextFont(style, emSize);
    const QFontMetricsF metrics(font);
    // The classic string layout keeps a sixth of an em free before the first glyph and puts the top of the
    // line, not the baseline, at the origin.
    QPainterPath path;
    path.addText(QPointF(x + emSize / 6.0, y + metrics.ascent()), font, text.left(kMaxTextLength));
    return path;
}

void DrawOutlinedText(QPainter& painter, OutlinedTextStyle style, const QString& text, int x, int y,
                      int emSize) {
    const TextLook& look = LookOf(style);
    const QPainterPath path = OutlinedTextPath(style, text, x, y, emSize);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(215, 215, 215, 155), 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(path);
    for (int width = 1; width <= 8; ++width) {
        painter.setPen(QPen(look.glow, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.fillPath(path, Gradient(look.gradient1));
    painter.fillPath(path, Gradient(look.gradient2));
    painter.restore();
}
