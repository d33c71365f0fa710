#pragma once

#include "DesktopSetup.h"

#include <QApplication>
#include <QTest>

// Runs a Qt Test suite of the window with the desktop set up as the program
// sets it up, on the offscreen platform unless another one is asked for.
template <typename Suite> int runWindowSuite(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    DesktopSetup::prepareEnvironment();
    QApplication app(argc, argv);
    DesktopSetup::prepareApplication();
    Suite suite;
    return QTest::qExec(&suite, argc, argv);
}
