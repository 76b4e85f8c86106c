#pragma once

#include <QString>
#include <string>

class QWidget;

// The folder picker of the media dialog and of Save As: Qt's own file dialog in folder mode. The dialog
// exists only while DoModal runs, as the application's active modal widget with the object name
// "CFolderDialog"; tests drive it from there. Qt's own dialog rather than the desktop's, so that it can be.
class CFolderDialog {
  public:
    static constexpr int kIdOk = 1;
    static constexpr int kIdCancel = 2;

    // initialFolder (UTF-8) is where the picker opens; empty leaves that to Qt (the working directory).
    CFolderDialog(QString title, std::string initialFolder, QWidget* parent = nullptr);

    // kIdOk when a folder was chosen, kIdCancel when the user cancelled, 0 when the dialog was accepted
    // without a path (which Qt's dialog does not normally allow).
    int DoModal();
    // The chosen folder, absolute, UTF-8, without a trailing '/' (except the root itself).
    const std::string& GetFolderPath() const { return folderPath_; }

  private:
    QString title_;
    std::string initialFolder_;
    QWidget* parent_ = nullptr;
    std::string folderPath_;
};
