// The player's command line, what a drop opens, and the filling in of the message texts.

#include <gtest/gtest.h>

#include <QMimeData>
#include <QUrl>

#include <fstream>

#include "mainwindow/commandline.h"
#include "mainwindow/dropopener.h"
#include "mainwindow/filecommands.h"
#include "tempdir.h"

namespace {

TEST(CommandLineTest, OpensOneExistingFileOrFolderAndRefusesTheRest) {
    TempDir dir;
    const std::string file = dir / "FILE0001F.mp4";
    { std::ofstream(file) << "x"; }
    const QString q = QString::fromStdString(dir.Path());
    const QString f = QString::fromStdString(file);
    struct Case {
        QStringList args;
        bool opens;
        SourceKind kind;
        std::string source;
        bool help;
        bool error;
    };
    const Case cases[] = {
        {{"orvan-player"}, false, {}, "", false, false},
        {{"orvan-player", q}, true, SourceKind::Folder, dir.Path(), false, false},
        {{"orvan-player", q + "/"}, true, SourceKind::Folder, dir.Path(), false, false},
        {{"orvan-player", f}, true, SourceKind::File, file, false, false},
        {{"orvan-player", "--", f}, true, SourceKind::File, file, false, false},
        {{"orvan-player", "--help"}, false, {}, "", true, false},
        {{"orvan-player", "-x"}, false, {}, "", false, true},
        {{"orvan-player", q + "/missing.mp4"}, false, {}, "", false, true},
        {{"orvan-player", f, q}, false, {}, "", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CommandLine line = ParseCommandLine(c.args);
        ASSERT_EQ(line.open.has_value(), c.opens);
        if (c.opens) {
            EXPECT_EQ(line.open->kind, c.kind);
            EXPECT_EQ(line.open->source, c.source);
        }
        EXPECT_EQ(line.help, c.help);
        EXPECT_EQ(!line.error.isEmpty(), c.error);
    }
}

TEST(DropOpenerTest, TheFirstLocalFileOrFolderIsOpened) {
    TempDir dir;
    const std::string file = dir / "MOVI0001.AVI";
    { std::ofstream(file) << "x"; }
    QMimeData remoteThenFile;
    remoteThenFile.setUrls({QUrl("https://example.org/a.mp4"),
                            QUrl::fromLocalFile(QString::fromStdString(dir / "gone")),
                            QUrl::fromLocalFile(QString::fromStdString(file))});
    const auto choice = DropOpener::ChoiceFor(&remoteThenFile);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->kind, SourceKind::File);
    EXPECT_EQ(choice->source, file);

    QMimeData folder;
    folder.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir.Path() + "/"))});
    ASSERT_TRUE(DropOpener::ChoiceFor(&folder));
    EXPECT_EQ(DropOpener::ChoiceFor(&folder)->kind, SourceKind::Folder);
    EXPECT_EQ(DropOpener::ChoiceFor(&folder)->source, dir.Path());

    QMimeData text;
    text.setText(QString::fromStdString(file));
    EXPECT_FALSE(DropOpener::ChoiceFor(&text));
    EXPECT_FALSE(DropOpener::ChoiceFor(nullptr));
}

TEST(FillInTest, PlaceholdersTakeTheValuesInOrder) {
    EXPECT_EQ(FillIn("%d file(s): \"%s\": %s.", {"2", "/a/%s", "Gone"}), "2 file(s): \"/a/%s\": Gone.");
    EXPECT_EQ(FillIn("Save KML file:%s Failed.", {}), "Save KML file:%s Failed.");
    EXPECT_EQ(FillIn("100% %s", {"x"}), "100% x");
    EXPECT_EQ(ShownPath("/card//DCIM/Movie//FILE0001F.mp4"), "/card/DCIM/Movie/FILE0001F.mp4");
}

}  // namespace
