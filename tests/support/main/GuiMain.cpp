// Test entry point: one QGuiApplication for the whole run, so Qt classes that
// need an application object work inside every test.
#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Test discovery runs the program at build time without the test
    // environment: never reach for a real display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
