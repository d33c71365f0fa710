#include "DesktopSetup.h"

#include "AppNames.h"
#include "CaptionAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QFont>
#include <QStyle>

void DesktopSetup::prepareEnvironment()
{
    if (!qEnvironmentVariableIsSet("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
}

void DesktopSetup::prepareApplication()
{
    QApplication::setApplicationName(QString::fromLatin1(AppNames::Program));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"));
    // Menus, tooltips and message boxes take the application's font. Left to the
    // desktop, a machine with only the Liberation fonts picks Liberation Mono
    // for "sans-serif"; the form's own sans serif reads better and is there.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    // Only a factory is installed: the interfaces are made when a screen reader asks.
    QAccessible::installFactory(&CaptionAccessible::factory);
}
