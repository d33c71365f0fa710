#include "CaptionMenu.h"

#include "CaptionLabel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>

void CaptionMenu::attach(CaptionLabel &caption)
{
    caption.setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *copy = new QAction(QApplication::translate("CaptionMenu", "&Copy"), &caption);
    QObject::connect(copy, &QAction::triggered, &caption,
                     [&caption] { QApplication::clipboard()->setText(caption.text().trimmed()); });
    caption.addAction(copy);
}

QAction *CaptionMenu::newShowWorking(QObject *owner)
{
    auto *working = new QAction(QApplication::translate("CaptionMenu", "Show &Working"), owner);
    working->setShortcut(workingShortcut());
    // Shown only: the window's own action takes the keys.
    working->setShortcutContext(Qt::WidgetShortcut);
    working->setEnabled(false);
    return working;
}

QAction *CaptionMenu::addShowWorking(CaptionLabel &caption)
{
    QAction *working = newShowWorking(&caption);
    caption.addAction(working);
    return working;
}
