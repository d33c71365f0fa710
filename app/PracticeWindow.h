#pragma once

#include "PracticeRound.h"

#include <QWidget>

#include <cstdint>
#include <optional>

class CaptionLabel;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace numbers {
class Texts;
}

// The Practice window: one non-modal top-level window, object name
// "Practice", that asks the questions of a round (PracticeRound), checks the
// answers typed in the pupil's own notation, shows a hint per press and the
// score. It only moves texts: the round keeps the state, numbers::Texts makes
// every text. Choosing a kind or a level starts a new round. Esc closes it.
class PracticeWindow : public QWidget {
    Q_OBJECT

public:
    // A hidden window over mainWindow, whose questions start from seed.
    PracticeWindow(const numbers::Texts &texts, std::uint64_t seed, QWidget &mainWindow);

    // Shows the window, raised and active, with the focus in the answer box.
    void open();
    // Starts a round of kind, shows the window.
    void openOn(numbers::PracticeKind kind);

signals:
    // The pupil asks for the working of the question on show.
    void workingAsked(const GivenWorking &working);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Check_Click();
    void Hint_Click();
    void ShowWorking_Click();
    void Next_Click();
    // Opens the worksheet dialog: the same questions on paper.
    void WorksheetButton_Click();
    // Starts a new round of the kind and level chosen.
    void startRound();
    // Shows the question on show, with an empty answer, feedback and hints.
    void showQuestion();
    void showScore();

    const numbers::Texts &texts_;
    const std::uint64_t seed_;
    int roundsStarted_ = 0;
    std::optional<PracticeRound> round_;

    QComboBox *kind_;
    QComboBox *level_;
    CaptionLabel *question_;
    QLineEdit *answer_;
    QPushButton *check_;
    QPushButton *hint_;
    QPushButton *showWorking_;
    QPushButton *next_;
    QPushButton *worksheet_;
    CaptionLabel *feedback_;
    QPlainTextEdit *hints_;
    QLabel *score_;
};
