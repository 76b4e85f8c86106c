#pragma once

#include <QImage>

// The two colour matrices the skin draws pictures through, as pixel operations on straight (not
// premultiplied) colour, so transparent edges keep their colour. Both keep alpha and the device pixel ratio
// and return Format_ARGB32_Premultiplied, ready to draw.

// Grey: every colour channel becomes 0.3 R + 0.59 G + 0.11 B (disabled buttons, the unlit GPS lamp).
QImage GreyImage(const QImage& source);
// Bright: every colour channel × 1.05 + 0.05 of full scale, clamped (a hovered button).
QImage BrightImage(const QImage& source);
