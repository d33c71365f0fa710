#include "WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>

void WindowFixture::click(const QString &button)
{
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
}

void WindowFixture::init()
{
    window = std::make_unique<frmLCM>();
    boxes = std::make_unique<BoxWatcher>(*window);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QApplication::clipboard()->clear();
}

void WindowFixture::cleanup()
{
    boxes.reset();
    window.reset();
}
