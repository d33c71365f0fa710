#include "frmLCM.h"

#include "AppNames.h"
#include "CaptionLabel.h"
#include "CaptionMenu.h"
#include "CommandShell.h"
#include "FormLooks.h"
#include "GameLauncher.h"
#include "LatestResults.h"
#include "PracticeWindow.h"
#include "PrimeListView.h"
#include "ProgramIcon.h"
#include "TranslatedPhrases.h"
#include "WorkingWindow.h"
#include "ui_frmLCM.h"

#include "Factorizer.h"
#include "Hcf.h"
#include "InputReader.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>

// The pictures are compiled into this static library; registering them here
// keeps them linked into every program that makes the window.
static void registerPictures()
{
    Q_INIT_RESOURCE(assets);
}

namespace {

using numbers::Command;

constexpr int ClientWidth = 612;
constexpr int ClientHeight = 408;

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

frmLCM::frmLCM(QWidget *parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::frmLCM>()), texts_(translatedPhrases()),
      shell_(std::make_unique<CommandShell>(*this)),
      results_(new LatestResults(this))
{
    registerPictures();
    ui_->setupUi(this);
    setWindowTitle(AppNames::windowCaption());
    setWindowIcon(programIcon());
    FormLooks::apply(*this);
    centralWidget()->setFixedSize(ClientWidth, ClientHeight);
    setFixedSize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());

    numbersBox_ = ui_->Text1;
    boundBoxes_ = {ui_->Text2_0, ui_->Text2_1};
    factorsFrame_ = ui_->Frame2;
    factorsCaption_ = ui_->Label1;
    hcfCaption_ = ui_->Label8;
    lcmCaption_ = ui_->Lblcm;
    lcmFactorsCaption_ = ui_->Label4;
    primeCountCaption_ = ui_->Label12;
    statusLine_ = ui_->Label2;
    primeList_ = ui_->List1;

    // Every result caption copies; those with a working open it too.
    for (CaptionLabel *caption : {factorsCaption_, hcfCaption_, lcmCaption_, lcmFactorsCaption_, primeCountCaption_, statusLine_})
        CaptionMenu::attach(*caption);
    workingEntries_ = {
        {CaptionMenu::addShowWorking(*factorsCaption_), Command::Factors},
        {CaptionMenu::addShowWorking(*hcfCaption_), Command::Hcf},
        {CaptionMenu::addShowWorking(*lcmCaption_), Command::Lcm},
        {CaptionMenu::addShowWorking(*lcmFactorsCaption_), Command::Lcm},
        {CaptionMenu::addShowWorking(*primeCountCaption_), Command::Primes},
        {primeList_->addShowWorking(), Command::Primes},
    };
    for (const auto &entry : workingEntries_) {
        const Command command = entry.second;
        connect(entry.first, &QAction::triggered, this, [this, command] { showWorking(command); });
    }
    connect(results_, &LatestResults::changed, this, &frmLCM::enableWorkingEntries);

    auto *showLatestWorking = new QAction(this);
    showLatestWorking->setObjectName(QStringLiteral("ShowWorking"));
    showLatestWorking->setShortcut(CaptionMenu::workingShortcut());
    showLatestWorking->setShortcutContext(Qt::WindowShortcut);
    addAction(showLatestWorking);
    connect(showLatestWorking, &QAction::triggered, this, &frmLCM::showLatestWorking);

    // Ctrl+Shift+C copies the latest result's caption, for the keyboard alone.
    auto *copyLatestResult = new QAction(this);
    copyLatestResult->setObjectName(QStringLiteral("CopyResult"));
    copyLatestResult->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyLatestResult->setShortcutContext(Qt::WindowShortcut);
    addAction(copyLatestResult);
    connect(copyLatestResult, &QAction::triggered, this, &frmLCM::copyLatestResult);

    // Ctrl+Shift+P opens the Practice window; the menu bar keeps its two entries.
    auto *practise = new QAction(this);
    practise->setObjectName(QStringLiteral("OpenPractice"));
    practise->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    practise->setShortcutContext(Qt::WindowShortcut);
    addAction(practise);
    connect(practise, &QAction::triggered, this, [this] { openPractice(); });

    // Connected after setupUi, so the starting text of Text1 is no change.
    connect(ui_->Factorize, &QPushButton::clicked, this, &frmLCM::Factorize_Click);
    connect(ui_->Find_HCF, &QPushButton::clicked, this, &frmLCM::Find_HCF_Click);
    connect(ui_->Find_LCM, &QPushButton::clicked, this, &frmLCM::Find_LCM_Click);
    connect(ui_->FindPrime, &QPushButton::clicked, this, &frmLCM::FindPrime_Click);
    for (QLineEdit *boundBox : boundBoxes_) // Enter in a bound box runs FIND, as its click does
        connect(boundBox, &QLineEdit::returnPressed, this, &frmLCM::FindPrime_Click);
    connect(numbersBox_, &QLineEdit::textChanged, this, &frmLCM::Text1_Change);
    connect(ui_->Exit, &QAction::triggered, this, &frmLCM::Exit_Click);
    connect(ui_->Backz, &QAction::triggered, this, &frmLCM::Backz_Click);

    ui_->Find_LCM->setFocus();
}

frmLCM::~frmLCM() = default;

numbers::LcmResult frmLCM::FindLCM() const
{
    return numbers::LcmLadder::of(Numbers.values());
}

numbers::Status frmLCM::Read_Input()
{
    numbers::Reading reading = numbers::InputReader::read(numbersBox_->text().toStdString());
    Numbers = reading.status.isOk() ? reading.list : numbers::NumberList{};
    return reading.status;
}

void frmLCM::closeEvent(QCloseEvent *event)
{
    Form_QueryUnload();
    event->accept();
}

void frmLCM::Backz_Click()
{
    const QString directory = QDir::currentPath();
    if (!GameLauncher::start(directory)) {
        shell_->refuse(GameLauncher::failureMessage(directory));
        return;
    }
    hide();
    quit();
}

void frmLCM::Exit_Click()
{
    quit();
}

void frmLCM::Factorize_Click()
{
    results_->clear(Command::Factors);
    shell_->run([this] {
        shell_->startClock();
        factorsCaption_->setCaption(qt(texts_.phrases().factorsWaiting));
        statusLine_->setCaption(qt(texts_.phrases().pleaseWait));
        if (!accepted(Read_Input()))
            return;
        numbers::FactorResult result = numbers::Factorizer::ofFirst(Numbers.values());
        if (!accepted(result.status))
            return;
        factorsFrame_->setTitle(qt(texts_.factorsFrameTitle(result)));
        const QString factors = qt(texts_.factorsCaption(result));
        factorsCaption_->setCaption(factors);
        statusLine_->setCaption(qt(texts_.elapsedCaption(Command::Factors, shell_->elapsedMilliseconds())));
        factorsCaption_->setToolTip(factors);
        results_->set(std::move(result));
    });
}

void frmLCM::Find_HCF_Click()
{
    results_->clear(Command::Hcf);
    shell_->run([this] {
        shell_->startClock();
        hcfCaption_->setCaption(qt(texts_.phrases().hcfWaiting));
        statusLine_->setCaption(qt(texts_.phrases().pleaseWait));
        if (!accepted(Read_Input()))
            return;
        numbers::HcfResult result = numbers::Hcf::of(Numbers.values());
        if (!accepted(result.status))
            return;
        const QString hcf = qt(texts_.hcfCaption(result));
        hcfCaption_->setCaption(hcf);
        hcfCaption_->setToolTip(hcf);
        statusLine_->setCaption(qt(texts_.elapsedCaption(Command::Hcf, shell_->elapsedMilliseconds())));
        results_->set(std::move(result));
    });
}

void frmLCM::Find_LCM_Click()
{
    results_->clear(Command::Lcm);
    shell_->run([this] {
        shell_->startClock();
        lcmCaption_->setCaption(qt(texts_.phrases().lcmWaiting));
        lcmFactorsCaption_->setCaption(qt(texts_.phrases().lcmFactorsWaiting));
        statusLine_->setCaption(qt(texts_.phrases().pleaseWait));
        if (!accepted(Read_Input()))
            return;
        numbers::LcmResult result = FindLCM();
        if (!accepted(result.status))
            return;
        const QString lcm = qt(texts_.lcmCaption(result));
        lcmCaption_->setCaption(lcm);
        lcmCaption_->setToolTip(lcm);
        statusLine_->setCaption(qt(texts_.elapsedCaption(Command::Lcm, shell_->elapsedMilliseconds())));
        const QString ladder = qt(texts_.lcmFactorsCaption(result));
        lcmFactorsCaption_->setCaption(ladder);
        lcmFactorsCaption_->setToolTip(ladder);
        results_->set(std::move(result));
    });
}

void frmLCM::FindPrime_Click()
{
    results_->clear(Command::Primes);
    shell_->run([this] {
        statusLine_->setCaption(qt(texts_.phrases().primeTimeWaiting));
        primeCountCaption_->setCaption(qt(texts_.phrases().primesFinding));
        shell_->startClock();
        std::array<std::int32_t, 2> bounds{};
        for (std::size_t box = 0; box < boundBoxes_.size(); ++box) {
            const numbers::BoundReading reading =
                numbers::PrimeRange::readBound(boundBoxes_[box]->text().toStdString(), static_cast<int>(box) + 1);
            if (!reading.status.isOk())
                boundBoxes_[box]->setText(QStringLiteral("1"));
            if (!accepted(reading.status))
                return;
            bounds[box] = reading.bound;
        }
        numbers::PrimesResult result = ListPrimes(bounds);
        primeList_->showPrimes(result.primes);
        primeCountCaption_->setCaption(qt(texts_.primeCountCaption(result)));
        statusLine_->setCaption(qt(texts_.elapsedCaption(Command::Primes, shell_->elapsedMilliseconds())));
        results_->set(std::move(result));
    });
}

numbers::PrimesResult frmLCM::ListPrimes(const std::array<std::int32_t, 2> &bounds) const
{
    return {bounds, numbers::PrimeRange::primesBetween(bounds[0], bounds[1])};
}

void frmLCM::Form_QueryUnload()
{
    quit();
}

void frmLCM::Text1_Change()
{
    results_->numbersEdited();
    // The captions of the results the edit took away go back to waiting.
    const numbers::Phrases &phrases = texts_.phrases();
    if (!results_->has(Command::Factors)) {
        factorsCaption_->setCaption(qt(phrases.factorsWaiting));
        factorsFrame_->setTitle(qt(phrases.factorsFrame));
    }
    if (!results_->has(Command::Lcm)) {
        lcmCaption_->setCaption(qt(phrases.lcmWaiting));
        lcmFactorsCaption_->setCaption(qt(phrases.lcmFactorsWaiting));
    }
    statusLine_->setCaption(qt(phrases.numbersEdited));
    if (!results_->has(Command::Hcf))
        hcfCaption_->setCaption(qt(phrases.hcfWaiting));
}

bool frmLCM::accepted(const numbers::Status &status)
{
    if (status.isOk())
        return true;
    shell_->refuse(qt(texts_.refusal(status)));
    return false;
}

void frmLCM::enableWorkingEntries()
{
    for (const auto &[entry, command] : workingEntries_)
        entry->setEnabled(results_->has(command));
}

void frmLCM::showWorking(Command command)
{
    if (!results_->has(command))
        return;
    workingWindow().open(command);
}

void frmLCM::openPractice(std::optional<std::uint64_t> seed)
{
    practiceWindow(seed).open();
}

WorkingWindow &frmLCM::workingWindow()
{
    // Made at its first use, so that starting the program does not pay for it.
    if (workingWindow_ == nullptr) {
        workingWindow_ = new WorkingWindow(*results_, texts_, *this);
        connect(workingWindow_, &WorkingWindow::practiceAsked, this,
                [this](numbers::PracticeKind kind) { practiceWindow(std::nullopt).openOn(kind); });
    }
    return *workingWindow_;
}

PracticeWindow &frmLCM::practiceWindow(std::optional<std::uint64_t> seed)
{
    if (practiceWindow_ == nullptr) {
        practiceWindow_ = new PracticeWindow(texts_, seed.value_or(QRandomGenerator::system()->generate64()), *this);
        connect(practiceWindow_, &PracticeWindow::workingAsked, this,
                [this](const GivenWorking &working) { workingWindow().openOn(working); });
    }
    return *practiceWindow_;
}

void frmLCM::showLatestWorking()
{
    if (const std::optional<Command> latest = results_->latest())
        showWorking(*latest);
    else
        QApplication::beep();
}

void frmLCM::copyLatestResult()
{
    const std::optional<Command> latest = results_->latest();
    if (!latest) {
        QApplication::beep();
        return;
    }
    switch (*latest) {
    case Command::Factors:
        CaptionMenu::copy(*factorsCaption_);
        break;
    case Command::Hcf:
        CaptionMenu::copy(*hcfCaption_);
        break;
    case Command::Lcm:
        CaptionMenu::copy(*lcmCaption_);
        break;
    case Command::Primes:
        CaptionMenu::copy(*primeCountCaption_);
        break;
    }
}

void frmLCM::quit()
{
    if (workingWindow_ != nullptr)
        workingWindow_->close();
    if (practiceWindow_ != nullptr)
        practiceWindow_->close();
    QCoreApplication::exit(0);
}
