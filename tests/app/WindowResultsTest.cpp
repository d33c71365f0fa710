// What a user takes out of the window: captions that stay whole however long,
// what Copy, Copy All and Ctrl+C put on the clipboard, the prime list after a
// refill, a long paste, and the Working window with its menu entry.

#include "CaptionLabel.h"
#include "WindowSuiteMain.h"
#include "WindowFixture.h"

#include "Factorizer.h"
#include "Hcf.h"
#include "LcmLadder.h"
#include "Texts.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

QString rangeText(qint64 from, qint64 to)
{
    QStringList numbers;
    for (qint64 value = from; value <= to; ++value)
        numbers << QString::number(value);
    return numbers.join(' ');
}

// The LCM of the numbers in text, as the core gives it (checked against GMP there).
QString foldedLcm(const QString &text)
{
    std::vector<std::int32_t> values;
    for (const QString &token : text.split(' ', Qt::SkipEmptyParts))
        values.push_back(token.toInt());
    return QString::fromStdString(numbers::LcmLadder::of(values).value.decimal());
}

std::vector<std::int32_t> valuesOf(const QString &text)
{
    std::vector<std::int32_t> values;
    for (const QString &token : text.split(' ', Qt::SkipEmptyParts))
        values.push_back(token.toInt());
    return values;
}

QString lines(const QStringList &primes)
{
    QString text;
    for (const QString &prime : primes)
        text += prime + '\n';
    return text;
}

} // namespace

class WindowResultsTest : public WindowFixture {
    Q_OBJECT

private slots:
    // The room rule and whole texts.
    void longCaptionStaysInItsRoomAndWhole_data();
    void longCaptionStaysInItsRoomAndWhole();
    void captionThatFitsIsNotCut_data();
    void captionThatFitsIsNotCut();
    void tooltipLinesKeepEveryCharacter_data();
    void tooltipLinesKeepEveryCharacter();

    // The clipboard.
    void captionCopyPutsWholeTrimmedCaption_data();
    void captionCopyPutsWholeTrimmedCaption();
    void listCopiesPrimesAscendingOnePerLine_data();
    void listCopiesPrimesAscendingOnePerLine();

    // Input and list state.
    void refilledListStartsAtTopUnselected();
    void pasteIsKeptWhole_data();
    void pasteIsKeptWhole();

    // The Working window.
    void workingEntryEnabledOnlyOnResults_data();
    void workingEntryEnabledOnlyOnResults();
    void workingWindowOpensOnTheCaptionsWorking_data();
    void workingWindowOpensOnTheCaptionsWorking();
    void workingWindowFollowsResultsAndEdits();
    void workingWindowIsReadOnlyFixedPitchAndClosesOnEsc();

private:
    void setNumbers(const QString &numbers);
    void listPrimes(const QString &from, const QString &to);
    // Opens widget's right-click menu and notes each entry's enabled state;
    // chooses the entry named choose when it is enabled.
    QMap<QString, bool> menuOf(QWidget *widget, const QString &choose = {});
    // The Working window; none until it is first opened.
    QWidget *workingWindow() const { return window->findChild<QWidget *>(QStringLiteral("Working")); }
    bool workingShown() const { return workingWindow() != nullptr && workingWindow()->isVisible(); }
    QString workingText() const { return workingWindow()->findChild<QPlainTextEdit *>()->toPlainText(); }

    QMap<QString, QKeySequence> shownShortcuts; // the shortcut each menu entry shows
};

void WindowResultsTest::setNumbers(const QString &numbers)
{
    control<QLineEdit>("Text1")->setText(numbers);
}

void WindowResultsTest::listPrimes(const QString &from, const QString &to)
{
    control<QLineEdit>("Text2_0")->setText(from);
    control<QLineEdit>("Text2_1")->setText(to);
    click("FindPrime");
}

QMap<QString, bool> WindowResultsTest::menuOf(QWidget *widget, const QString &choose)
{
    QMap<QString, bool> entries;
    QTimer::singleShot(0, widget, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        QAction *chosen = nullptr;
        for (QAction *entry : menu->actions()) {
            if (entry->isSeparator())
                continue;
            entries.insert(entry->text(), entry->isEnabled());
            if (!entry->shortcut().isEmpty())
                shownShortcuts.insert(entry->text(), entry->shortcut());
            if (entry->text() == choose && entry->isEnabled())
                chosen = entry;
        }
        menu->close();
        if (chosen != nullptr)
            chosen->trigger();
    });
    const QPoint inside(2, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, widget->mapToGlobal(inside));
    QApplication::sendEvent(widget, &event);
    return entries;
}

// ---- The room rule -------------------------------------------------------

void WindowResultsTest::longCaptionStaysInItsRoomAndWhole_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected"); // the whole caption

    const QString top101 = rangeText(2147483547, 2147483647);
    QTest::newRow("LCM of the 101 numbers below 2^31: 809 digits")
        << top101 << "Find_LCM" << "Lblcm" << "LCM = " + foldedLcm(top101);
    QTest::newRow("LCM with 11 digits, once under the button")
        << "100000 100003" << "Find_LCM" << "Lblcm" << "LCM = 10000300000";
    QTest::newRow("ladder of 1 to 20, once cut at the frame")
        << rangeText(1, 20) << "Find_LCM" << "Label4" << QString();
    QTest::newRow("ladder of the 101 numbers below 2^31") << top101 << "Find_LCM" << "Label4" << QString();
    QTest::newRow("the widest HCF") << "-2147483648 0" << "Find_HCF" << "Label8" << "HCF = 2147483648";
    QTest::newRow("the longest factor list, in its fixed box")
        << "1073741824" << "Factorize" << "Label1" << QString(" 2" + QString(" x 2").repeated(29));
}

void WindowResultsTest::longCaptionStaysInItsRoomAndWhole()
{
    QFETCH(QString, numbers);
    QFETCH(QString, button);
    QFETCH(QString, label);
    QFETCH(QString, expected);

    setNumbers(numbers);
    click(button);
    auto *caption = control<CaptionLabel>(label);
    if (!expected.isEmpty())
        QCOMPARE(caption->text(), expected);
    // A screen reader gets the whole caption.
    const QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(caption);
    QVERIFY(reader != nullptr);
    QVERIFY(reader->text(QAccessible::Name) == caption->text()
            || reader->text(QAccessible::Description) == caption->text());

    // Inside the frame's inner edge.
    auto *frame = qobject_cast<QGroupBox *>(caption->parentWidget());
    QVERIFY(frame != nullptr);
    const int inner = frame->width() - frame->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, frame);
    const QRect place = caption->geometry();
    QVERIFY2(place.left() >= 0 && place.right() < inner,
             qPrintable(QStringLiteral("%1 ends at %2, frame inside ends at %3").arg(label).arg(place.right()).arg(inner)));

    // Clear of every button of the frame whose rows it shares, except the fixed
    // factor box, which the button covers by design.
    if (label != QStringLiteral("Label1")) {
        for (const QPushButton *pushButton : frame->findChildren<QPushButton *>()) {
            const QRect buttonPlace = pushButton->geometry();
            const bool sharesRows = buttonPlace.top() <= place.bottom() && buttonPlace.bottom() >= place.top();
            if (sharesRows)
                QVERIFY2(place.right() < buttonPlace.left(), qPrintable(label + " runs under " + pushButton->objectName()));
        }
    }

    // The tooltip is the whole caption; shown, it is broken into lines that fit the screen.
    QCOMPARE(caption->toolTip(), caption->text());
    const QPoint inside(2, 2);
    QHelpEvent hover(QEvent::ToolTip, inside, caption->mapToGlobal(inside));
    QApplication::sendEvent(caption, &hover);
    const QString shown = QToolTip::text();
    QToolTip::hideText();
    QCOMPARE(QString(shown).remove('\n'), caption->text());
    const QFontMetrics metrics(QToolTip::font());
    const int screenWidth = caption->screen()->availableGeometry().width();
    for (const QString &line : shown.split('\n'))
        QVERIFY2(metrics.horizontalAdvance(line) <= screenWidth, qPrintable(line));
}

void WindowResultsTest::captionThatFitsIsNotCut_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("label");
    QTest::newRow("LCM = 262144") << "262144 16" << "Find_LCM" << "Lblcm";
    QTest::newRow("LCM ladder of two") << "262144 16" << "Find_LCM" << "Label4";
    QTest::newRow("HCF = 16") << "262144 16" << "Find_HCF" << "Label8";
}

void WindowResultsTest::captionThatFitsIsNotCut()
{
    QFETCH(QString, numbers);
    QFETCH(QString, button);
    QFETCH(QString, label);
    setNumbers(numbers);
    click(button);
    auto *caption = control<CaptionLabel>(label);
    QVERIFY(!caption->isCutShort());
    QCOMPARE(caption->size(), caption->sizeHint());
}

void WindowResultsTest::tooltipLinesKeepEveryCharacter_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<bool>("broken");
    QTest::addColumn<QFont>("font");
    const QFont tip = QToolTip::font();
    const QString digits = "LCM = " + QString("1234567890").repeated(90);
    QTest::newRow("fits: unchanged") << "LCM = 262144" << 1000 << false << tip;
    QTest::newRow("long LCM: broken between digits") << digits << 200 << true << tip;
    QTest::newRow("factor ladder: broken after blanks")
        << "LCM Factors: " + QString(" 2 x 3 x").repeated(60) + " 5" << 150 << true << tip;
    QTest::newRow("a width below one character") << "12 34" << 1 << true << tip;
    // Widths added up character by character fell short of the line's own in
    // these fonts, so lines came out wider than allowed.
    for (const char *family : {"Liberation Mono", "Liberation Sans", "Liberation Serif"}) {
        for (const double points : {8.25, 9.0, 10.5}) {
            QFont font(QString::fromLatin1(family));
            font.setPointSizeF(points);
            QTest::addRow("long LCM in %s %gpt: lines measured whole", family, points) << digits << 200 << true << font;
        }
    }
}

void WindowResultsTest::tooltipLinesKeepEveryCharacter()
{
    QFETCH(QString, caption);
    QFETCH(int, maxWidth);
    QFETCH(bool, broken);
    QFETCH(QFont, font);
    const QFontMetrics metrics(font);
    const QString tip = CaptionLabel::brokenIntoLines(caption, metrics, maxWidth);
    QCOMPARE(QString(tip).remove('\n'), caption);
    QCOMPARE(tip.contains('\n'), broken);
    const QStringList tipLines = tip.split('\n');
    for (const QString &line : tipLines) {
        QVERIFY(!line.isEmpty());
        QVERIFY2(line.size() == 1 || metrics.horizontalAdvance(line) <= maxWidth, qPrintable(line));
        // No line but the last is left short: "LCM = " alone above the digits reads badly.
        if (&line != &tipLines.last())
            QVERIFY2(metrics.horizontalAdvance(line) >= maxWidth / 2, qPrintable(line));
    }
    if (QTest::currentDataTag() == QByteArray("factor ladder: broken after blanks")) {
        for (const QString &line : tipLines.mid(0, tipLines.size() - 1))
            QVERIFY2(line.endsWith(' '), qPrintable(line));
    }
}

// ---- The clipboard -------------------------------------------------------

void WindowResultsTest::captionCopyPutsWholeTrimmedCaption_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("copied");
    const QString top101 = rangeText(2147483547, 2147483647);
    QTest::newRow("factors: leading blank trimmed") << "12" << "Label1" << "2 x 2 x 3";
    QTest::newRow("HCF") << "12 18 30" << "Label8" << "HCF = 6";
    QTest::newRow("LCM") << "262144 16" << "Lblcm" << "LCM = 262144";
    QTest::newRow("LCM factors") << "262144 16" << "Label4" << "LCM Factors:  2 x 4 x 2 x 16384";
    QTest::newRow("LCM cut short on screen, whole on the clipboard")
        << top101 << "Lblcm" << "LCM = " + foldedLcm(top101);
    QTest::newRow("prime count") << "262144 16" << "Label12" << "4 Primes";
    QTest::newRow("status line") << "262144 16" << "Label2" << QString();
}

void WindowResultsTest::captionCopyPutsWholeTrimmedCaption()
{
    QFETCH(QString, numbers);
    QFETCH(QString, label);
    QFETCH(QString, copied);
    setNumbers(numbers);
    click("Factorize");
    click("Find_HCF");
    click("Find_LCM");
    listPrimes("1", "10");
    auto *caption = control<CaptionLabel>(label);
    if (copied.isEmpty())
        copied = caption->text().trimmed();

    const QMap<QString, bool> entries = menuOf(caption, QStringLiteral("&Copy"));
    QVERIFY(entries.value(QStringLiteral("&Copy")));
    QCOMPARE(QApplication::clipboard()->text(), copied);
}

void WindowResultsTest::listCopiesPrimesAscendingOnePerLine_data()
{
    QTest::addColumn<QList<int>>("clicks");      // rows clicked, in order
    QTest::addColumn<QList<int>>("modifiers");   // the modifier held for each click
    QTest::addColumn<QString>("how");            // "Ctrl+C", "Copy" or "Copy All"
    QTest::addColumn<QStringList>("copied");

    const int none = Qt::NoModifier;
    const int shift = Qt::ShiftModifier;
    const int ctrl = Qt::ControlModifier;
    // The primes 1..30: 2 3 5 7 11 13 17 19 23 29
    QTest::newRow("Ctrl+C copies the clicked row, not the current one only")
        << QList<int>{3} << QList<int>{none} << "Ctrl+C" << QStringList{"7"};
    QTest::newRow("Shift+click selects a range")
        << QList<int>{1, 4} << QList<int>{none, shift} << "Ctrl+C" << QStringList{"3", "5", "7", "11"};
    QTest::newRow("Ctrl+click picked out of order comes out ascending")
        << QList<int>{6, 0, 3} << QList<int>{none, ctrl, ctrl} << "Ctrl+C" << QStringList{"2", "7", "17"};
    QTest::newRow("Ctrl+A selects every prime")
        << QList<int>{-1} << QList<int>{none} << "Ctrl+C"
        << QStringList{"2", "3", "5", "7", "11", "13", "17", "19", "23", "29"};
    QTest::newRow("menu Copy copies the selection")
        << QList<int>{8, 2} << QList<int>{none, ctrl} << "Copy" << QStringList{"5", "23"};
    QTest::newRow("Ctrl+C with nothing selected keeps the clipboard")
        << QList<int>{} << QList<int>{} << "Ctrl+C" << QStringList{};
    QTest::newRow("Copy All ignores the selection")
        << QList<int>{2} << QList<int>{none} << "Copy All"
        << QStringList{"2", "3", "5", "7", "11", "13", "17", "19", "23", "29"};
}

void WindowResultsTest::listCopiesPrimesAscendingOnePerLine()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QList<int>, modifiers);
    QFETCH(QString, how);
    QFETCH(QStringList, copied);

    listPrimes("1", "30");
    auto *list = control<QAbstractItemView>("List1");
    QCOMPARE(list->model()->rowCount(), 10);
    list->setFocus();
    for (int i = 0; i < clicks.size(); ++i) {
        if (clicks[i] < 0) {
            QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
            continue;
        }
        const QModelIndex index = list->model()->index(clicks[i], 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::KeyboardModifiers(modifiers[i]),
                          list->visualRect(index).center());
    }

    QApplication::clipboard()->setText(QStringLiteral("kept"));
    if (how == QStringLiteral("Ctrl+C"))
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    else
        QVERIFY(menuOf(list->viewport(), how == QStringLiteral("Copy") ? "&Copy" : "Copy &All").size() == 3);

    const QString text = QApplication::clipboard()->text();
    QCOMPARE(text, copied.isEmpty() ? QStringLiteral("kept") : lines(copied));
    if (copied.isEmpty())
        return;
    for (const QChar character : text)
        QVERIFY(character == '\n' || (character >= '0' && character <= '9'));
}

// ---- Input and list state ------------------------------------------------

void WindowResultsTest::refilledListStartsAtTopUnselected()
{
    auto *list = control<QAbstractItemView>("List1");
    listPrimes("1", "100");
    list->scrollToBottom();
    list->setCurrentIndex(list->model()->index(list->model()->rowCount() - 1, 0));
    QVERIFY(list->verticalScrollBar()->value() > 0);
    QVERIFY(list->selectionModel()->hasSelection());

    listPrimes("1", "50");
    QCOMPARE(list->model()->rowCount(), 15);
    QCOMPARE(list->verticalScrollBar()->value(), 0);
    QCOMPARE(list->indexAt(QPoint(4, 4)).row(), 0);
    QVERIFY(!list->selectionModel()->hasSelection());
}

void WindowResultsTest::pasteIsKeptWhole_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("hcf");
    QTest::newRow("40,000 blanks: nothing cut at 32,767 characters")
        << QStringLiteral("12 18") + QString(40000, ' ') + QStringLiteral("5") << "HCF = 1";
    QTest::newRow("a line break between the numbers") << QStringLiteral("12\n18") << "HCF = 6";
    QTest::newRow("a no-break space between the numbers") << QStringLiteral("12\u00A018") << "HCF = 6";
}

void WindowResultsTest::pasteIsKeptWhole()
{
    QFETCH(QString, pasted);
    QFETCH(QString, hcf);
    QApplication::clipboard()->setText(pasted);
    auto *box = control<QLineEdit>("Text1");
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text().size(), pasted.size());

    click("Find_HCF");
    QVERIFY(boxes->seen.isEmpty());
    QCOMPARE(control<CaptionLabel>("Label8")->text(), hcf);
}

// ---- The Working window --------------------------------------------------

void WindowResultsTest::workingEntryEnabledOnlyOnResults_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QStringList>("buttons"); // clicked in order; "edit" types into the numbers box, "bad bound" into a bound box
    QTest::addColumn<QStringList>("enabled"); // captions whose entry is enabled afterwards; none: nothing is offered
    QTest::addColumn<QString>("copied");      // what Ctrl+Shift+C copies: the latest kept result's caption

    QTest::newRow("start texts") << "262144 16" << QStringList{} << QStringList{} << "";
    QTest::newRow("after each result")
        << "262144 16" << QStringList{"Factorize", "Find_HCF", "Find_LCM"}
        << QStringList{"Label1", "Label8", "Lblcm", "Label4"} << "LCM = 262144";
    QTest::newRow("waiting texts after an edit")
        << "262144 16" << QStringList{"Factorize", "Find_HCF", "Find_LCM", "edit"} << QStringList{} << "";
    QTest::newRow("waiting text of a refused HCF, other results kept")
        << "12" << QStringList{"Find_LCM", "Factorize", "Find_HCF"} << QStringList{"Label1", "Lblcm", "Label4"}
        << "2 x 2 x 3";
    QTest::newRow("waiting texts of a refused LCM after its result")
        << "5 x" << QStringList{"Find_HCF"} << QStringList{} << "";
    QTest::newRow("primes outlive an edit of the numbers")
        << "12 18" << QStringList{"Find_HCF", "FindPrime", "edit"} << QStringList{"Label12"} << "4 Primes";
    QTest::newRow("refused primes after their result: none kept")
        << "12 18" << QStringList{"FindPrime", "bad bound", "FindPrime"} << QStringList{} << "";
    QTest::newRow("the HCF after the primes")
        << "12 18" << QStringList{"FindPrime", "Find_HCF"} << QStringList{"Label8", "Label12"} << "HCF = 6";
}

void WindowResultsTest::workingEntryEnabledOnlyOnResults()
{
    QFETCH(QString, numbers);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, enabled);
    QFETCH(QString, copied);

    if (QTest::currentDataTag() == QByteArray("waiting texts of a refused LCM after its result")) {
        click("Find_LCM"); // a result for "262144 16"
        QVERIFY(menuOf(control<CaptionLabel>("Lblcm")).value("Show &Working"));
        setNumbers(numbers);
        click("Find_LCM"); // refused: "x" is not a number
        QCOMPARE(boxes->seen.size(), 1);
    } else if (numbers != control<QLineEdit>("Text1")->text()) {
        setNumbers(numbers);
    }
    for (const QString &button : buttons) {
        if (button == QStringLiteral("edit"))
            QTest::keyClicks(control<QLineEdit>("Text1"), QStringLiteral("7"));
        else if (button == QStringLiteral("bad bound"))
            control<QLineEdit>("Text2_0")->setText(QStringLiteral("0"));
        else
            click(button);
    }
    boxes->seen.clear();
    for (const char *label : {"Label1", "Label8", "Lblcm", "Label4", "Label12"}) {
        const QMap<QString, bool> entries = menuOf(control<CaptionLabel>(label));
        QCOMPARE(entries.keys(), (QList<QString>{"&Copy", "Show &Working"}));
        QVERIFY2(entries.value("Show &Working") == enabled.contains(label), label);
        QCOMPARE(shownShortcuts.value("Show &Working"), QKeySequence(QStringLiteral("Ctrl+Shift+W")));
    }
    QVERIFY(!workingShown());

    // A stale result is never offered: the shortcuts copy and open a kept one or nothing.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::clipboard()->text(), copied.isEmpty() ? QStringLiteral("kept") : copied);
    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(workingShown(), !enabled.isEmpty());
    QVERIFY(boxes->seen.isEmpty());
}

void WindowResultsTest::workingWindowOpensOnTheCaptionsWorking_data()
{
    QTest::addColumn<QString>("label");     // where the entry is chosen; empty: the shortcut
    QTest::addColumn<QString>("expected");  // "factors", "hcf" or "lcm"
    QTest::newRow("factor caption") << "Label1" << "factors";
    QTest::newRow("HCF caption") << "Label8" << "hcf";
    QTest::newRow("LCM caption") << "Lblcm" << "lcm";
    QTest::newRow("LCM factor caption") << "Label4" << "lcm";
    QTest::newRow("shortcut: the latest result") << "" << "hcf";
}

void WindowResultsTest::workingWindowOpensOnTheCaptionsWorking()
{
    QFETCH(QString, label);
    QFETCH(QString, expected);
    const QString numbers = QStringLiteral("360 -84 0 126");
    setNumbers(numbers);
    click("Find_LCM");
    click("Factorize");
    click("Find_HCF");

    if (label.isEmpty())
        QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    else
        menuOf(control<CaptionLabel>(label), QStringLiteral("Show &Working"));

    QWidget *working = workingWindow();
    QVERIFY(working->isVisible());
    QVERIFY(working->isWindow());
    QVERIFY(!working->isModal());
    QCOMPARE(working->windowTitle(), QStringLiteral("Working - Factors, HCF & LCM"));
    // Wholly on the screen: beside the main window where there is room, else over it.
    const QRect screen = window->screen()->availableGeometry();
    QVERIFY(screen.contains(working->frameGeometry()));
    if (screen.width() >= window->frameGeometry().width() + 8 + 560)
        QVERIFY2(!working->frameGeometry().intersects(window->frameGeometry()), "opens beside the main window");

    const std::vector<std::int32_t> values = valuesOf(numbers);
    const numbers::Texts texts;
    std::string text;
    if (expected == QStringLiteral("factors"))
        text = texts.factorsWorking(numbers::factorWorking(numbers::Factorizer::ofFirst(values)));
    else if (expected == QStringLiteral("hcf"))
        text = texts.hcfWorking(numbers::hcfWorking(values));
    else
        text = texts.lcmWorking(numbers::lcmWorking(values));
    QVERIFY(!text.empty());
    QCOMPARE(workingText(), QString::fromStdString(text));
}

void WindowResultsTest::workingWindowFollowsResultsAndEdits()
{
    setNumbers(QStringLiteral("12 18 30"));
    click("Find_HCF");
    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(workingWindow()->isVisible());
    std::vector<std::int32_t> values = valuesOf(QStringLiteral("12 18 30"));
    const numbers::Texts texts;
    QCOMPARE(workingText(), QString::fromStdString(texts.hcfWorking(numbers::hcfWorking(values))));

    // A new result of another command replaces the text.
    click("Find_LCM");
    QCOMPARE(workingText(), QString::fromStdString(texts.lcmWorking(numbers::lcmWorking(values))));

    // An edit of the numbers box says the working is gone.
    QTest::keyClicks(control<QLineEdit>("Text1"), QStringLiteral(" 7"));
    QCOMPARE(workingText(), QStringLiteral("The numbers have changed: run a command to see its working."));

    // A refused command leaves the notice; the next result replaces it.
    setNumbers(QStringLiteral("8"));
    click("Find_HCF");
    QCOMPARE(boxes->seen.size(), 1);
    QCOMPARE(workingText(), QStringLiteral("The numbers have changed: run a command to see its working."));
    click("Factorize");
    values = valuesOf(QStringLiteral("8"));
    QCOMPARE(workingText(), QString::fromStdString(texts.factorsWorking(numbers::factorWorking(numbers::Factorizer::ofFirst(values)))));
    QVERIFY(workingWindow()->isVisible());
}

void WindowResultsTest::workingWindowIsReadOnlyFixedPitchAndClosesOnEsc()
{
    click("Find_LCM");
    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    QWidget *working = workingWindow();
    QVERIFY(QTest::qWaitForWindowActive(working));
    auto *text = working->findChild<QPlainTextEdit *>();
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(text->font().family(), QStringLiteral("Liberation Mono"));
    QVERIFY(QFontInfo(text->font()).fixedPitch());

    // Ctrl+A and Ctrl+C copy the whole text; typing changes nothing.
    const QString before = text->toPlainText();
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("x"));
    QCOMPARE(text->toPlainText(), before);
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    if (!before.isEmpty())
        QCOMPARE(QApplication::clipboard()->text(), before);

    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(working->isHidden());
    QVERIFY(window->isVisible());
}

int main(int argc, char *argv[])
{
    return runWindowSuite<WindowResultsTest>(argc, argv);
}

#include "WindowResultsTest.moc"
