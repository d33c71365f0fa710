#include "CaptionMenu.h"

#include "CaptionLabel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>

namespace {

// The English text of each entry, kept for screen readers.
constexpr char EnglishText[] = "englishText";

QAction *newEntry(const char *englishText, QObject *owner)
{
    auto *entry = new QAction(QApplication::translate("CaptionMenu", englishText), owner);
    entry->setProperty(EnglishText, QString::fromLatin1(englishText).remove(QLatin1Char('&')));
    return entry;
}

} // namespace

QString CaptionMenu::actionName(const QAction &entry)
{
    return entry.property(EnglishText).toString();
}

void CaptionMenu::copy(const CaptionLabel &caption)
{
    QApplication::clipboard()->setText(caption.text().trimmed());
}

void CaptionMenu::attach(CaptionLabel &caption)
{
    caption.setContextMenuPolicy(Qt::ActionsContextMenu);
    QAction *copy = newEntry(QT_TRANSLATE_NOOP("CaptionMenu", "&Copy"), &caption);
    QObject::connect(copy, &QAction::triggered, &caption,
                     [&caption] { CaptionMenu::copy(caption); });
    caption.addAction(copy);
}

QAction *CaptionMenu::newShowWorking(QObject *owner)
{
    QAction *working = newEntry(QT_TRANSLATE_NOOP("CaptionMenu", "Show &Working"), owner);
    // A shortcut given to it is shown only: the window's own action takes the keys.
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
