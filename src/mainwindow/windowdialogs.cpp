#include "mainwindow/windowdialogs.h"

#include <QWidget>

#include "app/zocconfigdlg.h"
#include "library/folderdialog.h"
#include "library/mediaopendialog.h"

std::optional<MediaChoice> AskMediaSource(QWidget* owner, AppSettings& settings) {
    CMediaOpenDialog dialog(settings, owner);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    switch (dialog.GetSourceKind()) {
        case 0:
            return MediaChoice{SourceKind::Disk, dialog.GetDrive()};
        case 1:
            return MediaChoice{SourceKind::Folder, dialog.GetFolder()};
        default:
            return MediaChoice{SourceKind::File, dialog.GetFilePath()};
    }
}

std::optional<std::string> AskFolder(QWidget* owner, const QString& title) {
    CFolderDialog dialog(title, std::string(), owner);
    if (dialog.DoModal() != 1) return std::nullopt;
    return dialog.GetFolderPath();
}

std::optional<int> AskConfiguration(QWidget* owner, AppSettings& settings) {
    CZocConfigDlg dialog(settings, owner, owner);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.ChosenMapProvider();
}
