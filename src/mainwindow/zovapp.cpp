#include "mainwindow/zovapp.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "controls/outlinedtext.h"
#include "mainwindow/commandline.h"
#include "mainwindow/zovdlg.h"
#include "map/tileschemehandler.h"

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

void ExitAtOnce(int) {
    _exit(EXIT_FAILURE);
}

}  // namespace

void CZovApp::PrepareProcess() {
    // A platform the user chose stands.
    if (!IsSet("QT_QPA_PLATFORM")) {
        const char* session = std::getenv("XDG_SESSION_TYPE");
        const bool wayland = IsSet("WAYLAND_DISPLAY") || (session && std::string_view(session) == "wayland");
        if (wayland && IsSet("DISPLAY")) setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
    if (::geteuid() == 0 && !IsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The map's tile cache answers a URL scheme of its own, which must be known before Qt WebEngine starts.
    RegisterTileScheme();
}

CZovApp::CZovApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Orvan Player"));
    setOrganizationName(QStringLiteral("Orvan"));
    // The installed desktop entry, so docks and task bars show its name and icon for the window.
    setDesktopFileName(QStringLiteral("org.orvan.Player"));
    // The window's title and instruments are drawn in families Linux rarely has; their stand-ins are chosen
    // once, before any widget measures text.
    InstallFontSubstitutes();
}

int CZovApp::Run() {
    const CommandLine command = ParseCommandLine(arguments());
    if (command.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (!command.error.isEmpty()) {
        std::fprintf(stderr, "orvan-player: %s\n%s", command.error.toLocal8Bit().constData(), kUsage);
    }
    {
        CZovDlg dialog;
        // Opened once the window runs (so it paints the walk's counter like an OPEN would) and its map can
        // take the route.
        if (command.open) dialog.OpenMediaWhenMapReady(*command.open);
        dialog.exec();
        InstallExitOnFatalSignal();
    }
    return 0;
}

void CZovApp::InstallExitOnFatalSignal() {
    for (int signal : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT}) std::signal(signal, ExitAtOnce);
}
