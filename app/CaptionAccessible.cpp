#include "CaptionAccessible.h"

#include "CaptionLabel.h"
#include "CaptionMenu.h"

#include <QAction>

CaptionAccessible::CaptionAccessible(CaptionLabel *caption) : QAccessibleWidget(caption, QAccessible::StaticText) {}

QAccessibleInterface *CaptionAccessible::factory(const QString &, QObject *object)
{
    // Every caption, menu or not: an interface is made once, as soon as the
    // form names its label, before any menu entry is added.
    auto *caption = qobject_cast<CaptionLabel *>(object);
    return caption != nullptr ? new CaptionAccessible(caption) : nullptr;
}

QString CaptionAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return static_cast<const CaptionLabel *>(widget())->text();
    return QAccessibleWidget::text(t);
}

QStringList CaptionAccessible::actionNames() const
{
    QStringList names;
    for (const QAction *entry : widget()->actions()) {
        if (entry->isEnabled())
            names << CaptionMenu::actionName(*entry);
    }
    return names;
}

QString CaptionAccessible::localizedActionName(const QString &actionName) const
{
    const QAction *entry = enabledEntry(actionName);
    return entry != nullptr ? QString(entry->text()).remove(QLatin1Char('&')) : QString();
}

QStringList CaptionAccessible::keyBindingsForAction(const QString &actionName) const
{
    const QAction *entry = enabledEntry(actionName);
    if (entry == nullptr || entry->shortcut().isEmpty())
        return {};
    return {entry->shortcut().toString(QKeySequence::NativeText)};
}

void CaptionAccessible::doAction(const QString &actionName)
{
    if (QAction *entry = enabledEntry(actionName))
        entry->trigger();
}

QAction *CaptionAccessible::enabledEntry(const QString &actionName) const
{
    for (QAction *entry : widget()->actions()) {
        if (entry->isEnabled() && CaptionMenu::actionName(*entry) == actionName)
            return entry;
    }
    return nullptr;
}
