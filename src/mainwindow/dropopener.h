#pragma once

#include <QObject>

#include <functional>
#include <optional>

#include "mainwindow/opencommand.h"

class QMimeData;
class QWidget;

// A folder or a recording dropped on the window opens as OPEN opens a Folder or File source. The open runs
// after the drop has been answered, so the program the drag came from is not held up by the walk.
class DropOpener : public QObject {
    Q_OBJECT
  public:
    DropOpener(QWidget& window, std::function<void(const MediaChoice&)> open);

    // What a drop of these data would open: the first local file or folder among them; nullopt for
    // anything else (text, remote addresses, files that no longer exist).
    static std::optional<MediaChoice> ChoiceFor(const QMimeData* data);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    std::function<void(const MediaChoice&)> open_;
};
