#pragma once

// frmLCM, the calculator's only window.
//
// How input flows: each command button's handler hands the CommandShell one
// command: its waiting captions, its work and its result captions. The shell
// runs them in order with the busy cursor and the clock. The work reads the
// numbers box Text1 through Read_Input (InputReader) or the two bound boxes
// Text2 (PrimeRange::readBound) and hands the numbers to a core of the numbers
// library (Factorizer, Hcf, LcmLadder through FindLCM, PrimeRange through
// ListPrimes); the result captions are the texts the core returns, then the
// elapsed time goes into Label2. A refusal from any core is shown as it comes
// back and ends the command. Each result is also handed to ResultWorking, which
// lays out its working only when the Working window asks for it. Editing Text1
// puts the result captions back to their waiting texts, so no result (and no
// working) outlives the numbers it belongs to.

#include "LcmLadder.h"
#include "NumberList.h"
#include "Status.h"

#include <QMainWindow>

#include <gmpxx.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class CommandShell;
class ResultWorking;
class QCloseEvent;
class QLineEdit;

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

    // The LCM of the numbers last read into LcmValue and LcmFactors, worked on
    // their magnitudes (any 0 gives 0), every digit of it; refuses an empty
    // list, leaving LcmValue 1 and LcmFactors empty.
    numbers::Status FindLCM();
    // Reads the text of Text1 into Numbers (its count is NumCount), 0 and
    // negatives as typed; refuses a token that is not a number or out of range,
    // or more than 101 numbers, leaving Numbers empty.
    numbers::Status Read_Input();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Backz_Click();
    void Exit_Click();
    void Factorize_Click();
    void Find_HCF_Click();
    void Find_LCM_Click();
    void FindPrime_Click();
    void ListPrimes();
    void Form_QueryUnload();
    void Text1_Change();
    // The work of a list command: Read_Input, then work on the numbers read; a
    // refused reading is the command's refusal.
    numbers::Status readThen(const std::function<numbers::Status()> &work);

    std::unique_ptr<Ui::frmLCM> ui;
    std::array<QLineEdit *, 2> Text2{};
    std::unique_ptr<CommandShell> shell;
    ResultWorking *working = nullptr; // owned by the window

    numbers::NumberList Numbers;
    mpz_class LcmValue;
    std::string LcmFactors;
    std::shared_ptr<const numbers::LcmResult> LcmLadderResult; // the whole ladder behind LcmValue
    std::array<std::int32_t, 2> PrimeBounds{};
};
