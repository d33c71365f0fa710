#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class QFont;
class QGraphicsScene;
class QPagedPaintDevice;
class QWidget;

// The working out of the program: in a file, on the clipboard, on paper. The
// one way to the printing module (OptionalOutput), for SVG and for paper.
namespace WorkingOutput {

// The file kinds a save offers, as file dialog filters: "PNG picture (*.png)",
// "SVG picture (*.svg)", "PDF document (*.pdf)", "Text (*.txt)".
QStringList fileFilters();
// The extension a filter of fileFilters() writes, without its dot.
QString extensionOf(const QString &filter);
// fileName as the save writes it: unchanged when it ends in an extension of
// fileFilters(), else with filter's extension added.
QString withExtension(const QString &fileName, const QString &filter);

// Writes the working to fileName by its extension: .png the picture at twice
// its scene size, .svg the picture with its texts kept as text and
// description as the picture's own, .pdf the pages (renderPages), .txt the
// steps in UTF-8. The file is written whole or not at all, beside its old
// self until it replaces it. Gives back an empty text when written, else the
// reason it was not.
QString write(const QString &fileName, const QString &steps, const QFont &stepsFont, QGraphicsScene &picture,
              const QString &description);
// The picture at twice its scene size, on white.
QImage image(QGraphicsScene &picture);
// The steps on the first page or pages, in stepsFont, made smaller (down to 6
// points) for a wide table to fit the page and broken where it still does
// not; then the picture on the next page, scaled to fit it, at most twice its
// size.
void renderPages(QPagedPaintDevice &device, const QString &steps, const QFont &stepsFont, QGraphicsScene &picture);
// Asks for a printer in the platform's print dialog, owned by parent, and
// prints the pages (renderPages) when the user accepts. Gives back an empty
// text when the dialog was offered, else why printing is not available.
QString print(QWidget *parent, const QString &steps, const QFont &stepsFont, QGraphicsScene &picture);

} // namespace WorkingOutput
