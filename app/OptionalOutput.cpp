#include "OptionalOutput.h"

#include "AppNames.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace {

using WriteSvg = void (*)(QIODevice &, QGraphicsScene &, const QString &, const QString &, int);
using Print = void (*)(QWidget *, const QString &, const QString &, const std::function<void(QPagedPaintDevice &)> &);

// The module where the program is installed (libdir/hcflcm beside bindir),
// else where the build left it.
QLibrary &module()
{
    static QLibrary library;
    if (library.fileName().isEmpty()) {
        const QString installed =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../" HCFLCM_PRINTING_INSTALLED);
        library.setFileName(QFileInfo::exists(installed) ? installed : QStringLiteral(HCFLCM_PRINTING_BUILT));
    }
    return library;
}

} // namespace

bool OptionalOutput::writeSvg(QIODevice &file, QGraphicsScene &picture, const QString &title,
                              const QString &description, int dotsPerInch)
{
    const auto write = reinterpret_cast<WriteSvg>(module().resolve("hcflcmWriteSvg"));
    if (write == nullptr)
        return false;
    write(file, picture, title, description, dotsPerInch);
    return true;
}

bool OptionalOutput::print(QWidget *parent, const QString &title, const std::function<void(QPagedPaintDevice &)> &render)
{
    const auto print = reinterpret_cast<Print>(module().resolve("hcflcmPrint"));
    if (print == nullptr)
        return false;
    print(parent, title, AppNames::windowCaption(), render);
    return true;
}

QString OptionalOutput::reason()
{
    return module().errorString();
}
