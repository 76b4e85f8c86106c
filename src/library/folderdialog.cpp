#include "library/folderdialog.h"

#include <QFileDialog>
#include <QStringList>
#include <utility>

CFolderDialog::CFolderDialog(QString title, std::string initialFolder, QWidget* parent)
    : title_(std::move(title)), initialFolder_(std::move(initialFolder)), parent_(parent) {}

int CFolderDialog::DoModal() {
    QFileDialog dialog(parent_, title_);
    dialog.setObjectName(QStringLiteral("CFolderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    // Typed names are checked by the dialog itself: a folder that does not exist keeps it open.
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (!initialFolder_.empty()) dialog.setDirectory(QString::fromStdString(initialFolder_));
    if (dialog.exec() != QDialog::Accepted) return kIdCancel;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return 0;
    folderPath_ = chosen.first().toStdString();
    return kIdOk;
}
