// Shared test entry point: a core application object for the libraries' Qt types, in a
// temporary home so no test can write into the real user folder.
#include "tests/support/TempHome.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    CTempHome home;
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
