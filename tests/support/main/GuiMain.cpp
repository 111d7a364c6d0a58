// Test entry point: one QGuiApplication for the whole run, so Qt classes that
// need an application object work inside every test.
#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
