#pragma once

// frmLCM, the calculator's only window.
//
// The path of a command: its button's handler reads top to bottom inside the
// CommandShell's net (busy cursor, clock, refusal box, anything thrown). It
// clears its kept result, writes its waiting captions, reads its input
// (Read_Input for the numbers box Text1, PrimeRange::readBound for the bound
// boxes Text2), calls a core of the numbers library (Factorizer, Hcf,
// FindLCM, ListPrimes), writes the captions that numbers::Texts makes from the
// result and the elapsed time, and ends by handing the result to
// LatestResults. A refusal is shown in a box and ends the command with no
// result kept. Whatever offers a result afterwards (the Show Working entries,
// Ctrl+Shift+W, the Working window) asks LatestResults; an edit of Text1 tells
// LatestResults, which clears the results read from it, and puts the captions
// of the results it no longer keeps back to their waiting texts.

#include "LcmLadder.h"
#include "NumberList.h"
#include "PrimeRange.h"
#include "Status.h"
#include "Texts.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class CaptionLabel;
class CommandShell;
class LatestResults;
class PracticeWindow;
class PrimeListView;
class QCloseEvent;
class QGroupBox;
class QLineEdit;
class WorkingWindow;

namespace Ui {
class frmLCM;
}

class frmLCM : public QMainWindow {
    Q_OBJECT

public:
    // Builds the window with every control at its starting caption and the
    // keyboard focus on Find_LCM; runs none of the handlers.
    explicit frmLCM(QWidget *parent = nullptr);
    ~frmLCM() override;

    // The LCM of the numbers last read, by the division ladder, worked on their
    // magnitudes (any 0 gives 0), every digit of it; refuses an empty list.
    numbers::LcmResult FindLCM() const;
    // Reads the text of Text1 into Numbers (its count is NumCount), 0 and
    // negatives as typed; refuses a token that is not a number or out of range,
    // or more than 101 numbers, leaving Numbers empty.
    numbers::Status Read_Input();
    // Opens the Practice window over this one, active; made at its first
    // opening, its questions from seed, or from a random seed when none.
    void openPractice(std::optional<std::uint64_t> seed = std::nullopt);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Backz_Click();
    void Exit_Click();
    void Factorize_Click();
    void Find_HCF_Click();
    void Find_LCM_Click();
    void FindPrime_Click();
    numbers::PrimesResult ListPrimes(const std::array<std::int32_t, 2> &bounds) const;
    void Form_QueryUnload();
    void Text1_Change();

    // True when status is ok; otherwise shows its refusal and gives false.
    bool accepted(const numbers::Status &status);
    // Enables each Show Working entry while its command's result is kept.
    void enableWorkingEntries();
    // Opens the Working window on command's result, when one is kept.
    void showWorking(numbers::Command command);
    // Opens it on the latest result kept; beeps when there is none.
    void showLatestWorking();
    // Copies the caption of the latest result kept; beeps when there is none.
    void copyLatestResult();
    // Makes the Working window at its first use.
    WorkingWindow &workingWindow();
    // Makes the Practice window at its first use.
    PracticeWindow &practiceWindow(std::optional<std::uint64_t> seed);
    // Closes the Working and Practice windows and ends the program.
    void quit();

    std::unique_ptr<Ui::frmLCM> ui_;
    numbers::Texts texts_;
    numbers::NumberList Numbers;
    std::unique_ptr<CommandShell> shell_;
    LatestResults *results_;
    WorkingWindow *workingWindow_ = nullptr; // made when first opened
    PracticeWindow *practiceWindow_ = nullptr; // made when first opened

    // The controls by their roles.
    QLineEdit *numbersBox_;
    std::array<QLineEdit *, 2> boundBoxes_;
    QGroupBox *factorsFrame_;
    CaptionLabel *factorsCaption_;
    CaptionLabel *hcfCaption_;
    CaptionLabel *lcmCaption_;
    CaptionLabel *lcmFactorsCaption_;
    CaptionLabel *primeCountCaption_;
    CaptionLabel *statusLine_;
    PrimeListView *primeList_;
    // Each Show Working entry with the command whose working it opens.
    std::vector<std::pair<QAction *, numbers::Command>> workingEntries_;
};
