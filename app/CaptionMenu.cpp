#include "CaptionMenu.h"

#include "CaptionLabel.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>

void CaptionMenu::attach(CaptionLabel &label, std::function<void()> showWorking)
{
    label.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&label, &QWidget::customContextMenuRequested, &label,
                     [&label, showWorking = std::move(showWorking)](const QPoint &position) {
                         QMenu menu(&label);
                         menu.addAction(QObject::tr("&Copy"), &label,
                                        [&label] { QApplication::clipboard()->setText(label.text().trimmed()); });
                         if (showWorking) {
                             QAction *working = menu.addAction(QObject::tr("Show &Working"), &label, showWorking);
                             working->setShortcut(workingShortcut());
                             working->setShortcutContext(Qt::WidgetShortcut);
                             working->setEnabled(label.showsResult());
                         }
                         menu.exec(label.mapToGlobal(position));
                     });
}
