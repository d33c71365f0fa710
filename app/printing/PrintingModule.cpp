// Qt SVG and Qt Print Support, kept out of the program's start: the program
// loads this module (OptionalOutput) the first time it saves an SVG picture or
// prints, so starting it does not load either library.

#include <QGraphicsScene>
#include <QIODevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>

#include <functional>

extern "C" Q_DECL_EXPORT void hcflcmWriteSvg(QIODevice &file, QGraphicsScene &picture, const QString &title,
                                             const QString &description, int dotsPerInch)
{
    const QRectF source = picture.sceneRect();
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(source.size().toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), source.size()));
    svg.setResolution(dotsPerInch);
    svg.setTitle(title);
    svg.setDescription(description);
    QPainter painter(&svg);
    picture.render(&painter, QRectF(QPointF(0, 0), source.size()), source);
}

extern "C" Q_DECL_EXPORT void hcflcmPrint(QWidget *parent, const QString &title, const QString &creator,
                                          const std::function<void(QPagedPaintDevice &)> &render)
{
    QPrinter printer;
    printer.setDocName(title);
    printer.setCreator(creator);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        render(printer);
}
