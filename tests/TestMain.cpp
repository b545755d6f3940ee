#include <gtest/gtest.h>

#include <QApplication>

// Every test program runs inside one offscreen application, so widget tests and plain model
// tests share the same start-up.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
