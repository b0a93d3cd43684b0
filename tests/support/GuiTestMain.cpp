// Test entry point for widget code: a GUI application on the offscreen platform, in a temporary
// home so no test can write into the real user folder, in the C locale as every test program.
#include "tests/support/TempHome.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C.UTF-8");
    CTempHome home;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
