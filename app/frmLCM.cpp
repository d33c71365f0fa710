#include "frmLCM.h"

#include "CaptionLabel.h"
#include "CaptionMenu.h"
#include "CommandShell.h"
#include "FormLooks.h"
#include "GameLauncher.h"
#include "PrimeListView.h"
#include "ResultWorking.h"
#include "ui_frmLCM.h"

#include "FactorText.h"
#include "Factorizer.h"
#include "Hcf.h"
#include "InputReader.h"
#include "PrimeRange.h"
#include "WorkingText.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>

#include <vector>

// The pictures are compiled into this static library; registering them here
// keeps them linked into every program that makes the window.
static void registerPictures()
{
    Q_INIT_RESOURCE(assets);
}

namespace {

constexpr int ClientWidth = 612;
constexpr int ClientHeight = 408;

QString text(const std::string &core)
{
    return QString::fromStdString(core);
}

std::vector<std::int32_t> copyOf(std::span<const std::int32_t> values)
{
    return {values.begin(), values.end()};
}

} // namespace

frmLCM::frmLCM(QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmLCM>())
{
    registerPictures();
    ui->setupUi(this);
    Text2 = {ui->Text2_0, ui->Text2_1};
    FormLooks::apply(*this);
    working = new ResultWorking(*this);

    centralWidget()->setFixedSize(ClientWidth, ClientHeight);
    setFixedSize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());

    shell = std::make_unique<CommandShell>(*this, *ui->Label2);

    using Command = ResultWorking::Command;
    CaptionMenu::attach(*ui->Label1, [this] { working->open(Command::Factors); });
    CaptionMenu::attach(*ui->Label8, [this] { working->open(Command::Hcf); });
    CaptionMenu::attach(*ui->Lblcm, [this] { working->open(Command::Lcm); });
    CaptionMenu::attach(*ui->Label4, [this] { working->open(Command::Lcm); });
    CaptionMenu::attach(*ui->Label12);
    CaptionMenu::attach(*ui->Label2);

    auto *showLatestWorking = new QAction(this);
    showLatestWorking->setObjectName(QStringLiteral("ShowWorking"));
    showLatestWorking->setShortcut(CaptionMenu::workingShortcut());
    showLatestWorking->setShortcutContext(Qt::WindowShortcut);
    addAction(showLatestWorking);

    // Connected after setupUi, so the starting text of Text1 is no change.
    connect(ui->Factorize, &QPushButton::clicked, this, &frmLCM::Factorize_Click);
    connect(ui->Find_HCF, &QPushButton::clicked, this, &frmLCM::Find_HCF_Click);
    connect(ui->Find_LCM, &QPushButton::clicked, this, &frmLCM::Find_LCM_Click);
    connect(ui->FindPrime, &QPushButton::clicked, this, &frmLCM::FindPrime_Click);
    connect(ui->Text1, &QLineEdit::textChanged, this, &frmLCM::Text1_Change);
    connect(ui->Exit, &QAction::triggered, this, &frmLCM::Exit_Click);
    connect(ui->Backz, &QAction::triggered, this, &frmLCM::Backz_Click);
    connect(showLatestWorking, &QAction::triggered, working, &ResultWorking::openLatest);

    ui->Find_LCM->setFocus();
}

frmLCM::~frmLCM() = default;

numbers::Status frmLCM::FindLCM()
{
    LcmValue = 1;
    LcmFactors.clear();
    LcmLadderResult.reset();
    auto result = std::make_shared<numbers::LcmResult>(numbers::LcmLadder::of(Numbers.values()));
    if (result->status.isOk()) {
        LcmValue = result->LcmValue;
        LcmFactors = result->LcmFactors;
        LcmLadderResult = result;
    }
    return result->status;
}

numbers::Status frmLCM::Read_Input()
{
    numbers::Reading reading = numbers::InputReader::read(ui->Text1->text().toStdString());
    Numbers = reading.status.isOk() ? reading.list : numbers::NumberList{};
    return reading.status;
}

numbers::Status frmLCM::readThen(const std::function<numbers::Status()> &work)
{
    const numbers::Status read = Read_Input();
    return read.isOk() ? work() : read;
}

void frmLCM::closeEvent(QCloseEvent *event)
{
    Form_QueryUnload();
    event->accept();
}

void frmLCM::Backz_Click()
{
    const QString directory = QDir::currentPath();
    if (GameLauncher::start(directory)) {
        working->closeWindow();
        hide();
        QCoreApplication::exit(0);
        return;
    }
    shell->refuse(GameLauncher::failureMessage(directory));
}

void frmLCM::Exit_Click()
{
    working->closeWindow();
    QCoreApplication::exit(0);
}

void frmLCM::Factorize_Click()
{
    auto result = std::make_shared<numbers::FactorResult>();
    shell->execute({
        .waiting = {{ui->Label1, QStringLiteral("Factors ??")}, {ui->Label2, QStringLiteral("Pl. wait...")}},
        .compute =
            [&] {
                return readThen([&] {
                    *result = numbers::Factorizer::ofFirst(Numbers.values());
                    return result->status;
                });
            },
        .showBeforeTime =
            [&] {
                ui->Frame2->setTitle(QStringLiteral("Factors of the no. ") + QString::number(result->number));
                ui->Label1->showResult(text(result->text));
            },
        .timeSuffix = QStringLiteral(" ms (Factor)"),
        .showAfterTime =
            [&] {
                working->recorded(ResultWorking::Command::Factors, *ui->Label1,
                                  [result] { return numbers::WorkingText::ofFactors(*result); });
            },
    });
}

void frmLCM::Find_HCF_Click()
{
    auto result = std::make_shared<numbers::HcfResult>();
    shell->execute({
        .waiting = {{ui->Label8, QStringLiteral("HCF ?")}, {ui->Label2, QStringLiteral("Pl. wait...")}},
        .compute =
            [&] {
                return readThen([&] {
                    *result = numbers::Hcf::of(Numbers.values());
                    return result->status;
                });
            },
        .showBeforeTime = [&] { ui->Label8->showResult(QStringLiteral("HCF = ") + QString::number(result->value)); },
        .timeSuffix = QStringLiteral(" ms (HCF)"),
        .showAfterTime =
            [&] {
                working->recorded(ResultWorking::Command::Hcf, *ui->Label8,
                                  [result, values = copyOf(Numbers.values())] {
                                      return numbers::WorkingText::ofHcf(values, *result);
                                  });
            },
    });
}

void frmLCM::Find_LCM_Click()
{
    shell->execute({
        .waiting = {{ui->Lblcm, QStringLiteral("LCM ?")},
                    {ui->Label4, QStringLiteral("LCM Factors ??")},
                    {ui->Label2, QStringLiteral("Pl. wait...")}},
        .compute = [&] { return readThen([&] { return FindLCM(); }); },
        .showBeforeTime = [&] { ui->Lblcm->showResult(QStringLiteral("LCM = ") + text(LcmValue.get_str())); },
        .timeSuffix = QStringLiteral(" ms (LCM)"),
        .showAfterTime =
            [&] {
                ui->Label4->showResult(QStringLiteral("LCM Factors: ") + text(numbers::FactorText::shown(LcmFactors)));
                working->recorded(ResultWorking::Command::Lcm, *ui->Lblcm,
                                  [result = LcmLadderResult, values = copyOf(Numbers.values())] {
                                      return numbers::WorkingText::ofLcm(values, *result);
                                  });
            },
    });
}

void frmLCM::FindPrime_Click()
{
    shell->execute({
        .waiting = {{ui->Label2, QStringLiteral("Prime Time?")}, {ui->Label12, QStringLiteral("Finding...")}},
        .clockAfterWaiting = true,
        .compute =
            [&] {
                for (std::size_t box = 0; box < Text2.size(); ++box) {
                    const numbers::BoundReading reading =
                        numbers::PrimeRange::readBound(Text2[box]->text().toStdString(), static_cast<int>(box) + 1);
                    if (!reading.status.isOk()) {
                        Text2[box]->setText(QStringLiteral("1"));
                        return reading.status;
                    }
                    PrimeBounds[box] = reading.bound;
                }
                return numbers::Status{};
            },
        .showBeforeTime = [&] { ListPrimes(); },
        .timeSuffix = QStringLiteral(" ms (Prime)"),
    });
}

void frmLCM::ListPrimes()
{
    std::vector<std::int32_t> primes = numbers::PrimeRange::primesBetween(PrimeBounds[0], PrimeBounds[1]);
    const std::size_t count = primes.size();
    ui->List1->showPrimes(std::move(primes));
    ui->Label12->setText(text(numbers::PrimeRange::countCaption(count)));
}

void frmLCM::Form_QueryUnload()
{
    working->closeWindow();
    QCoreApplication::exit(0);
}

void frmLCM::Text1_Change()
{
    ui->Label1->setText(QStringLiteral("Factors ??"));
    ui->Lblcm->setText(QStringLiteral("LCM ?"));
    ui->Label4->setText(QStringLiteral("LCM Factors ??"));
    ui->Frame2->setTitle(QStringLiteral("Factors of the 1st number"));
    ui->Label2->setText(QStringLiteral(".."));
    ui->Label8->setText(QStringLiteral("HCF ?"));
    working->numbersChanged();
}
