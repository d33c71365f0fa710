#include "WorksheetDocument.h"

#include "TranslatedPhrases.h"
#include "WorkingPicture.h"
#include "Working.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QLocale>
#include <QPainter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QUrl>

#include <array>

namespace {

enum class Kind { Pdf, Odt, Text };

struct FileKind {
    Kind kind;
    const char *extension;
    const char *filter;
};

const std::array<FileKind, 3> Kinds{{
    {Kind::Pdf, "pdf", QT_TRANSLATE_NOOP("WorksheetFile", "PDF document (*.pdf)")},
    {Kind::Odt, "odt", QT_TRANSLATE_NOOP("WorksheetFile", "ODF text document (*.odt)")},
    {Kind::Text, "txt", QT_TRANSLATE_NOOP("WorksheetFile", "Text (*.txt)")},
}};

QString tr(const char *text)
{
    return QCoreApplication::translate("WorksheetFile", text);
}

const FileKind *kindOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    for (const FileKind &kind : Kinds)
        if (suffix.compare(QLatin1String(kind.extension), Qt::CaseInsensitive) == 0)
            return &kind;
    return nullptr;
}

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

// The room below a question in the .odt, in points, as on the pages.
double roomPoints(numbers::PracticeKind kind)
{
    return kind == numbers::PracticeKind::PrimeFactors ? 150 : kind == numbers::PracticeKind::PrimeOrNot ? 70 : 105;
}

QTextCharFormat textFormat(double points, bool bold = false)
{
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Liberation Sans")});
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

// A line for a name or a date: the word, then room to write.
QString lineToWriteOn(const std::string &word)
{
    return qt(word) + QLatin1Char(' ') + QString(24, QLatin1Char('_'));
}

// A key's picture at its scene size, on white: sharp enough at the size it is
// shown, and a quarter of the pixels to compress of the Working window's PNG.
QImage pictureImage(QGraphicsScene &scene)
{
    QImage image(scene.sceneRect().size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), scene.sceneRect().size()), scene.sceneRect());
    return image;
}

// The room left below a question on the pages to work in, in millimetres: a
// factor tree needs the most.
double roomMillimetres(numbers::PracticeKind kind)
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

QFont pageFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A line of the key on the pages: its text, its exponents raised.
PageLayout::Text answerText(const numbers::RichLine &line)
{
    PageLayout::Text answer;
    for (const numbers::LinePiece &piece : line) {
        const QString text = qt(piece.text);
        if (piece.raised)
            answer.raised.append({static_cast<int>(answer.text.size()), static_cast<int>(text.size())});
        answer.text += text;
    }
    return answer;
}

// The writer closes its device, which a QSaveFile must not be: it writes to memory first.
bool writeOdt(QIODevice &file, const WorksheetDocument &sheet)
{
    QTextDocument document;
    WorksheetFile::fillDocument(document, sheet);
    QBuffer odt;
    QTextDocumentWriter writer(&odt, "odf");
    return writer.write(&document) && file.write(odt.data()) == odt.data().size();
}

} // namespace

WorksheetDocument WorksheetDocument::make(const numbers::WorksheetOptions &options, const QString &language)
{
    WorksheetDocument sheet{options, numbers::Texts(translatedPhrases()), {}, WorksheetFile::pageSizeFor(language)};
    sheet.text = sheet.texts.worksheet(options, numbers::Worksheet::questions(options));
    return sheet;
}

QPageSize WorksheetFile::pageSizeFor(const QString &language)
{
    const bool us = QLocale(language).measurementSystem() == QLocale::ImperialUSSystem;
    return QPageSize(us ? QPageSize::Letter : QPageSize::A4);
}

QStringList WorksheetFile::fileFilters()
{
    QStringList filters;
    for (const FileKind &kind : Kinds)
        filters << tr(kind.filter);
    return filters;
}

QString WorksheetFile::withExtension(const QString &fileName, const QString &filter)
{
    if (isKnownKind(fileName) || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    const qsizetype index = std::max<qsizetype>(0, fileFilters().indexOf(filter));
    return fileName + QLatin1Char('.') + QLatin1String(Kinds[static_cast<std::size_t>(index)].extension);
}

bool WorksheetFile::isKnownKind(const QString &fileName)
{
    return kindOf(fileName) != nullptr;
}

QString WorksheetFile::write(const QString &fileName, const WorksheetDocument &sheet)
{
    const FileKind *kind = kindOf(fileName);
    if (kind == nullptr)
        return tr("the name does not end in .pdf, .odt or .txt");
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    bool written = true;
    switch (kind->kind) {
    case Kind::Pdf:
        PageLayout::writePdf(file, WorksheetFile::pages(sheet), sheet.pageSize);
        break;
    case Kind::Odt:
        written = writeOdt(file, sheet);
        break;
    case Kind::Text:
        written = file.write(plainText(sheet).toUtf8()) >= 0;
        break;
    }
    // A write that failed on its way leaves its reason in the file and commit
    // reports it; an uncommitted file is removed, its target untouched.
    if (!written || !file.commit())
        return file.errorString();
    return {};
}

bool WorksheetFile::drawKeyPicture(QGraphicsScene &scene, const numbers::Question &question,
                                   const numbers::Texts &texts)
{
    const std::vector<std::int32_t> values(question.numbers.begin(), question.numbers.end());
    switch (question.kind) {
    case numbers::PracticeKind::PrimeFactors:
        WorkingPicture::drawFactorTree(scene, numbers::factorWorking(values.at(0)), texts);
        return true;
    case numbers::PracticeKind::Hcf:
    case numbers::PracticeKind::Lcm:
        WorkingPicture::drawVenn(scene, numbers::vennContents(values), values, texts);
        return true;
    case numbers::PracticeKind::PrimeOrNot:
        break;
    }
    return false;
}

PageLayout::Document WorksheetFile::pages(const WorksheetDocument &sheet)
{
    constexpr double NumberMillimetres = 8; // the questions' and answers' numbers hang before them
    const numbers::WorksheetText &words = sheet.text;
    const QFont body = pageFont(11);
    PageLayout::Document document;
    document.title = qt(words.title);
    document.footerFont = pageFont(9);
    document.footer = [sheet](int page, int pages) {
        return qt(sheet.texts.worksheetFooter(sheet.options, page, pages));
    };
    document.blocks.append(PageLayout::Text{qt(words.title), pageFont(16, true), {}, {}, 0, 5, {}, {}});
    document.blocks.append(PageLayout::Text{lineToWriteOn(words.nameLine) + QStringLiteral("    ") + lineToWriteOn(words.dateLine),
                                            body, {}, {}, 0, 8, {}, {}});
    document.blocks.append(PageLayout::Columns{2, 75, 10});
    for (const numbers::WorksheetText::Item &item : words.items)
        document.blocks.append(PageLayout::Text{qt(item.questionText), body, {}, qt(item.number), NumberMillimetres,
                                                roomMillimetres(item.question.kind), {}, {}});
    document.blocks.append(PageLayout::PageBreak{});
    document.blocks.append(PageLayout::Text{qt(words.answersHeading), pageFont(14, true), {}, {}, 0, 5, {}, {}});
    for (const numbers::WorksheetText::Item &item : words.items) {
        PageLayout::Text answer = answerText(item.answer);
        answer.font = body;
        answer.label = qt(item.number);
        answer.indentMillimetres = NumberMillimetres;
        answer.roomMillimetres = 3;
        auto scene = std::make_shared<QGraphicsScene>();
        if (sheet.options.picturesInKey && drawKeyPicture(*scene, item.question, sheet.texts)) {
            answer.picture = std::move(scene);
            answer.pictureMillimetres = QSizeF(55, 34);
        }
        document.blocks.append(std::move(answer));
    }
    return document;
}

QString WorksheetFile::plainText(const WorksheetDocument &sheet)
{
    const numbers::WorksheetText &words = sheet.text;
    QStringList lines{qt(words.title), qt(words.levelAndSeed), QString(), lineToWriteOn(words.nameLine),
                      lineToWriteOn(words.dateLine), QString()};
    for (const numbers::WorksheetText::Item &item : words.items)
        lines << qt(item.number) + QLatin1Char(' ') + qt(item.questionText) << QString();
    lines << qt(words.answersHeading);
    for (const numbers::WorksheetText::Item &item : words.items)
        lines << qt(item.number) + QLatin1Char(' ') + qt(sheet.texts.plainLine(item.answer));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void WorksheetFile::fillDocument(QTextDocument &document, const WorksheetDocument &sheet)
{
    const numbers::WorksheetText &words = sheet.text;
    document.setMetaInformation(QTextDocument::DocumentTitle, qt(words.title));
    QTextCursor cursor(&document);
    const QTextCharFormat body = textFormat(11);
    QTextBlockFormat spaced;
    spaced.setBottomMargin(8);
    cursor.setBlockFormat(spaced);
    cursor.insertText(qt(words.title), textFormat(16, true));
    cursor.insertBlock(spaced);
    cursor.insertText(qt(words.levelAndSeed), textFormat(9));
    cursor.insertBlock(spaced);
    cursor.insertText(lineToWriteOn(words.nameLine) + QStringLiteral("    ") + lineToWriteOn(words.dateLine), body);

    for (const numbers::WorksheetText::Item &item : words.items) {
        QTextBlockFormat room;
        room.setBottomMargin(roomPoints(item.question.kind));
        room.setNonBreakableLines(true);
        cursor.insertBlock(room);
        cursor.insertText(qt(item.number) + QLatin1Char(' ') + qt(item.questionText), body);
    }

    QTextBlockFormat heading = spaced;
    heading.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(heading);
    cursor.insertText(qt(words.answersHeading), textFormat(14, true));
    QTextCharFormat raised = body;
    raised.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    for (const numbers::WorksheetText::Item &item : words.items) {
        QTextBlockFormat answer = spaced;
        answer.setNonBreakableLines(true);
        cursor.insertBlock(answer);
        cursor.insertText(qt(item.number) + QLatin1Char(' '), body);
        for (const numbers::LinePiece &piece : item.answer)
            cursor.insertText(qt(piece.text), piece.raised ? raised : body);
        QGraphicsScene scene;
        if (!sheet.options.picturesInKey || !drawKeyPicture(scene, item.question, sheet.texts))
            continue;
        const QUrl name(QStringLiteral("picture%1.png").arg(&item - words.items.data() + 1));
        document.addResource(QTextDocument::ImageResource, name, pictureImage(scene));
        QTextImageFormat image;
        image.setName(name.toString());
        image.setWidth(std::min(170.0, scene.sceneRect().width() * 0.6));
        cursor.insertText(QStringLiteral("    "), body);
        cursor.insertImage(image);
    }
}
