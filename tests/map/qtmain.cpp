// main for the map tests: a widgets application for Qt WebEngine, made only when the tests run (listing
// them needs no display and no browser). The tile scheme is registered as the player does, and the user's
// cache folder is a fresh one, so that no tile of an earlier run is found.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

#include "map/tileschemehandler.h"

int main(int argc, char** argv) {
    bool listing = false;
    for (int i = 1; i < argc; ++i) listing |= std::strcmp(argv[i], "--gtest_list_tests") == 0;
    std::unique_ptr<QTemporaryDir> cacheHome;
    std::unique_ptr<QApplication> app;
    if (!listing) {
        cacheHome = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CACHE_HOME", cacheHome->path().toLocal8Bit());
        RegisterTileScheme();
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        app = std::make_unique<QApplication>(argc, argv);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
