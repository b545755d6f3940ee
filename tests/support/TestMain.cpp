#include <gtest/gtest.h>

#include <QApplication>

#include "ConfigHome.h"

// Every test program runs inside one offscreen application, so widget tests and plain model
// tests share the same start-up. The locale is pinned before Qt reads it: no result may depend
// on the language of the machine the tests run on.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LANG", "C.UTF-8");
    qputenv("LC_ALL", "C.UTF-8");
    // Named here so that the settings folder, set up as the program loads, is linked into every
    // test program, whether or not its tests ask for it.
    if (ConfigHome().isEmpty()) return 1;
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
