#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dialogtestsupport.h"
#include "library/folderdialog.h"
#include "tempdir.h"

namespace {

TEST(FolderDialogTest, ReturnsTheChosenFolderOrCancel) {
    TempDir dir;
    std::filesystem::create_directories(dir / "start");
    std::filesystem::create_directories(dir / "CARD/DCIM");
    const std::string chosen = dir / "CARD/DCIM";
    struct Case {
        const char* what;
        std::string initialFolder;
        bool accept;
        int expectedResult;
        std::string expectedPath;
    } cases[] = {
        {"chosen", dir / "start", true, CFolderDialog::kIdOk, chosen},
        {"cancelled", dir / "start", false, CFolderDialog::kIdCancel, ""},
        {"no initial folder", "", true, CFolderDialog::kIdOk, chosen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CFolderDialog picker(QStringLiteral("Pick one"), c.initialFolder);
        FileDialogDriver driver([&](QFileDialog& dialog) {
            if (c.accept)
                FileDialogDriver::Choose(dialog, QString::fromStdString(chosen));
            else
                dialog.reject();
        });
        EXPECT_EQ(picker.DoModal(), c.expectedResult);
        EXPECT_EQ(picker.GetFolderPath(), c.expectedPath);
        ASSERT_TRUE(driver.Ran());
        EXPECT_EQ(driver.Title(), QStringLiteral("Pick one"));
        EXPECT_EQ(driver.ObjectName(), QStringLiteral("CFolderDialog"));
        EXPECT_EQ(driver.Mode(), QFileDialog::Directory);
        EXPECT_TRUE(driver.Options().testFlag(QFileDialog::ShowDirsOnly));
        if (!c.initialFolder.empty()) {
            EXPECT_EQ(driver.Directory().toStdString(), c.initialFolder);
        }
    }
}

}  // namespace
