#include "WorksheetDialog.h"

#include "AppNames.h"
#include "WorkingOutput.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The preview's width in pixels: the first page, small.
constexpr int PreviewWidth = 300;

QCheckBox *newKind(const char *name, const QString &text)
{
    auto *box = new QCheckBox(text);
    box->setObjectName(QLatin1String(name));
    box->setChecked(true);
    return box;
}

} // namespace

WorksheetDialog::WorksheetDialog(QWidget *parent)
    : QDialog(parent),
      kinds_{newKind("KindFactors", tr("&Prime factors")),
             //: The school's name of the highest common factor
             newKind("KindHcf", tr("&HCF")),
             //: The school's name of the lowest common multiple
             newKind("KindLcm", tr("L&CM")), newKind("KindPrime", tr("Prime &or not"))},
      level_(new QSpinBox), count_(new QSpinBox), seed_(new QLineEdit),
      picturesInKey_(new QCheckBox(tr("P&ictures in the answer key"))), preview_(new QLabel),
      save_(new QPushButton(tr("&Save…"))), print_(new QPushButton(tr("P&rint…"))),
      saveFilter_(WorksheetFile::fileFilters().constFirst())
{
    setObjectName(QStringLiteral("Worksheet"));
    //: %1: the program's short title
    setWindowTitle(tr("Worksheet – %1").arg(AppNames::shortTitle()));

    level_->setObjectName(QStringLiteral("Level"));
    level_->setRange(numbers::Practice::LowestLevel, numbers::Practice::HighestLevel);
    count_->setObjectName(QStringLiteral("Count"));
    count_->setRange(numbers::Worksheet::FewestQuestions, numbers::Worksheet::MostQuestions);
    count_->setValue(numbers::WorksheetOptions().count);
    seed_->setObjectName(QStringLiteral("Seed"));
    seed_->setText(QString::number(QRandomGenerator::system()->generate64()));
    // Room for the largest seed's 20 digits.
    seed_->setMinimumWidth(seed_->fontMetrics().horizontalAdvance(QString(22, QLatin1Char('0'))));
    picturesInKey_->setObjectName(QStringLiteral("PicturesInKey"));
    picturesInKey_->setChecked(true);
    preview_->setObjectName(QStringLiteral("Preview"));
    preview_->setAccessibleName(tr("Preview of the first page"));
    preview_->setFixedWidth(PreviewWidth);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setWordWrap(true);
    save_->setObjectName(QStringLiteral("Save"));
    print_->setObjectName(QStringLiteral("Print"));

    auto *kindsBox = new QGroupBox(tr("Kinds of question"));
    auto *kindsLayout = new QVBoxLayout(kindsBox);
    for (QCheckBox *kind : kinds_)
        kindsLayout->addWidget(kind);
    auto *form = new QFormLayout;
    form->addRow(tr("&Level:"), level_);
    form->addRow(tr("&Number of questions:"), count_);
    form->addRow(tr("S&eed:"), seed_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(save_, QDialogButtonBox::ActionRole);
    buttons->addButton(print_, QDialogButtonBox::ActionRole);

    auto *options = new QVBoxLayout;
    options->addWidget(kindsBox);
    options->addLayout(form);
    options->addWidget(picturesInKey_);
    options->addStretch(1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(options);
    columns->addWidget(preview_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    for (QCheckBox *kind : kinds_)
        connect(kind, &QCheckBox::toggled, this, &WorksheetDialog::showPreview);
    connect(level_, &QSpinBox::valueChanged, this, &WorksheetDialog::showPreview);
    connect(count_, &QSpinBox::valueChanged, this, &WorksheetDialog::showPreview);
    connect(seed_, &QLineEdit::textChanged, this, &WorksheetDialog::showPreview);
    connect(save_, &QPushButton::clicked, this, &WorksheetDialog::Save_Click);
    connect(print_, &QPushButton::clicked, this, &WorksheetDialog::Print_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showPreview();
}

std::optional<numbers::WorksheetOptions> WorksheetDialog::options() const
{
    numbers::WorksheetOptions options;
    options.kinds.clear();
    for (std::size_t i = 0; i < kinds_.size(); ++i)
        if (kinds_[i]->isChecked())
            options.kinds.push_back(static_cast<numbers::PracticeKind>(i));
    const std::optional<std::uint64_t> seed = numbers::Worksheet::readSeed(seed_->text().toStdString());
    if (options.kinds.empty() || !seed)
        return std::nullopt;
    options.level = level_->value();
    options.count = count_->value();
    options.seed = *seed;
    options.picturesInKey = picturesInKey_->isChecked();
    return options;
}

WorksheetDocument WorksheetDialog::sheet() const
{
    return WorksheetDocument::make(*options(), QLocale().name());
}

void WorksheetDialog::showPreview()
{
    const bool ready = options().has_value();
    save_->setEnabled(ready);
    print_->setEnabled(ready);
    if (ready) {
        // The first page holds no answer: the key's pictures need not be drawn.
        WorksheetDocument previewed = sheet();
        previewed.options.picturesInKey = false;
        preview_->setPixmap(QPixmap::fromImage(
            PageLayout::firstPage(WorksheetFile::pages(previewed), previewed.pageSize, PreviewWidth)));
        return;
    }
    const bool anyKind = std::any_of(kinds_.begin(), kinds_.end(), [](const QCheckBox *kind) { return kind->isChecked(); });
    preview_->setText(anyKind ? tr("The seed is a whole number from 0 to 18446744073709551615.")
                              : tr("Choose at least one kind of question."));
}

void WorksheetDialog::Save_Click()
{
    QFileDialog dialog(this, tr("Save Worksheet"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(WorksheetFile::fileFilters());
    dialog.selectNameFilter(saveFilter_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    saveFilter_ = dialog.selectedNameFilter();
    const QString fileName = WorksheetFile::withExtension(dialog.selectedFiles().constFirst(), saveFilter_);
    const QString reason = WorksheetFile::write(fileName, sheet());
    if (!reason.isEmpty())
        //: %1: the file; %2: why it could not be written
        QMessageBox::warning(this, AppNames::shortTitle(), tr("Cannot write %1: %2").arg(fileName, reason));
}

void WorksheetDialog::Print_Click()
{
    const QString unavailable = WorkingOutput::print(this, WorksheetFile::pages(sheet()));
    if (!unavailable.isEmpty())
        //: %1: why printing is not available
        QMessageBox::warning(this, AppNames::shortTitle(), tr("Printing is not available: %1").arg(unavailable));
}
