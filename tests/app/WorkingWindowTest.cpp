// The Working window's pages: the pictures against their rules (numbers as
// their own digit items, circles, lines, regions, cells, no overlaps), the
// notice after an edit, the zoom, and the working saved to files.

#include "WindowFixture.h"
#include "WindowSuiteMain.h"
#include "WorkingWindow.h"

#include <QAction>
#include <QApplication>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
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
#include <cmath>
#include <map>

namespace {

// The items of a picture by kind; numbers are the text items of digits only.
struct Picture {
    QList<QGraphicsSimpleTextItem *> numbers, texts;
    QList<QGraphicsEllipseItem *> circles;
    QList<QGraphicsLineItem *> lines;
    QList<QGraphicsRectItem *> cells;
};

Picture itemsOf(QGraphicsScene &scene)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    Picture picture;
    for (QGraphicsItem *item : scene.items(Qt::AscendingOrder)) {
        if (auto *text = qgraphicsitem_cast<QGraphicsSimpleTextItem *>(item))
            (digits.match(text->text()).hasMatch() ? picture.numbers : picture.texts) << text;
        else if (auto *circle = qgraphicsitem_cast<QGraphicsEllipseItem *>(item))
            picture.circles << circle;
        else if (auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(item))
            picture.lines << line;
        else if (auto *cell = qgraphicsitem_cast<QGraphicsRectItem *>(item))
            picture.cells << cell;
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

double distance(QPointF p, const QRectF &r)
{
    return std::hypot(p.x() - std::clamp(p.x(), r.left(), r.right()), p.y() - std::clamp(p.y(), r.top(), r.bottom()));
}

QStringList textsOf(const QList<QGraphicsSimpleTextItem *> &items)
{
    QStringList texts;
    for (const auto *item : items)
        texts << item->text();
    return texts;
}

} // namespace

class WorkingWindowTest : public WindowFixture {
    Q_OBJECT

private slots:
    void pictureFollowsItsRules_data();
    void pictureFollowsItsRules();
    void editLeavesTheNoticeOnBothPages_data();
    void editLeavesTheNoticeOnBothPages();
    void newPictureFitsAndAChosenZoomLastsUntilTheNext();
    void saveWritesEachKind_data();
    void saveWritesEachKind();
    void failedSaveSaysWhyAndLeavesNothing();

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
    QTest::newRow("tree of 360") << "Factorize" << "360" << QStringList{"360 = 2^3 x 3^2 x 5"}
        << "Factor tree of 360: 360 = 18 x 20; 18 = 3 x 6; 6 = 2 x 3; 20 = 4 x 5; 4 = 2 x 2";
    QTest::newRow("tree of 2^30, 59 nodes") << "Factorize" << "1073741824 5" << QStringList{"1073741824 = 2^30"} << "";
    QTest::newRow("tree of 2147483646") << "Factorize" << "2147483646" << QStringList{"2147483646 = 2 x 3^2 x 7 x 11 x 31 x 151 x 331"} << "";
    QTest::newRow("Venn of the HCF of 8 12 18") << "Find_HCF" << "8 12 18" << QStringList{"HCF = 2", "LCM = 2 x 2 x 2 x 3 x 3 = 72"}
        << "Venn diagram of 8, 12 and 18: in 8 only: 2; in 8 and 12: 2; in 8, 12 and 18: 2; in 12 and 18: 3; in 18 only: 3";
    QTest::newRow("Venn of the LCM of -12 18, by magnitudes") << "Find_LCM" << "-12 18"
        << QStringList{"HCF = 2 x 3 = 6", "LCM = 2 x 2 x 3 x 3 = 36"} << "Venn diagram of 12 and 18: in 12 only: 2; in 12 and 18: 2, 3; in 18 only: 3";
    QTest::newRow("Venn of 29 factors of 2 in the middle") << "Find_HCF" << "1073741824 536870912"
        << QStringList{"HCF = " + QString("2 x ").repeated(28) + "2 = 536870912", "LCM = " + QString("2 x ").repeated(29) + "2 = 1073741824"} << "";
    QTest::newRow("grid 20 to 30") << "FindPrime" << "30 20" << QStringList{} << "Grid of 20 to 30: the primes are 23, 29";
    QTest::newRow("grid of 1000 numbers") << "FindPrime" << "224001 225000" << QStringList{} << "";
}

void WorkingWindowTest::pictureFollowsItsRules()
{
    QFETCH(QString, button);
    QFETCH(QString, numbers);
    QFETCH(QStringList, texts);
    QFETCH(QString, description);
    const Picture p = itemsOf(pictureOf(button, numbers));
    QCOMPARE(textsOf(p.texts), texts);
    if (!description.isEmpty())
        QCOMPARE(view()->accessibleDescription(), description);
    for (qsizetype i = 0; i < p.numbers.size(); ++i)
        for (qsizetype j = i + 1; j < p.numbers.size(); ++j)
            QVERIFY2(!p.numbers[i]->sceneBoundingRect().intersects(p.numbers[j]->sceneBoundingRect()),
                     qPrintable(p.numbers[i]->text() + " overlaps " + p.numbers[j]->text()));

    if (button == QStringLiteral("Factorize")) {
        // 2k - 1 numbers for k prime factors; each prime circled, each line from a parent down to a factor of it.
        const qsizetype k = primeFactors(numbers.section(' ', 0, 0).toLongLong()).size();
        QCOMPARE(p.numbers.size(), 2 * k - 1);
        QCOMPARE(p.circles.size(), k);
        QCOMPARE(p.lines.size(), 2 * k - 2);
        for (const auto *circle : p.circles)
            QVERIFY(std::any_of(p.numbers.begin(), p.numbers.end(), [&](const auto *n) {
                return side(n->sceneBoundingRect(), circle->rect()) == 1 && primeFactors(n->text().toLongLong()).size() == 1;
            }));
        const qreal height = p.numbers.front()->boundingRect().height();
        for (const auto *line : p.lines) {
            QPointF ends[] = {line->line().p1(), line->line().p2()};
            if (ends[0].y() > ends[1].y())
                std::swap(ends[0], ends[1]);
            qint64 values[2] = {0, 0};
            for (int e = 0; e < 2; ++e)
                for (const auto *n : p.numbers) {
                    QRectF outline = n->sceneBoundingRect();
                    for (const auto *circle : p.circles)
                        if (side(outline, circle->rect()) == 1)
                            outline = circle->rect();
                    if (distance(ends[e], outline) <= height)
                        values[e] = n->text().toLongLong();
                }
            QVERIFY(values[1] > 1 && values[0] > values[1] && values[0] % values[1] == 0);
        }
    } else if (button == QStringLiteral("FindPrime")) {
        // One cell per number, its number inside; primes in one fill, the rest in another and struck out.
        const qint64 from = std::min(numbers.section(' ', 0, 0).toLongLong(), numbers.section(' ', 1, 1).toLongLong());
        QCOMPARE(p.cells.size(), p.numbers.size());
        std::map<bool, QSet<QRgb>> fills;
        for (qsizetype i = 0; i < p.numbers.size(); ++i) {
            const QGraphicsSimpleTextItem *n = p.numbers[i];
            QCOMPARE(n->text().toLongLong(), from + i);
            const bool prime = primeFactors(n->text().toLongLong()).size() == 1;
            const auto cell = std::find_if(p.cells.begin(), p.cells.end(),
                                           [&](const auto *c) { return c->rect().contains(n->sceneBoundingRect()); });
            QVERIFY(cell != p.cells.end() && (*cell)->brush().style() == Qt::SolidPattern);
            fills[prime] << (*cell)->brush().color().rgb();
            QCOMPARE(n->font().strikeOut(), !prime);
        }
        QVERIFY(fills[true].size() == 1 && fills[false].size() == 1 && fills[true] != fills[false]);
    } else {
        // Each factor inside the circles of the numbers it belongs to and outside the others, as many
        // copies of p in each region as the rule of exponents gives.
        QList<qint64> values;
        for (const QString &value : numbers.split(' '))
            values << std::abs(value.toLongLong());
        QCOMPARE(p.circles.size(), values.size());
        QList<QGraphicsSimpleTextItem *> labels; // outside every circle
        std::copy_if(p.numbers.begin(), p.numbers.end(), std::back_inserter(labels), [&](const auto *n) {
            return std::all_of(p.circles.begin(), p.circles.end(), [&](const auto *c) { return side(n->sceneBoundingRect(), c->rect()) < 0; });
        });
        QCOMPARE(labels.size(), values.size());
        QList<qsizetype> numberOfCircle; // the label nearest each circle
        for (const auto *circle : p.circles) {
            const auto label = std::min_element(labels.begin(), labels.end(), [&](const auto *a, const auto *b) {
                return QLineF(a->sceneBoundingRect().center(), circle->rect().center()).length()
                       < QLineF(b->sceneBoundingRect().center(), circle->rect().center()).length();
            });
            numberOfCircle << values.indexOf((*label)->text().toLongLong());
        }
        std::map<std::pair<unsigned, int>, int> drawn, expected; // (circles, prime): copies
        for (const auto *n : p.numbers) {
            unsigned members = 0;
            for (qsizetype c = 0; c < p.circles.size(); ++c) {
                const int s = side(n->sceneBoundingRect(), p.circles[c]->rect());
                QVERIFY2(s != 0, qPrintable(n->text() + " crosses a circle"));
                members |= (s == 1 ? 1u : 0u) << numberOfCircle[c];
            }
            if (members != 0)
                ++drawn[{members, n->text().toInt()}];
        }
        QList<int> primes;
        for (const qint64 v : values)
            primes << primeFactors(v);
        for (const int prime : QSet<int>(primes.begin(), primes.end())) {
            QList<int> e;
            for (const qint64 v : values)
                e << static_cast<int>(primeFactors(v).count(prime));
            const int all = *std::min_element(e.begin(), e.end());
            const unsigned full = (1u << values.size()) - 1;
            expected[{full, prime}] = all;
            for (int i = 0; i < values.size(); ++i) {
                int alone = e[i] - all;
                for (int j = 0; j < values.size() && values.size() == 3; ++j)
                    if (j != i) {
                        expected[{(1u << i) | (1u << j), prime}] = std::min(e[i], e[j]) - all;
                        alone -= std::min(e[i], e[j]) - all;
                    }
                expected[{1u << i, prime}] = alone;
            }
        }
        std::erase_if(expected, [](const auto &entry) { return entry.second == 0; });
        QCOMPARE(drawn, expected);
    }
}

void WorkingWindowTest::editLeavesTheNoticeOnBothPages_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<bool>("noticed");
    QTest::newRow("the HCF's working is gone") << "Find_HCF" << "12 18" << true;
    QTest::newRow("the primes' working stays") << "FindPrime" << "20 30" << false;
}

void WorkingWindowTest::editLeavesTheNoticeOnBothPages()
{
    QFETCH(QString, button);
    QFETCH(QString, numbers);
    QFETCH(bool, noticed);
    QGraphicsScene &scene = pictureOf(button, numbers);
    const QString description = view()->accessibleDescription();
    QTest::keyClicks(control<QLineEdit>("Text1"), QStringLiteral(" 7"));

    const QString notice = QStringLiteral("The numbers have changed: run a command to see its working.");
    const Picture p = itemsOf(scene);
    QCOMPARE(working()->findChild<QPlainTextEdit *>()->toPlainText() == notice, noticed);
    QCOMPARE(view()->accessibleDescription(), noticed ? notice : description);
    if (noticed)
        QVERIFY(scene.items().size() == 1 && p.texts.size() == 1 && p.texts.front()->text() == notice);
    // The window opens again on the page chosen last.
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
}

void WorkingWindowTest::saveWritesEachKind()
{
    QFETCH(QString, file);
    QGraphicsScene &scene = pictureOf("Factorize", "360");
    const QTemporaryDir dir;
    const QString path = dir.filePath(file);
    QVERIFY(working()->saveTo(path));
    QVERIFY(boxes->seen.isEmpty());
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    const QString steps = working()->findChild<QPlainTextEdit *>()->toPlainText();

    if (file.endsWith(".txt")) {
        QCOMPARE(bytes, steps.toUtf8());
        QVERIFY(!bytes.contains('\r'));
    } else if (file.endsWith(".svg")) {
        QVERIFY(QSvgRenderer(bytes).isValid());
        for (const QString &text : {QStringLiteral(">360<"), QStringLiteral(">360 = 2^3 x 3^2 x 5<"), view()->accessibleDescription()})
            QVERIFY2(QString::fromUtf8(bytes).contains(text), qPrintable(text));
    } else if (file.endsWith(".png")) {
        QCOMPARE(QImage::fromData(bytes, "PNG").size(), (2 * scene.sceneRect().size()).toSize());
    } else {
        QVERIFY(bytes.startsWith("%PDF-"));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {path});
        QVERIFY(info.waitForFinished());
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
        for (int page = 1; page <= 2; ++page) {
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {"-f", QString::number(page), "-l", QString::number(page), path, "-"});
            QVERIFY(text.waitForFinished());
            const QString found = QString::fromUtf8(text.readAllStandardOutput());
            QVERIFY2(found.contains(page == 1 ? "Factors of 360" : "18") && found.contains("360 = 2^3 x 3^2 x 5"), qPrintable(found));
        }
    }
}

void WorkingWindowTest::failedSaveSaysWhyAndLeavesNothing()
{
    pictureOf("Factorize", "360");
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/working.png"));
    QVERIFY(!working()->saveTo(path));
    QCOMPARE(boxes->seen.size(), 1);
    QCOMPARE(boxes->seen.front().icon, QMessageBox::Critical);
    QVERIFY2(boxes->seen.front().text.contains(path) && boxes->seen.front().text.contains("No such file or directory"),
             qPrintable(boxes->seen.front().text));
    QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

int main(int argc, char *argv[])
{
    return runWindowSuite<WorkingWindowTest>(argc, argv);
}

#include "WorkingWindowTest.moc"
