// The Practice window: its ways in, the keyboard, and what a check, a hint and
// Show Working leave on screen. The round's rules are PracticeRoundTest's.

#include "PracticeRound.h"
#include "PracticeWindow.h"
#include "WindowFixture.h"
#include "WindowSuiteMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <numeric>

namespace {

using numbers::PracticeKind;

// The smallest prime factor of n above 1.
std::uint64_t smallestFactor(std::uint64_t n)
{
    for (std::uint64_t p = 2; p * p <= n; ++p) {
        if (n % p == 0)
            return p;
    }
    return n;
}

// A right answer to an HCF or a "prime or not" question, worked out here by the plain rules.
QString rightAnswer(const numbers::Question &question)
{
    const std::vector<std::uint32_t> &n = question.numbers;
    if (question.kind == PracticeKind::Hcf)
        return QString::number(std::accumulate(n.begin(), n.end(), 0ULL,
                                               [](std::uint64_t a, std::uint64_t b) { return std::gcd(a, b); }));
    const std::uint64_t p = smallestFactor(n[0]);
    return p == n[0] ? QStringLiteral("prime") : QStringLiteral("%1 x %2").arg(p).arg(n[0] / p);
}

} // namespace

class PracticeWindowTest : public WindowFixture {
    Q_OBJECT

private slots:
    void waysInOpenOneWindow_data();
    void waysInOpenOneWindow();
    void tabOrderFollowsTheWork();
    void escapeCloses();

    void checkLeavesAnswer_data();
    void checkLeavesAnswer();
    void hintAddsOneStepUntilTheLast();
    void showWorkingOpensThisQuestion_data();
    void showWorkingOpensThisQuestion();

private:
    // The Practice window, opened with Ctrl+Shift+P from seed.
    PracticeWindow *openPractice(std::uint64_t seed = 20);
    template <typename T> T *part(const QString &name) const;
    // Chooses kind in a Practice window just opened from seed 20; gives the
    // first question of the round that starts.
    numbers::Question chooseKind(int kind);
    void answer(const QString &text, bool byEnter);
};

PracticeWindow *PracticeWindowTest::openPractice(std::uint64_t seed)
{
    window->openPractice(seed);
    auto *practice = window->findChild<PracticeWindow *>(QStringLiteral("Practice"));
    if (practice != nullptr && !QTest::qWaitForWindowActive(practice))
        return nullptr;
    return practice;
}

template <typename T> T *PracticeWindowTest::part(const QString &name) const
{
    T *found = window->findChild<PracticeWindow *>(QStringLiteral("Practice"))->findChild<T *>(name);
    if (found == nullptr)
        throw std::runtime_error("no part named " + name.toStdString());
    return found;
}

numbers::Question PracticeWindowTest::chooseKind(int kind)
{
    auto *kinds = part<QComboBox>(QStringLiteral("Kind"));
    // The first round (0) starts at the opening; a change of kind starts the next.
    const std::uint64_t roundNumber = kinds->currentIndex() == kind ? 0 : 1;
    kinds->setCurrentIndex(kind);
    return numbers::Practice::round(20, static_cast<numbers::PracticeChoice>(kind), 1, roundNumber).front();
}

void PracticeWindowTest::answer(const QString &text, bool byEnter)
{
    auto *box = part<QLineEdit>(QStringLiteral("Answer"));
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    if (byEnter)
        QTest::keyClick(box, Qt::Key_Return);
    else
        QTest::mouseClick(part<QPushButton>(QStringLiteral("Check")), Qt::LeftButton);
}

void PracticeWindowTest::waysInOpenOneWindow_data()
{
    QTest::addColumn<QStringList>("ways");
    QTest::newRow("Ctrl+Shift+P") << QStringList{"keys"};
    QTest::newRow("Ctrl+Shift+P twice") << QStringList{"keys", "keys"};
    QTest::newRow("the option, then Ctrl+Shift+P") << QStringList{"option", "keys"};
    QTest::newRow("Practise in the Working window") << QStringList{"working"};
    QTest::newRow("Ctrl+Shift+P, then Practise") << QStringList{"keys", "working"};
}

void PracticeWindowTest::waysInOpenOneWindow()
{
    QFETCH(QStringList, ways);
    for (const QString &way : ways) {
        if (way == QStringLiteral("keys")) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
            QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        } else if (way == QStringLiteral("option")) {
            window->openPractice(7);
        } else {
            control<QLineEdit>(QStringLiteral("Text1"))->setText(QStringLiteral("12 18"));
            click(QStringLiteral("Find_HCF"));
            QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
            auto *practise = window->findChild<QToolButton *>(QStringLiteral("PracticeButton"));
            QVERIFY(practise != nullptr);
            QTest::mouseClick(practise, Qt::LeftButton);
            // Practice of the kind shown there.
            QCOMPARE(part<QComboBox>(QStringLiteral("Kind"))->currentText(), QStringLiteral("HCF"));
        }
    }
    const QList<PracticeWindow *> opened = window->findChildren<PracticeWindow *>();
    QCOMPARE(opened.size(), 1);
    QVERIFY(QTest::qWaitForWindowActive(opened.front()));
    QVERIFY(window->isVisible());
    QVERIFY(!opened.front()->isModal());
    QCOMPARE(opened.front()->objectName(), QStringLiteral("Practice"));
    QCOMPARE(opened.front()->windowTitle(), QStringLiteral("Practice – Factors, HCF & LCM"));
    QCOMPARE(opened.front()->focusWidget(), part<QLineEdit>(QStringLiteral("Answer")));
}

void PracticeWindowTest::tabOrderFollowsTheWork()
{
    PracticeWindow *practice = openPractice();
    QVERIFY(practice != nullptr);
    QApplication::setActiveWindow(practice);
    const QStringList order{"Kind", "Level", "Answer", "Check", "Hint", "ShowWorking", "Next"};
    part<QWidget>(order.front())->setFocus();
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
}

void PracticeWindowTest::escapeCloses()
{
    PracticeWindow *practice = openPractice();
    QVERIFY(practice != nullptr);
    QTest::keyClick(part<QLineEdit>(QStringLiteral("Answer")), Qt::Key_Escape);
    QVERIFY(!practice->isVisible());
    QVERIFY(window->isVisible());
}

void PracticeWindowTest::checkLeavesAnswer_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("byEnter");
    // The verdicts of every kind are PracticeTest's; here one kind, and the
    // prime word of "prime or not" as typed in the window.
    QTest::newRow("HCF, wrong, Enter") << 1 << false << true;
    QTest::newRow("HCF, wrong, Check") << 1 << false << false;
    QTest::newRow("HCF, right, Enter") << 1 << true << true;
    QTest::newRow("prime or not, right, Enter") << 3 << true << true;
}

// A wrong answer stays in the box, selected, to mend; a right one stays with
// its verdict until Next. Enter checks as Check does.
void PracticeWindowTest::checkLeavesAnswer()
{
    QFETCH(int, kind);
    QFETCH(bool, right);
    QFETCH(bool, byEnter);
    PracticeWindow *practice = openPractice();
    QVERIFY(practice != nullptr);
    const numbers::Question question = chooseKind(kind);
    const QString question0 = part<QLabel>(QStringLiteral("Question"))->text();
    // HCF's questions are never coprime: 1 is read but wrong.
    const QString typed = right ? rightAnswer(question) : QStringLiteral("1");

    answer(typed, byEnter);

    auto *box = part<QLineEdit>(QStringLiteral("Answer"));
    const QString feedback = part<QLabel>(QStringLiteral("Feedback"))->text();
    QCOMPARE(box->text(), typed);
    QCOMPARE(feedback.startsWith(QStringLiteral("Right!")), right);
    QVERIFY(!feedback.isEmpty());
    QCOMPARE(part<QLabel>(QStringLiteral("Question"))->text(), question0);
    if (!right) {
        QCOMPARE(box->selectedText(), typed);
        QCOMPARE(practice->focusWidget(), box);
    }
}

// A line a click, the button off after the last step; each kind's steps are
// PracticeTest's.
void PracticeWindowTest::hintAddsOneStepUntilTheLast()
{
    QVERIFY(openPractice() != nullptr);
    const std::size_t steps = numbers::Practice::hints(chooseKind(static_cast<int>(PracticeKind::Lcm))).size();
    auto *hint = part<QPushButton>(QStringLiteral("Hint"));
    auto *hints = part<QPlainTextEdit>(QStringLiteral("Hints"));
    QVERIFY(hints->toPlainText().isEmpty());
    for (std::size_t shown = 1; shown <= steps; ++shown) {
        QVERIFY(hint->isEnabled());
        QTest::mouseClick(hint, Qt::LeftButton);
        QCOMPARE(hints->blockCount(), static_cast<int>(shown));
    }
    QVERIFY(!hint->isEnabled());
    // A new question starts with no hints and Hint back.
    QTest::mouseClick(part<QPushButton>(QStringLiteral("Next")), Qt::LeftButton);
    QVERIFY(hints->toPlainText().isEmpty());
    QVERIFY(hint->isEnabled());
}

void PracticeWindowTest::showWorkingOpensThisQuestion_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("prime factors") << 0;
    QTest::newRow("HCF") << 1;
    QTest::newRow("LCM") << 2;
}

// The question's working, not the main window's latest result.
void PracticeWindowTest::showWorkingOpensThisQuestion()
{
    QFETCH(int, kind);
    click(QStringLiteral("Find_LCM")); // a result of the main window
    QVERIFY(openPractice() != nullptr);
    const numbers::Question question = chooseKind(kind);
    QTest::mouseClick(part<QPushButton>(QStringLiteral("ShowWorking")), Qt::LeftButton);
    auto *working = window->findChild<QWidget *>(QStringLiteral("Working"));
    QVERIFY(working != nullptr && working->isVisible());
    const QString steps = working->findChild<QPlainTextEdit *>()->toPlainText();
    const QString first = steps.section(QLatin1Char('\n'), 0, 0);
    for (std::uint32_t n : question.numbers)
        QVERIFY2(first.contains(QString::number(n)), qPrintable(first));
    // An edit of the numbers leaves a question's working as it is.
    control<QLineEdit>(QStringLiteral("Text1"))->setText(QStringLiteral("5"));
    QCOMPARE(working->findChild<QPlainTextEdit *>()->toPlainText(), steps);
}

int main(int argc, char *argv[])
{
    return runWindowSuite<PracticeWindowTest>(argc, argv);
}

#include "PracticeWindowTest.moc"
