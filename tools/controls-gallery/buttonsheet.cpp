#include <QPainter>

#include "controls/gdipbutton.h"
#include "controls/pngstatic.h"
#include "gallery.h"
#include "sections.h"

namespace {

struct ButtonRow {
    const char* name;
    int picture;
    int alternate;  // 0: none
    int width, height;
};

// Every button at the size the window lays it out at.
constexpr ButtonRow kButtons[] = {
    {"OPEN", 139, 0, 48, 36},  {"SNAP", 140, 0, 48, 36},     {"SAVE", 141, 0, 48, 36},
    {"DEL", 142, 0, 48, 36},   {"Conf", 138, 0, 48, 36},     {"SLOW", 137, 0, 40, 40},
    {"STOP", 133, 0, 40, 40},  {"PLAY", 129, 132, 48, 48},   {"FAST", 136, 0, 40, 40},
    {"Vol", 156, 155, 12, 24}, {"Loop", 143, 176, 32, 32},   {"KML", 145, 0, 32, 32},
    {"MAP", 146, 0, 32, 32},   {"GSR", 147, 0, 32, 32},      {"LOCK", 148, 0, 32, 32},
    {"About", 154, 0, 25, 25}, {"minimise", 153, 0, 25, 25}, {"maximise", 152, 0, 25, 25},
    {"close", 151, 0, 25, 25}, {"S", 1045, 0, 16, 16},       {"M", 187, 0, 16, 16},
    {"L", 188, 0, 16, 16},
};

// The renderings side by side: normal, hot, pressed, disabled, then the alternate normal, hot and pressed.
QImage Strip(CGdipButton& button, bool alternate) {
    std::vector<CGdipButton::Rendering> order{CGdipButton::StdNormal, CGdipButton::StdHot,
                                              CGdipButton::StdPressed, CGdipButton::StdDisabled};
    if (alternate)
        order.insert(order.end(), {CGdipButton::AltNormal, CGdipButton::AltHot, CGdipButton::AltPressed});
    const int gap = 6;
    QImage strip(int(order.size()) * (button.width() + gap) - gap, button.height(),
                 QImage::Format_ARGB32_Premultiplied);
    strip.fill(QColor(5, 5, 5));
    QPainter painter(&strip);
    int x = 0;
    for (auto which : order) {
        painter.drawPixmap(x, 0, button.RenderingPixmap(which));
        x += button.width() + gap;
    }
    return strip;
}

}  // namespace

void AddButtons(Gallery& gallery) {
    gallery.Section(
        QStringLiteral("Buttons: normal, hot, pressed, disabled | alternate normal, hot, pressed"));
    for (const ButtonRow& row : kButtons) {
        CGdipButton button;
        button.resize(row.width, row.height);
        button.LoadStdImage(row.picture);
        if (row.alternate != 0) button.LoadAltImage(row.alternate);
        gallery.Add(QString::fromLatin1(row.name), Strip(button, row.alternate != 0));
    }

    gallery.Section(QStringLiteral("GPS lamp: no fix, fix"));
    for (bool lit : {false, true}) {
        CPngStatic lamp;
        lamp.resize(29, 26);
        lamp.LoadPng(150);
        lamp.SetLit(lit);
        gallery.Add(lit ? QStringLiteral("lit") : QStringLiteral("unlit"), lamp);
    }
}
