#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class AppSettings;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The OPEN command's choice of source: a whole drive (a mounted volume, typically the recorder's card), one
// file or a folder. Controls carry their template ids as object names ("1029" ... "1037", "1", "2"). The two
// "..." buttons run Qt's own file dialogs as the active modal widget, so tests can fill them in.
class CMediaOpenDialog : public QDialog {
    Q_OBJECT

  public:
    // What a source kind is, as GetSourceKind reports it.
    static constexpr int kDisk = 0;
    static constexpr int kFolder = 1;
    static constexpr int kFile = 2;

    // One mounted file system as the drive list sees it.
    struct Volume {
        std::string root;            // mount point, UTF-8
        std::string label;           // volume label; empty when it has none
        std::string fileSystemType;  // as the kernel names it: "vfat", "exfat", "proc" ...
        bool ready = true;
    };
    using VolumeSource = std::function<std::vector<Volume>()>;

    // The mounted volumes of this machine (QStorageInfo), unfiltered.
    static std::vector<Volume> SystemVolumes();
    // Whether a volume can be a recording drive: ready, neither a pseudo nor a network file system, and a
    // memory-backed one (tmpfs) only where removable media are mounted.
    static bool IsDriveVolume(const Volume& volume);
    // "root    [label]", or the root alone when there is no label.
    static QString DriveItemText(const Volume& volume);

    explicit CMediaOpenDialog(AppSettings& settings, QWidget* parent = nullptr);
    // With the drives taken from volumes instead of the machine.
    CMediaOpenDialog(AppSettings& settings, VolumeSource volumes, QWidget* parent = nullptr);

    int GetSourceKind() const;
    // The mount point of the drive selected when OK was pressed; empty when the list was empty.
    const std::string& GetDrive() const { return drive_; }
    const std::string& GetFilePath() const { return filePath_; }
    const std::string& GetFolder() const { return folder_; }

    void accept() override;

  private:
    QString Text(int id) const;
    void FillDriveList(const std::vector<Volume>& volumes);
    void CheckRadio(int index);
    void PickFile();
    void PickFolder();

    AppSettings& settings_;
    QButtonGroup* radios_ = nullptr;
    QRadioButton* disk_ = nullptr;
    QRadioButton* file_ = nullptr;
    QRadioButton* folderRadio_ = nullptr;
    QComboBox* drives_ = nullptr;
    QLineEdit* fileEdit_ = nullptr;
    QLineEdit* folderEdit_ = nullptr;
    QPushButton* fileButton_ = nullptr;
    QPushButton* folderButton_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;

    int radioIndex_ = 1;  // template order: 0 Disk, 1 File, 2 Folder
    std::string drive_;
    std::string filePath_;
    std::string folder_;
};
