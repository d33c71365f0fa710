// The Practice window: its ways in, the keyboard, what a check, a hint and
// Next leave on screen, the score, and the same questions from the same seed.

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

// A right answer to question, worked out here by the plain rules.
QString rightAnswer(const numbers::Question &question)
{
    const std::vector<std::uint32_t> &n = question.numbers;
    switch (question.kind) {
    case PracticeKind::PrimeFactors: {
        QStringList factors;
        for (std::uint64_t rest = n[0]; rest > 1;) {
            const std::uint64_t p = smallestFactor(rest);
            factors << QString::number(p);
            rest /= p;
        }
        return factors.join(QStringLiteral(" x "));
    }
    case PracticeKind::Hcf:
        return QString::number(std::accumulate(n.begin(), n.end(), 0ULL,
                                               [](std::uint64_t a, std::uint64_t b) { return std::gcd(a, b); }));
    case PracticeKind::Lcm:
        return QString::number(std::accumulate(n.begin(), n.end(), 1ULL,
                                               [](std::uint64_t a, std::uint64_t b) { return std::lcm(a, b); }));
    case PracticeKind::PrimeOrNot:
        break;
    }
    const std::uint64_t p = smallestFactor(n[0]);
    return p == n[0] ? QStringLiteral("prime") : QStringLiteral("%1 x %2").arg(p).arg(n[0] / p);
}

// A wrong answer to question that is still read: a number no question takes as right.
QString wrongAnswer(const numbers::Question &question)
{
    return question.kind == PracticeKind::PrimeOrNot ? QStringLiteral("1 x 1") : QStringLiteral("1");
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
    void hintAddsOneStepUntilTheLast_data();
    void hintAddsOneStepUntilTheLast();
    void showWorkingOpensThisQuestion_data();
    void showWorkingOpensThisQuestion();

    void roundCountsRightFirstTime_data();
    void roundCountsRightFirstTime();
    void sameSeedSameQuestions_data();
    void sameSeedSameQuestions();

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
    const char *kinds[] = {"prime factors", "HCF", "LCM", "prime or not"};
    for (int kind = 0; kind < 4; ++kind) {
        QTest::addRow("%s, wrong, Enter", kinds[kind]) << kind << false << true;
        QTest::addRow("%s, wrong, Check", kinds[kind]) << kind << false << false;
        QTest::addRow("%s, right, Enter", kinds[kind]) << kind << true << true;
    }
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
    const QString typed = right ? rightAnswer(question) : wrongAnswer(question);

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

void PracticeWindowTest::hintAddsOneStepUntilTheLast_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("prime factors") << 0;
    QTest::newRow("HCF") << 1;
    QTest::newRow("LCM") << 2;
    QTest::newRow("prime or not") << 3;
}

void PracticeWindowTest::hintAddsOneStepUntilTheLast()
{
    QFETCH(int, kind);
    QVERIFY(openPractice() != nullptr);
    const std::size_t steps = numbers::Practice::hints(chooseKind(kind)).size();
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

void PracticeWindowTest::roundCountsRightFirstTime_data()
{
    // What is done to each question in turn: right, wrong then right, a hint
    // then right, skipped.
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QString>("score");
    QTest::newRow("nothing done") << QStringList{} << "Question 1 of 10 · 0 right first time";
    QTest::newRow("right first time, skipped")
        << QStringList{"right", "skip"} << "Question 3 of 10 · 1 right first time";
    QTest::newRow("right still on show") << QStringList{"right"} << "Question 1 of 10 · 1 right first time";
    QTest::newRow("wrong first, hint first, working first")
        << QStringList{"wrong", "hint", "working"} << "Question 3 of 10 · 0 right first time";
    QTest::newRow("round over")
        << QStringList{"right", "right", "skip", "right", "right", "right", "right", "right", "right", "skip"}
        << "Round over: 8 of 10 right first time in *";
}

void PracticeWindowTest::roundCountsRightFirstTime()
{
    QFETCH(QStringList, moves);
    QFETCH(QString, score);
    QVERIFY(openPractice(99) != nullptr);
    const std::vector<numbers::Question> questions = numbers::Practice::round(99, numbers::PracticeChoice::Mixed, 1, 1);
    part<QComboBox>(QStringLiteral("Kind"))->setCurrentIndex(static_cast<int>(numbers::PracticeChoice::Mixed));
    auto *next = part<QPushButton>(QStringLiteral("Next"));
    for (qsizetype i = 0; i < moves.size(); ++i) {
        const numbers::Question &question = questions[static_cast<std::size_t>(i)];
        if (moves[i] == QStringLiteral("wrong"))
            answer(wrongAnswer(question), true);
        else if (moves[i] == QStringLiteral("hint"))
            QTest::mouseClick(part<QPushButton>(QStringLiteral("Hint")), Qt::LeftButton);
        else if (moves[i] == QStringLiteral("working"))
            QTest::mouseClick(part<QPushButton>(QStringLiteral("ShowWorking")), Qt::LeftButton);
        if (moves[i] != QStringLiteral("skip"))
            answer(rightAnswer(question), true);
        if (i + 1 < moves.size() || moves[i] == QStringLiteral("skip"))
            QTest::mouseClick(next, Qt::LeftButton);
    }
    // The round's time is the machine's: a closing "*" stands for it.
    const QString shown = part<QLabel>(QStringLiteral("Score"))->text();
    if (score.endsWith(QLatin1Char('*')))
        QVERIFY2(shown.startsWith(score.chopped(1)), qPrintable(shown));
    else
        QCOMPARE(shown, score);
}

void PracticeWindowTest::sameSeedSameQuestions_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("level");
    QTest::newRow("prime factors, level 1") << 0 << 0;
    QTest::newRow("HCF, level 2") << 1 << 1;
    QTest::newRow("mixed, level 3") << 4 << 2;
}

// Two programs started with the same seed that take the same steps see the
// same questions.
void PracticeWindowTest::sameSeedSameQuestions()
{
    QFETCH(int, kind);
    QFETCH(int, level);
    QStringList seen[2];
    for (QStringList &questions : seen) {
        boxes.reset();
        window = std::make_unique<frmLCM>();
        window->show();
        QVERIFY(openPractice(123456789) != nullptr);
        part<QComboBox>(QStringLiteral("Kind"))->setCurrentIndex(kind);
        part<QComboBox>(QStringLiteral("Level"))->setCurrentIndex(level);
        for (int i = 0; i < 10; ++i) {
            questions << part<QLabel>(QStringLiteral("Question"))->text();
            QTest::mouseClick(part<QPushButton>(QStringLiteral("Next")), Qt::LeftButton);
        }
    }
    QCOMPARE(seen[0], seen[1]);
    QCOMPARE(QSet<QString>(seen[0].begin(), seen[0].end()).size(), 10);
}

int main(int argc, char *argv[])
{
    return runWindowSuite<PracticeWindowTest>(argc, argv);
}

#include "PracticeWindowTest.moc"
