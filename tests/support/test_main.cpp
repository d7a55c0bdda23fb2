// Every test program runs inside a QApplication on the offscreen platform, so widget tests need
// no display and file tests may use Qt's file classes.
#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
