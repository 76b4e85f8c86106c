#include "mainwindow/filecommands.h"

#include <sys/stat.h>

#include <QMessageBox>
#include <QWidget>

#include <cstring>
#include <utility>

#include "app/appsettings.h"
#include "app/loadtext.h"
#include "export/exportkml.h"
#include "library/recordingcatalogue.h"
#include "playback/dualplayback.h"

namespace {

namespace text {
constexpr int kSaveKmlOk = 125;          // "Save KML file: %s OK."
constexpr int kSaveKmlFailed = 126;      // "Save KML file:%s Failed."
constexpr int kSaveKmlCaption = 127;     // "Save KML"
constexpr int kDeleteCaption = 128;      // "Delete Files"
constexpr int kDeleteQuestion = 129;     // "Are you sure to delete the checked files?"
constexpr int kSelectFolder = 130;       // "Select a folder"
constexpr int kWarning = 131;            // "Warning"
constexpr int kFolderMissing = 132;      // "Folder is not exist."
constexpr int kNothingTicked = 135;      // "No seletected files. ..."
constexpr int kNoFiles = 136;            // "No files in list."
constexpr int kOverwriteCaption = 140;   // "Confirm to overwrite the file."
constexpr int kOverwriteQuestion = 141;  // "File "%s" is already exist. ..."
constexpr int kTickCaption = 144;        // "Confirm file selection"
constexpr int kOkCaption = 145;          // "OK"
constexpr int kDeleteFailures = 2001;
constexpr int kUnlockFailures = 2002;
constexpr int kCopyFailures = 2003;
}  // namespace text

}  // namespace

QString FillIn(const QString& pattern, const QStringList& values) {
    QString out;
    out.reserve(pattern.size());
    int next = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('%') && i + 1 < pattern.size() && next < values.size() &&
            (pattern.at(i + 1) == QLatin1Char('s') || pattern.at(i + 1) == QLatin1Char('d'))) {
            out += values.at(next++);
            ++i;
            continue;
        }
        out += c;
    }
    return out;
}

QString ShownPath(const std::string& path) {
    QString out;
    out.reserve(qsizetype(path.size()));
    for (const QChar c : QString::fromStdString(path)) {
        if (c == QLatin1Char('/') && out.endsWith(QLatin1Char('/'))) continue;
        out += c;
    }
    return out;
}

QString ErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

FileCommands::FileCommands(QWidget& owner, RecordingCatalogue& catalogue, DualPlayback& playback,
                           FolderChooser chooseFolder, std::function<std::string()> documentsFolder)
    : owner_(owner),
      catalogue_(catalogue),
      playback_(playback),
      chooseFolder_(std::move(chooseFolder)),
      documentsFolder_(std::move(documentsFolder)) {}

bool FileCommands::Box(QMessageBox::Icon icon, const QString& caption, const QString& text, bool withCancel) {
    QMessageBox box(icon, caption, text, withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    &owner_);
    return box.exec() == QMessageBox::Ok;
}

bool FileCommands::CatalogueEmpty() {
    if (catalogue_.GetCount() != 0) return false;
    Box(QMessageBox::NoIcon, LoadText(text::kOkCaption), LoadText(text::kNoFiles), false);
    return true;
}

void FileCommands::Report(const FileOpResult& result, int failuresTextId) {
    if (result.result == 0) {
        Box(QMessageBox::NoIcon, LoadText(text::kTickCaption), LoadText(text::kNothingTicked), false);
        return;
    }
    if (result.failed == 0) return;
    Box(QMessageBox::Warning, LoadText(text::kWarning),
        FillIn(LoadText(failuresTextId), {QString::number(result.failed), ShownPath(result.firstFailedPath),
                                          ErrorText(result.firstError)}),
        false);
}

void FileCommands::Delete() {
    if (CatalogueEmpty()) return;
    // Stopped before the question, also when the user then declines.
    playback_.StopForFileOperation();
    if (!Box(QMessageBox::NoIcon, LoadText(text::kDeleteCaption), LoadText(text::kDeleteQuestion), true))
        return;
    Report(catalogue_.DeleteChecked(), text::kDeleteFailures);
}

void FileCommands::Unlock() {
    if (CatalogueEmpty()) return;
    Report(catalogue_.UnlockChecked(), text::kUnlockFailures);
}

void FileCommands::SaveAs() {
    if (CatalogueEmpty()) return;
    playback_.StopForFileOperation();
    const std::optional<std::string> folder =
        chooseFolder_ ? chooseFolder_(LoadText(text::kSelectFolder)) : std::nullopt;
    if (folder) {
        struct stat st {};
        if (::stat(folder->c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
            const FileOpResult result = catalogue_.CopyChecked(*folder, [this](const std::string& target) {
                return Box(QMessageBox::NoIcon, LoadText(text::kOverwriteCaption),
                           FillIn(LoadText(text::kOverwriteQuestion), {ShownPath(target)}), true);
            });
            Report(result, text::kCopyFailures);
        } else {
            Box(QMessageBox::Warning, LoadText(text::kWarning), LoadText(text::kFolderMissing), false);
        }
    }
    // Whatever happened in the picker, the panes show their placeholders afterwards.
    playback_.StopForFileOperation();
}

void FileCommands::ExportKml() {
    if (CatalogueEmpty()) return;
    // A folder that cannot be made shows as a failed export naming the path inside it; without a documents
    // folder at all nothing is written anywhere else (the working folder is nobody's export folder).
    const std::string documents = documentsFolder_ ? documentsFolder_() : std::string();
    const std::optional<std::string> made = AppSettings::GetKmlFolder(documents);
    if (!made && documents.empty()) {
        Box(QMessageBox::NoIcon, LoadText(text::kSaveKmlCaption),
            FillIn(LoadText(text::kSaveKmlFailed), {QStringLiteral("ZOV/KML/")}), false);
        return;
    }
    const std::string folder = made.value_or(documents + "/ZOV/KML/");
    const KmlExport written = ::ExportKml(catalogue_, folder);
    Box(QMessageBox::NoIcon, LoadText(text::kSaveKmlCaption),
        FillIn(LoadText(written.result ? text::kSaveKmlOk : text::kSaveKmlFailed), {ShownPath(written.path)}),
        false);
}
