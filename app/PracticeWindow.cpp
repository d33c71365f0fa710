#include "PracticeWindow.h"

#include "AppNames.h"
#include "CaptionLabel.h"
#include "Texts.h"
#include "WorksheetDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using numbers::PracticeChoice;
using numbers::PracticeKind;

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

QPushButton *newButton(const char *name, const QString &text, const QString &spoken)
{
    auto *button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(spoken);
    button->setAutoDefault(false);
    return button;
}

// A label that a screen reader reads by its name, its text as the
// description, told when it changes (as the result captions are).
CaptionLabel *newAnnouncedLabel(const char *name, const QString &spoken)
{
    auto *label = new CaptionLabel;
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(spoken);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

PracticeChoice choiceOf(PracticeKind kind)
{
    switch (kind) {
    case PracticeKind::Hcf:
        return PracticeChoice::Hcf;
    case PracticeKind::Lcm:
        return PracticeChoice::Lcm;
    case PracticeKind::PrimeOrNot:
        return PracticeChoice::PrimeOrNot;
    case PracticeKind::PrimeFactors:
        break;
    }
    return PracticeChoice::PrimeFactors;
}

} // namespace

PracticeWindow::PracticeWindow(const numbers::Texts &texts, std::uint64_t seed, QWidget &mainWindow)
    : QWidget(&mainWindow, Qt::Window), texts_(texts), seed_(seed), kind_(new QComboBox),
      level_(new QComboBox), question_(newAnnouncedLabel("Question", tr("Question"))), answer_(new QLineEdit),
      check_(newButton("Check", tr("&Check"), tr("Check"))), hint_(newButton("Hint", tr("&Hint"), tr("Hint"))),
      showWorking_(newButton("ShowWorking", tr("Show &Working"), tr("Show Working"))),
      next_(newButton("Next", tr("&Next"), tr("Next"))),
      worksheet_(newButton("WorksheetButton", tr("Wo&rksheet…"), tr("Worksheet"))),
      feedback_(newAnnouncedLabel("Feedback", tr("Feedback"))), hints_(new QPlainTextEdit), score_(new QLabel)
{
    setObjectName(QStringLiteral("Practice"));
    //: %1: the program's short title
    setWindowTitle(tr("Practice – %1").arg(AppNames::shortTitle()));
    resize(520, 340);

    // The items in the order of numbers::PracticeChoice.
    kind_->setObjectName(QStringLiteral("Kind"));
    kind_->setAccessibleName(tr("Kind of question"));
    kind_->addItems({tr("Prime factors"),
                     //: The school's name of the highest common factor, as in "HCF = 6"
                     tr("HCF"),
                     //: The school's name of the lowest common multiple, as in "LCM = 36"
                     tr("LCM"), tr("Prime or not"), tr("Mixed")});
    level_->setObjectName(QStringLiteral("Level"));
    level_->setAccessibleName(tr("Level"));
    for (int level = numbers::Practice::LowestLevel; level <= numbers::Practice::HighestLevel; ++level)
        //: %1: 1, 2 or 3
        level_->addItem(tr("Level %1").arg(level));

    answer_->setObjectName(QStringLiteral("Answer"));
    answer_->setAccessibleName(tr("Answer"));
    answer_->setMaxLength(static_cast<int>(numbers::Practice::LongestAnswer));
    hints_->setObjectName(QStringLiteral("Hints"));
    hints_->setAccessibleName(tr("Hints"));
    hints_->setReadOnly(true);
    hints_->setTabChangesFocus(true);
    score_->setObjectName(QStringLiteral("Score"));
    score_->setAccessibleName(tr("Score"));
    QFont larger = question_->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.3);
    question_->setFont(larger);

    auto *choices = new QHBoxLayout;
    auto *kindLabel = new QLabel(tr("&Kind:"));
    kindLabel->setBuddy(kind_);
    auto *levelLabel = new QLabel(tr("&Level:"));
    levelLabel->setBuddy(level_);
    choices->addWidget(kindLabel);
    choices->addWidget(kind_, 1);
    choices->addWidget(levelLabel);
    choices->addWidget(level_);
    auto *answerRow = new QHBoxLayout;
    auto *answerLabel = new QLabel(tr("&Answer:"));
    answerLabel->setBuddy(answer_);
    answerRow->addWidget(answerLabel);
    answerRow->addWidget(answer_, 1);
    answerRow->addWidget(check_);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(hint_);
    buttons->addWidget(showWorking_);
    buttons->addStretch(1);
    buttons->addWidget(next_);
    buttons->addWidget(worksheet_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(question_);
    layout->addLayout(answerRow);
    layout->addLayout(buttons);
    layout->addWidget(feedback_);
    layout->addWidget(hints_, 1);
    layout->addWidget(score_);

    setTabOrder(kind_, level_);
    setTabOrder(level_, answer_);
    setTabOrder(answer_, check_);
    setTabOrder(check_, hint_);
    setTabOrder(hint_, showWorking_);
    setTabOrder(showWorking_, next_);
    setTabOrder(next_, worksheet_);
    setTabOrder(worksheet_, hints_);

    connect(check_, &QPushButton::clicked, this, &PracticeWindow::Check_Click);
    connect(answer_, &QLineEdit::returnPressed, this, &PracticeWindow::Check_Click);
    connect(hint_, &QPushButton::clicked, this, &PracticeWindow::Hint_Click);
    connect(showWorking_, &QPushButton::clicked, this, &PracticeWindow::ShowWorking_Click);
    connect(next_, &QPushButton::clicked, this, &PracticeWindow::Next_Click);
    connect(worksheet_, &QPushButton::clicked, this, &PracticeWindow::WorksheetButton_Click);
    connect(kind_, &QComboBox::currentIndexChanged, this, &PracticeWindow::startRound);
    connect(level_, &QComboBox::currentIndexChanged, this, &PracticeWindow::startRound);

    startRound();
}

void PracticeWindow::open()
{
    show();
    raise();
    activateWindow();
    answer_->setFocus();
}

void PracticeWindow::openOn(PracticeKind kind)
{
    const int index = static_cast<int>(choiceOf(kind));
    if (kind_->currentIndex() == index)
        startRound();
    else
        kind_->setCurrentIndex(index); // starts the round
    open();
}

void PracticeWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PracticeWindow::Check_Click()
{
    if (round_->isOver() && !round_->isAnswered())
        return;
    const numbers::Verdict verdict = round_->check(answer_->text().toStdString(), texts_.phrases().primeWord,
                                                   PracticeRound::Clock::now());
    feedback_->setCaption(qt(texts_.verdictText(verdict)));
    if (!verdict.isRight()) {
        // Left in the box, selected, to mend.
        answer_->setFocus();
        answer_->selectAll();
    }
    showScore();
}

void PracticeWindow::WorksheetButton_Click()
{
    auto *dialog = new WorksheetDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void PracticeWindow::Hint_Click()
{
    if (const std::optional<numbers::HintStep> step = round_->nextHint())
        hints_->appendPlainText(qt(texts_.hintLine(*step)));
    if (!round_->hasMoreHints()) {
        if (hint_->hasFocus())
            answer_->setFocus();
        hint_->setEnabled(false);
    }
}

void PracticeWindow::ShowWorking_Click()
{
    emit workingAsked(round_->working());
}

void PracticeWindow::Next_Click()
{
    if (round_->isOver()) {
        startRound();
        return;
    }
    round_->next(PracticeRound::Clock::now());
    if (round_->isOver()) {
        showScore();
        return;
    }
    showQuestion();
}

void PracticeWindow::startRound()
{
    const auto choice = static_cast<PracticeChoice>(std::max(kind_->currentIndex(), 0));
    const int level = level_->currentIndex() + numbers::Practice::LowestLevel;
    round_.emplace(numbers::Practice::round(seed_, choice, level, static_cast<std::uint64_t>(roundsStarted_)),
                   PracticeRound::Clock::now());
    ++roundsStarted_;
    showQuestion();
}

void PracticeWindow::showQuestion()
{
    question_->setCaption(qt(texts_.questionText(round_->question())));
    answer_->clear();
    feedback_->setCaption(QString());
    hints_->clear();
    hint_->setEnabled(round_->hasMoreHints());
    showScore();
    if (isVisible())
        answer_->setFocus();
}

void PracticeWindow::showScore()
{
    if (round_->isOver()) {
        score_->setText(qt(texts_.roundOverText(round_->rightFirstTime(), round_->count(),
                                                round_->seconds(PracticeRound::Clock::now()))));
        return;
    }
    score_->setText(qt(texts_.scoreText(round_->number(), round_->count(), round_->rightFirstTime())));
}
