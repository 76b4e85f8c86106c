// main of the main-window tests. The environment the program reads is set here from WINDOW_TEST_ENV
// (NAME=value items separated by '|') before anything reads it; then the application is made as the player
// makes it. Listing the tests, or running without an X display, makes no application: the tests then skip.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#include "mainwindow/zovapp.h"

int main(int argc, char** argv) {
    std::istringstream env(WINDOW_TEST_ENV);
    for (std::string item; std::getline(env, item, '|');) {
        const std::size_t eq = item.find('=');
        if (eq != std::string::npos) setenv(item.substr(0, eq).c_str(), item.substr(eq + 1).c_str(), 0);
    }
    bool listing = false;
    for (int i = 1; i < argc; ++i) listing |= std::strcmp(argv[i], "--gtest_list_tests") == 0;
    const char* display = std::getenv("DISPLAY");
    std::unique_ptr<CZovApp> app;
    if (!listing && display && *display) {
        CZovApp::PrepareProcess();
        app = std::make_unique<CZovApp>(argc, argv);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
