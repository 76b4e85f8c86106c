#pragma once

#include <QApplication>

// The player process: prepares what must be settled before Qt starts, then runs the main window modally for
// as long as the player runs. Qt WebEngine starts its helper processes from its own executable, so this
// executable is only ever the player.
class CZovApp : public QApplication {
  public:
    // Before the application object exists: on a Wayland desktop with an X server the xcb platform is
    // chosen (the video engine draws into X windows); as root Qt WebEngine's sandbox is switched off, or the
    // browser exits at once; the map's browser and the video panes share OpenGL contexts; the map's tile
    // scheme is registered.
    static void PrepareProcess();

    CZovApp(int& argc, char** argv);

    // Runs the main window; afterwards any fatal signal ends the process at once and silently, so a fault
    // while Qt WebEngine shuts down never turns into a crash report.
    int Run();

    // The handler Run installs once the window has closed.
    static void InstallExitOnFatalSignal();
};
