#include "library/mediaopendialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>
#include <QVBoxLayout>
#include <algorithm>
#include <string_view>
#include <utility>

#include "app/appsettings.h"
#include "app/dialogunits.h"
#include "app/loadtext.h"
#include "library/folderdialog.h"

namespace {

constexpr int kCaptionText = 104;
constexpr int kOkText = 107;
constexpr int kCancelText = 108;
constexpr int kDiskText = 111;
constexpr int kFolderText = 112;
constexpr int kFileText = 113;
constexpr int kFolderPickerTitle = 130;

// Radio indexes, in template order.
constexpr int kDiskRadio = 0;
constexpr int kFileRadio = 1;
constexpr int kFolderRadio = 2;

// File systems that never hold recordings: the kernel's own views, container and snap images, and network
// shares (walking a share over the network is not what Disk is for; Folder still reaches one).
constexpr std::string_view kSkippedTypes[] = {
    "proc",      "sysfs",  "devpts",     "devtmpfs", "securityfs", "debugfs", "tracefs",     "pstore",
    "bpf",       "mqueue", "hugetlbfs",  "configfs", "fusectl",    "autofs",  "binfmt_misc", "efivarfs",
    "selinuxfs", "nsfs",   "rpc_pipefs", "ramfs",    "rootfs",     "overlay", "squashfs",    "cifs",
    "9p",        "sshfs",  "afs",        "ceph",     "glusterfs",  "davfs",   "coda",
};
// Families: every cgroup version, NFS and its daemons, SMB, and FUSE views that are not block devices
// (sshfs, gvfs, the desktop portals, rclone). Block-backed FUSE mounts (NTFS, older exFAT) are "fuseblk".
constexpr std::string_view kSkippedTypePrefixes[] = {"cgroup", "nfs", "smb", "fuse."};
// Where the desktop mounts removable media: a memory-backed file system there is a card image or a test
// mount, elsewhere it is /run, /tmp or /dev/shm.
constexpr std::string_view kRemovableMediaRoots[] = {"/media/", "/run/media/"};

template <class Control>
Control* NewControl(int id, QWidget* parent) {
    auto* control = new Control(parent);
    control->setObjectName(QString::number(id));
    return control;
}

}  // namespace

std::vector<CMediaOpenDialog::Volume> CMediaOpenDialog::SystemVolumes() {
    std::vector<Volume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid()) continue;
        volumes.push_back({storage.rootPath().toStdString(), storage.name().toStdString(),
                           storage.fileSystemType().toStdString(), storage.isReady()});
    }
    return volumes;
}

bool CMediaOpenDialog::IsDriveVolume(const Volume& volume) {
    if (!volume.ready || volume.root.empty()) return false;
    const std::string_view type = volume.fileSystemType;
    if (std::ranges::find(kSkippedTypes, type) != std::end(kSkippedTypes)) return false;
    for (const std::string_view prefix : kSkippedTypePrefixes)
        if (type.starts_with(prefix)) return false;
    if (type == "tmpfs")
        return std::ranges::any_of(kRemovableMediaRoots,
                                   [&](std::string_view root) { return volume.root.starts_with(root); });
    return true;
}

QString CMediaOpenDialog::DriveItemText(const Volume& volume) {
    QString text = QString::fromStdString(volume.root);
    if (!volume.label.empty()) text += QStringLiteral("    [") + QString::fromStdString(volume.label) + u']';
    return text;
}

CMediaOpenDialog::CMediaOpenDialog(AppSettings& settings, QWidget* parent)
    : CMediaOpenDialog(settings, &CMediaOpenDialog::SystemVolumes, parent) {}

CMediaOpenDialog::CMediaOpenDialog(AppSettings& settings, VolumeSource volumes, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    // Created in template order, which is also the tab order.
    disk_ = NewControl<QRadioButton>(1029, this);
    drives_ = NewControl<QComboBox>(1033, this);
    file_ = NewControl<QRadioButton>(1030, this);
    fileEdit_ = NewControl<QLineEdit>(1034, this);
    fileButton_ = NewControl<QPushButton>(1036, this);
    folderRadio_ = NewControl<QRadioButton>(1031, this);
    folderEdit_ = NewControl<QLineEdit>(1035, this);
    folderButton_ = NewControl<QPushButton>(1037, this);
    ok_ = NewControl<QPushButton>(1, this);
    cancel_ = NewControl<QPushButton>(2, this);

    radios_ = new QButtonGroup(this);
    radios_->addButton(disk_, kDiskRadio);
    radios_->addButton(file_, kFileRadio);
    radios_->addButton(folderRadio_, kFolderRadio);
    CheckRadio(kFileRadio);
    radioIndex_ = kFileRadio;

    setWindowTitle(Text(kCaptionText));
    const QString diskText = Text(kDiskText);
    const QString fileText = Text(kFileText);
    const QString folderText = Text(kFolderText);
    disk_->setText(diskText);
    file_->setText(fileText);
    folderRadio_->setText(folderText);
    ok_->setText(Text(kOkText));
    cancel_->setText(Text(kCancelText));
    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(disk_), static_cast<QAbstractButton*>(file_),
          static_cast<QAbstractButton*>(folderRadio_), static_cast<QAbstractButton*>(ok_),
          static_cast<QAbstractButton*>(cancel_)})
        button->setAccessibleName(button->text());
    // The list and the edits are named after the radio in front of them; the two "..." buttons keep their
    // visible text as name and say in their description which picker they open.
    drives_->setAccessibleName(diskText);
    fileEdit_->setAccessibleName(fileText);
    folderEdit_->setAccessibleName(folderText);
    for (QPushButton* button : {fileButton_, folderButton_}) {
        button->setText(QStringLiteral("..."));
        button->setAccessibleName(button->text());
    }
    fileButton_->setAccessibleDescription(fileText);
    folderButton_->setAccessibleDescription(folderText);

    drives_->setEditable(false);
    drives_->setMinimumWidth(DuX(92));
    FillDriveList(volumes ? volumes() : std::vector<Volume>{});

    for (QLineEdit* edit : {fileEdit_, folderEdit_}) {
        edit->setReadOnly(true);
        edit->setMinimumWidth(DuX(264));
    }
    folderEdit_->setText(QString::fromStdString(settings_.ReadLastFolder()));

    for (QPushButton* button : {fileButton_, folderButton_}) {
        button->setAutoDefault(false);
        button->setFixedWidth(DuX(25));
    }
    for (QPushButton* button : {ok_, cancel_}) button->setMinimumSize(DuX(50), DuY(14));
    ok_->setDefault(true);

    connect(fileButton_, &QPushButton::clicked, this, &CMediaOpenDialog::PickFile);
    connect(folderButton_, &QPushButton::clicked, this, &CMediaOpenDialog::PickFolder);
    connect(ok_, &QPushButton::clicked, this, &CMediaOpenDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &CMediaOpenDialog::reject);

    auto* sources = new QGridLayout;
    sources->addWidget(disk_, 0, 0);
    sources->addWidget(drives_, 0, 1, Qt::AlignLeft);
    sources->addWidget(file_, 1, 0);
    sources->addWidget(fileEdit_, 1, 1);
    sources->addWidget(fileButton_, 1, 2);
    sources->addWidget(folderRadio_, 2, 0);
    sources->addWidget(folderEdit_, 2, 1);
    sources->addWidget(folderButton_, 2, 2);
    sources->setColumnStretch(1, 1);
    sources->setVerticalSpacing(DuY(8));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addLayout(sources);
    layout->addStretch(1);
    layout->addLayout(buttons);
    resize(sizeHint().expandedTo(QSize(DuX(383), DuY(117))));
}

int CMediaOpenDialog::GetSourceKind() const {
    switch (radioIndex_) {
        case kDiskRadio:
            return kDisk;
        case kFolderRadio:
            return kFolder;
        default:
            return kFile;
    }
}

void CMediaOpenDialog::accept() {
    radioIndex_ = radios_->checkedId();
    drive_ = drives_->currentIndex() >= 0 ? drives_->currentData().toString().toStdString() : std::string();
    folder_ = folderEdit_->text().toStdString();
    QDialog::accept();
}

QString CMediaOpenDialog::Text(int id) const {
    // The dialog's own settings decide the language, so a dialog on a private settings file speaks its
    // language and not the process-wide one.
    return LoadText(id, settings_.GetLanguageId());
}

void CMediaOpenDialog::FillDriveList(const std::vector<Volume>& volumes) {
    drives_->clear();
    // A sorted list, as the desktop sorts one: case folded, equal texts in the order they came.
    for (const Volume& volume : volumes) {
        if (!IsDriveVolume(volume)) continue;
        const QString text = DriveItemText(volume);
        int at = drives_->count();
        while (at > 0 && QString::compare(drives_->itemText(at - 1), text, Qt::CaseInsensitive) > 0) --at;
        drives_->insertItem(at, text, QString::fromStdString(volume.root));
    }
    drives_->setCurrentIndex(drives_->count() - 1);
}

void CMediaOpenDialog::CheckRadio(int index) {
    radios_->button(index)->setChecked(true);
}

void CMediaOpenDialog::PickFile() {
    QFileDialog picker(this);
    picker.setFileMode(QFileDialog::ExistingFile);
    picker.setOption(QFileDialog::DontUseNativeDialog);
    if (picker.exec() != QDialog::Accepted) return;
    const QStringList chosen = picker.selectedFiles();
    if (chosen.isEmpty()) return;
    filePath_ = chosen.first().toStdString();
    fileEdit_->setText(chosen.first());
    CheckRadio(kFileRadio);
}

void CMediaOpenDialog::PickFolder() {
    CFolderDialog picker(Text(kFolderPickerTitle), settings_.ReadLastFolder(), this);
    if (picker.DoModal() != CFolderDialog::kIdOk) return;
    folder_ = picker.GetFolderPath();
    folderEdit_->setText(QString::fromStdString(folder_));
    CheckRadio(kFolderRadio);
    settings_.WriteLastFolder(folder_);
}
