#include "mainwindow/commandline.h"

#include <QFileInfo>

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine out;
    const QStringList rest = arguments.mid(1);
    if (rest.isEmpty()) return out;
    const QString& first = rest.front();
    if (first == QLatin1String("-h") || first == QLatin1String("--help")) {
        out.help = true;
        return out;
    }
    // "--" ends the options, so a recording whose name starts with '-' can still be given.
    const bool dashes = first == QLatin1String("--");
    const QStringList paths = dashes ? rest.mid(1) : rest;
    if (!dashes && first.startsWith(QLatin1Char('-'))) {
        out.error = QStringLiteral("unknown option %1").arg(first);
        return out;
    }
    if (paths.size() != 1) {
        out.error = paths.isEmpty() ? QStringLiteral("no file or folder given")
                                    : QStringLiteral("one file or folder at a time");
        return out;
    }
    const QFileInfo info(paths.front());
    if (!info.exists()) {
        out.error = QStringLiteral("%1: no such file or folder").arg(paths.front());
        return out;
    }
    QString path = info.absoluteFilePath();
    while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) path.chop(1);
    out.open = MediaChoice{info.isDir() ? SourceKind::Folder : SourceKind::File, path.toStdString()};
    return out;
}
