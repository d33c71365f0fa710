#include "PageLayout.h"

#include "AppNames.h"
#include "Texts.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>

namespace {

using PageLayout::Block;

constexpr double PointsPerInch = 72;
constexpr double SceneDpi = 96; // scene units are pixels at 96 dots per inch
constexpr double TableGapLines = 0.5; // between the parts of a table continued below
constexpr double MillimetresPerInch = 25.4;
constexpr double FooterGapMillimetres = 4; // between the blocks and the footer
constexpr double PictureShrink = 0.6; // a picture beside a text at most this of its size on screen

// A word of a paragraph: where it starts in the text and how long it is.
struct Word {
    qsizetype start;
    qsizetype length;
};

QList<Word> wordsOf(const QString &text)
{
    QList<Word> words;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == QLatin1Char(' ')) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < text.size() && text[i] != QLatin1Char(' '))
            ++i;
        words.append({start, i - start});
    }
    return words;
}

// Where a broken line continues: the word after the first one ending in a
// colon, else the first number after the line's leading words; 0 for none.
qsizetype continuationStart(const QString &text, const QList<Word> &words)
{
    for (qsizetype w = 0; w + 1 < words.size(); ++w)
        if (text[words[w].start + words[w].length - 1] == QLatin1Char(':'))
            return words[w + 1].start;
    for (qsizetype w = 1; w < words.size(); ++w) {
        const QChar first = text[words[w].start];
        if (first.isDigit() || (first == QLatin1Char('-') && words[w].length > 1 && text[words[w].start + 1].isDigit()))
            return words[w].start;
    }
    return 0;
}

QString rightTrimmed(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    text.truncate(end);
    return text;
}

// Draws the blocks one under another, starting a new column or page when
// the next line does not fit on this one. Without a painter it only counts
// the pages; on a device that is not paged (a preview) it draws the first.
class Pages {
public:
    Pages(QPaintDevice &device, QPagedPaintDevice *paged, const QPageLayout &paper, QPainter *painter,
          const PageLayout::Document &document, int pages)
        : device_(device), paged_(paged), paper_(paper), painter_(painter), document_(document), pages_(pages)
    {
        startPage();
    }

    void paragraph(const QString &text, const QFont &font);
    void table(const PageLayout::Table &table, QFont font);
    void picture(const PageLayout::Picture &picture);
    void text(const PageLayout::Text &text);
    void columns(const PageLayout::Columns &columns);
    void pageBreak()
    {
        if (y_ > 0 || column_ > 0)
            newPage();
        columns({});
    }
    int page() const { return page_; }

private:
    double millimetres(double mm) const { return mm * device_.logicalDpiY() / MillimetresPerInch; }
    // The part of a page inside the margins, in device pixels.
    QRectF areaOf(QPageLayout::Orientation orientation) const
    {
        if (paged_ != nullptr && painter_ != nullptr)
            return QRectF(0, 0, device_.width(), device_.height());
        QPageLayout layout = paper_;
        layout.setOrientation(orientation);
        return QRectF(QPointF(0, 0), QRectF(layout.paintRectPixels(device_.logicalDpiX())).size());
    }
    void startPage(QPageLayout::Orientation orientation = QPageLayout::Portrait)
    {
        area_ = areaOf(orientation);
        y_ = 0;
        top_ = 0;
        column_ = 0;
        ++page_;
        bottom_ = area_.height();
        if (!document_.footer)
            return;
        const QFontMetricsF metrics(document_.footerFont, &device_);
        bottom_ -= metrics.lineSpacing() + millimetres(FooterGapMillimetres);
        if (painter_ == nullptr)
            return;
        painter_->setFont(document_.footerFont);
        painter_->drawText(QRectF(0, area_.height() - metrics.lineSpacing(), area_.width(), metrics.lineSpacing()),
                           Qt::AlignHCenter | Qt::AlignBottom, document_.footer(page_, pages_));
    }
    void newPage(QPageLayout::Orientation orientation = QPageLayout::Portrait)
    {
        if (paged_ == nullptr)
            painter_ = nullptr; // a preview draws the first page only
        if (painter_ != nullptr) {
            paged_->setPageOrientation(orientation);
            paged_->newPage();
        }
        startPage(orientation);
    }
    // The next column, or the first column of a new page.
    void nextColumn()
    {
        if (++column_ < columnCount_) {
            y_ = top_;
            return;
        }
        newPage();
    }
    double columnLeft() const { return column_ * (columnWidth() + gap_); }
    double columnWidth() const { return (area_.width() - gap_ * (columnCount_ - 1)) / columnCount_; }
    // Draws a line of text at x in font, in the next column when it does not fit.
    void line(const QString &text, double x, const QFontMetricsF &metrics)
    {
        if (y_ > top_ && y_ + metrics.height() > bottom_)
            nextColumn();
        if (!text.isEmpty() && painter_ != nullptr)
            painter_->drawText(QPointF(columnLeft() + x, y_ + metrics.ascent()), text);
        y_ += metrics.lineSpacing();
    }

    QPaintDevice &device_;
    QPagedPaintDevice *paged_;
    QPageLayout paper_;
    QPainter *painter_;
    const PageLayout::Document &document_;
    int pages_;
    QRectF area_;
    double y_ = 0;
    double top_ = 0;    // where the columns start on this page
    double bottom_ = 0; // where the blocks end, above the footer
    int page_ = 0;
    int columnCount_ = 1;
    int column_ = 0;
    double gap_ = 0;
};

void Pages::paragraph(const QString &text, const QFont &font)
{
    if (painter_ != nullptr)
        painter_->setFont(font);
    const QFontMetricsF metrics(font, &device_);
    const double width = columnWidth();
    const QList<Word> words = wordsOf(text);
    double indent = metrics.horizontalAdvance(text.left(continuationStart(text, words)));
    if (indent > width / 2)
        indent = 0;

    double x = 0;          // where this line starts
    qsizetype from = 0;    // the first character of this line
    qsizetype end = 0;     // the end of its last word
    for (const Word &word : words) {
        const double room = width - x;
        if (metrics.horizontalAdvance(text.mid(from, word.start + word.length - from)) <= room) {
            end = word.start + word.length;
            continue;
        }
        if (end > from) { // the line so far, then the word on the next
            line(text.mid(from, end - from), x, metrics);
            x = indent;
        }
        from = word.start;
        end = from;
        // A word wider than a whole line is broken where the line is full.
        while (metrics.horizontalAdvance(text.mid(from, word.start + word.length - from)) > width - x) {
            qsizetype fits = 1;
            while (from + fits < word.start + word.length && metrics.horizontalAdvance(text.mid(from, fits + 1)) <= width - x)
                ++fits;
            line(text.mid(from, fits), x, metrics);
            x = indent;
            from += fits;
        }
        end = word.start + word.length;
    }
    line(text.mid(from, end - from), x, metrics);
}

void Pages::table(const PageLayout::Table &table, QFont font)
{
    qsizetype widest = 0;
    for (const QString &row : table.rows)
        widest = std::max(widest, row.size());
    const auto advance = [&](const QFont &f) { return QFontMetricsF(f, &device_).horizontalAdvance(QString(widest, QLatin1Char('0'))); };
    if (advance(font) > area_.width())
        font.setPointSizeF(std::max(PageLayout::MinTablePoints, font.pointSizeF() * area_.width() / advance(font)));
    if (painter_ != nullptr)
        painter_->setFont(font);
    const QFontMetricsF metrics(font, &device_);
    const auto perLine = std::max<qsizetype>(table.labelWidth + 1, static_cast<qsizetype>(area_.width() / metrics.horizontalAdvance(QLatin1Char('0'))));

    // The body's columns end where every row has a blank.
    const auto blankColumn = [&](qsizetype at) {
        return std::all_of(table.rows.begin(), table.rows.end(),
                           [&](const QString &row) { return at >= row.size() || row[at] == QLatin1Char(' '); });
    };
    qsizetype start = table.labelWidth;
    while (start < widest) {
        qsizetype cut = std::min(widest, start + perLine - table.labelWidth);
        if (cut < widest) {
            qsizetype column = cut;
            while (column > start && !blankColumn(column))
                --column;
            if (column > start)
                cut = column;
        }
        if (start > table.labelWidth)
            y_ += metrics.lineSpacing() * TableGapLines;
        for (const QString &row : table.rows)
            line(rightTrimmed(row.left(table.labelWidth) + row.mid(start, cut - start)), 0, metrics);
        start = cut;
        while (start < widest && blankColumn(start))
            ++start;
    }
}

// The smallest size, in scene pixels, of the texts of scene; 0 for none.
double smallestText(const QGraphicsScene &scene)
{
    double smallest = 0;
    for (const QGraphicsItem *item : scene.items())
        if (const auto *text = qgraphicsitem_cast<const QGraphicsSimpleTextItem *>(item)) {
            const double size = text->font().pixelSize() > 0 ? text->font().pixelSize() : text->font().pointSizeF() * SceneDpi / PointsPerInch;
            const double shown = size * text->sceneTransform().m22();
            smallest = smallest == 0 ? shown : std::min(smallest, shown);
        }
    return smallest;
}

// Cuts of the stretch [from, to) of an axis into pieces no longer than span,
// each cut made in the middle of a gap between the given stretches of the
// picture's parts, the widest gap that the piece reaches (the gap between two
// bands before the gap between two rows), else where the piece is full.
QList<double> cutsOf(QList<std::pair<double, double>> parts, double from, double to, double span)
{
    std::sort(parts.begin(), parts.end());
    QList<std::pair<double, double>> gaps; // where no part is
    double covered = from;
    for (const auto &[start, end] : parts) {
        if (start > covered)
            gaps.append({covered, start});
        covered = std::max(covered, end);
    }
    QList<double> cuts{from};
    while (to - cuts.back() > span) {
        const double pieceStart = cuts.back();
        const double limit = pieceStart + span;
        double cut = limit;
        double widest = -1;
        for (const auto &[start, end] : gaps)
            if (start > pieceStart + span / 4 && start <= limit && end - start >= widest) {
                widest = end - start;
                cut = std::min((start + end) / 2, limit);
            }
        cuts.append(cut);
    }
    cuts.append(to);
    return cuts;
}

void Pages::picture(const PageLayout::Picture &picture)
{
    QGraphicsScene &scene = *picture.scene;
    const QRectF source = scene.sceneRect();
    if (source.isEmpty())
        return;
    // On pages of its own, portrait or landscape, whichever shows it larger;
    // a page begun empty keeps its orientation.
    const double natural = device_.logicalDpiX() / SceneDpi;
    const auto areaOf = [&](QPageLayout::Orientation orientation) {
        if (y_ == 0)
            return area_.size();
        QPageLayout layout = paper_;
        layout.setOrientation(orientation);
        return QRectF(layout.paintRectPixels(device_.logicalDpiX())).size();
    };
    const QSizeF portrait = areaOf(QPageLayout::Portrait);
    const QSizeF landscape = areaOf(QPageLayout::Landscape);
    const auto fit = [&](QSizeF area) { return std::min(area.width() / source.width(), area.height() / source.height()); };
    const auto widthFit = [&](QSizeF area) { return area.width() / source.width(); };
    const double smallest = smallestText(scene);
    const double least = smallest > 0 ? PageLayout::MinPicturePoints * device_.logicalDpiY() / (PointsPerInch * smallest) : 0;
    // Whole on one page where its numbers stay large enough; else split
    // across pages at its own size where its width allows, else as small as
    // its numbers may be, turned where more of it fits across.
    bool turned = fit(landscape) > fit(portrait);
    const bool split = std::min(2 * natural, std::max(fit(portrait), fit(landscape))) < least;
    if (split)
        turned = widthFit(landscape) > widthFit(portrait) && widthFit(portrait) < least;
    const QSizeF area = turned ? landscape : portrait;
    const double scale = split ? std::max(least, std::min(widthFit(area), natural)) : std::min(2 * natural, fit(area));

    const QPageLayout::Orientation orientation = turned ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (y_ > 0)
        newPage(orientation);
    const QFontMetricsF metrics(document_.font, &device_);
    const double heading = split ? metrics.lineSpacing() * 1.5 : 0;
    const QSizeF room(area.width() / scale, (area.height() - heading) / scale);

    // Cut between the picture's parts: first across (a grid's bands), then
    // along each strip (its blocks).
    const auto inset = [](double from, double to) {
        const double by = std::min(2.0, (to - from) / 4);
        return std::pair{from + by, to - by};
    };
    QList<std::pair<double, double>> rows;
    for (const QGraphicsItem *item : scene.items()) {
        const QRectF box = item->sceneBoundingRect();
        rows.append(inset(box.top(), box.bottom()));
    }
    const QList<double> down = cutsOf(rows, source.top(), source.bottom(), room.height());
    bool first = true;
    for (qsizetype r = 0; r + 1 < down.size(); ++r) {
        const QRectF strip(source.left(), down[r], source.width(), down[r + 1] - down[r]);
        QList<std::pair<double, double>> columns;
        for (const QGraphicsItem *item : scene.items(strip)) {
            const QRectF box = item->sceneBoundingRect();
            columns.append(inset(box.left(), box.right()));
        }
        const QList<double> across = cutsOf(columns, source.left(), source.right(), room.width());
        for (qsizetype c = 0; c + 1 < across.size(); ++c) {
            if (!first)
                newPage(orientation);
            if (!first && painter_ != nullptr) {
                painter_->setFont(document_.font);
                painter_->drawText(QPointF(0, metrics.ascent()), picture.continued);
            }
            const QRectF piece(QPointF(across[c], down[r]), QPointF(across[c + 1], down[r + 1]));
            const QSizeF size = piece.size() * scale;
            if (painter_ != nullptr)
                scene.render(painter_, QRectF(QPointF((area_.width() - size.width()) / 2, heading), size), piece,
                         Qt::IgnoreAspectRatio);
            first = false;
        }
    }
    y_ = area_.height(); // what follows starts on a new page
}

void Pages::columns(const PageLayout::Columns &columns)
{
    if (column_ > 0) { // below the longest column so far
        y_ = bottom_;
        nextColumn();
    }
    gap_ = millimetres(columns.gapMillimetres);
    const double least = millimetres(columns.minimumMillimetres);
    columnCount_ = std::max(1, columns.count);
    while (columnCount_ > 1 && columnWidth() < least)
        --columnCount_;
    column_ = 0;
    top_ = y_;
}

void Pages::text(const PageLayout::Text &text)
{
    const double width = columnWidth();
    // The text starts at its indent, or after its label where that is wider.
    const QFontMetricsF metrics(text.font, &device_);
    const double indent = std::max(millimetres(text.indentMillimetres),
                                   text.label.isEmpty() ? 0 : metrics.horizontalAdvance(text.label + QLatin1Char(' ')));
    // The picture beside the text, as large as its box allows.
    QSizeF pictureSize;
    double pictureBox = 0;
    if (text.picture) {
        const QSizeF box(millimetres(text.pictureMillimetres.width()), millimetres(text.pictureMillimetres.height()));
        const QSizeF natural = text.picture->sceneRect().size() * (device_.logicalDpiY() / SceneDpi);
        if (!natural.isEmpty())
            pictureSize = natural * std::min({PictureShrink, box.width() / natural.width(), box.height() / natural.height()});
        pictureBox = box.width();
    }
    QTextLayout layout(text.text, text.font, &device_);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QList<QTextLayout::FormatRange> formats;
    for (const auto &[start, length] : text.raised) {
        QTextCharFormat raised;
        raised.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        formats.append({start, length, raised});
    }
    layout.setFormats(formats);
    layout.beginLayout();
    double height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(1.0, width - indent - pictureBox));
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    const double whole = std::max(height, pictureSize.height()) + millimetres(text.roomMillimetres);
    if (y_ > top_ && y_ + whole > bottom_)
        nextColumn();
    if (painter_ != nullptr) {
        const double x = columnLeft();
        if (!text.label.isEmpty()) {
            painter_->setFont(text.font);
            painter_->drawText(QPointF(x, y_ + metrics.ascent()), text.label);
        }
        layout.draw(painter_, QPointF(x + indent, y_));
        if (!pictureSize.isEmpty())
            text.picture->render(painter_, QRectF(QPointF(x + width - pictureBox, y_), pictureSize),
                                 text.picture->sceneRect());
    }
    y_ += whole;
}

// Lays the document out on the pages of device, drawing them with painter,
// or only counting them without one; the number of pages.
int layOut(QPaintDevice &device, QPagedPaintDevice *paged, const QPageLayout &paper, QPainter *painter,
           const PageLayout::Document &document, int pages)
{
    QFont font = document.font;
    font.setPointSizeF(std::max(PageLayout::MinTextPoints, font.pointSizeF()));
    Pages on(device, paged, paper, painter, document, pages);
    for (const Block &block : document.blocks) {
        if (const auto *paragraph = std::get_if<PageLayout::Paragraph>(&block))
            on.paragraph(paragraph->text, font);
        else if (const auto *table = std::get_if<PageLayout::Table>(&block))
            on.table(*table, font);
        else if (const auto *picture = std::get_if<PageLayout::Picture>(&block))
            on.picture(*picture);
        else if (const auto *text = std::get_if<PageLayout::Text>(&block))
            on.text(*text);
        else if (const auto *columns = std::get_if<PageLayout::Columns>(&block))
            on.columns(*columns);
        else
            on.pageBreak();
    }
    return on.page();
}

// Draws the document with painter: the pages counted first where a footer names their number.
void draw(QPaintDevice &device, QPagedPaintDevice *paged, const QPageLayout &paper, QPainter &painter,
          const PageLayout::Document &document)
{
    const int pages = document.footer ? layOut(device, paged, paper, nullptr, document, 0) : 0;
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    layOut(device, paged, paper, &painter, document, pages);
}

QPageLayout paperLayout(const QPageSize &paper)
{
    using PageLayout::MarginMillimetres;
    return QPageLayout(paper, QPageLayout::Portrait,
                       QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
                       QPageLayout::Millimeter);
}

} // namespace

QList<Block> PageLayout::blocksOf(const numbers::WorkingText &working)
{
    const QStringList lines = QString::fromStdString(working.text).split(QLatin1Char('\n'));
    QList<Block> blocks;
    auto table = working.tables.begin();
    for (qsizetype i = 0; i < lines.size();) {
        if (table != working.tables.end() && static_cast<std::size_t>(i) == table->firstLine) {
            const auto rows = static_cast<qsizetype>(table->rows);
            blocks.append(Table{lines.mid(i, rows), static_cast<int>(table->labelWidth)});
            i += rows;
            ++table;
        } else {
            blocks.append(Paragraph{lines[i]});
            ++i;
        }
    }
    return blocks;
}

void PageLayout::print(QPagedPaintDevice &device, const Document &document)
{
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
                          QPageLayout::Millimeter);
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    draw(device, &device, device.pageLayout(), painter, document);
}

void PageLayout::writePdf(QIODevice &file, const Document &document, const QPageSize &paper)
{
    QPdfWriter pdf(&file);
    pdf.setTitle(document.title);
    pdf.setCreator(AppNames::windowCaption());
    pdf.setPageSize(paper);
    print(pdf, document);
}

QImage PageLayout::firstPage(const Document &document, const QPageSize &paper, int width)
{
    const QSizeF size = paper.size(QPageSize::Millimeter);
    const double dotsPerMm = width / size.width();
    QImage image(QSizeF(size * dotsPerMm).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    const double margin = MarginMillimetres * dotsPerMm;
    painter.translate(margin, margin);
    draw(image, nullptr, paperLayout(paper), painter, document);
    return image;
}
