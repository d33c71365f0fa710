// Factorization, HCF & LCM of Numbers: a calculator for school arithmetic on
// whole numbers, in one window.

#include "CommandLine.h"
#include "DesktopSetup.h"
#include "Language.h"
#include "frmLCM.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    // Read before QApplication exists, which needs a display: --help,
    // --version and mistakes are answered without one and without a window.
    CommandLine commandLine(argc, argv);
    if (commandLine.writesWorksheet()) {
        // A file needs no display: drawn off screen unless a platform is chosen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        DesktopSetup::prepareEnvironment();
        const QApplication app(argc, argv); // the pictures are drawn in a QGraphicsScene
        DesktopSetup::prepareApplication();
        const Language::Translation translation(commandLine.language());
        return commandLine.writeWorksheet();
    }

    if (!commandLine.opensWindow()) {
        const QCoreApplication core(argc, argv); // names the program in the usage line
        const Language::Translation translation(commandLine.language());
        return commandLine.answer();
    }

    DesktopSetup::prepareEnvironment();
    QApplication app(argc, argv);
    DesktopSetup::prepareApplication();
    // Before the window is made: its form takes its texts from the translation.
    const Language::Translation translation(commandLine.language());
    // The language's conventions, such as its paper size for worksheets.
    QLocale::setDefault(QLocale(commandLine.language()));
    QApplication::setApplicationVersion(QStringLiteral(HCFLCM_VERSION));
    // Lets docks and Wayland compositors match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(HCFLCM_APP_ID));

    frmLCM window;
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    if (commandLine.practice())
        window.openPractice(commandLine.seed());
    return QApplication::exec();
}
