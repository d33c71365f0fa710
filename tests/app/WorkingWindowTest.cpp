// The Working window's pages: the pictures against their rules (numbers as
// their own digit items, circles, lines, regions, cells, no overlaps), the
// notice after an edit, the zoom, and the working saved to files.

#include "AppNames.h"
#include "WindowFixture.h"
#include "WindowSuiteMain.h"
#include "WorkingOutput.h"
#include "WorkingWindow.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>
#include <QGraphicsEllipseItem>
#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QTest>

#include <algorithm>
#include <optional>
#include <cmath>
#include <map>

namespace {

// A text as drawn: one text item, or a group of them (a line, or a power) read
// left to right with its exponents written as superscript digits.
struct Shown {
    QString text;
    QRectF rect;
    QFont font;
};

// The items of a picture by kind; numbers are the texts of digits only, or a power.
struct Picture {
    QList<Shown> numbers;
    QStringList texts;
    QList<QGraphicsEllipseItem *> circles;
    QList<QGraphicsLineItem *> lines;
    QList<QGraphicsRectItem *> cells;
    QRectF textBounds;          // every text
    bool exponentsRaised = true; // each exponent smaller than the text before it, its middle higher
};

Shown shownGroup(const QGraphicsItemGroup &group, bool &exponentsRaised)
{
    static const QString superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QList<QGraphicsSimpleTextItem *> runs;
    for (QGraphicsItem *child : group.childItems())
        runs << qgraphicsitem_cast<QGraphicsSimpleTextItem *>(child);
    std::sort(runs.begin(), runs.end(), [](auto *a, auto *b) { return a->sceneBoundingRect().x() < b->sceneBoundingRect().x(); });
    Shown shown{QString(), group.sceneBoundingRect(), runs.front()->font()};
    for (qsizetype i = 0; i < runs.size(); ++i) {
        if (runs[i]->font().pixelSize() >= shown.font.pixelSize()) {
            shown.text += runs[i]->text();
            continue;
        }
        exponentsRaised = exponentsRaised && i > 0 && runs[i]->sceneBoundingRect().center().y() < runs[i - 1]->sceneBoundingRect().center().y() - 3;
        for (const QChar digit : runs[i]->text())
            shown.text += superscripts[digit.digitValue()];
    }
    return shown;
}

Picture itemsOf(QGraphicsScene &scene)
{
    static const QRegularExpression number(QStringLiteral("^[0-9]+[⁰¹²³⁴⁵⁶⁷⁸⁹]*$"));
    Picture picture;
    for (QGraphicsItem *item : scene.items(Qt::AscendingOrder)) {
        std::optional<Shown> shown;
        if (auto *group = qgraphicsitem_cast<QGraphicsItemGroup *>(item))
            shown = shownGroup(*group, picture.exponentsRaised);
        else if (auto *text = qgraphicsitem_cast<QGraphicsSimpleTextItem *>(item); text != nullptr && text->group() == nullptr)
            shown = Shown{text->text(), text->sceneBoundingRect(), text->font()};
        else if (auto *circle = qgraphicsitem_cast<QGraphicsEllipseItem *>(item))
            picture.circles << circle;
        else if (auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(item))
            picture.lines << line;
        else if (auto *cell = qgraphicsitem_cast<QGraphicsRectItem *>(item))
            picture.cells << cell;
        if (shown) {
            number.match(shown->text).hasMatch() ? void(picture.numbers << *shown) : void(picture.texts << shown->text);
            picture.textBounds |= shown->rect;
        }
    }
    return picture;
}

QList<int> primeFactors(qint64 n)
{
    QList<int> factors;
    for (qint64 d = 2; d * d <= n; ++d)
        for (; n % d == 0; n /= d)
            factors << static_cast<int>(d);
    if (n > 1)
        factors << static_cast<int>(n);
    return factors;
}

// Where the rectangle r lies against an ellipse: 1 wholly inside, -1 wholly outside, 0 across.
int side(const QRectF &r, const QRectF &ellipse)
{
    const auto inside = [&](QPointF p) {
        const QPointF d = p - ellipse.center();
        return std::pow(d.x() / (ellipse.width() / 2), 2) + std::pow(d.y() / (ellipse.height() / 2), 2) <= 1;
    };
    const bool all = inside(r.topLeft()) && inside(r.topRight()) && inside(r.bottomLeft()) && inside(r.bottomRight());
    const QPointF nearest(std::clamp(ellipse.center().x(), r.left(), r.right()), std::clamp(ellipse.center().y(), r.top(), r.bottom()));
    return all ? 1 : inside(nearest) ? 0 : -1;
}

// Shorter texts first: numbers, and texts that start with numbers, in ascending order.
QStringList numerically(QStringList texts)
{
    std::sort(texts.begin(), texts.end(), [](const QString &a, const QString &b) { return a.size() != b.size() ? a.size() < b.size() : a < b; });
    return texts;
}

// What a program prints on its standard output.
QString outputOf(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A word of a PDF read back: its text and its height in points.
struct PdfWord {
    QString text;
    double height;
};

// The words of each page of a PDF (pdftotext -bbox).
QList<QList<PdfWord>> wordsOf(const QString &pdf)
{
    static const QRegularExpression word(QStringLiteral(R"bbox(<word xMin="[^"]*" yMin="([^"]*)" xMax="[^"]*" yMax="([^"]*)">([^<]*)</word>)bbox"));
    QList<QList<PdfWord>> pages;
    for (const QString &page : outputOf(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}).split(QStringLiteral("<page ")).mid(1)) {
        pages.append(QList<PdfWord>());
        for (auto match = word.globalMatch(page); match.hasNext();) {
            const auto found = match.next();
            pages.back().append({found.captured(3), found.captured(2).toDouble() - found.captured(1).toDouble()});
        }
    }
    return pages;
}

double distance(QPointF p, const QRectF &r)
{
    return std::hypot(p.x() - std::clamp(p.x(), r.left(), r.right()), p.y() - std::clamp(p.y(), r.top(), r.bottom()));
}

} // namespace

class WorkingWindowTest : public WindowFixture {
    Q_OBJECT

private slots:
    void pictureFollowsItsRules_data();
    void pictureFollowsItsRules();
    void editLeavesTheNoticeOnBothPages();
    void newPictureFitsAndAChosenZoomLastsUntilTheNext();
    void saveWritesEachKind_data();
    void saveWritesEachKind();
    void savedPdfReadsBackWhole_data();
    void savedPdfReadsBackWhole();
    void saveNameAndExtension_data();
    void saveNameAndExtension();
    void noticeLeavesNothingToSave_data();
    void noticeLeavesNothingToSave();
    void tabReachesEveryControl();
    void stepsWrapBetweenNumbersAndLaddersScroll_data();
    void stepsWrapBetweenNumbersAndLaddersScroll();

private:
    // Runs button on numbers ("from to" for the primes), opens the working and
    // chooses the Picture page; gives back its scene.
    QGraphicsScene &pictureOf(const QString &button, const QString &numbers);
    WorkingWindow *working() const { return window->findChild<WorkingWindow *>(); }
    QGraphicsView *view() const { return control<QGraphicsView>("Picture"); }
};

QGraphicsScene &WorkingWindowTest::pictureOf(const QString &button, const QString &numbers)
{
    if (button == QStringLiteral("FindPrime")) {
        control<QLineEdit>("Text2_0")->setText(numbers.section(' ', 0, 0));
        control<QLineEdit>("Text2_1")->setText(numbers.section(' ', 1, 1));
    } else {
        control<QLineEdit>("Text1")->setText(numbers);
    }
    click(button);
    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    QTabBar *tabs = control<QTabWidget>("WorkingPages")->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    return *view()->scene();
}

void WorkingWindowTest::pictureFollowsItsRules_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QStringList>("texts");   // the text items that are not numbers
    QTest::addColumn<QString>("description"); // empty: not checked
    QTest::addColumn<QStringList>("regions");  // a Venn diagram's: "the numbers whose circles hold it: its factors"
    const QStringList none;
    QTest::newRow("tree of 360") << "Factorize" << "360" << QStringList{"360 = 2³ x 3² x 5"}
        << "Factor tree of 360: 360 = 18 x 20; 18 = 3 x 6; 6 = 2 x 3; 20 = 4 x 5; 4 = 2 x 2; 360 = 2 to the power 3 x 3 to the power 2 x 5"
        << none;
    QTest::newRow("tree of 2^30, 59 nodes") << "Factorize" << "1073741824 5" << QStringList{"1073741824 = 2³⁰"} << "" << none;
    QTest::newRow("tree of 2147483646") << "Factorize" << "2147483646"
        << QStringList{"2147483646 = 2 x 3² x 7 x 11 x 31 x 151 x 331"} << "" << none;
    QTest::newRow("Venn of the HCF of 8 12 18") << "Find_HCF" << "8 12 18" << QStringList{"HCF = 2", "LCM = 2 x 2 x 2 x 3 x 3 = 72"}
        << "Venn diagram of 8, 12 and 18: in 8 only: 2; in 8 and 12: 2; in 8, 12 and 18: 2; in 12 and 18: 3; in 18 only: 3"
        << QStringList{"8: 2", "8 12: 2", "8 12 18: 2", "12 18: 3", "18: 3"};
    QTest::newRow("Venn of the LCM of -12 18, by magnitudes") << "Find_LCM" << "-12 18"
        << QStringList{"HCF = 2 x 3 = 6", "LCM = 2 x 2 x 3 x 3 = 36", "-12 is taken as 12."}
        << "Venn diagram of 12 and 18: in 12 only: 2; in 12 and 18: 2, 3; in 18 only: 3" << QStringList{"12: 2", "12 18: 2 3", "18: 3"};
    QTest::newRow("Venn of 29 factors of 2 in the middle") << "Find_HCF" << "1073741824 536870912"
        << QStringList{"HCF = 2²⁹ = 536870912", "LCM = 2³⁰ = 1073741824"} << "" << QStringList{"1073741824: 2", "536870912 1073741824: 2²⁹"};
    QTest::newRow("Venn of 2 and 2^30: a power, labels inside") << "Find_LCM" << "2 1073741824"
        << QStringList{"HCF = 2", "LCM = 2³⁰ = 1073741824"} << "Venn diagram of 2 and 1073741824: in 2 and 1073741824: 2; in 1073741824 only: 2 to the power 29"
        << QStringList{"2 1073741824: 2", "1073741824: 2²⁹"};
    QTest::newRow("Venn with a 1: a circle without factors") << "Find_LCM" << "1 6 9" << QStringList{"HCF = 1", "LCM = 2 x 3 x 3 = 18"}
        << "Venn diagram of 1, 6 and 9: in 6 only: 2; in 6 and 9: 3; in 9 only: 3" << QStringList{"6: 2", "6 9: 3", "9: 3"};
    QTest::newRow("grid 20 to 30") << "FindPrime" << "30 20" << QStringList{"Primes between 20 and 30: 2 primes"}
        << "Grid of 20 to 30: the primes are 23, 29" << none;
    QTest::newRow("grid of 1000 numbers") << "FindPrime" << "224001 225000" << QStringList{"Primes between 224001 and 225000: 83 primes"}
        << "" << none;
}

void WorkingWindowTest::pictureFollowsItsRules()
{
    QFETCH(QString, button);
    QFETCH(QString, numbers);
    QFETCH(QStringList, texts);
    QFETCH(QString, description);
    QFETCH(QStringList, regions);
    QGraphicsScene &scene = pictureOf(button, numbers);
    const Picture p = itemsOf(scene);
    QCOMPARE(p.texts, texts);
    // School typography, and nothing cut by the picture's edge.
    QVERIFY(p.exponentsRaised && !p.texts.join(' ').contains('^'));
    QVERIFY(scene.sceneRect().contains(p.textBounds));
    if (!description.isEmpty())
        QCOMPARE(view()->accessibleDescription(), description);
    for (qsizetype i = 0; i < p.numbers.size(); ++i)
        for (qsizetype j = i + 1; j < p.numbers.size(); ++j)
            QVERIFY2(!p.numbers[i].rect.intersects(p.numbers[j].rect), qPrintable(p.numbers[i].text + " overlaps " + p.numbers[j].text));

    if (button == QStringLiteral("Factorize")) {
        // 2k - 1 numbers for k prime factors; each prime circled, each line from a parent down to a factor of it.
        const qsizetype k = primeFactors(numbers.section(' ', 0, 0).toLongLong()).size();
        QCOMPARE(p.numbers.size(), 2 * k - 1);
        QCOMPARE(p.circles.size(), k);
        QCOMPARE(p.lines.size(), 2 * k - 2);
        for (const auto *circle : p.circles)
            QVERIFY(std::any_of(p.numbers.begin(), p.numbers.end(), [&](const Shown &n) {
                return side(n.rect, circle->rect()) == 1 && primeFactors(n.text.toLongLong()).size() == 1;
            }));
        // A number's outline is its circle when it has one; each end of a line lies within a text height of one.
        const auto outline = [&](const Shown &n) {
            const auto circle = std::find_if(p.circles.begin(), p.circles.end(), [&](auto *c) { return side(n.rect, c->rect()) == 1; });
            return circle != p.circles.end() ? (*circle)->rect() : n.rect;
        };
        const qreal height = p.numbers.front().rect.height();
        for (const auto *line : p.lines) {
            qint64 ends[2] = {0, 0}; // the numbers at the upper and the lower end
            for (const QPointF end : {line->line().p1(), line->line().p2()})
                for (const Shown &n : p.numbers)
                    if (distance(end, outline(n)) <= height)
                        ends[end.y() > std::min(line->line().y1(), line->line().y2())] = n.text.toLongLong();
            QVERIFY(ends[1] > 1 && ends[0] > ends[1] && ends[0] % ends[1] == 0);
        }
    } else if (button == QStringLiteral("FindPrime")) {
        // One cell per number, its number inside; primes in one fill, the rest in another and struck out.
        const qint64 from = std::min(numbers.section(' ', 0, 0).toLongLong(), numbers.section(' ', 1, 1).toLongLong());
        QCOMPARE(p.cells.size(), p.numbers.size());
        std::map<bool, QSet<QRgb>> fills;
        for (qsizetype i = 0; i < p.numbers.size(); ++i) {
            const bool prime = primeFactors(from + i).size() == 1;
            const auto cell = std::find_if(p.cells.begin(), p.cells.end(), [&](auto *c) { return c->rect().contains(p.numbers[i].rect); });
            QVERIFY(p.numbers[i].text.toLongLong() == from + i && cell != p.cells.end() && (*cell)->brush().style() == Qt::SolidPattern);
            QCOMPARE(p.numbers[i].font.strikeOut(), !prime);
            fills[prime] << (*cell)->brush().color().rgb();
        }
        QVERIFY(fills[true].size() == 1 && fills[false].size() == 1 && fills[true] != fills[false]);
    } else {
        // The labels lie outside every circle, each label nearest its own circle; every
        // factor lies wholly inside or outside each circle.
        const auto outside = [&](const Shown &n) {
            return std::all_of(p.circles.begin(), p.circles.end(), [&](const auto *c) { return side(n.rect, c->rect()) < 0; });
        };
        QList<Shown> labels;
        std::copy_if(p.numbers.begin(), p.numbers.end(), std::back_inserter(labels), outside);
        QVERIFY(labels.size() == p.circles.size() && p.circles.size() == numbers.count(' ') + 1);
        QStringList numberOf(p.circles.size());
        for (const Shown &label : labels)
            numberOf[std::min_element(p.circles.begin(), p.circles.end(), [&](const auto *a, const auto *b) {
                return QLineF(label.rect.center(), a->rect().center()).length() < QLineF(label.rect.center(), b->rect().center()).length();
            }) - p.circles.begin()] = label.text;
        std::map<QString, QStringList> drawn; // the factors of each region, by the numbers whose circles hold it
        for (const Shown &n : p.numbers) {
            QStringList in;
            for (qsizetype c = 0; c < p.circles.size(); ++c) {
                const int s = side(n.rect, p.circles[c]->rect());
                QVERIFY2(s != 0, qPrintable(n.text + " crosses a circle"));
                if (s == 1)
                    in << numberOf[c];
            }
            if (!in.isEmpty())
                drawn[numerically(in).join(' ')] << n.text;
        }
        QStringList found;
        for (auto &[in, factors] : drawn)
            found << in + ": " + numerically(factors).join(' ');
        QCOMPARE(numerically(found), numerically(regions));
    }
}

void WorkingWindowTest::editLeavesTheNoticeOnBothPages()
{
    QGraphicsScene &scene = pictureOf("Find_HCF", "12 18");
    QTest::keyClicks(control<QLineEdit>("Text1"), QStringLiteral(" 7"));
    const QString notice = QStringLiteral("The numbers have changed: run a command to see its working.");
    QCOMPARE(working()->findChild<QPlainTextEdit *>()->toPlainText(), notice);
    QVERIFY(scene.items().size() == 1 && itemsOf(scene).texts == QStringList{notice} && view()->accessibleDescription() == notice);

    // The primes' working stays; the window opens again on the page chosen last.
    pictureOf("FindPrime", "20 30");
    QTest::keyClicks(control<QLineEdit>("Text1"), QStringLiteral("8"));
    QCOMPARE(view()->accessibleDescription(), QStringLiteral("Grid of 20 to 30: the primes are 23, 29"));
    working()->close();
    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(control<QTabWidget>("WorkingPages")->currentIndex(), 1);
}

void WorkingWindowTest::newPictureFitsAndAChosenZoomLastsUntilTheNext()
{
    pictureOf("FindPrime", "1 1000");
    const QSize room = view()->maximumViewportSize();
    const QRectF shown = view()->transform().mapRect(view()->sceneRect());
    QVERIFY(view()->transform().m11() < 1 && shown.width() <= room.width() && shown.height() <= room.height());

    control<QLineEdit>("Text2_1")->setText(QStringLiteral("20"));
    click("FindPrime");
    QCOMPARE(view()->transform().m11(), 1.0);
    QApplication::setActiveWindow(working());
    QVERIFY(QTest::qWaitForWindowActive(working()));
    QTest::keyClick(view(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(view()->transform().m11(), 1.25);
    working()->resize(working()->size() + QSize(40, 40));
    QCOMPARE(view()->transform().m11(), 1.25);
    click("FindPrime");
    QCOMPARE(view()->transform().m11(), 1.0);
}

void WorkingWindowTest::saveWritesEachKind_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("steps as UTF-8 text") << "working.txt";
    QTest::newRow("SVG with its texts as text") << "working.svg";
    QTest::newRow("PNG at twice the scene's size") << "working.png";
    QTest::newRow("PDF: steps, then the picture") << "working.PDF";
    QTest::newRow("a folder that does not exist: a box, nothing written") << "missing/working.png";
}

void WorkingWindowTest::saveWritesEachKind()
{
    QFETCH(QString, file);
    QGraphicsScene &scene = pictureOf("Factorize", "360");
    const QTemporaryDir dir;
    const QString path = dir.filePath(file);
    const bool saved = working()->saveTo(path);
    QFile written(path);
    if (file.startsWith("missing/")) {
        QVERIFY(!saved && boxes->seen.size() == 1 && boxes->seen.front().icon == QMessageBox::Critical);
        QVERIFY2(boxes->seen.front().text.contains(path) && boxes->seen.front().text.contains("No such file or directory"),
                 qPrintable(boxes->seen.front().text));
        QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
        return;
    }
    QVERIFY(saved && boxes->seen.isEmpty() && written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    if (file.endsWith(".txt")) {
        QCOMPARE(bytes, working()->findChild<QPlainTextEdit *>()->toPlainText().toUtf8() + '\n');
        QVERIFY(!bytes.contains('\r'));
    } else if (file.endsWith(".svg")) {
        QVERIFY(QSvgRenderer(bytes).isValid());
        static const QRegularExpression texts(QStringLiteral(">([^<]*)<"));
        QStringList svgTexts;
        for (const QRegularExpressionMatch &match : texts.globalMatch(QString::fromUtf8(bytes)))
            if (!match.captured(1).trimmed().isEmpty())
                svgTexts << match.captured(0);
        const QString joinedTexts = svgTexts.join('|');
        // The line under the tree in its runs: the exponents are texts of their own.
        for (const QString &text : {QStringLiteral(">360<|> = <|>2<|>3<|> x <|>3<|>2<|> x <|>5<"), view()->accessibleDescription()})
            QVERIFY2(joinedTexts.contains(text), qPrintable(text));
    } else if (file.endsWith(".png")) {
        QCOMPARE(QImage::fromData(bytes, "PNG").size(), (2 * scene.sceneRect().size()).toSize());
    } else {
        // pdftotext ends each page with a form feed.
        QVERIFY(bytes.startsWith("%PDF-"));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {path, "-"});
        QVERIFY(text.waitForFinished());
        const QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split('\f');
        QCOMPARE(pages.size(), 3);
        QVERIFY2(pages[0].startsWith("Factors of 360\n") && pages[0].contains("360 = 2^3 x 3^2 x 5"), qPrintable(pages[0]));
        // The exponents raised, read back inline after their base.
        QVERIFY2(pages[1].contains("18") && pages[1].contains("360 = 23 x 32 x 5"), qPrintable(pages[1]));
    }
}

void WorkingWindowTest::savedPdfReadsBackWhole_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<double>("stepsPoints"); // the least height of a word of the steps
    QString ladder;
    for (qint64 n = 2147483547; n <= 2147483647; ++n)
        ladder += QString::number(n) + ' ';
    QTest::newRow("the sieve of 1 to 1000: long lines, the grid of a thousand") << "FindPrime" << "1 1000" << 9.0;
    QTest::newRow("the factors of 360: a ladder that fits, the tree") << "Factorize" << "360" << 9.0;
    QTest::newRow("the LCM of 101 numbers: a ladder wider than the page, at 7 pt") << "Find_LCM" << ladder.trimmed() << 7.0;
}

// Every number of the working reads back whole from the saved PDF (wrapped
// lines break between numbers; a number longer than a line keeps its digits
// in order), the steps are large enough and the picture's numbers at least
// 7 pt; the PDF is titled by the working and made by the program.
void WorkingWindowTest::savedPdfReadsBackWhole()
{
    QFETCH(QString, button);
    QFETCH(QString, numbers);
    QFETCH(double, stepsPoints);
    pictureOf(button, numbers);
    const QString steps = working()->findChild<QPlainTextEdit *>()->toPlainText();
    const QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("working.pdf"));
    QVERIFY(working()->saveTo(pdf));

    const QString info = outputOf(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title: +") + QRegularExpression::escape(steps.section('\n', 0, 0)) + '\n')), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Creator: +") + QRegularExpression::escape(AppNames::windowCaption()) + '\n')), qPrintable(info));

    // The picture's pages are those drawn in its sans-serif font.
    const QList<QList<PdfWord>> pages = wordsOf(pdf);
    QMap<QString, int> read;
    QString readDigits;
    for (qsizetype page = 0; page < pages.size(); ++page) {
        const bool picture = outputOf(QStringLiteral("pdffonts"), {"-f", QString::number(page + 1), "-l", QString::number(page + 1), pdf}).contains("Sans");
        for (const PdfWord &word : pages[page]) {
            QVERIFY2(word.height >= (picture ? 7.0 : stepsPoints) - 0.01, qPrintable(QStringLiteral("page %1: %2 is %3 pt high").arg(page + 1).arg(word.text).arg(word.height)));
            if (!picture) {
                ++read[word.text];
                readDigits += word.text;
            }
        }
    }
    static const QRegularExpression number(QStringLiteral("^[0-9]+$"));
    QMap<QString, int> written;
    for (const QString &word : steps.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        if (number.match(word).hasMatch())
            ++written[word];
    for (auto [word, count] : written.asKeyValueRange()) {
        if (word.size() > 60) // longer than a line: its digits run on in order
            QVERIFY2(readDigits.contains(word), qPrintable(word.left(20)));
        else
            QVERIFY2(read.value(word) >= count, qPrintable(QStringLiteral("%1: %2 of %3 read back").arg(word).arg(read.value(word)).arg(count)));
    }
}

void WorkingWindowTest::saveNameAndExtension_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("name");
    using numbers::Command;
    QTest::newRow("factors of the first number") << int(Command::Factors) << QList<int>{360} << "factors-360";
    QTest::newRow("HCF of two") << int(Command::Hcf) << QList<int>{12, 18} << "hcf-12-18";
    QTest::newRow("LCM of three") << int(Command::Lcm) << QList<int>{4, 6, 10} << "lcm-4-6-10";
    QTest::newRow("four numbers are all named") << int(Command::Lcm) << QList<int>{1, 2, 3, 4} << "lcm-1-2-3-4";
    QTest::newRow("five numbers end with etc") << int(Command::Hcf) << QList<int>{2, 4, 6, 8, 10} << "hcf-2-4-6-8-etc";
    QTest::newRow("the primes' bounds as typed") << int(Command::Primes) << QList<int>{100, 1} << "primes-100-1";
}

// The suggested name, then how a file of that name with each extension is
// written: its own kind, the chosen kind when it has none, refused otherwise.
void WorkingWindowTest::saveNameAndExtension()
{
    QFETCH(int, command);
    QFETCH(QList<int>, numbers);
    QFETCH(QString, name);
    const std::vector<std::int32_t> values(numbers.begin(), numbers.end());
    QCOMPARE(WorkingOutput::suggestedName(static_cast<numbers::Command>(command), values), name);
    // Choosing another kind in the dialog changes an offered extension only.
    const QStringList filters = WorkingOutput::fileFilters();
    QCOMPARE(WorkingOutput::forFilter(name + ".png", filters.at(2)), name + ".pdf");
    QCOMPARE(WorkingOutput::forFilter(name + ".jpeg", filters.at(3)), name + ".txt");
    QCOMPARE(WorkingOutput::forFilter(name + ".bmp", filters.at(2)), name + ".bmp");
    QCOMPARE(WorkingOutput::forFilter(name, filters.at(2)), name);

    QGraphicsScene &scene = pictureOf("Factorize", "360");
    const QTemporaryDir dir;
    const QString pdfFilter = WorkingOutput::fileFilters().at(2);
    const struct {
        const char *typed;
        const char *written; // empty: refused
        const char *format;
    } files[] = {
        {"", ".pdf", "%PDF-"}, {".jpg", ".jpg", "\xff\xd8\xff"}, {".JPEG", ".JPEG", "\xff\xd8\xff"},
        {".txt", ".txt", "Factors of 360\n"}, {".bmp", "", ""}, {".jpg.txt", ".jpg.txt", "Factors"},
    };
    for (const auto &file : files) {
        const QString path = WorkingOutput::withExtension(dir.filePath(name + file.typed), pdfFilter);
        boxes->seen.clear();
        const bool saved = working()->saveTo(path);
        QVERIFY2(saved == (*file.written != 0), file.typed);
        if (!saved) {
            QVERIFY(boxes->seen.size() == 1 && boxes->seen.front().text.contains(".png, .svg, .pdf, .txt, .jpg"));
            QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(name + file.typed).isEmpty());
            continue;
        }
        QCOMPARE(path, dir.filePath(name + file.written));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QVERIFY2(bytes.startsWith(file.format), file.typed);
        if (QByteArray(file.format).startsWith("\xff"))
            QCOMPARE(QImage::fromData(bytes, "JPEG").pixelColor(0, 0), QColor(Qt::white));
        if (QByteArray(file.written).endsWith(".txt"))
            QVERIFY(bytes.endsWith("5\n"));
    }
    Q_UNUSED(scene);
}

void WorkingWindowTest::noticeLeavesNothingToSave_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<bool>("edit"); // the numbers are edited afterwards
    QTest::addColumn<QList<bool>>("enabled"); // Save, Copy Picture, Print
    QTest::newRow("a picture") << "Factorize" << "360" << false << QList<bool>{true, true, true};
    QTest::newRow("the numbers changed: a notice alone") << "Factorize" << "360" << true << QList<bool>{false, false, false};
    QTest::newRow("a Venn diagram not drawn: the steps without a picture")
        << "Find_HCF" << "4 6 8 10" << false << QList<bool>{true, false, true};
}

// A notice is nothing to copy, save or print; the steps of a picture not
// drawn are saved without it (as PDF or text, never as a picture).
void WorkingWindowTest::noticeLeavesNothingToSave()
{
    QFETCH(QString, button);
    QFETCH(QString, numbers);
    QFETCH(bool, edit);
    QFETCH(QList<bool>, enabled);
    pictureOf(button, numbers);
    if (edit)
        QTest::keyClicks(control<QLineEdit>("Text1"), QStringLiteral("7"));
    QList<bool> states;
    for (const char *name : {"SaveWorking", "CopyPicture", "PrintWorking"})
        states << working()->findChild<QAction *>(name)->isEnabled();
    QCOMPARE(states, enabled);
    if (!enabled[0] || enabled[1])
        return;
    const QTemporaryDir dir;
    QVERIFY(!working()->saveTo(dir.filePath("working.png")) && !QFile::exists(dir.filePath("working.png")));
    QVERIFY(working()->saveTo(dir.filePath("working.pdf")));
    QCOMPARE(outputOf(QStringLiteral("pdftotext"), {dir.filePath("working.pdf"), "-"}).count('\f'), 1);
}

// Tab goes round the page tabs, the picture and every button; the arrow keys
// scroll the picture.
void WorkingWindowTest::tabReachesEveryControl()
{
    pictureOf("FindPrime", "1 1000");
    QApplication::setActiveWindow(working());
    QVERIFY(QTest::qWaitForWindowActive(working()));
    view()->setFocus();
    view()->scale(4, 4); // larger than the view, to scroll
    QSet<QString> reached;
    for (int press = 0; press < 20; ++press) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        reached << (qobject_cast<QToolButton *>(focus) != nullptr ? focus->accessibleName() : focus->metaObject()->className());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    for (const char *control : {"Save", "Copy Picture", "Print", "Zoom In", "Zoom Out", "Fit", "QTabBar", "PictureView"})
        QVERIFY2(reached.contains(QLatin1String(control)), control);
    view()->setFocus();
    const int top = view()->verticalScrollBar()->value();
    QTest::keyClick(view(), Qt::Key_Down);
    QVERIFY(view()->verticalScrollBar()->value() > top);
}

void WorkingWindowTest::stepsWrapBetweenNumbersAndLaddersScroll_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<bool>("sideways"); // the page scrolls sideways, its lines whole
    QTest::newRow("the sieve of 1 to 100 wraps") << "FindPrime" << "1 100" << false;
    QTest::newRow("a narrow ladder, long lines wrapped") << "Find_LCM" << "6 10 14 22 26 34 38 46 58 62 74 82 86 94" << false;
    QTest::newRow("a ladder wider than the window scrolls")
        << "Find_LCM" << "2147483547 2147483548 2147483549 2147483550 2147483551 2147483552 2147483553 2147483554" << true;
}

// Each line of the Steps page wraps only between words, at the window's
// width, unless a ladder is wider than the window: then no line wraps.
void WorkingWindowTest::stepsWrapBetweenNumbersAndLaddersScroll()
{
    QFETCH(QString, button);
    QFETCH(QString, numbers);
    QFETCH(bool, sideways);
    pictureOf(button, numbers);
    control<QTabWidget>("WorkingPages")->setCurrentIndex(0);
    auto *steps = working()->findChild<QPlainTextEdit *>();
    working()->resize(560, 420);
    QTest::qWait(20);
    QCOMPARE(steps->horizontalScrollBar()->maximum() > 0, sideways);
    int wrapped = 0;
    for (QTextBlock block = steps->document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        for (int l = 0; l + 1 < layout->lineCount(); ++l) {
            const QTextLine line = layout->lineAt(l);
            const QString text = block.text();
            const qsizetype end = line.textStart() + line.textLength();
            // A break falls after a blank, never between two characters of a word.
            QVERIFY2(end > 0 && text[end - 1] == ' ', qPrintable(text.mid(line.textStart(), line.textLength())));
            ++wrapped;
        }
    }
    QCOMPARE(wrapped > 0, !sideways);
}

int main(int argc, char *argv[])
{
    return runWindowSuite<WorkingWindowTest>(argc, argv);
}

#include "WorkingWindowTest.moc"
