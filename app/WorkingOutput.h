#pragma once

#include "Command.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>

class QGraphicsScene;
class QPagedPaintDevice;
class QWidget;

namespace numbers {
struct WorkingText;
}
namespace PageLayout {
struct Document;
}
class QWidget;

// The working out of the program: in a file, on the clipboard, on paper. The
// one way to the printing module (OptionalOutput), for SVG and for paper.
namespace WorkingOutput {

// The working as it leaves the program.
struct Content {
    const numbers::WorkingText &steps;
    QFont stepsFont;
    QGraphicsScene *picture; // none when a notice stands in its place
    QString description;     // the picture in words
    QString continued;   // atop each further page of a picture split across pages
};

// The file kinds a save offers, as file dialog filters: "PNG picture (*.png)",
// "SVG picture (*.svg)", "PDF document (*.pdf)", "Text (*.txt)", "JPEG
// picture (*.jpg *.jpeg)".
QStringList fileFilters();
// The extension a filter of fileFilters() writes, without its dot.
QString extensionOf(const QString &filter);
// fileName as the save writes it: unchanged when it ends in an extension of
// fileFilters(), with filter's extension added when it has no extension, and
// empty (refused) when its extension is another one.
QString withExtension(const QString &fileName, const QString &filter);
// fileName for a kind chosen in the dialog: an offered extension replaced by
// filter's ("hcf-12-18.png" for PDF is "hcf-12-18.pdf"), any other name unchanged.
QString forFilter(const QString &fileName, const QString &filter);
// The file name a save suggests, without extension: the command's word and
// the numbers ("factors-360", "hcf-12-18", "primes-1-100"); more than four
// numbers end with "-etc".
QString suggestedName(numbers::Command command, std::span<const std::int32_t> numbers);

// Writes the working to fileName by its extension: .png the picture at twice
// its scene size, .jpg or .jpeg the same as JPEG on white, .svg the picture
// with its texts kept as text and its description, .pdf the pages (document),
// .txt the steps in UTF-8 ending with a line feed. The file is written whole
// or not at all, beside its old self until it replaces it; a name with another
// extension is refused, nothing written, and so is a picture's kind when there
// is no picture. Gives back an empty text when written, else the reason it
// was not.
QString write(const QString &fileName, const Content &content);
// The picture at twice its scene size, on white.
QImage image(QGraphicsScene &picture);
// The pages: the steps (paragraphs and the ladders as tables), then the
// picture when there is one; titled by the working's first line.
PageLayout::Document document(const Content &content);
// Asks for a printer in the platform's print dialog, owned by parent, and
// prints the pages when the user accepts: the one way of the Working window
// and the worksheets to the printer. Gives back an empty text when the dialog
// was offered, else why printing is not available.
QString print(QWidget *parent, const PageLayout::Document &pages);

} // namespace WorkingOutput
