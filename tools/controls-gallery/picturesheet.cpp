#include "controls/pictures.h"
#include "gallery.h"
#include "sections.h"

void AddPictureSheet(Gallery& gallery) {
    gallery.Section(QStringLiteral("Pictures, by resource id"));
    for (const PictureEntry& entry : PictureTable()) {
        // The two full-pane pictures and the icon are shown smaller; everything else at its own size.
        QSize size(entry.width, entry.height);
        if (size.width() > 128) size.scale(160, 160, Qt::KeepAspectRatio);
        gallery.Add(QString::number(entry.id), RenderPicture(entry.id, size));
    }
}
