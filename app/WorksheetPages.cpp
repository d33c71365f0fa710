#include "WorksheetPages.h"

#include "WorksheetDocument.h"

#include <QGraphicsScene>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <vector>

namespace {

// The paper's margins, in millimetres, on every page: those of the Working window's PDF.
constexpr double MarginMm = 15;
// Scene units of the pictures are pixels at 96 dots per inch.
constexpr double SceneDpi = 96;

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

QFont bodyFont(double points = 11, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The text of a line with its raised pieces formatted as superscripts.
struct RichText {
    QString text;
    QList<QTextLayout::FormatRange> formats;
};

RichText richText(const numbers::RichLine &line)
{
    RichText rich;
    for (const numbers::LinePiece &piece : line) {
        const QString text = qt(piece.text);
        if (piece.raised) {
            QTextCharFormat raised;
            raised.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
            rich.formats.append({static_cast<int>(rich.text.size()), static_cast<int>(text.size()), raised});
        }
        rich.text += text;
    }
    return rich;
}

// The room left below a question to work in: a factor tree needs the most.
double roomMm(numbers::PracticeKind kind)
{
    switch (kind) {
    case numbers::PracticeKind::PrimeFactors:
        return 50;
    case numbers::PracticeKind::Hcf:
    case numbers::PracticeKind::Lcm:
        return 34;
    case numbers::PracticeKind::PrimeOrNot:
        return 22;
    }
    return 34;
}

} // namespace

struct WorksheetPages::Layout {
    // One thing drawn on a page: a paragraph, a picture or a line to write on.
    struct Piece {
        int page = 0;
        QPointF at;
        const QTextLayout *text = nullptr;
        QGraphicsScene *picture = nullptr;
        QSizeF size;       // of the picture, or the line's length as width
    };

    QPaintDevice &metrics;
    QSizeF page;
    double dpi;
    std::vector<std::unique_ptr<QTextLayout>> texts;
    std::vector<std::unique_ptr<QGraphicsScene>> pictures;
    std::vector<Piece> pieces;
    std::vector<const QTextLayout *> footers; // one per page
    double footerTop = 0;

    double mm(double millimetres) const { return millimetres * dpi / 25.4; }

    // A paragraph wrapped between words within width; its height.
    const QTextLayout *paragraph(const RichText &rich, const QFont &font, double width, Qt::Alignment align = Qt::AlignLeft)
    {
        auto layout = std::make_unique<QTextLayout>(rich.text, font, &metrics);
        QTextOption option(align);
        option.setWrapMode(QTextOption::WordWrap);
        layout->setTextOption(option);
        layout->setFormats(rich.formats);
        layout->beginLayout();
        double y = 0;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        layout->endLayout();
        texts.push_back(std::move(layout));
        return texts.back().get();
    }
    const QTextLayout *paragraph(const std::string &text, const QFont &font, double width,
                                 Qt::Alignment align = Qt::AlignLeft)
    {
        return paragraph(RichText{qt(text), {}}, font, width, align);
    }
    static double heightOf(const QTextLayout *text) { return text->boundingRect().height(); }

    // The small picture of an answer, or none for a question that has none.
    QGraphicsScene *pictureOf(const numbers::Question &question, const numbers::Texts &words)
    {
        auto scene = std::make_unique<QGraphicsScene>();
        if (!WorksheetFile::drawKeyPicture(*scene, question, words))
            return nullptr;
        pictures.push_back(std::move(scene));
        return pictures.back().get();
    }

    Layout(const WorksheetDocument &sheet, QPaintDevice &device, QSizeF pageSize)
        : metrics(device), page(pageSize), dpi(device.logicalDpiY())
    {
        const numbers::WorksheetText &words = sheet.text;
        const QFont body = bodyFont();
        const double lineHeight = QFontMetricsF(body, &metrics).lineSpacing();
        footerTop = page.height() - QFontMetricsF(bodyFont(9), &metrics).lineSpacing();
        const double bottom = footerTop - mm(4);

        // The questions' header: the title, then the lines for a name and a date.
        int current = 0;
        const QTextLayout *title = paragraph(words.title, bodyFont(16, true), page.width());
        pieces.push_back({current, {0, 0}, title, nullptr, {}});
        double y = heightOf(title) + mm(5);
        const QTextLayout *name = paragraph(words.nameLine, body, page.width());
        const QTextLayout *date = paragraph(words.dateLine, body, page.width());
        const double dateAt = page.width() * 0.62;
        const double nameWidth = name->lineAt(0).naturalTextWidth() + mm(2);
        const double dateWidth = date->lineAt(0).naturalTextWidth() + mm(2);
        pieces.push_back({current, {0, y}, name, nullptr, {}});
        pieces.push_back({current, {nameWidth, y + lineHeight}, nullptr, nullptr, {dateAt - mm(8) - nameWidth, 0}});
        pieces.push_back({current, {dateAt, y}, date, nullptr, {}});
        pieces.push_back({current, {dateAt + dateWidth, y + lineHeight}, nullptr, nullptr,
                          {page.width() - dateAt - dateWidth, 0}});
        y += lineHeight + mm(8);

        // The questions, down the first column, then the next, then a new page.
        const int columns = page.width() >= mm(150) ? 2 : 1;
        const double gap = mm(10);
        const double columnWidth = (page.width() - gap * (columns - 1)) / columns;
        const double indent = mm(8);
        double top = y;
        int column = 0;
        for (const numbers::WorksheetText::Item &item : words.items) {
            const QTextLayout *number = paragraph(item.number, body, indent);
            const QTextLayout *question = paragraph(item.questionText, body, columnWidth - indent);
            const double height = heightOf(question) + mm(roomMm(item.question.kind));
            if (y > top && y + height > bottom) {
                if (++column == columns) {
                    column = 0;
                    ++current;
                    top = 0;
                }
                y = top;
            }
            const double x = column * (columnWidth + gap);
            pieces.push_back({current, {x, y}, number, nullptr, {}});
            pieces.push_back({current, {x + indent, y}, question, nullptr, {}});
            y += height;
        }

        // The answer key, from a new page: one answer a line, its picture beside it.
        ++current;
        const QTextLayout *heading = paragraph(words.answersHeading, bodyFont(14, true), page.width());
        pieces.push_back({current, {0, 0}, heading, nullptr, {}});
        y = heightOf(heading) + mm(5);
        const QSizeF pictureBox(mm(55), mm(34));
        const double textWidth = page.width() - indent - (sheet.options.picturesInKey ? pictureBox.width() + gap : 0);
        for (const numbers::WorksheetText::Item &item : words.items) {
            const QTextLayout *number = paragraph(item.number, body, indent);
            const QTextLayout *answer = paragraph(richText(item.answer), body, textWidth);
            QGraphicsScene *picture = sheet.options.picturesInKey ? pictureOf(item.question, sheet.texts) : nullptr;
            QSizeF pictureSize;
            if (picture != nullptr) {
                const QSizeF natural = picture->sceneRect().size() * (dpi / SceneDpi);
                const double scale = std::min({0.6, pictureBox.width() / natural.width(),
                                               pictureBox.height() / natural.height()});
                pictureSize = natural * scale;
            }
            const double height = std::max(heightOf(answer), pictureSize.height()) + mm(3);
            if (y + height > bottom) {
                ++current;
                y = 0;
            }
            pieces.push_back({current, {0, y}, number, nullptr, {}});
            pieces.push_back({current, {indent, y}, answer, nullptr, {}});
            if (picture != nullptr)
                pieces.push_back({current, {page.width() - pictureBox.width(), y}, nullptr, picture, pictureSize});
            y += height;
        }

        const int pages = current + 1;
        for (int i = 0; i < pages; ++i)
            footers.push_back(paragraph(sheet.texts.worksheetFooter(sheet.options, i + 1, pages), bodyFont(9),
                                        page.width(), Qt::AlignHCenter));
    }
};

WorksheetPages::WorksheetPages(const WorksheetDocument &sheet, QPaintDevice &metrics, QSizeF page)
    : layout_(std::make_unique<Layout>(sheet, metrics, page))
{
}

WorksheetPages::~WorksheetPages() = default;

int WorksheetPages::pageCount() const
{
    return static_cast<int>(layout_->footers.size());
}

void WorksheetPages::drawPage(QPainter &painter, int page) const
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(QPen(Qt::black, layout_->mm(0.25)));
    for (const Layout::Piece &piece : layout_->pieces) {
        if (piece.page != page)
            continue;
        if (piece.text != nullptr)
            piece.text->draw(&painter, piece.at);
        else if (piece.picture != nullptr)
            piece.picture->render(&painter, QRectF(piece.at, piece.size), piece.picture->sceneRect());
        else
            painter.drawLine(piece.at, piece.at + QPointF(piece.size.width(), 0));
    }
    layout_->footers.at(static_cast<std::size_t>(page))->draw(&painter, QPointF(0, layout_->footerTop));
    painter.restore();
}

void WorksheetPages::render(QPagedPaintDevice &device, const WorksheetDocument &sheet)
{
    device.setPageMargins(QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    const WorksheetPages pages(sheet, device, QSizeF(device.width(), device.height()));
    for (int page = 0; page < pages.pageCount(); ++page) {
        if (page > 0)
            device.newPage();
        pages.drawPage(painter, page);
    }
}

QImage WorksheetPages::firstPage(const WorksheetDocument &whole, int width)
{
    // The first page holds no answer: the key's pictures need not be drawn.
    WorksheetDocument sheet = whole;
    sheet.options.picturesInKey = false;
    const QSizeF paper = sheet.pageSize.size(QPageSize::Millimeter);
    const double dotsPerMm = width / paper.width();
    QImage image(QSizeF(paper * dotsPerMm).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    const double margin = MarginMm * dotsPerMm;
    const WorksheetPages pages(sheet, image, QSizeF(image.width() - 2 * margin, image.height() - 2 * margin));
    QPainter painter(&image);
    painter.translate(margin, margin);
    pages.drawPage(painter, 0);
    return image;
}
