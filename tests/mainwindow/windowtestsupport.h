#pragma once

// Helpers of the main-window tests: a private settings file, message boxes answered as they appear, and
// synthetic mouse events on the window's own background.

#include <QString>
#include <QStringList>
#include <QTimer>
#include <filesystem>
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

// A left-button press, moves and a release at client points of the window, delivered as the platform would.
void Press(QWidget* window, QPoint at);
void MoveTo(QWidget* window, QPoint at, bool leftDown = true);
void Release(QWidget* window, QPoint at);
void DoubleClick(QWidget* window, QPoint at);

bool HasDisplay();

}  // namespace windowtest
