// Drives the real window with mouse and key events on the offscreen platform,
// finding every control by its object name.

#include "CaptionLabel.h"
#include "CommandShell.h"
#include "WindowSuiteMain.h"
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <stdexcept>

using Captions = QMap<QString, QString>;

namespace {

const QString Title = QStringLiteral("Factors, HCF & LCM");

// The six captions that editing the numbers box puts back.
const Captions WaitingCaptions{
    {"Label1", "Factors ??"}, {"Lblcm", "LCM ?"},     {"Label4", "LCM Factors ??"},
    {"Frame2", "Factors of the 1st number"}, {"Label2", ".."}, {"Label8", "HCF ?"},
};

// The shown text of a factor repeated: " 2 x 2 x 2" for ("2", 3).
QString joinedFactors(const QString &factor, int times)
{
    QString text;
    for (int i = 0; i < times; ++i)
        text += QStringLiteral(" x ") + factor;
    return text.mid(2);
}

QString numbersText(int count)
{
    QStringList numbers;
    for (int i = 1; i <= count; ++i)
        numbers << QString::number(i);
    return numbers.join(' ');
}

} // namespace

class WindowTest : public WindowFixture {
    Q_OBJECT

private slots:
    void startsWithDesignCaptions();
    void keyboardStartsOnFindLcm_data();
    void keyboardStartsOnFindLcm();
    void tabOrderVisitsInputsInOrder();

    void commandShowsResult_data();
    void commandShowsResult();
    void refusalKeepsWaitingCaptions_data();
    void refusalKeepsWaitingCaptions();
    void primesFillListInOrder_data();
    void primesFillListInOrder();
    void refusedBoundIsResetAndReported_data();
    void refusedBoundIsResetAndReported();

    void editingResetsOnlyForNumbersBox_data();
    void editingResetsOnlyForNumbersBox();
    void autoSizeLabelsFollowTheirCaption();

    void unexpectedErrorIsReportedAndWindowKeepsWorking();
    void commandLeavesItsCaptionsShown_data();
    void commandLeavesItsCaptionsShown();

    void gameThatCannotStartLeavesWindowOpen_data();
    void gameThatCannotStartLeavesWindowOpen();

private:
    QString caption(const QString &name) const;
    int rowCount(const QString &list) const;
    QString rowText(const QString &list, int row) const;
    void type(const QString &box, const QString &text);
    void compareCaptions(const Captions &expected) const;
    void verifyCursorIsNormal() const;
    void verifyOneBox(const QString &message) const;

};

QString WindowTest::caption(const QString &name) const
{
    QObject *object = control<QObject>(name);
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    if (auto *frame = qobject_cast<QGroupBox *>(object))
        return frame->title();
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        return button->text();
    if (auto *edit = qobject_cast<QLineEdit *>(object))
        return edit->text();
    return QStringLiteral("<no caption>");
}

int WindowTest::rowCount(const QString &list) const
{
    return control<QAbstractItemView>(list)->model()->rowCount();
}

QString WindowTest::rowText(const QString &list, int row) const
{
    const QAbstractItemModel *model = control<QAbstractItemView>(list)->model();
    return model->data(model->index(row, 0)).toString();
}

// Replaces the text of a box the way a user does: select all, delete, type.
void WindowTest::type(const QString &box, const QString &text)
{
    auto *edit = control<QLineEdit>(box);
    edit->setFocus();
    edit->selectAll();
    if (!edit->text().isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    QCOMPARE(edit->text(), text);
}

void WindowTest::compareCaptions(const Captions &expected) const
{
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(caption(it.key()), it.value());
}

void WindowTest::verifyCursorIsNormal() const
{
    QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
}

// Exactly one critical box with the application's title, OK alone and the
// message as plain text, shown while the window had the busy cursor.
void WindowTest::verifyOneBox(const QString &message) const
{
    QCOMPARE(boxes->seen.size(), 1);
    const BoxWatcher::SeenBox &box = boxes->seen.first();
    QCOMPARE(box.text, message);
    QCOMPARE(box.title, Title);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.format, Qt::PlainText);
}

void WindowTest::startsWithDesignCaptions()
{
    compareCaptions({
        {"Text1", "262144 16"},       {"Text2_0", "1"},         {"Text2_1", "10"},
        {"Label1", "Factors=??"},     {"Label2", "."},          {"Lblcm", "LCM = ?"},
        {"Label4", "LCM Factors ??"}, {"Label8", "HCF = ?"},    {"Label12", "Primes..."},
        {"Label13", "225000"},        {"Frame2", "Factors of the 1st number"},
        {"Factorize", "Factors ??"},  {"Find_HCF", "HCF ?"},    {"Find_LCM", "LCM ?"},
    });
    QCOMPARE(rowCount("List1"), 0);
    QVERIFY(control<QLabel>("Label1")->toolTip().isEmpty());
    QCOMPARE(window->windowTitle(), QStringLiteral("Factorization, HCF & LCM of Numbers"));
    QCOMPARE(QApplication::applicationName(), QStringLiteral("hcflcm")); // the window class docks match
    QCOMPARE(window->windowIcon().availableSizes(),
             (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
    QCOMPARE(window->centralWidget()->size(), QSize(612, 408));
    QCOMPARE(window->centralWidget()->y(), window->menuBar()->height());

    const QList<QAction *> entries = window->menuBar()->actions();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0]->objectName(), QStringLiteral("Exit"));
    QCOMPARE(entries[0]->text(), QStringLiteral("E&xit"));
    QCOMPARE(entries[1]->objectName(), QStringLiteral("Backz"));
    QCOMPARE(entries[1]->text(), QStringLiteral("&Game"));
    QVERIFY(entries[0]->menu() == nullptr && entries[1]->menu() == nullptr);
}

void WindowTest::keyboardStartsOnFindLcm_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
}

void WindowTest::keyboardStartsOnFindLcm()
{
    QFETCH(int, key);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(QApplication::focusWidget(), control<QWidget>("Find_LCM"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    compareCaptions({{"Lblcm", "LCM = 262144"}, {"Label4", "LCM Factors:  2 x 4 x 2 x 16384"}});
}

void WindowTest::tabOrderVisitsInputsInOrder()
{
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const QStringList order{"Factorize", "Find_HCF", "Text1", "Text2_0", "Text2_1", "FindPrime", "List1", "Find_LCM"};
    for (const QString &next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
}

void WindowTest::commandShowsResult_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<Captions>("expected");
    QTest::addColumn<QString>("suffix");

    const QString factor = QStringLiteral("Factor");
    QTest::newRow("factors of 12") << "Factorize" << "12"
                                   << Captions{{"Frame2", "Factors of the no. 12"}, {"Label1", " 2 x 2 x 3"}} << factor;
    QTest::newRow("factors of the first number only")
        << "Factorize" << "262144 16"
        << Captions{{"Frame2", "Factors of the no. 262144"}, {"Label1", joinedFactors("2", 18)}} << factor;
    QTest::newRow("factors of a negative number")
        << "Factorize" << "-12" << Captions{{"Frame2", "Factors of the no. -12"}, {"Label1", "1"}} << factor;

    const QString hcf = QStringLiteral("HCF");
    QTest::newRow("hcf of three") << "Find_HCF" << "12 18 30" << Captions{{"Label8", "HCF = 6"}} << hcf;
    QTest::newRow("hcf of the smallest Long")
        << "Find_HCF" << "-2147483648 0" << Captions{{"Label8", "HCF = 2147483648"}} << hcf;

    const QString lcm = QStringLiteral("LCM");
    QTest::newRow("lcm ladder of two") << "Find_LCM" << "262144 16"
                                       << Captions{{"Lblcm", "LCM = 262144"}, {"Label4", "LCM Factors:  2 x 4 x 2 x 16384"}}
                                       << lcm;
    QTest::newRow("lcm with zero") << "Find_LCM" << "0 5" << Captions{{"Lblcm", "LCM = 0"}, {"Label4", "LCM Factors:  0"}}
                                   << lcm;
    QTest::newRow("lcm of one") << "Find_LCM" << "1" << Captions{{"Lblcm", "LCM = 1"}, {"Label4", "LCM Factors: 1"}} << lcm;
    QTest::newRow("lcm beyond the Long range")
        << "Find_LCM" << "65536 65537"
        << Captions{{"Lblcm", "LCM = 4295032832"}, {"Label4", "LCM Factors:  65536 x 65537"}} << lcm;
    QTest::newRow("lcm beyond 64 bits")
        << "Find_LCM" << "2147483647 2147483646 2147483645"
        << Captions{{"Lblcm", "LCM = 9903520286612926112250986490"},
                    {"Label4", "LCM Factors:  2147483647 x 2147483646 x 2147483645"}}
        << lcm;
}

void WindowTest::commandShowsResult()
{
    QFETCH(QString, button);
    QFETCH(QString, numbers);
    QFETCH(Captions, expected);
    QFETCH(QString, suffix);

    type("Text1", numbers);
    click(button);

    compareCaptions(expected);
    const QRegularExpression status(QStringLiteral("^\\d+ ms \\(%1\\)$").arg(suffix));
    QVERIFY2(status.match(caption("Label2")).hasMatch(), qPrintable(caption("Label2")));
    if (button == QStringLiteral("Factorize"))
        QCOMPARE(control<QLabel>("Label1")->toolTip(), caption("Label1"));
    QVERIFY(boxes->seen.isEmpty());
    verifyCursorIsNormal();
}

void WindowTest::refusalKeepsWaitingCaptions_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Captions>("expected");

    const Captions factorWaiting{{"Label1", "Factors ??"}, {"Frame2", "Factors of the 1st number"}};
    const Captions hcfWaiting{{"Label8", "HCF ?"}};
    const Captions lcmWaiting{{"Lblcm", "LCM ?"}, {"Label4", "LCM Factors ??"}};

    QTest::newRow("factors of nothing") << "Factorize" << "" << "Enter at least one number." << factorWaiting;
    QTest::newRow("hcf of one number") << "Find_HCF" << "12" << "You must have two numbers to Find HCF." << hcfWaiting;
    QTest::newRow("hcf out of range")
        << "Find_HCF" << "5 99999999999"
        << "\"99999999999\" is out of range: enter numbers from -2147483648 to 2147483647." << hcfWaiting;
    QTest::newRow("lcm of nothing") << "Find_LCM" << "   " << "Enter at least one number." << lcmWaiting;
    QTest::newRow("lcm of 102 numbers") << "Find_LCM" << numbersText(102) << "Enter at most 101 numbers." << lcmWaiting;
    QTest::newRow("markup is shown as typed")
        << "Find_LCM" << "<b>1</b>" << "\"<b>1</b>\" is not a number." << lcmWaiting;
}

void WindowTest::refusalKeepsWaitingCaptions()
{
    QFETCH(QString, button);
    QFETCH(QString, numbers);
    QFETCH(QString, message);
    QFETCH(Captions, expected);

    type("Text1", numbers);
    click(button);

    verifyOneBox(message);
    QCOMPARE(boxes->seen.first().ownerCursor, Qt::WaitCursor);
    compareCaptions(expected);
    QCOMPARE(caption("Label2"), QStringLiteral("Pl. wait..."));
    verifyCursorIsNormal();
}

void WindowTest::primesFillListInOrder_data()
{
    QTest::addColumn<QString>("box1");
    QTest::addColumn<QString>("box2");
    QTest::addColumn<QStringList>("head");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("run"); // "click" on FIND, or the Enter key in box "Text2_0" or "Text2_1"

    QTest::newRow("starting bounds") << "1" << "10" << QStringList{"2", "3", "5", "7"} << 4 << "7" << "click";
    QTest::newRow("bounds either way round") << "10" << "1" << QStringList{"2", "3", "5", "7"} << 4 << "7" << "click";
    QTest::newRow("no prime") << "1" << "1" << QStringList{} << 0 << "" << "click";
    QTest::newRow("rounded bounds") << "2.5" << "3.5" << QStringList{"2", "3"} << 2 << "3" << "click";
    QTest::newRow("widest range") << "225000" << "1" << QStringList{"2", "3", "5", "7"} << 20020 << "224993" << "click";
    QTest::newRow("Enter in box 1") << "20" << "30" << QStringList{"23", "29"} << 2 << "29" << "Text2_0";
    QTest::newRow("keypad Enter in box 2") << "20" << "30" << QStringList{"23", "29"} << 2 << "29" << "Text2_1";
}

void WindowTest::primesFillListInOrder()
{
    QFETCH(QString, box1);
    QFETCH(QString, box2);
    QFETCH(QStringList, head);
    QFETCH(int, count);
    QFETCH(QString, last);
    QFETCH(QString, run);

    type("Text2_0", box1);
    type("Text2_1", box2);
    if (run == QStringLiteral("click"))
        click("FindPrime");
    else if (run == QStringLiteral("Text2_0"))
        QTest::keyClick(control<QLineEdit>(run), Qt::Key_Return);
    else
        QTest::keyClick(control<QLineEdit>(run), Qt::Key_Enter, Qt::KeypadModifier);

    QCOMPARE(rowCount("List1"), count);
    for (int i = 0; i < head.size(); ++i)
        QCOMPARE(rowText("List1", i), head[i]);
    if (count > 0)
        QCOMPARE(rowText("List1", count - 1), last);
    QCOMPARE(caption("Label12"), QStringLiteral("%1 Primes").arg(count));
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d+ ms \\(Prime\\)$")).match(caption("Label2")).hasMatch(),
             qPrintable(caption("Label2")));
    compareCaptions({{"Text2_0", box1}, {"Text2_1", box2}});
    QVERIFY(boxes->seen.isEmpty());
    verifyCursorIsNormal();
}

void WindowTest::refusedBoundIsResetAndReported_data()
{
    QTest::addColumn<QString>("box1");
    QTest::addColumn<QString>("box2");
    QTest::addColumn<int>("refusedBox");

    QTest::newRow("zero in box 1") << "0" << "10" << 1;
    QTest::newRow("both invalid: only box 1") << "abc" << "xyz" << 1;
    QTest::newRow("empty box 2") << "5" << "" << 2;
    QTest::newRow("too large in box 2") << "5" << "225001" << 2;
}

void WindowTest::refusedBoundIsResetAndReported()
{
    QFETCH(QString, box1);
    QFETCH(QString, box2);
    QFETCH(int, refusedBox);

    click("FindPrime"); // the starting bounds list 2, 3, 5, 7
    QCOMPARE(rowCount("List1"), 4);

    type("Text2_0", box1);
    type("Text2_1", box2);
    click("FindPrime");

    verifyOneBox(QStringLiteral("Enter positive valid number in Box %1.").arg(refusedBox));
    QCOMPARE(boxes->seen.first().ownerCursor, Qt::WaitCursor);

    compareCaptions({
        {"Text2_0", refusedBox == 1 ? QStringLiteral("1") : box1},
        {"Text2_1", refusedBox == 2 ? QStringLiteral("1") : box2},
        {"Label12", "Finding..."},
        {"Label2", "Prime Time?"},
    });
    QCOMPARE(rowCount("List1"), 4);
    verifyCursorIsNormal();
}

void WindowTest::editingResetsOnlyForNumbersBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("resets");
    QTest::newRow("numbers box") << "Text1" << true;
    QTest::newRow("bound box 1") << "Text2_0" << false;
    QTest::newRow("bound box 2") << "Text2_1" << false;
}

void WindowTest::editingResetsOnlyForNumbersBox()
{
    QFETCH(QString, box);
    QFETCH(bool, resets);

    click("FindPrime");
    click("Factorize");
    click("Find_HCF");
    click("Find_LCM");
    const Captions results{
        {"Label1", joinedFactors("2", 18)}, {"Lblcm", "LCM = 262144"},
        {"Label4", "LCM Factors:  2 x 4 x 2 x 16384"}, {"Frame2", "Factors of the no. 262144"},
        {"Label8", "HCF = 16"},
    };
    compareCaptions(results);
    const QString status = caption("Label2");
    const QString tip = control<QLabel>("Label1")->toolTip();

    QTest::keyClicks(control<QLineEdit>(box), QStringLiteral("7"));

    compareCaptions(resets ? WaitingCaptions : results);
    if (!resets)
        QCOMPARE(caption("Label2"), status);
    QCOMPARE(control<QLabel>("Label1")->toolTip(), tip);
    QCOMPARE(rowCount("List1"), 4);
    QCOMPARE(caption("Label12"), QStringLiteral("4 Primes"));
}

void WindowTest::autoSizeLabelsFollowTheirCaption()
{
    auto *ladder = control<QLabel>("Label4");
    auto *factors = control<QLabel>("Label1");
    const QPoint ladderCorner = ladder->pos();
    const int ladderWidth = ladder->width();
    const QSize factorsSize = factors->size();

    type("Text1", "1073741824 3");
    click("Factorize");
    click("Find_LCM");

    QCOMPARE(ladder->text(), QStringLiteral("LCM Factors:  1073741824 x 3"));
    QCOMPARE(ladder->pos(), ladderCorner);
    QVERIFY(ladder->width() > ladderWidth);
    QCOMPARE(ladder->width(), ladder->sizeHint().width());

    QCOMPARE(factors->text(), joinedFactors("2", 30));
    QCOMPARE(factors->size(), factorsSize);
    QVERIFY(factors->wordWrap());
}

void WindowTest::unexpectedErrorIsReportedAndWindowKeepsWorking()
{
    CommandShell shell(*window);
    shell.run([&] {
        shell.startClock();
        throw std::runtime_error("bad ladder");
    });

    QCOMPARE(boxes->seen.size(), 1);
    const QString shown = boxes->seen.first().text;
    QVERIFY2(shown.contains(QStringLiteral("bad ladder")), qPrintable(shown));
    verifyOneBox(shown);
    QCOMPARE(boxes->seen.first().ownerCursor, Qt::WaitCursor);
    verifyCursorIsNormal();

    click("Find_LCM");
    QCOMPARE(caption("Lblcm"), QStringLiteral("LCM = 262144"));
}

void WindowTest::commandLeavesItsCaptionsShown_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("shown"); // caption: the text the window shows after the click; "time" for an elapsed time
    QTest::addColumn<bool>("refused");
    QTest::newRow("factors: results, then the time")
        << "12" << "Factorize" << QStringList{"Label1:  2 x 2 x 3", "Label2: time"} << false;
    QTest::newRow("HCF: result, then the time") << "12 18" << "Find_HCF" << QStringList{"Label8: HCF = 6", "Label2: time"} << false;
    QTest::newRow("LCM: value, the time, then the ladder")
        << "12 18" << "Find_LCM" << QStringList{"Lblcm: LCM = 36", "Label2: time", "Label4: LCM Factors:  2 x 3 x 2 x 3"} << false;
    QTest::newRow("primes: the count and the time")
        << "12" << "FindPrime" << QStringList{"Label12: 4 Primes", "Label2: time"} << false;
    // Behind the refusal's box the waiting texts stay: no result and no time.
    QTest::newRow("refused: no result and no time")
        << "12" << "Find_HCF" << QStringList{"Label8: HCF ?", "Label2: Pl. wait..."} << true;
}

void WindowTest::commandLeavesItsCaptionsShown()
{
    QFETCH(QString, numbers);
    QFETCH(QString, button);
    QFETCH(QStringList, shown);
    QFETCH(bool, refused);
    type("Text1", numbers);
    click(button);
    QStringList seen;
    for (const QString &expected : shown) {
        const QString label = expected.section(QStringLiteral(": "), 0, 0);
        const QString text = caption(label);
        const bool time = text.contains(QRegularExpression(QStringLiteral("^\\d+ ms ")));
        seen << label + QStringLiteral(": ") + (time ? QStringLiteral("time") : text);
    }
    QCOMPARE(seen, shown);
    QCOMPARE(boxes->seen.size(), refused ? 1 : 0);
    verifyCursorIsNormal();
}

void WindowTest::gameThatCannotStartLeavesWindowOpen_data()
{
    QTest::addColumn<bool>("withPlainFile");
    QTest::newRow("no game in the directory") << false;
    QTest::newRow("game file not executable") << true;
}

void WindowTest::gameThatCannotStartLeavesWindowOpen()
{
    QFETCH(bool, withPlainFile);
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    if (withPlainFile) {
        QFile game(directory.filePath(QStringLiteral("Marbleton.exe")));
        QVERIFY(game.open(QIODevice::WriteOnly));
        game.write("not a program\n");
    }
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(directory.path()));

    QMenuBar *menu = window->menuBar();
    QAction *game = control<QAction>("Backz");
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(game).center());
    QDir::setCurrent(previous);

    verifyOneBox(QStringLiteral("Could not start \"Marbleton.exe\" in %1.")
                     .arg(QDir::toNativeSeparators(directory.path())));
    QVERIFY(window->isVisible());
}

int main(int argc, char *argv[])
{
    return runWindowSuite<WindowTest>(argc, argv);
}

#include "WindowTest.moc"
