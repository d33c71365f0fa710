#include "AppNames.h"

#include <QCoreApplication>

QString AppNames::shortTitle()
{
    return QCoreApplication::translate("AppNames", ShortTitle);
}

QString AppNames::windowCaption()
{
    return QCoreApplication::translate("AppNames", WindowCaption);
}

QString AppNames::workingTitle()
{
    return QCoreApplication::translate("AppNames", "Working - %1").arg(shortTitle());
}
