// orvan-player: the dashcam recording player.

#include "mainwindow/zovapp.h"
#include "map/tileschemehandler.h"

int main(int argc, char** argv) {
    CZovApp::PrepareProcess();
    RegisterTileScheme();
    CZovApp app(argc, argv);
    return app.Run();
}
