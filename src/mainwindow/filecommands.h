#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

class DualPlayback;
class QWidget;
class RecordingCatalogue;
struct FileOpResult;

// The window's commands on files: Delete, Unlock and Save as on the recordings of the ticked groups, and the
// KML export of the current recording, with their questions and messages. The boxes are the owner's modal
// boxes; the copy's progress shows on the status board, which the catalogue drives.
//
// Beyond the recorder's own player: when some files of a Delete, Unlock or Save as could not be handled, one
// box says how many and why the first one failed, so that a file that silently stayed locked or uncopied
// does not go unnoticed.
class FileCommands {
  public:
    // Asks for a folder (the folder picker with its title); nullopt when cancelled.
    using FolderChooser = std::function<std::optional<std::string>(const QString& title)>;

    // documentsFolder: where "ZOV/KML/" is made for an export (the user's documents folder), asked at each.
    FileCommands(QWidget& owner, RecordingCatalogue& catalogue, DualPlayback& playback,
                 FolderChooser chooseFolder, std::function<std::string()> documentsFolder);

    void Delete();
    void Unlock();
    void SaveAs();
    void ExportKml();

  private:
    bool CatalogueEmpty();
    // After an operation: the message when no group was ticked, else the report of the files that failed.
    void Report(const FileOpResult& result, int failuresTextId);
    // A modal box; true when it was answered with OK.
    bool Box(QMessageBox::Icon icon, const QString& caption, const QString& text, bool withCancel);

    QWidget& owner_;
    RecordingCatalogue& catalogue_;
    DualPlayback& playback_;
    FolderChooser chooseFolder_;
    std::function<std::string()> documentsFolder_;
};

// The text with its "%s" and "%d" replaced by values, in order; a placeholder without a value stays.
QString FillIn(const QString& text, const QStringList& values);
// A path as the user is shown it: the catalogue joins its folders with '/' on both sides, so runs of '/'
// are made one.
QString ShownPath(const std::string& path);
// The system's text for an error number.
QString ErrorText(int error);
