#pragma once

// Helpers of the main-window tests: a private settings file, message boxes answered as they appear, and
// synthetic mouse events on the window's own background.

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/appsettings.h"

class QWidget;

namespace windowtest {

// A folder of its own holding Zov.ini, removed afterwards.
class SettingsFolder {
  public:
    SettingsFolder();
    ~SettingsFolder();
    std::string IniPath() const { return (folder_ / "Zov.ini").string(); }
    AppSettings& Settings() { return *settings_; }
    std::string ReadIni() const;

  private:
    std::filesystem::path folder_;
    std::unique_ptr<AppSettings> settings_;
};

// Accepts every modal message box as soon as it shows and keeps "caption|text" of each, in order.
class MessageBoxAnswerer {
  public:
    MessageBoxAnswerer();
    const QStringList& Seen() const { return seen_; }

  private:
    QTimer timer_;
    QStringList seen_;
};

// Answers each modal dialog as it shows. A message box gets the next queued answer (OK when none is queued)
// and its "caption|text" is kept; any other dialog goes to the handler, which fills it in and closes it
// (without one it is rejected).
class DialogAnswerer {
  public:
    DialogAnswerer();
    void Queue(QMessageBox::StandardButton answer) { answers_.push_back(answer); }
    void OnDialog(std::function<void(QWidget* dialog)> handler) { handler_ = std::move(handler); }
    const QStringList& Seen() const { return seen_; }
    int DialogsSeen() const { return dialogs_; }

  private:
    QTimer timer_;
    QStringList seen_;
    std::deque<QMessageBox::StandardButton> answers_;
    std::function<void(QWidget*)> handler_;
    int dialogs_ = 0;
};

// A left-button press, moves and a release at client points of the window, delivered as the platform would.
void Press(QWidget* window, QPoint at);
void MoveTo(QWidget* window, QPoint at, bool leftDown = true);
void Release(QWidget* window, QPoint at);
void DoubleClick(QWidget* window, QPoint at);

bool HasDisplay();

// The sample card made by its tool into dir, once (a stamp keeps it from being made again; a lock keeps
// tests running side by side from making it at the same time); empty when it could not be made.
std::string MakeSampleCard(const std::string& tool, const std::string& dir);

}  // namespace windowtest
