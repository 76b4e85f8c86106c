// main of the playback tests. The environment the binding reads (library name, instance arguments, Qt
// platform) is set here from PLAYBACK_TEST_ENV (NAME=value items separated by '|'), before anything reads it,
// unless the caller set it already; then a Qt application is made (a widgets one with PLAYBACK_TEST_WIDGETS),
// since the binding asks Qt for the platform when it starts the engine. Listing the tests, or running without
// a display, makes no application: the real-engine tests then skip.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    std::istringstream env(PLAYBACK_TEST_ENV);
    for (std::string item; std::getline(env, item, '|');) {
        const std::size_t eq = item.find('=');
        if (eq != std::string::npos) setenv(item.substr(0, eq).c_str(), item.substr(eq + 1).c_str(), 0);
    }

    bool listing = false;
    for (int i = 1; i < argc; ++i) listing |= std::strcmp(argv[i], "--gtest_list_tests") == 0;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    const bool canShow = (platform && *platform) || (display && *display);
    std::unique_ptr<QGuiApplication> app;
#ifdef PLAYBACK_TEST_WIDGETS
    if (!listing && canShow) app = std::make_unique<QApplication>(argc, argv);
#else
    if (!listing && canShow) app = std::make_unique<QGuiApplication>(argc, argv);
#endif
    // Qt's fonts first, as in the player, whose window draws text before any video plays: when the engine's
    // text renderer sets fontconfig up first and Qt only at its exit, the process may crash on the way out.
    if (app) QFontDatabase::families();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // The engine's text renderer and Qt's font database both drive fontconfig's process-wide state, and
    // tearing Qt down after the engine has been unloaded crashes now and then inside fontconfig. The player
    // ends the same way: at once, once its window is closed.
    std::fflush(nullptr);
    std::_Exit(result);
}
