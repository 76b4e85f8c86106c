#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/appsettings.h"
#include "app/languagetable.h"
#include "app/loadtext.h"
#include "bytes.h"
#include "dialogtestsupport.h"
#include "library/mediaopendialog.h"
#include "tempdir.h"

namespace {

using Volume = CMediaOpenDialog::Volume;

class MediaOpenDialogTest : public ::testing::Test {
  protected:
    std::string Ini() const { return dir_ / "Zov.ini"; }
    CMediaOpenDialog::VolumeSource Volumes(std::vector<Volume> volumes) {
        return [volumes] { return volumes; };
    }
    static const std::vector<Volume> kCardAndSystem;

    TempDir dir_;
    AppSettings settings_{Ini()};
};

const std::vector<Volume> MediaOpenDialogTest::kCardAndSystem = {
    {"/media/driver/CARD", "CARD", "vfat"},
    {"/", "", "ext4"},
};

TEST_F(MediaOpenDialogTest, StartsOnFileWithTheTextsOfItsLanguage) {
    struct Case {
        const char* langId;
        QStringList expected;  // caption, Disk, File, Folder, OK, Cancel
    } cases[] = {
        {"ENG", {"Select a media", "Disk", "File", "Folder", "OK", "Cancel"}},
        {"GER", {}},  // whatever the German table says, as long as it is not the English text
    };
    const int ids[] = {104, 111, 113, 112, 107, 108};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.langId);
        fixtures::WriteFile(Ini(), std::string("[UI]\nLANGID=") + c.langId + "\n");
        AppSettings settings(Ini());
        QStringList expected = c.expected;
        if (expected.isEmpty()) {
            for (const int id : ids) expected << LoadText(id, settings.GetLanguageId());
            ASSERT_NE(expected.first(), QStringLiteral("Select a media"));
        }

        CMediaOpenDialog dialog(settings, Volumes(kCardAndSystem));
        const QStringList shown = {dialog.windowTitle(),
                                   Find<QRadioButton>(dialog, 1029).text(),
                                   Find<QRadioButton>(dialog, 1030).text(),
                                   Find<QRadioButton>(dialog, 1031).text(),
                                   Find<QPushButton>(dialog, 1).text(),
                                   Find<QPushButton>(dialog, 2).text()};
        EXPECT_EQ(shown, expected);
        EXPECT_TRUE(Find<QRadioButton>(dialog, 1030).isChecked());
        EXPECT_FALSE(Find<QRadioButton>(dialog, 1029).isChecked());
        EXPECT_FALSE(Find<QRadioButton>(dialog, 1031).isChecked());
        EXPECT_EQ(dialog.GetSourceKind(), CMediaOpenDialog::kFile);
        EXPECT_TRUE(Find<QPushButton>(dialog, 1).isDefault());
        // The list and the edits are named for a screen reader after the radio in front of them.
        EXPECT_EQ(Find<QComboBox>(dialog, 1033).accessibleName(), expected[1]);
        EXPECT_EQ(Find<QLineEdit>(dialog, 1034).accessibleName(), expected[2]);
        EXPECT_EQ(Find<QLineEdit>(dialog, 1035).accessibleName(), expected[3]);
        EXPECT_TRUE(Find<QLineEdit>(dialog, 1034).isReadOnly());
        EXPECT_TRUE(Find<QLineEdit>(dialog, 1035).isReadOnly());
    }
}

TEST_F(MediaOpenDialogTest, FolderEditStartsWithTheSavedFolderWhileItExists) {
    std::filesystem::create_directories(dir_ / "saved");
    struct Case {
        std::string stored;
        QString shown;
    } cases[] = {
        {dir_ / "saved", QString::fromStdString(dir_ / "saved")},
        {dir_ / "card-removed", ""},
    };
    for (const Case& c : cases) {
        fixtures::WriteFile(Ini(), "[UI]\nFolder=" + c.stored + "\n");
        CMediaOpenDialog dialog(settings_, Volumes({}));
        EXPECT_EQ(Find<QLineEdit>(dialog, 1035).text(), c.shown) << c.stored;
    }
}

TEST_F(MediaOpenDialogTest, DriveListShowsUsableVolumesSortedWithTheLastSelected) {
    struct Case {
        const char* what;
        std::vector<Volume> volumes;
        QStringList items;
        std::string driveOnOk;
    } cases[] = {
        {"label and no label", kCardAndSystem, {"/", "/media/driver/CARD    [CARD]"}, "/media/driver/CARD"},
        {"sorted without regard to case",
         {{"/mnt/z", "", "exfat"},
          {"/media/b", "", "vfat"},
          {"/boot/efi", "", "vfat"},
          {"/media/A", "", "vfat"}},
         {"/boot/efi", "/media/A", "/media/b", "/mnt/z"},
         "/mnt/z"},
        {"a label does not change the order of roots",
         {{"/media/u/SD2", "ZZZ", "exfat"}, {"/media/u/SD1", "", "exfat"}, {"/media/u/SD3", "AAA", "vfat"}},
         {"/media/u/SD1", "/media/u/SD2    [ZZZ]", "/media/u/SD3    [AAA]"},
         "/media/u/SD3"},
        {"pseudo, network and busy volumes left out",
         {{"/proc", "", "proc"},
          {"/sys/fs/cgroup", "", "cgroup2"},
          {"/run/user/1000", "", "tmpfs"},
          {"/home/shared", "", "nfs4"},
          {"/net/nas", "NAS", "cifs"},
          {"/home/u/remote", "", "fuse.sshfs"},
          {"/snap/core/1", "", "squashfs"},
          {"/", "", "overlay"},
          {"/media/u/EMPTY", "", "vfat", false},
          {"/media/u/NTFS", "Big", "fuseblk"},
          {"/media/u/RAMCARD", "", "tmpfs"}},
         {"/media/u/NTFS    [Big]", "/media/u/RAMCARD"},
         "/media/u/RAMCARD"},
        {"nothing mounted", {}, {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CMediaOpenDialog dialog(settings_, Volumes(c.volumes));
        const QComboBox& drives = Find<QComboBox>(dialog, 1033);
        EXPECT_FALSE(drives.isEditable());
        EXPECT_EQ(Items(drives), c.items);
        EXPECT_EQ(drives.currentIndex(), drives.count() - 1);
        Find<QRadioButton>(dialog, 1029).setChecked(true);
        Find<QPushButton>(dialog, 1).click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.GetSourceKind(), CMediaOpenDialog::kDisk);
        EXPECT_EQ(dialog.GetDrive(), c.driveOnOk);
    }
}

TEST_F(MediaOpenDialogTest, DriveRuleKeepsCardFileSystemsOnly) {
    struct Case {
        const char* type;
        const char* root;
        bool drive;
    } cases[] = {
        {"vfat", "/media/u/CARD", true},
        {"exfat", "/run/media/u/CARD", true},
        {"ext4", "/", true},
        {"ntfs3", "/mnt/win", true},
        {"fuseblk", "/media/u/NTFS", true},
        {"iso9660", "/media/u/DVD", true},
        {"tmpfs", "/media/u/RAM", true},
        {"tmpfs", "/run/media/u/RAM", true},
        {"tmpfs", "/tmp", false},
        {"tmpfs", "/run/mediaX", false},
        {"proc", "/proc", false},
        {"sysfs", "/sys", false},
        {"devtmpfs", "/dev", false},
        {"devpts", "/dev/pts", false},
        {"cgroup", "/sys/fs/cgroup/cpu", false},
        {"cgroup2", "/sys/fs/cgroup", false},
        {"securityfs", "/sys/kernel/security", false},
        {"debugfs", "/sys/kernel/debug", false},
        {"tracefs", "/sys/kernel/tracing", false},
        {"pstore", "/sys/fs/pstore", false},
        {"bpf", "/sys/fs/bpf", false},
        {"mqueue", "/dev/mqueue", false},
        {"hugetlbfs", "/dev/hugepages", false},
        {"configfs", "/sys/kernel/config", false},
        {"fusectl", "/sys/fs/fuse/connections", false},
        {"autofs", "/proc/sys/fs/binfmt_misc", false},
        {"binfmt_misc", "/proc/sys/fs/binfmt_misc", false},
        {"overlay", "/", false},
        {"squashfs", "/snap/core/1", false},
        {"nfs", "/mnt/nfs", false},
        {"nfs4", "/mnt/nfs4", false},
        {"cifs", "/mnt/share", false},
        {"smb3", "/mnt/share3", false},
        {"fuse.sshfs", "/mnt/ssh", false},
        {"fuse.gvfsd-fuse", "/run/user/1000/gvfs", false},
        {"9p", "/mnt/host", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CMediaOpenDialog::IsDriveVolume({c.root, "", c.type}), c.drive)
            << c.type << " at " << c.root;
    EXPECT_FALSE(CMediaOpenDialog::IsDriveVolume({"/media/u/CARD", "", "vfat", false})) << "not ready";
}

TEST_F(MediaOpenDialogTest, DriveListOfThisMachineHoldsItsUsableVolumes) {
    QStringList expected;
    for (const Volume& volume : CMediaOpenDialog::SystemVolumes()) {
        EXPECT_FALSE(volume.root.empty());
        if (CMediaOpenDialog::IsDriveVolume(volume)) expected << CMediaOpenDialog::DriveItemText(volume);
    }
    expected.sort(Qt::CaseInsensitive);
    CMediaOpenDialog dialog(settings_);
    const QComboBox& drives = Find<QComboBox>(dialog, 1033);
    EXPECT_EQ(Items(drives), expected);
    EXPECT_EQ(drives.currentIndex(), drives.count() - 1);
}

TEST_F(MediaOpenDialogTest, FileButtonTakesThePickedFileAndChecksFile) {
    const std::string recording = dir_ / "MOVI0001.AVI";
    fixtures::WriteFile(recording, "RIFF");
    struct Case {
        const char* what;
        bool accept;
        QString shown;
        std::string path;
        int kind;
    } cases[] = {
        {"picked", true, QString::fromStdString(recording), recording, CMediaOpenDialog::kFile},
        {"cancelled", false, "", "", CMediaOpenDialog::kFolder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CMediaOpenDialog dialog(settings_, Volumes(kCardAndSystem));
        Find<QRadioButton>(dialog, 1031).setChecked(true);
        FileDialogDriver driver([&](QFileDialog& picker) {
            if (c.accept)
                FileDialogDriver::Choose(picker, QString::fromStdString(recording));
            else
                picker.reject();
        });
        Find<QPushButton>(dialog, 1036).click();
        ASSERT_TRUE(driver.Ran());
        EXPECT_EQ(driver.Mode(), QFileDialog::ExistingFile);
        EXPECT_EQ(Find<QLineEdit>(dialog, 1034).text(), c.shown);
        EXPECT_EQ(dialog.GetFilePath(), c.path);
        Find<QPushButton>(dialog, 1).click();
        EXPECT_EQ(dialog.GetSourceKind(), c.kind);
    }
}

TEST_F(MediaOpenDialogTest, FolderButtonOpensInTheSavedFolderAndSavesThePickedOne) {
    std::filesystem::create_directories(dir_ / "last");
    std::filesystem::create_directories(dir_ / "CARD/VIDEO");
    const std::string picked = dir_ / "CARD/VIDEO";
    settings_.WriteLastFolder(dir_ / "last");

    CMediaOpenDialog dialog(settings_, Volumes(kCardAndSystem));
    Find<QRadioButton>(dialog, 1029).setChecked(true);
    FileDialogDriver driver(
        [&](QFileDialog& picker) { FileDialogDriver::Choose(picker, QString::fromStdString(picked)); });
    Find<QPushButton>(dialog, 1037).click();
    ASSERT_TRUE(driver.Ran());
    EXPECT_EQ(driver.ObjectName(), QStringLiteral("CFolderDialog"));
    EXPECT_EQ(driver.Title(), QStringLiteral("Select a folder"));
    EXPECT_EQ(driver.Directory().toStdString(), dir_ / "last");

    EXPECT_EQ(Find<QLineEdit>(dialog, 1035).text().toStdString(), picked);
    EXPECT_TRUE(Find<QRadioButton>(dialog, 1031).isChecked());
    EXPECT_EQ(AppSettings(Ini()).ReadLastFolder(), picked);
    Find<QPushButton>(dialog, 1).click();
    EXPECT_EQ(dialog.GetSourceKind(), CMediaOpenDialog::kFolder);
    EXPECT_EQ(dialog.GetFolder(), picked);

    // A cancelled pick changes nothing, neither the dialog nor the saved folder.
    CMediaOpenDialog again(settings_, Volumes(kCardAndSystem));
    FileDialogDriver cancel([](QFileDialog& picker) { picker.reject(); });
    Find<QPushButton>(again, 1037).click();
    ASSERT_TRUE(cancel.Ran());
    EXPECT_EQ(cancel.Directory().toStdString(), picked);
    EXPECT_TRUE(Find<QRadioButton>(again, 1030).isChecked());
    EXPECT_EQ(AppSettings(Ini()).ReadLastFolder(), picked);
}

TEST_F(MediaOpenDialogTest, OkWithDiskCheckedAfterPickingAFileGivesTheDrive) {
    const std::string recording = dir_ / "FILE0001.MP4";
    fixtures::WriteFile(recording, "");
    CMediaOpenDialog dialog(settings_, Volumes(kCardAndSystem));
    FileDialogDriver driver(
        [&](QFileDialog& picker) { FileDialogDriver::Choose(picker, QString::fromStdString(recording)); });
    Find<QPushButton>(dialog, 1036).click();
    ASSERT_TRUE(driver.Ran());
    Find<QRadioButton>(dialog, 1029).setChecked(true);
    Find<QPushButton>(dialog, 1).click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetSourceKind(), CMediaOpenDialog::kDisk);
    EXPECT_EQ(dialog.GetDrive(), "/media/driver/CARD");
    EXPECT_EQ(dialog.GetFilePath(), recording);
}

TEST_F(MediaOpenDialogTest, CancelTakesNothingFromTheControls) {
    CMediaOpenDialog dialog(settings_, Volumes(kCardAndSystem));
    Find<QRadioButton>(dialog, 1029).setChecked(true);
    Find<QPushButton>(dialog, 2).click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.GetSourceKind(), CMediaOpenDialog::kFile);
    EXPECT_EQ(dialog.GetDrive(), "");
}

}  // namespace
