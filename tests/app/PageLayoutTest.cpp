// The one page layout on paper, read back from the PDF it writes: texts kept
// whole with their room, flowing down columns and onto new pages, and every
// page's footer numbering the pages through the document.
#include "PageLayout.h"
#include "WindowSuiteMain.h"

#include <QBuffer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using Pages = QList<QList<int>>; // the numbers of the texts on each page

// Five texts "text 1" to "text 5", each with room below it, with the
// run of blocks given before them and a page break after the first when asked.
PageLayout::Document fiveTexts(double room, const PageLayout::Columns &columns, bool breakAfterFirst)
{
    PageLayout::Document document;
    document.title = QStringLiteral("Five texts");
    document.footerFont.setPointSizeF(9);
    document.footer = [](int page, int pages) { return QStringLiteral("page %1 of %2").arg(page).arg(pages); };
    document.blocks.append(columns);
    for (int number = 1; number <= 5; ++number) {
        QFont font;
        font.setPointSizeF(11);
        document.blocks.append(PageLayout::Text{QStringLiteral("text %1").arg(number), font, {}, {}, 0, room, {}, {}});
        if (number == 1 && breakAfterFirst)
            document.blocks.append(PageLayout::PageBreak{});
    }
    return document;
}

} // namespace

class PageLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void keepsTextsWholeAndNumbersThePages_data()
    {
        QTest::addColumn<double>("room");
        QTest::addColumn<int>("columns");
        QTest::addColumn<double>("leastColumn");
        QTest::addColumn<bool>("breakAfterFirst");
        QTest::addColumn<Pages>("expected");
        // A4 leaves about 258 mm above the footer: two texts with 100 mm of room.
        QTest::newRow("one column") << 100.0 << 1 << 0.0 << false << Pages{{1, 2}, {3, 4}, {5}};
        QTest::newRow("two columns") << 100.0 << 2 << 0.0 << false << Pages{{1, 2, 3, 4}, {5}};
        QTest::newRow("columns too narrow make one") << 100.0 << 2 << 150.0 << false << Pages{{1, 2}, {3, 4}, {5}};
        QTest::newRow("a page break") << 100.0 << 1 << 0.0 << true << Pages{{1}, {2, 3}, {4, 5}};
        QTest::newRow("room larger than a page") << 300.0 << 1 << 0.0 << false << Pages{{1}, {2}, {3}, {4}, {5}};
        QTest::newRow("no room") << 0.0 << 1 << 0.0 << false << Pages{{1, 2, 3, 4, 5}};
    }

    void keepsTextsWholeAndNumbersThePages()
    {
        QFETCH(double, room);
        QFETCH(int, columns);
        QFETCH(double, leastColumn);
        QFETCH(bool, breakAfterFirst);
        QFETCH(Pages, expected);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("pages.pdf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        PageLayout::writePdf(file, fiveTexts(room, PageLayout::Columns{columns, leastColumn, 10}, breakAfterFirst),
                             QPageSize(QPageSize::A4));
        file.close();

        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'));
        pages.removeLast(); // after the last form feed
        Pages found;
        for (qsizetype page = 0; page < pages.size(); ++page) {
            QVERIFY2(pages[page].contains(QStringLiteral("page %1 of %2").arg(page + 1).arg(pages.size())),
                     qPrintable(pages[page]));
            QList<int> numbers;
            for (const QRegularExpressionMatch &match : QRegularExpression(QStringLiteral("text (\\d)")).globalMatch(pages[page]))
                numbers.append(match.captured(1).toInt());
            std::sort(numbers.begin(), numbers.end()); // read across the columns
            found.append(numbers);
        }
        QCOMPARE(found, expected);
    }
};

int main(int argc, char *argv[])
{
    return runWindowSuite<PageLayoutTest>(argc, argv);
}

#include "PageLayoutTest.moc"
