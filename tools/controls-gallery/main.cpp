// Renders every skinned control in its states into one picture (docs/controls.png by default), to be looked
// at when the skin changes. Runs on any Qt platform; scripts use QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QTextStream>

#include "controls/outlinedtext.h"
#include "gallery.h"
#include "sections.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/controls.png");

    Gallery gallery;
    AddPictureSheet(gallery);
    AddButtons(gallery);
    AddOutlinedTexts(gallery);
    AddSlidersAndPanes(gallery);
    AddInstruments(gallery);

    if (!gallery.Render().save(out)) {
        QTextStream(stderr) << "cannot write " << out << "\n";
        return 1;
    }
    QTextStream(stdout) << out << "\n";
    return 0;
}
