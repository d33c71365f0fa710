#include "WorkingOutput.h"

#include "OptionalOutput.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

enum class Kind { Png, Svg, Pdf, Text };

// The quality Qt's PNG writer turns into zlib's compression level 1.
constexpr int FastPngQuality = 80;

struct FileKind {
    Kind kind;
    const char *extension;
    const char *filter;
};

const std::array<FileKind, 4> Kinds{{
    {Kind::Png, "png", QT_TRANSLATE_NOOP("WorkingOutput", "PNG picture (*.png)")},
    {Kind::Svg, "svg", QT_TRANSLATE_NOOP("WorkingOutput", "SVG picture (*.svg)")},
    {Kind::Pdf, "pdf", QT_TRANSLATE_NOOP("WorkingOutput", "PDF document (*.pdf)")},
    {Kind::Text, "txt", QT_TRANSLATE_NOOP("WorkingOutput", "Text (*.txt)")},
}};

QString tr(const char *text)
{
    return QCoreApplication::translate("WorkingOutput", text);
}

const FileKind *kindOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    for (const FileKind &kind : Kinds)
        if (suffix.compare(QLatin1String(kind.extension), Qt::CaseInsensitive) == 0)
            return &kind;
    return nullptr;
}

// Scene units are pixels at 96 dots per inch.
constexpr double SceneDpi = 96;

// The first line of the steps names the working.
QString titleOf(const QString &steps)
{
    return steps.section(QLatin1Char('\n'), 0, 0);
}

void writePdf(QIODevice &file, const QString &steps, const QFont &stepsFont, QGraphicsScene &picture)
{
    QPdfWriter pdf(&file);
    pdf.setTitle(titleOf(steps));
    pdf.setCreator(QCoreApplication::applicationName());
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    WorkingOutput::renderPages(pdf, steps, stepsFont, picture);
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
    return QLatin1String(Kinds[static_cast<std::size_t>(index)].extension);
}

QString WorkingOutput::withExtension(const QString &fileName, const QString &filter)
{
    return kindOf(fileName) != nullptr ? fileName : fileName + QLatin1Char('.') + extensionOf(filter);
}

QString WorkingOutput::write(const QString &fileName, const QString &steps, const QFont &stepsFont,
                             QGraphicsScene &picture, const QString &description)
{
    const FileKind *kind = kindOf(fileName);
    if (kind == nullptr)
        return tr("the name does not end in .png, .svg, .pdf or .txt");
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    bool written = true;
    switch (kind->kind) {
    case Kind::Png:
        // zlib's fastest level: a grid of a thousand numbers is millions of
        // pixels, and the default level takes twice as long for a file a
        // tenth smaller.
        written = image(picture).save(&file, "PNG", FastPngQuality);
        break;
    case Kind::Svg:
        if (!OptionalOutput::writeSvg(file, picture, titleOf(steps), description, static_cast<int>(SceneDpi))) {
            file.cancelWriting();
            return OptionalOutput::reason();
        }
        break;
    case Kind::Pdf:
        writePdf(file, steps, stepsFont, picture);
        break;
    case Kind::Text:
        written = file.write(steps.toUtf8()) >= 0;
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
    const QRectF source = picture.sceneRect();
    QImage image((2 * source.size()).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    picture.render(&painter, QRectF(QPointF(0, 0), 2 * source.size()), source);
    return image;
}

void WorkingOutput::renderPages(QPagedPaintDevice &device, const QString &steps, const QFont &stepsFont,
                                QGraphicsScene &picture)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QRectF page(0, 0, device.width(), device.height());

    const QStringList lines = steps.split(QLatin1Char('\n'));
    QFont font = stepsFont;
    double widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, QFontMetricsF(font, &device).horizontalAdvance(line));
    if (widest > page.width())
        font.setPointSizeF(std::max(6.0, font.pointSizeF() * page.width() / widest));
    const QFontMetricsF metrics(font, &device);
    painter.setFont(font);
    painter.setPen(Qt::black);
    // The font is fixed-pitch: every character is as wide as a digit.
    const auto perLine = std::max<qsizetype>(1, static_cast<qsizetype>(page.width() / metrics.horizontalAdvance(QLatin1Char('0'))));
    double y = 0;
    for (const QString &line : lines) {
        for (qsizetype from = 0; from == 0 || from < line.size(); from += perLine) {
            if (y > 0 && y + metrics.height() > page.height()) {
                device.newPage();
                y = 0;
            }
            painter.drawText(QPointF(0, y + metrics.ascent()), line.mid(from, perLine));
            y += metrics.lineSpacing();
        }
    }

    device.newPage();
    const QRectF source = picture.sceneRect();
    const double natural = device.logicalDpiX() / SceneDpi;
    const double scale = std::min({2 * natural, page.width() / source.width(), page.height() / source.height()});
    const QSizeF size = source.size() * scale;
    picture.render(&painter, QRectF(QPointF((page.width() - size.width()) / 2, 0), size), source);
}

QString WorkingOutput::print(QWidget *parent, const QString &steps, const QFont &stepsFont, QGraphicsScene &picture)
{
    const bool offered = OptionalOutput::print(
        parent, [&](QPagedPaintDevice &printer) { renderPages(printer, steps, stepsFont, picture); });
    return offered ? QString() : OptionalOutput::reason();
}
