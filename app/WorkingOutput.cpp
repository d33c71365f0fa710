#include "WorkingOutput.h"

#include "OptionalOutput.h"
#include "PageLayout.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

enum class Kind { Png, Svg, Pdf, Text, Jpeg };

// The quality Qt's PNG writer turns into zlib's compression level 1.
constexpr int FastPngQuality = 80;
// The most pixels a saved or copied picture has: a picture is saved at twice
// its size up to this, smaller beyond it, so that saving stays quick.
constexpr double MaxImagePixels = 3.2e6;
constexpr int JpegQuality = 90;
// Lists of more numbers end with "-etc" in a suggested file name.
constexpr std::size_t NamedNumbers = 4;

struct FileKind {
    Kind kind;
    std::array<const char *, 2> extensions; // the first is the one added to a name
    const char *filter;
};

const std::array<FileKind, 5> Kinds{{
    {Kind::Png, {"png", nullptr}, QT_TRANSLATE_NOOP("WorkingOutput", "PNG picture (*.png)")},
    {Kind::Svg, {"svg", nullptr}, QT_TRANSLATE_NOOP("WorkingOutput", "SVG picture (*.svg)")},
    {Kind::Pdf, {"pdf", nullptr}, QT_TRANSLATE_NOOP("WorkingOutput", "PDF document (*.pdf)")},
    {Kind::Text, {"txt", nullptr}, QT_TRANSLATE_NOOP("WorkingOutput", "Text (*.txt)")},
    {Kind::Jpeg, {"jpg", "jpeg"}, QT_TRANSLATE_NOOP("WorkingOutput", "JPEG picture (*.jpg *.jpeg)")},
}};

QString tr(const char *text)
{
    return QCoreApplication::translate("WorkingOutput", text);
}

const FileKind *kindOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    for (const FileKind &kind : Kinds)
        for (const char *extension : kind.extensions)
            if (extension != nullptr && suffix.compare(QLatin1String(extension), Qt::CaseInsensitive) == 0)
                return &kind;
    return nullptr;
}

// The extensions offered, as a refusal names them: ".png, .svg, .pdf, .txt, .jpg".
QString offeredExtensions()
{
    QStringList offered;
    for (const FileKind &kind : Kinds)
        offered << QLatin1Char('.') + QLatin1String(kind.extensions.front());
    return offered.join(QLatin1String(", "));
}

// The first line of the steps names the working.
QString titleOf(const numbers::WorkingText &steps)
{
    return QString::fromStdString(steps.text).section(QLatin1Char('\n'), 0, 0);
}

} // namespace

QStringList WorkingOutput::fileFilters()
{
    QStringList filters;
    for (const FileKind &kind : Kinds)
        filters << tr(kind.filter);
    return filters;
}

QString WorkingOutput::extensionOf(const QString &filter)
{
    const qsizetype index = std::max<qsizetype>(0, fileFilters().indexOf(filter));
    return QLatin1String(Kinds[static_cast<std::size_t>(index)].extensions.front());
}

QString WorkingOutput::withExtension(const QString &fileName, const QString &filter)
{
    if (kindOf(fileName) != nullptr)
        return fileName;
    if (!QFileInfo(fileName).suffix().isEmpty())
        return {};
    return fileName + QLatin1Char('.') + extensionOf(filter);
}

QString WorkingOutput::forFilter(const QString &fileName, const QString &filter)
{
    if (kindOf(fileName) == nullptr)
        return fileName;
    const QString suffix = QFileInfo(fileName).suffix();
    return fileName.left(fileName.size() - suffix.size()) + extensionOf(filter);
}

QString WorkingOutput::suggestedName(numbers::Command command, std::span<const std::int32_t> numbers)
{
    QString name;
    switch (command) {
    case numbers::Command::Factors:
        //: The start of a suggested file name, as "factors-360": lower case, no blanks.
        name = QCoreApplication::translate("WorkingOutput", "factors", "file name");
        break;
    case numbers::Command::Hcf:
        //: The start of a suggested file name, as "hcf-12-18": lower case, no blanks.
        name = QCoreApplication::translate("WorkingOutput", "hcf", "file name");
        break;
    case numbers::Command::Lcm:
        //: The start of a suggested file name, as "lcm-4-6-10": lower case, no blanks.
        name = QCoreApplication::translate("WorkingOutput", "lcm", "file name");
        break;
    case numbers::Command::Primes:
        //: The start of a suggested file name, as "primes-1-100": lower case, no blanks.
        name = QCoreApplication::translate("WorkingOutput", "primes", "file name");
        break;
    }
    for (const std::int32_t number : numbers.first(std::min(numbers.size(), NamedNumbers)))
        name += QLatin1Char('-') + QString::number(number);
    if (numbers.size() > NamedNumbers)
        name += QLatin1String("-etc");
    return name;
}

QString WorkingOutput::write(const QString &fileName, const Content &content)
{
    const FileKind *kind = kindOf(fileName);
    if (kind == nullptr)
        //: %1: the extensions offered, as ".png, .svg, .pdf, .txt, .jpg"
        return QCoreApplication::translate("WorkingOutput", "the name does not end in one of %1").arg(offeredExtensions());
    if (content.picture == nullptr && kind->kind != Kind::Pdf && kind->kind != Kind::Text)
        return QCoreApplication::translate("WorkingOutput", "there is no picture to save: save the steps as .pdf or .txt");
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    bool written = true;
    switch (kind->kind) {
    case Kind::Png:
        // zlib's fastest level: a grid of a thousand numbers is millions of
        // pixels, and the default level takes twice as long for a file a
        // tenth smaller.
        written = image(*content.picture).save(&file, "PNG", FastPngQuality);
        break;
    case Kind::Jpeg:
        written = image(*content.picture).save(&file, "JPEG", JpegQuality);
        break;
    case Kind::Svg:
        if (!OptionalOutput::writeSvg(file, *content.picture, titleOf(content.steps), content.description, 96)) {
            file.cancelWriting();
            return OptionalOutput::reason();
        }
        break;
    case Kind::Pdf:
        PageLayout::writePdf(file, document(content), QPageSize(QPageSize::A4));
        break;
    case Kind::Text:
        written = file.write(content.steps.text.data(), static_cast<qint64>(content.steps.text.size())) >= 0 &&
                  file.write("\n", 1) == 1;
        break;
    }
    // A write that failed on its way leaves its reason in the file, and commit
    // reports it; an uncommitted file is removed, its target untouched.
    if (!written)
        return file.errorString();
    if (!file.commit())
        return file.errorString();
    return {};
}

QImage WorkingOutput::image(QGraphicsScene &picture)
{
    // Twice the picture's size, but no more than MaxImagePixels: the grid of a
    // thousand numbers, the largest picture, is written at about 1.5 times.
    const QRectF source = picture.sceneRect();
    const double area = std::max(1.0, source.width() * source.height());
    const double scale = std::min(2.0, std::sqrt(MaxImagePixels / area));
    QImage image((scale * source.size()).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    picture.render(&painter, QRectF(QPointF(0, 0), scale * source.size()), source);
    return image;
}

PageLayout::Document WorkingOutput::document(const Content &content)
{
    PageLayout::Document document;
    document.title = titleOf(content.steps);
    document.font = content.stepsFont;
    document.blocks = PageLayout::blocksOf(content.steps);
    if (content.picture != nullptr)
        document.blocks.append(PageLayout::Picture{content.picture, content.continued});
    return document;
}

QString WorkingOutput::print(QWidget *parent, const PageLayout::Document &pages)
{
    const bool offered = OptionalOutput::print(parent, pages.title,
                                               [&pages](QPagedPaintDevice &printer) { PageLayout::print(printer, pages); });
    return offered ? QString() : OptionalOutput::reason();
}
