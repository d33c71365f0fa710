// The Working window's pages: the pictures against their rules (numbers as
// their own digit items, circles, lines, regions, cells, no overlaps), the
// notice after an edit, the zoom, and the working saved to files.

#include "WindowFixture.h"
#include "WindowSuiteMain.h"
#include "WorkingWindow.h"

#include <QApplication>
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
#include <QSvgRenderer>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
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
        QCOMPARE(bytes, working()->findChild<QPlainTextEdit *>()->toPlainText().toUtf8());
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

int main(int argc, char *argv[])
{
    return runWindowSuite<WorkingWindowTest>(argc, argv);
}

#include "WorkingWindowTest.moc"
