#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "mainwindow/opencommand.h"

// The player's only command line: `orvan-player [FILE|FOLDER]` opens that file or folder at start, as OPEN
// opens a File or Folder source (so a desktop entry and a file manager's "Open with" work).
struct CommandLine {
    std::optional<MediaChoice> open;
    bool help = false;
    // Set when the arguments cannot be used; the player then starts as without them.
    QString error;
};

// arguments: as QCoreApplication::arguments() gives them, the program first (Qt's own options removed).
CommandLine ParseCommandLine(const QStringList& arguments);

inline constexpr const char* kUsage =
    "Usage: orvan-player [FILE|FOLDER]\n"
    "Opens FILE (one recording) or FOLDER (a memory card or a folder of "
    "recordings) at start.\n";
