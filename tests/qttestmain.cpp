// main of every test executable built on Qt; orvan_add_qt_gtest (tests/CMakeLists.txt) chooses what it does
// through these definitions:
//   ORVAN_QT_TEST_ENV="NAME=value|..."  set before anything reads it, unless the caller set it already, so
//                                      the tests behave the same under ctest and run by hand
//   ORVAN_QT_TEST_GUI_APP              a QGuiApplication instead of a QApplication
//   ORVAN_QT_TEST_PLAYER_APP           the application the player makes, prepared as the player prepares it
//   ORVAN_QT_TEST_NEEDS_X              an application only on an X display (DISPLAY), not on any platform
//   ORVAN_QT_TEST_PRIVATE_FOLDER       the tests run in a fresh working folder, where the settings file lives
//   ORVAN_QT_TEST_MAP                  the tile scheme registered as the player does, and a fresh user cache
//                                      folder, so that no tile of an earlier run is found
//   ORVAN_QT_TEST_ENGINE               the video engine runs: Qt's fonts are set up first and the process
//                                      ends at once (see below)
// Listing the tests (ctest discovers them at test time) makes no application, and neither does running
// without a display or a platform: tests that need a screen then skip.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#ifdef ORVAN_QT_TEST_PLAYER_APP
#include "mainwindow/zovapp.h"
#endif
#ifdef ORVAN_QT_TEST_MAP
#include "map/tileschemehandler.h"
#endif

namespace {

// NAME=value items separated by '|'.
[[maybe_unused]] void SetUnlessSet(const std::string& items) {
    std::istringstream env(items);
    for (std::string item; std::getline(env, item, '|');) {
        const std::size_t eq = item.find('=');
        if (eq != std::string::npos) setenv(item.substr(0, eq).c_str(), item.substr(eq + 1).c_str(), 0);
    }
}

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

bool CanShow() {
#ifdef ORVAN_QT_TEST_NEEDS_X
    return IsSet("DISPLAY");
#else
    return IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY");
#endif
}

}  // namespace

int main(int argc, char** argv) {
#ifdef ORVAN_QT_TEST_ENV
    SetUnlessSet(ORVAN_QT_TEST_ENV);
#endif
    bool listing = false;
    for (int i = 1; i < argc; ++i) listing |= std::strcmp(argv[i], "--gtest_list_tests") == 0;

    // Made before the application and so removed after it.
    std::unique_ptr<QTemporaryDir> cacheHome, workFolder;
    std::unique_ptr<QGuiApplication> app;
    if (!listing && CanShow()) {
#ifdef ORVAN_QT_TEST_MAP
        cacheHome = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CACHE_HOME", cacheHome->path().toLocal8Bit());
        RegisterTileScheme();
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#endif
#if defined(ORVAN_QT_TEST_PLAYER_APP)
        CZovApp::PrepareProcess();
        app = std::make_unique<CZovApp>(argc, argv);
#elif defined(ORVAN_QT_TEST_GUI_APP)
        app = std::make_unique<QGuiApplication>(argc, argv);
#else
        app = std::make_unique<QApplication>(argc, argv);
#endif
#ifdef ORVAN_QT_TEST_PRIVATE_FOLDER
        workFolder = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(workFolder->path());
#endif
#ifdef ORVAN_QT_TEST_ENGINE
        // Qt's fonts first, as in the player, whose window draws text before any video plays: when the
        // engine's text renderer sets fontconfig up first and Qt only at its exit, the process may crash on
        // the way out.
        QFontDatabase::families();
#endif
    }
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
#ifdef ORVAN_QT_TEST_ENGINE
    // The engine's text renderer and Qt's font database both drive fontconfig's process-wide state, and
    // tearing Qt down after the engine has been unloaded crashes now and then inside fontconfig. The player
    // ends the same way: at once, once its window is closed. The folders and the files the tests registered
    // with at_quick_exit are not left behind.
    workFolder.reset();
    cacheHome.reset();
    std::fflush(nullptr);
    std::quick_exit(result);
#endif
    return result;
}
