// orvan-player: the dashcam recording player.

#include "mainwindow/zovapp.h"

int main(int argc, char** argv) {
    CZovApp::PrepareProcess();
    CZovApp app(argc, argv);
    return app.Run();
}
