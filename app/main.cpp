// Factorization, HCF & LCM of Numbers: a calculator for school arithmetic on
// whole numbers, in one window.

#include "DesktopSetup.h"
#include "frmLCM.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    DesktopSetup::prepareEnvironment();
    QApplication app(argc, argv);
    DesktopSetup::prepareApplication();
    QApplication::setApplicationVersion(QStringLiteral(HCFLCM_VERSION));

    frmLCM window;
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return QApplication::exec();
}
