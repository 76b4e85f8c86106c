// main for the control tests: a widgets application on the platform the environment names (offscreen under
// ctest), made only when the tests run, so listing them needs no display. The tests run in a private folder:
// texts come through the settings object, whose file (and language) lives in the working directory.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    bool listing = false;
    for (int i = 1; i < argc; ++i) listing |= std::strcmp(argv[i], "--gtest_list_tests") == 0;
    std::unique_ptr<QApplication> app;
    QTemporaryDir workFolder;
    if (!listing) {
        app = std::make_unique<QApplication>(argc, argv);
        QDir::setCurrent(workFolder.path());
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
