#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <variant>

class QGraphicsScene;
class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace numbers {
struct WorkingText;
}

// The one layout of pages on paper, for the saved PDF, the printer and the
// worksheets: a list of blocks laid out one under another on the pages of a
// QPagedPaintDevice, A4 with the same margins everywhere.
namespace PageLayout {

// The margin on every side of every page.
constexpr double MarginMillimetres = 15;
// The smallest text on paper: paragraphs, tables, the numbers of pictures.
constexpr double MinTextPoints = 9;
constexpr double MinTablePoints = 7;
constexpr double MinPicturePoints = 7;

// A line of text that wraps between words, never inside a word or number; a
// line broken so continues indented under its first number, or under the
// first word after a colon ("Cross out the multiples of 2: 4 6 8" continues
// under the "4"). A word wider than the whole line, such as a number of a
// thousand digits, is the one thing broken, keeping every character. An
// empty paragraph is an empty line.
struct Paragraph {
    QString text;
};

// Rows aligned in the fixed-pitch font and never wrapped: a table wider than
// the page is set smaller, down to MinTablePoints; still wider, its columns
// continue below in a further table whose rows repeat the label column, the
// first labelWidth characters of each row (a ladder's divisors).
struct Table {
    QStringList rows;
    int labelWidth = 0;
};

// A picture on pages of its own, turned to landscape where it fits better,
// at most twice its size; where its numbers would print smaller than
// MinPicturePoints it is split across pages between its parts (the bands or
// blocks of a grid, the branches of a tree), each further page headed by
// continued.
struct Picture {
    QGraphicsScene *scene = nullptr;
    QString continued;
};

using Block = std::variant<Paragraph, Table, Picture>;

struct Document {
    QString title;  // for the PDF's title and the printer's document name
    QFont font;     // of the paragraphs and tables: fixed pitch, at least MinTextPoints on paper
    QList<Block> blocks;
    // Draws a page's header or footer, in the margins around area (the part of
    // the page the blocks use, in the painter's units); page counts from 1.
    std::function<void(QPainter &painter, const QRectF &area, int page)> decorate;
};

// The paragraphs and tables of a working text, each line one block.
QList<Block> blocksOf(const numbers::WorkingText &working);

// Draws the document on the device in portrait with the margins, on the
// paper size the device has (the caller names it by the title: a PDF writer
// with setTitle, a printer with setDocName).
void print(QPagedPaintDevice &device, const Document &document);

} // namespace PageLayout
