// The window's commands end to end under X, as a user runs them: OPEN with the media dialog filled in and
// accepted, a drop, KML, Delete, Unlock and Save as on a copy of the sample card with their questions
// answered, and the configuration dialog. The real libvlc, the real map page, real files.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>
#include <QUrl>
#include <QWebEngineView>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "../map/maptestsupport.h"
#include "app/languagetable.h"
#include "app/loadtext.h"
#include "controls/gdipbutton.h"
#include "controls/statusboardstatic.h"
#include "controls/videostatic.h"
#include "controls/zovfilelistctrl.h"
#include "controls/zovgrouplistctrl.h"
#include "mainwindow/controltable.h"
#include "mainwindow/windowplayback.h"
#include "mainwindow/zovdlg.h"
#include "map/cefbrowsereventhandler.h"
#include "map/htmlmapdlg.h"
#include "playback/vlcengine.h"
#include "tempdir.h"
#include "video.h"
#include "windowtestsupport.h"

namespace {

namespace fs = std::filesystem;
using namespace ControlId;

const std::string& SampleCard() {
    static const std::string card = windowtest::MakeSampleCard(SAMPLE_CARD_TOOL, SAMPLE_CARD_DIR);
    return card;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file below root, relative to it.
std::set<std::string> FilesBelow(const fs::path& root) {
    std::set<std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) files.insert(fs::relative(e.path(), root).string());
    return files;
}

// The files of the card's second trip: recordings 7 to 10, front and rear.
std::set<std::string> SecondTrip() {
    std::set<std::string> files;
    for (int n = 7; n <= 10; ++n) {
        for (const char side : {'F', 'R'}) {
            char name[40];
            std::snprintf(name, sizeof(name), "DCIM/Clip/CLIP%04d%c.MOV", n, side);
            files.insert(name);
        }
    }
    return files;
}

// Types a path into a file dialog's name field, as a user would (selecting it is undone by the field once it
// has the focus).
void TypeName(QFileDialog* picker, const std::string& path) {
    auto* name = picker->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(QString::fromStdString(path));
}

template <class T>
T* Find(QWidget* dialog, int id) {
    return dialog->findChild<T*>(QString::number(id));
}

class CommandsEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!windowtest::HasDisplay()) GTEST_SKIP() << "no X display";
        ASSERT_FALSE(SampleCard().empty()) << "the sample card could not be made";
        // The exports' documents folder is the test's own.
        qputenv("HOME", QByteArray::fromStdString(home_.Path()));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home_ / ".config"));
        settings_.Settings().WriteWindowRect({40, 40, 1240, 840});
        window = std::make_unique<CZovDlg>(VlcEngine::Process(), settings_.Settings());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_TRUE(
            maptest::WaitUntil([&] { return window->MapWindow()->Handler()->GetBrowser() != nullptr; }));
        groups = window->ControlAs<CZovGroupListCtrl>(kGroupList);
        files = window->ControlAs<CZovFileListCtrl>(kFileList);
    }
    void TearDown() override {
        if (window) window->Playback()->Playback().Stop();
        window.reset();
    }

    // A copy of the sample card the test may change, modes included.
    std::string CopyOfCard() {
        const std::string copy = scratch_ / "card";
        fs::copy(SampleCard(), copy, fs::copy_options::recursive);
        for (const auto& e : fs::recursive_directory_iterator(SampleCard())) {
            fs::permissions(copy / fs::relative(e.path(), SampleCard()), e.status().permissions());
        }
        return copy;
    }
    // The media dialog answered with a source: the radio checked, the edit filled in, OK pressed.
    void AnswerMediaDialog(int radio, int edit, const std::string& path) {
        answerer_.OnDialog([=](QWidget* dialog) {
            if (edit != 0) Find<QLineEdit>(dialog, edit)->setText(QString::fromStdString(path));
            Find<QRadioButton>(dialog, radio)->setChecked(true);
            Find<QAbstractButton>(dialog, 1)->click();
        });
    }
    // The media dialog answered with a file picked with its "..." button.
    void AnswerMediaDialogWithFile(const std::string& path) {
        answerer_.OnDialog([=](QWidget* dialog) {
            // The picker runs inside the button's click: answered from a timer of its own.
            QTimer::singleShot(50, [=] {
                auto* picker = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                ASSERT_NE(picker, nullptr);
                TypeName(picker, path);
                static_cast<QDialog*>(picker)->accept();
            });
            Find<QAbstractButton>(dialog, 1036)->click();
            Find<QAbstractButton>(dialog, 1)->click();
        });
    }
    void Open(const std::string& folder) {
        AnswerMediaDialog(1031, 1035, folder);
        window->RunCommand(kOpen);
        ASSERT_EQ(window->Catalogue().GetCount(), 10);
        answerer_.OnDialog({});
        // The delayed start has run: what follows acts on a playing card.
        ASSERT_TRUE(maptest::WaitUntil([&] { return window->FrontChannel().HasMedia(); }, 3000));
    }
    void Tick(int group) { groups->item(group, 0)->setCheckState(Qt::Checked); }
    bool Playing(int timeoutMs = 5000) {
        return maptest::WaitUntil([&] { return window->FrontChannel().GetTime() > 0; }, timeoutMs);
    }

    TempDir home_;
    TempDir scratch_;
    windowtest::SettingsFolder settings_;
    windowtest::DialogAnswerer answerer_;
    std::unique_ptr<CZovDlg> window;
    CZovGroupListCtrl* groups = nullptr;
    CZovFileListCtrl* files = nullptr;
};

TEST_F(CommandsEndToEndTest, OpenFolderListsTheCardAndStartsItsFirstRecordingAfterTheCountdown) {
    AnswerMediaDialog(1031, 1035, SampleCard());
    window->RunCommand(kOpen);
    EXPECT_EQ(answerer_.DialogsSeen(), 1);
    // Ten recordings, each with its rear file, in the card's two trips.
    EXPECT_EQ(window->Catalogue().GetCount(), 10);
    EXPECT_EQ(groups->rowCount(), 2);
    EXPECT_EQ(files->rowCount(), 10);
    auto* front = window->ControlAs<CVideoStatic>(kFrontPane);
    EXPECT_FALSE(front->IsCounterMode());
    EXPECT_GE(front->Counter(), 19) << "the counter counted the card's files";
    // Folder: the start waits for five ticks of the 100 ms timer.
    EXPECT_FALSE(window->FrontChannel().HasMedia());
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(maptest::WaitUntil([&] { return window->FrontChannel().HasMedia(); }, 3000));
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_TRUE(Playing());
    EXPECT_EQ(window->Catalogue().GetCurrentIndex(), 0);
    EXPECT_TRUE(answerer_.Seen().isEmpty()) << answerer_.Seen().join(", ").toStdString();
}

TEST_F(CommandsEndToEndTest, OpenFileStartsAtOnceAndACancelledDialogKeepsTheCatalogue) {
    const std::string file = SampleCard() + "/DCIM/Clip/CLIP0009F.MOV";
    AnswerMediaDialogWithFile(file);
    window->RunCommand(kOpen);
    ASSERT_EQ(window->Catalogue().GetCount(), 1);
    EXPECT_TRUE(window->FrontChannel().HasMedia()) << "a single file starts at once";
    EXPECT_TRUE(fs::equivalent(window->Catalogue().GetCurrentPath(), file));
    EXPECT_TRUE(window->Catalogue().GetRecording(0).flags & 2) << "the read-only mark";
    ASSERT_TRUE(Playing());
    // Its route is on the map, and in view around the car.
    ASSERT_TRUE(maptest::WaitUntil([&] {
        return !maptest::State(window->MapWindow()->BrowserView()->page()).value("carMarker").isNull();
    }));
    const QVariantMap map = maptest::State(window->MapWindow()->BrowserView()->page());
    EXPECT_GT(map.value("routeLine").toList().size(), 30);

    answerer_.OnDialog([](QWidget* dialog) { Find<QAbstractButton>(dialog, 2)->click(); });
    window->RunCommand(kOpen);
    EXPECT_EQ(window->Catalogue().GetCount(), 1);
    EXPECT_EQ(files->rowCount(), 1);
    EXPECT_FALSE(window->FrontChannel().IsPlaying()) << "OPEN stops playback before it asks";
}

TEST_F(CommandsEndToEndTest, ADiskStartsAtOnceAndAnEmptyDriveChangesNothing) {
    window->OpenMedia({SourceKind::Disk, SampleCard()});
    ASSERT_EQ(window->Catalogue().GetCount(), 10);
    EXPECT_TRUE(window->FrontChannel().HasMedia()) << "a drive starts without the countdown";
    ASSERT_TRUE(Playing());
    // No drive in the list: nothing is opened, the catalogue stays, and the switch guard is off again.
    window->OpenMedia({SourceKind::Disk, ""});
    EXPECT_EQ(window->Catalogue().GetCount(), 10);
    EXPECT_EQ(window->Playback()->Playback().Shared().switchGuard.load(), 0);
}

TEST_F(CommandsEndToEndTest, SnapSavesTheFrontPictureAndSaysWhere) {
    Open(SampleCard());
    ASSERT_TRUE(Playing());
    const std::string picture = scratch_ / "front.png";
    answerer_.OnDialog([&](QWidget* dialog) {
        auto* picker = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(picker, nullptr);
        TypeName(picker, picture);
        static_cast<QDialog*>(picker)->accept();
    });
    window->RunCommand(kSnap);
    ASSERT_FALSE(answerer_.Seen().isEmpty());
    EXPECT_EQ(answerer_.Seen().back(), QString::fromStdString("Snapshot|Snapshot saved: " + picture));
    EXPECT_GT(fs::file_size(picture), 1000u);
}

TEST_F(CommandsEndToEndTest, AWalkOfAThousandRecordingsKeepsTheWindowPainting) {
    fixtures::VideoOptions tiny;
    tiny.width = 64, tiny.height = 64, tiny.fps = 5, tiny.seconds = 1;
    const std::string clip = scratch_ / "clip.mp4";
    ASSERT_TRUE(fixtures::MakeVideo(clip, tiny));
    const fs::path folder = scratch_ / "many";
    fs::create_directories(folder);
    for (int i = 0; i < 1000; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "FILE%04dF.mp4", i);
        fs::copy_file(clip, folder / name);
    }
    // Paints the window asks for while the walk runs reach it only if the walk lets events through.
    int paints = 0;
    QTimer poke;
    QObject::connect(&poke, &QTimer::timeout, [&] { window->update(); });
    poke.start(10);
    struct PaintCounter : QObject {
        int& n;
        CZovDlg& w;
        PaintCounter(int& count, CZovDlg& window) : n(count), w(window) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint && w.Opener()->Walking()) ++n;
            return false;
        }
    } counter(paints, *window);
    window->installEventFilter(&counter);
    AnswerMediaDialog(1031, 1035, folder.string());
    QElapsedTimer clock;
    clock.start();
    window->RunCommand(kOpen);
    const qint64 walkMs = clock.elapsed();
    window->removeEventFilter(&counter);
    EXPECT_EQ(window->Catalogue().GetCount(), 1000);
    EXPECT_GE(paints, 3) << "in a walk of " << walkMs << " ms";
}

TEST_F(CommandsEndToEndTest, ADroppedFolderOpensAsTheFolderSource) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(SampleCard() + "/"))});
    const QPoint at(300, 300);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &drop);
    ASSERT_TRUE(maptest::WaitUntil([&] { return window->Catalogue().GetCount() == 10; }, 5000));
    EXPECT_TRUE(maptest::WaitUntil([&] { return window->FrontChannel().HasMedia(); }, 3000));

    QMimeData text;
    text.setText("not a file");
    QDragEnterEvent refused(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(CommandsEndToEndTest, KmlWritesIntoTheDocumentsFolderAndSaysWhere) {
    window->RunCommand(kKml);
    EXPECT_EQ(answerer_.Seen(), QStringList({"OK|No files in list."}));
    Open(SampleCard());
    window->RunCommand(kKml);
    const fs::path folder = home_ / "Documents/ZOV/KML";
    ASSERT_TRUE(fs::is_directory(folder));
    const std::set<std::string> written = FilesBelow(folder);
    ASSERT_EQ(written.size(), 1u);
    const std::string path = (folder / *written.begin()).string();
    EXPECT_TRUE(written.begin()->starts_with("FILE0001F_2024_06_14_")) << *written.begin();
    EXPECT_EQ(answerer_.Seen().back(), QString::fromStdString("Save KML|Save KML file: " + path + " OK."));
    EXPECT_NE(ReadAll(path).find("<coordinates>"), std::string::npos);
}

TEST_F(CommandsEndToEndTest, DeleteRemovesExactlyTheTickedGroupsFiles) {
    const std::string card = CopyOfCard();
    Open(card);
    const std::set<std::string> before = FilesBelow(card);

    window->RunCommand(kDelete);  // nothing ticked
    EXPECT_EQ(answerer_.Seen().back(), "Confirm file selection|" + LoadText(135));
    Tick(1);
    answerer_.Queue(QMessageBox::Cancel);
    window->RunCommand(kDelete);
    EXPECT_EQ(answerer_.Seen().back(), "Delete Files|Are you sure to delete the checked files?");
    EXPECT_EQ(FilesBelow(card), before) << "declined";
    EXPECT_FALSE(window->FrontChannel().IsPlaying());
    EXPECT_FALSE(window->Control(kFrontPane)->isVisible()) << "the placeholder shows";

    const int boxes = answerer_.Seen().size();
    window->RunCommand(kDelete);
    EXPECT_EQ(answerer_.Seen().size(), boxes + 1) << "only the question: nothing failed";
    // The second trip's four recordings, front and rear, the read-only one among them.
    std::set<std::string> expected = before;
    for (const std::string& f : SecondTrip()) expected.erase(f);
    EXPECT_EQ(FilesBelow(card), expected);
    for (const std::string& f : expected)
        EXPECT_EQ(ReadAll(card + "/" + f), ReadAll(SampleCard() + "/" + f)) << f;
    EXPECT_EQ(window->Catalogue().GetCount(), 6);
    EXPECT_EQ(groups->rowCount(), 1);
    EXPECT_EQ(files->rowCount(), 6);
}

TEST_F(CommandsEndToEndTest, UnlockWhereTheUnmarkedNameIsTakenLosesNothingAndSaysSo) {
    const std::string card = CopyOfCard();
    // A file already has the name the locked recording would get.
    Open(card);
    const std::string taken = card + "/DCIM/Movie/FIL_0003F.mp4";
    { std::ofstream(taken) << "someone's own file"; }
    Tick(0);
    Tick(1);
    window->RunCommand(kLock);
    EXPECT_EQ(ReadAll(taken), "someone's own file");
    EXPECT_EQ(ReadAll(card + "/DCIM/Movie/FILG0003F.mp4"),
              ReadAll(SampleCard() + "/DCIM/Movie/FILG0003F.mp4"));
    EXPECT_TRUE(fs::exists(card + "/DCIM/Movie/FILG0003R.mp4")) << "the rear keeps the front's name";
    // The read-only recording of the second trip is writable now.
    struct stat st {};
    ASSERT_EQ(::stat((card + "/DCIM/Clip/CLIP0009F.MOV").c_str(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_IWUSR);
    ASSERT_FALSE(answerer_.Seen().isEmpty());
    const QString report = answerer_.Seen().back();
    EXPECT_TRUE(report.startsWith("Warning|2 file(s) could not be unlocked. The first was \"" +
                                  QString::fromStdString(card) + "/DCIM/Movie/FILG0003F.mp4\": "))
        << report.toStdString();
}

TEST_F(CommandsEndToEndTest, SaveAsRebuildsTheFoldersAndAsksBeforeEachOverwrite) {
    Open(SampleCard());
    const fs::path out = scratch_ / "out";
    fs::create_directories(out / "DCIM/Clip");
    { std::ofstream(out / "DCIM/Clip/CLIP0007F.MOV") << "old 7"; }
    { std::ofstream(out / "DCIM/Clip/CLIP0007R.MOV") << "old 7 rear"; }
    Tick(1);
    answerer_.OnDialog([&](QWidget* dialog) {
        auto* picker = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(picker, nullptr);
        TypeName(picker, out.string());
        static_cast<QDialog*>(picker)->accept();
    });
    answerer_.Queue(QMessageBox::Cancel);  // the front of recording 7 stays
    answerer_.Queue(QMessageBox::Ok);      // its rear is replaced
    window->RunCommand(kSave);
    EXPECT_EQ(ReadAll(out / "DCIM/Clip/CLIP0007F.MOV"), "old 7");
    const QStringList& seen = answerer_.Seen();
    ASSERT_EQ(seen.size(), 2) << seen.join(", ").toStdString();
    EXPECT_EQ(seen[0], QString::fromStdString("Confirm to overwrite the file.|File \"" +
                                              (out / "DCIM/Clip/CLIP0007F.MOV").string() +
                                              "\" is already exist. Are you sure to overwrite it?"));
    const std::set<std::string> expected = SecondTrip();
    EXPECT_EQ(FilesBelow(out), expected) << "no temporary files are left";
    for (const std::string& f : expected) {
        if (f == "DCIM/Clip/CLIP0007F.MOV") continue;
        EXPECT_EQ(ReadAll(out / f), ReadAll(SampleCard() + "/" + f)) << f;
    }
    EXPECT_FALSE(window->ControlAs<CStatusBoardStatic>(kStatusBoard)->isVisible());
}

TEST_F(CommandsEndToEndTest, SaveAsIntoAMissingFolderWarnsAndCopiesNothing) {
    Open(SampleCard());
    Tick(0);
    const fs::path missing = scratch_ / "gone";
    answerer_.OnDialog([&](QWidget* dialog) {
        fs::create_directories(missing);
        auto* picker = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(picker, nullptr);
        TypeName(picker, missing.string());
        fs::remove(missing);  // the card was pulled while the picker was open
        static_cast<QDialog*>(picker)->done(QDialog::Accepted);
    });
    window->RunCommand(kSave);
    EXPECT_EQ(answerer_.Seen(), QStringList({"Warning|Folder is not exist."}));
    EXPECT_FALSE(fs::exists(missing));
}

}  // namespace

namespace {

TEST_F(CommandsEndToEndTest, ConfigurationSwitchesLanguageAndMapAndCancelKeepsWhatApplyDid) {
    const int polish = LanguageTable::FindByCode("POL");
    const int polishId = LanguageTable::Row(polish)->LanguageId();
    QString captionAfterApply;
    answerer_.OnDialog([&](QWidget* dialog) {
        auto* languages = Find<QComboBox>(dialog, 1042);
        languages->setCurrentIndex(polish);
        Find<QAbstractButton>(dialog, 1043)->click();
        captionAfterApply = dialog->windowTitle();
        Find<QComboBox>(dialog, 1038)->setCurrentIndex(2);  // Yandex
        Find<QAbstractButton>(dialog, 1039)->click();
        Find<QAbstractButton>(dialog, 2)->click();  // Cancel keeps both applies
    });
    window->RunCommand(kConfig);
    EXPECT_EQ(captionAfterApply, LoadText(110, polishId));
    // The window hears of both through its queue.
    QCoreApplication::processEvents();
    auto* stop = window->ControlAs<CGdipButton>(kStop);
    EXPECT_EQ(stop->toolTip(), LoadText(185, polishId));
    EXPECT_EQ(stop->accessibleName(), LoadText(185, polishId));
    EXPECT_EQ(groups->horizontalHeaderItem(0)->text(), LoadText(116, polishId));
    EXPECT_NE(LoadText(116, polishId), LoadText(116, LanguageTable::kEnglishId));
    EXPECT_NE(settings_.ReadIni().find("LANGID=POL"), std::string::npos) << settings_.ReadIni();
    EXPECT_NE(settings_.ReadIni().find("MAP=2"), std::string::npos) << settings_.ReadIni();
    EXPECT_TRUE(maptest::WaitUntil([&] {
        return window->MapWindow()->BrowserView()->url().toString().contains("ymap");
    })) << window->MapWindow()->BrowserView()->url().toString().toStdString();
}

TEST(CommandLineEndToEndTest, AFileNamedAtStartOpensOnceTheMapCanTakeItsRoute) {
    if (!windowtest::HasDisplay()) GTEST_SKIP() << "no X display";
    ASSERT_FALSE(SampleCard().empty());
    windowtest::SettingsFolder settings;
    windowtest::DialogAnswerer answerer;
    CZovDlg window(VlcEngine::Process(), settings.Settings());
    window.show();
    // As the player does with its argument: asked before the map's page has loaded.
    window.OpenMediaWhenMapReady({SourceKind::File, SampleCard() + "/DCIM/Clip/CLIP0009F.MOV"});
    ASSERT_TRUE(maptest::WaitUntil([&] { return window.FrontChannel().GetTime() > 0; }, 8000));
    EXPECT_EQ(window.Catalogue().GetCount(), 1);
    EXPECT_GT(maptest::State(window.MapWindow()->BrowserView()->page()).value("routeLine").toList().size(),
              30);
    window.Playback()->Playback().Stop();
    EXPECT_TRUE(answerer.Seen().isEmpty()) << answerer.Seen().join(", ").toStdString();
}

}  // namespace
