#pragma once

#include <QAccessibleWidget>

class CaptionLabel;

// What a screen reader is told of a result caption: static text, read by its
// accessible name with the whole caption as its description, and every enabled
// entry of its right-click menu as an action ("Copy", "Show Working": the
// entry's English text without the '&'; localizedActionName gives the
// translation). A disabled entry is left out.
class CaptionAccessible : public QAccessibleWidget {
public:
    explicit CaptionAccessible(CaptionLabel *caption);

    // The interface of a caption; nothing for any other object, which keeps
    // Qt's own. For QAccessible::installFactory.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    QString localizedActionName(const QString &actionName) const override;
    QStringList keyBindingsForAction(const QString &actionName) const override;
    void doAction(const QString &actionName) override;

private:
    QAction *enabledEntry(const QString &actionName) const;
};
