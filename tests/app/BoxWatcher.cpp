#include "BoxWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWidget>

BoxWatcher::BoxWatcher(QWidget &owner) : owner(owner)
{
    timer.setInterval(5);
    connect(&timer, &QTimer::timeout, this, &BoxWatcher::poll);
    timer.start();
}

void BoxWatcher::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible())
        return;
    SeenBox record;
    record.text = box->text();
    record.title = box->windowTitle();
    record.icon = box->icon();
    record.buttons = box->standardButtons();
    record.format = box->textFormat();
    record.ownerCursor = owner.cursor().shape();
    seen.append(record);

    QAbstractButton *ok = box->button(QMessageBox::Ok);
    if (ok != nullptr)
        QTest::mouseClick(ok, Qt::LeftButton);
    else
        box->reject();
}
