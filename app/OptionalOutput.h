#pragma once

#include <QString>

#include <functional>

class QGraphicsScene;
class QIODevice;
class QPagedPaintDevice;
class QWidget;

// Writing SVG and printing, which need Qt SVG and Qt Print Support: both live
// in the module hcflcm_printing, loaded the first time either is asked for.
namespace OptionalOutput {

// Writes picture to file as SVG, its texts kept as text; false when the
// module cannot be loaded (reason() says why).
bool writeSvg(QIODevice &file, QGraphicsScene &picture, const QString &title, const QString &description,
              int dotsPerInch);
// Asks for a printer in the platform's print dialog, owned by parent (which
// offers a PDF file where no printer is installed), names the document title
// and the creator the program, and renders the pages onto it when the user
// accepts; false when the module cannot be loaded.
bool print(QWidget *parent, const QString &title, const std::function<void(QPagedPaintDevice &)> &render);
// Why the module could not be loaded.
QString reason();

} // namespace OptionalOutput
