#include "frmLCM.h"

#include "CommandShell.h"
#include "FormLooks.h"
#include "GameLauncher.h"
#include "ui_frmLCM.h"

#include "FactorText.h"
#include "Factorizer.h"
#include "Hcf.h"
#include "InputReader.h"
#include "LcmLadder.h"
#include "PrimeRange.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QStringList>

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

} // namespace

frmLCM::frmLCM(QWidget *parent) : QMainWindow(parent), ui(std::make_unique<Ui::frmLCM>())
{
    registerPictures();
    ui->setupUi(this);
    Text2 = {ui->Text2_0, ui->Text2_1};
    FormLooks::apply(*this);

    centralWidget()->setFixedSize(ClientWidth, ClientHeight);
    setFixedSize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());

    shell = std::make_unique<CommandShell>(*this, *ui->Label2);

    // Connected after setupUi, so the starting text of Text1 is no change.
    connect(ui->Factorize, &QPushButton::clicked, this, &frmLCM::Factorize_Click);
    connect(ui->Find_HCF, &QPushButton::clicked, this, &frmLCM::Find_HCF_Click);
    connect(ui->Find_LCM, &QPushButton::clicked, this, &frmLCM::Find_LCM_Click);
    connect(ui->FindPrime, &QPushButton::clicked, this, &frmLCM::FindPrime_Click);
    connect(ui->Text1, &QLineEdit::textChanged, this, &frmLCM::Text1_Change);
    connect(ui->Exit, &QAction::triggered, this, &frmLCM::Exit_Click);
    connect(ui->Backz, &QAction::triggered, this, &frmLCM::Backz_Click);

    ui->Find_LCM->setFocus();
}

frmLCM::~frmLCM() = default;

numbers::Status frmLCM::FindLCM()
{
    LcmValue = 1;
    LcmFactors.clear();
    numbers::LcmResult result = numbers::LcmLadder::of(Numbers.values());
    if (result.status.isOk()) {
        LcmValue = result.LcmValue;
        LcmFactors = std::move(result.LcmFactors);
    }
    return result.status;
}

numbers::Status frmLCM::Read_Input()
{
    numbers::Reading reading = numbers::InputReader::read(ui->Text1->text().toStdString());
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
    if (GameLauncher::start(directory)) {
        hide();
        QCoreApplication::exit(0);
        return;
    }
    shell->refuse(GameLauncher::failureMessage(directory));
}

void frmLCM::Exit_Click()
{
    QCoreApplication::exit(0);
}

void frmLCM::Factorize_Click()
{
    shell->run([this] {
        shell->startClock();
        FormLooks::setCaption(*ui->Label1, QStringLiteral("Factors ??"));
        FormLooks::setCaption(*ui->Label2, QStringLiteral("Pl. wait..."));
        if (!shell->accepted(Read_Input()))
            return;
        const numbers::FactorResult result = numbers::Factorizer::ofFirst(Numbers.values());
        if (!shell->accepted(result.status))
            return;
        ui->Frame2->setTitle(QStringLiteral("Factors of the no. ") + QString::number(result.number));
        FormLooks::setCaption(*ui->Label1, text(result.text));
        shell->showElapsed(QStringLiteral(" ms (Factor)"));
        ui->Label1->setToolTip(ui->Label1->text());
    });
}

void frmLCM::Find_HCF_Click()
{
    shell->run([this] {
        shell->startClock();
        FormLooks::setCaption(*ui->Label8, QStringLiteral("HCF ?"));
        FormLooks::setCaption(*ui->Label2, QStringLiteral("Pl. wait..."));
        if (!shell->accepted(Read_Input()))
            return;
        const numbers::HcfResult result = numbers::Hcf::of(Numbers.values());
        if (!shell->accepted(result.status))
            return;
        FormLooks::setCaption(*ui->Label8, QStringLiteral("HCF = ") + QString::number(result.value));
        shell->showElapsed(QStringLiteral(" ms (HCF)"));
    });
}

void frmLCM::Find_LCM_Click()
{
    shell->run([this] {
        shell->startClock();
        FormLooks::setCaption(*ui->Lblcm, QStringLiteral("LCM ?"));
        FormLooks::setCaption(*ui->Label4, QStringLiteral("LCM Factors ??"));
        FormLooks::setCaption(*ui->Label2, QStringLiteral("Pl. wait..."));
        if (!shell->accepted(Read_Input()) || !shell->accepted(FindLCM()))
            return;
        FormLooks::setCaption(*ui->Lblcm, QStringLiteral("LCM = ") + text(LcmValue.get_str()));
        shell->showElapsed(QStringLiteral(" ms (LCM)"));
        FormLooks::setCaption(*ui->Label4,
                              QStringLiteral("LCM Factors: ") + text(numbers::FactorText::shown(LcmFactors)));
    });
}

void frmLCM::FindPrime_Click()
{
    shell->run([this] {
        FormLooks::setCaption(*ui->Label2, QStringLiteral("Prime Time?"));
        FormLooks::setCaption(*ui->Label12, QStringLiteral("Finding..."));
        shell->startClock();
        for (std::size_t box = 0; box < Text2.size(); ++box) {
            const numbers::BoundReading reading =
                numbers::PrimeRange::readBound(Text2[box]->text().toStdString(), static_cast<int>(box) + 1);
            if (!reading.status.isOk()) {
                Text2[box]->setText(QStringLiteral("1"));
                shell->refuse(text(reading.status.message()));
                return;
            }
            PrimeBounds[box] = reading.bound;
        }
        ListPrimes();
        shell->showElapsed(QStringLiteral(" ms (Prime)"));
    });
}

void frmLCM::ListPrimes()
{
    const std::vector<std::int32_t> primes = numbers::PrimeRange::primesBetween(PrimeBounds[0], PrimeBounds[1]);
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(primes.size()));
    for (const std::int32_t prime : primes)
        entries.append(QString::number(prime));
    ui->List1->clear();
    ui->List1->addItems(entries);
    FormLooks::setCaption(*ui->Label12, text(numbers::PrimeRange::countCaption(primes.size())));
}

void frmLCM::Form_QueryUnload()
{
    QCoreApplication::exit(0);
}

void frmLCM::Text1_Change()
{
    FormLooks::setCaption(*ui->Label1, QStringLiteral("Factors ??"));
    FormLooks::setCaption(*ui->Lblcm, QStringLiteral("LCM ?"));
    FormLooks::setCaption(*ui->Label4, QStringLiteral("LCM Factors ??"));
    ui->Frame2->setTitle(QStringLiteral("Factors of the 1st number"));
    FormLooks::setCaption(*ui->Label2, QStringLiteral(".."));
    FormLooks::setCaption(*ui->Label8, QStringLiteral("HCF ?"));
}
