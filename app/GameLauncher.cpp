#include "GameLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

bool GameLauncher::start(const QString &directory)
{
    const QString program = QDir(directory).absoluteFilePath(QString::fromLatin1(FileName));
    return QProcess::startDetached(program, {}, directory);
}

QString GameLauncher::failureMessage(const QString &directory)
{
    return QCoreApplication::translate("GameLauncher", "Could not start \"%1\" in %2.")
        .arg(QString::fromLatin1(FileName), QDir::toNativeSeparators(directory));
}
