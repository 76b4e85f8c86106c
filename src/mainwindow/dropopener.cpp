#include "mainwindow/dropopener.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <utility>

DropOpener::DropOpener(QWidget& window, std::function<void(const MediaChoice&)> open)
    : QObject(&window), window_(window), open_(std::move(open)) {
    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
}

std::optional<MediaChoice> DropOpener::ChoiceFor(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return std::nullopt;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        const QFileInfo info(url.toLocalFile());
        if (!info.exists()) continue;
        // The path as the user's file manager named it (a card's mount point, a link), without a trailing
        // '/'.
        QString path = info.absoluteFilePath();
        while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) path.chop(1);
        return MediaChoice{info.isDir() ? SourceKind::Folder : SourceKind::File, path.toStdString()};
    }
    return std::nullopt;
}

bool DropOpener::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (ChoiceFor(drag->mimeData())) {
                drag->acceptProposedAction();
            } else {
                drag->ignore();
            }
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const std::optional<MediaChoice> choice = ChoiceFor(drop->mimeData());
            if (!choice) {
                drop->ignore();
                return true;
            }
            drop->acceptProposedAction();
            QMetaObject::invokeMethod(
                this, [this, c = *choice] { open_(c); }, Qt::QueuedConnection);
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
    }
}
