#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>
#include <variant>

class QGraphicsScene;
class QIODevice;
class QPagedPaintDevice;

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

// A paragraph in a font of its own, wrapped between words by Qt's text
// layout, the ranges in raised set as exponents, and kept whole on one page
// (or in one column) with what it carries: a label hung before it (a
// question's number), blank room below it to work in, a picture beside it on
// the right, at most pictureMillimetres large and never larger than 0.6 of its
// size on screen.
struct Text {
    QString text;
    QFont font;
    QList<std::pair<int, int>> raised; // start and length of each exponent
    QString label;
    double indentMillimetres = 0; // where the text starts, the label before it; further for a wider label
    double roomMillimetres = 0;
    std::shared_ptr<QGraphicsScene> picture;
    QSizeF pictureMillimetres;
};

// The blocks after it flow down count columns, first column first, starting
// below what came before and going on onto the next pages; as many columns as
// are at least minimumMillimetres wide where the page is narrower.
struct Columns {
    int count = 1;
    double minimumMillimetres = 0;
    double gapMillimetres = 0;
};

// The blocks after it start on a new page, in one column.
struct PageBreak {};

using Block = std::variant<Paragraph, Table, Picture, Text, Columns, PageBreak>;

struct Document {
    QString title;  // for the PDF's title and the printer's document name
    QFont font;     // of the paragraphs and tables: fixed pitch, at least MinTextPoints on paper
    QList<Block> blocks;
    // The footer of each page, centred at its foot in footerFont, made from
    // the page's number (from 1) and the number of pages; none when empty.
    std::function<QString(int page, int pages)> footer;
    QFont footerFont;
};

// The paragraphs and tables of a working text, each line one block.
QList<Block> blocksOf(const numbers::WorkingText &working);

// Draws the document on the device in portrait with the margins, on the
// paper size the device has (the caller names it by the title: a PDF writer
// with setTitle, a printer with setDocName).
void print(QPagedPaintDevice &device, const Document &document);

// Writes the document to file as a PDF on paper, its title and its creator
// (the program) named.
void writePdf(QIODevice &file, const Document &document, const QPageSize &paper);

// The first page on paper, margins and all, width pixels wide, for a preview.
QImage firstPage(const Document &document, const QPageSize &paper, int width);

} // namespace PageLayout
