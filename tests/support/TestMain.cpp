// Shared test entry point: a core application object for the libraries' Qt types, in a
// temporary home so no test can write into the real user folder, and in the C locale so texts
// the programs under test translate come out the same on every machine (British English).
#include "tests/support/TempHome.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    CTempHome home;
    qputenv("LC_ALL", "C.UTF-8");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
