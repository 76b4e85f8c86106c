#pragma once

#include <QString>

#include <optional>
#include <string>

#include "mainwindow/opencommand.h"

class AppSettings;
class QWidget;

// The window's modal dialogs, run for its commands: each returns what the user chose.

// The media dialog: a drive, a folder or a file; nullopt when cancelled.
std::optional<MediaChoice> AskMediaSource(QWidget* owner, AppSettings& settings);
// The folder picker with its title and no initial folder; nullopt when cancelled.
std::optional<std::string> AskFolder(QWidget* owner, const QString& title);
// The configuration dialog, owned by the window, which its Apply buttons notify. The map provider chosen
// when it ends with OK, nullopt after Cancel.
std::optional<int> AskConfiguration(QWidget* owner, AppSettings& settings);
