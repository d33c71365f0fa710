// The window's form and pictures alone, as Qt sets them up, with none of the
// program's code: shows the window, says so on standard output and ends. The
// window benchmark starts it beside the program to compare their start-up.

#include "ui_formAlone.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(assets);
    QMainWindow window;
    Ui::frmLCM form;
    form.setupUi(&window);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    std::printf("shown\n");
    std::fflush(stdout);
    return 0;
}
