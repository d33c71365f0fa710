#include "WorkingWindow.h"

#include "AppNames.h"
#include "LatestResults.h"
#include "PageLayout.h"
#include "PictureView.h"
#include "Texts.h"
#include "WorkingOutput.h"
#include "WorkingPicture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <memory>
#include <variant>

namespace {

constexpr int Gap = 8; // pixels between the main window and this one
const QSize PreferredSize(560, 420);
constexpr int PicturePage = 1;
constexpr char SaveFolderKey[] = "working/saveFolder"; // the folder a save used last

// The user's settings of the program.
std::unique_ptr<QSettings> settings()
{
    return std::make_unique<QSettings>(QSettings::UserScope, QLatin1String(AppNames::Program),
                                       QLatin1String(AppNames::Program));
}

// The steps of each kind of working, with the ladders marked as tables.
numbers::WorkingText stepsOf(const numbers::Texts &texts, const numbers::FactorWorking &working)
{
    return texts.factorsSteps(working);
}
numbers::WorkingText stepsOf(const numbers::Texts &texts, const numbers::HcfWorking &working)
{
    return {texts.hcfWorking(working), {}};
}
numbers::WorkingText stepsOf(const numbers::Texts &texts, const numbers::LcmWorking &working)
{
    return texts.lcmSteps(working);
}
numbers::WorkingText stepsOf(const numbers::Texts &texts, const numbers::SieveWorking &working)
{
    return {texts.primesWorking(working), {}};
}

// The numbers a save names its file after.
std::vector<std::int32_t> numbersOf(const numbers::FactorWorking &working)
{
    return {working.number};
}
std::vector<std::int32_t> numbersOf(const numbers::HcfWorking &working)
{
    return working.numbers;
}
std::vector<std::int32_t> numbersOf(const numbers::LcmWorking &working)
{
    return working.numbers;
}
std::vector<std::int32_t> numbersOf(const numbers::SieveWorking &working)
{
    return {working.start, working.end};
}

// Draws the picture of each kind of working into scene; gives back its words.
QString drawPictureOf(QGraphicsScene &scene, const numbers::Texts &texts, const numbers::FactorWorking &working)
{
    return WorkingPicture::drawFactorTree(scene, working, texts);
}
QString drawPictureOf(QGraphicsScene &scene, const numbers::Texts &texts, const numbers::HcfWorking &working)
{
    return WorkingPicture::drawVenn(scene, working.venn, working.numbers, texts);
}
QString drawPictureOf(QGraphicsScene &scene, const numbers::Texts &texts, const numbers::LcmWorking &working)
{
    return WorkingPicture::drawVenn(scene, working.venn, working.numbers, texts);
}
QString drawPictureOf(QGraphicsScene &scene, const numbers::Texts &texts, const numbers::SieveWorking &working)
{
    return WorkingPicture::drawSieveGrid(scene, working, texts);
}

// The command whose result a given working is.
numbers::Command commandOf(const GivenWorking &working)
{
    constexpr std::array commands{numbers::Command::Factors, numbers::Command::Hcf, numbers::Command::Lcm};
    return commands.at(working.index());
}

// The practice of the kind of command's working.
numbers::PracticeKind practiceKindOf(numbers::Command command)
{
    switch (command) {
    case numbers::Command::Hcf:
        return numbers::PracticeKind::Hcf;
    case numbers::Command::Lcm:
        return numbers::PracticeKind::Lcm;
    case numbers::Command::Primes:
        return numbers::PracticeKind::PrimeOrNot;
    case numbers::Command::Factors:
        break;
    }
    return numbers::PracticeKind::PrimeFactors;
}

// Where a save opens: the folder used last, at first the user's pictures.
QString saveFolder()
{
    const QString last = settings()->value(QLatin1String(SaveFolderKey)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

// A new action of window with its entry and shortcut.
QAction *newAction(QWidget &window, const char *name, const QString &entry, const QKeySequence &shortcut)
{
    auto *action = new QAction(entry, &window);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

WorkingWindow::WorkingWindow(const LatestResults &results, const numbers::Texts &texts, QWidget &mainWindow)
    : QWidget(&mainWindow, Qt::Window), results_(results), texts_(texts), mainWindow_(mainWindow),
      pages_(new QTabWidget(this)), text_(new QPlainTextEdit), scene_(new QGraphicsScene(this)),
      picture_(new PictureView(scene_, nullptr))
{
    setObjectName(QStringLiteral("Working"));
    setWindowTitle(AppNames::workingTitle());
    resize(PreferredSize);

    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setFixedPitch(true);
    mono.setPointSizeF(10);
    text_->setFont(mono);
    text_->setAccessibleName(tr("Steps"));
    text_->setReadOnly(true);
    // Long lines wrap between words at the window's width, never inside a
    // number; a table is never wrapped, and scrolls sideways (wrapSteps).
    text_->setWordWrapMode(QTextOption::WordWrap);
    text_->installEventFilter(this);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Each line takes the direction of its first letter: in Arabic or Persian a
    // sentence runs right to left, while a line of the ladder, the table or a
    // division, which has no letter, stays left to right as drawn.
    QTextOption lines = text_->document()->defaultTextOption();
    lines.setTextDirection(Qt::LayoutDirectionAuto);
    text_->document()->setDefaultTextOption(lines);

    // The picture is paper: dark on white in any colour scheme. It is drawn
    // whole and then only shown, so its items need no index: a grid of a
    // thousand numbers is drawn faster without one.
    scene_->setBackgroundBrush(Qt::white);
    scene_->setItemIndexMethod(QGraphicsScene::NoIndex);
    picture_->setObjectName(QStringLiteral("Picture"));
    picture_->setAccessibleName(tr("Picture"));

    // The pages come first among the window's children, so that the steps are
    // the first text a screen reader finds.
    pages_->setObjectName(QStringLiteral("WorkingPages"));
    pages_->addTab(text_, tr("&Steps"));
    pages_->addTab(picture_, tr("&Picture"));

    auto *save = newAction(*this, "SaveWorking", tr("&Save…"), QKeySequence::Save);
    auto *copy = newAction(*this, "CopyPicture", tr("Copy &Picture"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    auto *print = newAction(*this, "PrintWorking", tr("&Print…"), QKeySequence::Print);
    actionsOnWorking_ = {save, print};
    copyPicture_ = copy;
    auto *zoomIn = newAction(*this, "ZoomIn", tr("Zoom &In"), QKeySequence(Qt::CTRL | Qt::Key_Plus));
    // Ctrl+= too, where + needs Shift.
    zoomIn->setShortcuts({zoomIn->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    auto *zoomOut = newAction(*this, "ZoomOut", tr("Zoom &Out"), QKeySequence(Qt::CTRL | Qt::Key_Minus));
    auto *fit = newAction(*this, "FitPicture", tr("&Fit"), QKeySequence(Qt::CTRL | Qt::Key_0));
    auto *tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("WorkingTools"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addActions({save, copy, print});
    tools->addSeparator();
    tools->addActions({zoomIn, zoomOut, fit});
    // Practice of the kind shown, apart from the working's own buttons.
    practise_ = new QAction(tr("Practise…"), this);
    practise_->setObjectName(QStringLiteral("Practise"));
    tools->addSeparator();
    tools->addAction(practise_);
    tools->widgetForAction(practise_)->setObjectName(QStringLiteral("PracticeButton"));
    const std::pair<QAction *, QString> spoken[] = {
        {save, tr("Save")}, {copy, tr("Copy Picture")}, {print, tr("Print")},
        {zoomIn, tr("Zoom In")}, {zoomOut, tr("Zoom Out")}, {fit, tr("Fit")},
        {practise_, tr("Practise")},
    };
    // Tab reaches every button (the page tabs and the picture too).
    for (const auto &[action, name] : spoken) {
        QWidget *button = tools->widgetForAction(action);
        button->setAccessibleName(name);
        button->setFocusPolicy(Qt::StrongFocus);
    }
    picture_->setFocusPolicy(Qt::StrongFocus);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(pages_);

    connect(save, &QAction::triggered, this, &WorkingWindow::saveWorking);
    connect(copy, &QAction::triggered, this, &WorkingWindow::copyPicture);
    connect(print, &QAction::triggered, this, &WorkingWindow::printWorking);
    connect(zoomIn, &QAction::triggered, picture_, &PictureView::zoomIn);
    connect(zoomOut, &QAction::triggered, picture_, &PictureView::zoomOut);
    connect(fit, &QAction::triggered, picture_, &PictureView::fitToView);
    connect(practise_, &QAction::triggered, this, [this] {
        if (shown_)
            emit practiceAsked(practiceKindOf(*shown_));
    });
    // Zooming is for the picture's page only.
    const auto enableZoom = [=](int page) {
        for (QAction *action : {zoomIn, zoomOut, fit})
            action->setEnabled(page == PicturePage);
    };
    enableZoom(pages_->currentIndex());
    connect(pages_, &QTabWidget::currentChanged, this, enableZoom);

    // Texts and pictures are made only while the window is open, so a command pays nothing for them.
    connect(&results, &LatestResults::recorded, this, [this](numbers::Command command) {
        if (isVisible())
            showWorkingOf(command);
    });
    connect(&results, &LatestResults::numbersChanged, this, &WorkingWindow::numbersChanged);
}

void WorkingWindow::open(numbers::Command command)
{
    showWorkingOf(command);
    showWindow();
}

void WorkingWindow::openOn(const GivenWorking &working)
{
    shown_ = commandOf(working);
    givenShown_ = true;
    std::visit([this](const auto &given) { showWorking(given); }, working);
    showWindow();
}

void WorkingWindow::showWindow()
{
    if (!isVisible()) {
        place();
        show();
    }
    raise();
    activateWindow();
    pages_->currentWidget()->setFocus();
}

bool WorkingWindow::saveTo(const QString &fileName)
{
    const QString failure = WorkingOutput::write(fileName, content());
    if (failure.isEmpty())
        return true;
    QMessageBox::critical(this, AppNames::shortTitle(),
                          tr("The working could not be saved as \"%1\": %2.").arg(QDir::toNativeSeparators(fileName), failure));
    return false;
}

WorkingOutput::Content WorkingWindow::content() const
{
    return {working_, text_->font(), WorkingPicture::isNotice(*scene_) ? nullptr : scene_, picture_->accessibleDescription(),
            QString::fromStdString(texts_.phrases().continued)};
}

bool WorkingWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == text_ && event->type() == QEvent::Resize && !working_.tables.empty())
        wrapSteps();
    return QWidget::eventFilter(watched, event);
}

void WorkingWindow::wrapSteps()
{
    // The text wraps at the view's width while every table fits it; a wider
    // table leaves the lines whole, to scroll sideways.
    if (working_.tables.empty()) {
        text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        return;
    }
    const double room = text_->viewport()->width() - 2 * text_->document()->documentMargin();
    const QFontMetricsF metrics(text_->font());
    const QStringList lines = QString::fromStdString(working_.text).split(QLatin1Char('\n'));
    bool tablesFit = true;
    for (const numbers::WorkingTable &table : working_.tables)
        for (std::size_t row = table.firstLine; row < table.firstLine + table.rows; ++row)
            tablesFit = tablesFit && metrics.horizontalAdvance(lines[static_cast<qsizetype>(row)]) <= room;
    text_->setLineWrapMode(tablesFit ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void WorkingWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void WorkingWindow::showWorkingOf(numbers::Command command)
{
    shown_ = command;
    givenShown_ = false;
    switch (command) {
    case numbers::Command::Factors:
        showWorking(results_.factorWorking());
        break;
    case numbers::Command::Hcf:
        showWorking(results_.hcfWorking());
        break;
    case numbers::Command::Lcm:
        showWorking(results_.lcmWorking());
        break;
    case numbers::Command::Primes:
        showWorking(results_.sieveWorking());
        break;
    }
}

template <typename Working> void WorkingWindow::showWorking(const Working &working)
{
    working_ = stepsOf(texts_, working);
    nameNumbers_ = numbersOf(working);
    text_->setPlainText(QString::fromStdString(working_.text));
    wrapSteps();
    pictureChanged(drawPictureOf(*scene_, texts_, working));
}

void WorkingWindow::showNotice(const QString &notice)
{
    working_ = {notice.toStdString(), {}};
    text_->setPlainText(notice);
    wrapSteps();
    const QString description = WorkingPicture::drawNotice(*scene_, notice);
    shown_.reset();
    givenShown_ = false;
    pictureChanged(description);
}

void WorkingWindow::pictureChanged(const QString &description)
{
    picture_->setAccessibleDescription(description);
    picture_->showNewPicture();
    // A notice alone is nothing to save, copy or print; the steps of a
    // picture not drawn are saved and printed without it.
    for (QAction *action : actionsOnWorking_)
        action->setEnabled(shown_.has_value());
    copyPicture_->setEnabled(shown_.has_value() && !WorkingPicture::isNotice(*scene_));
    practise_->setEnabled(shown_.has_value());
}

void WorkingWindow::numbersChanged()
{
    // Whatever the edit took away is no longer kept; a given working stays.
    if (isVisible() && !givenShown_ && shown_ && !results_.has(*shown_))
        showNotice(QString::fromStdString(texts_.phrases().numbersChanged));
}

void WorkingWindow::saveWorking()
{
    if (!shown_)
        return;
    QFileDialog dialog(this, tr("Save the Working"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters = WorkingOutput::fileFilters();
    dialog.setNameFilters(filters);
    if (!filters.contains(saveFilter_))
        saveFilter_ = filters.front();
    dialog.selectNameFilter(saveFilter_);
    dialog.setDirectory(saveFolder());
    dialog.selectFile(WorkingOutput::suggestedName(*shown_, nameNumbers_) + QLatin1Char('.') +
                      WorkingOutput::extensionOf(saveFilter_));
    // A name typed without an extension takes the chosen kind's, before the
    // dialog asks whether to replace a file of that name.
    dialog.setDefaultSuffix(WorkingOutput::extensionOf(saveFilter_));
    // A name with an offered extension takes the chosen kind's.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
        dialog.setDefaultSuffix(WorkingOutput::extensionOf(filter));
        const QStringList typed = dialog.selectedFiles();
        if (!typed.isEmpty() && !QFileInfo(typed.front()).isDir())
            dialog.selectFile(QFileInfo(WorkingOutput::forFilter(typed.front(), filter)).fileName());
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    saveFilter_ = dialog.selectedNameFilter();
    const QString fileName = WorkingOutput::withExtension(dialog.selectedFiles().constFirst(), saveFilter_);
    settings()->setValue(QLatin1String(SaveFolderKey), QFileInfo(fileName).absolutePath());
    saveTo(fileName);
}

void WorkingWindow::copyPicture()
{
    if (!copyPicture_->isEnabled())
        return;
    QApplication::clipboard()->setImage(WorkingOutput::image(*scene_));
}

void WorkingWindow::printWorking()
{
    if (!shown_)
        return;
    const QString unavailable = WorkingOutput::print(this, WorkingOutput::document(content()));
    if (!unavailable.isEmpty())
        QMessageBox::critical(this, AppNames::shortTitle(), tr("Printing is not available: %1").arg(unavailable));
}

void WorkingWindow::place()
{
    const QScreen *screen = mainWindow_.screen();
    const QRect main = mainWindow_.frameGeometry();
    const QRect desk = screen != nullptr ? screen->availableGeometry() : QRect(main.topLeft(), PreferredSize);
    // What the platform's frame adds around the window, where it is known already.
    const QSize frame = frameGeometry().size() - size();
    const QSize fits = PreferredSize.boundedTo(desk.size() - frame);
    resize(fits);
    const int outerWidth = fits.width() + frame.width();
    const int outerHeight = fits.height() + frame.height();

    int left = main.right() + 1 + Gap; // to the right
    if (left + outerWidth > desk.right() + 1) {
        left = main.left() - Gap - outerWidth; // to the left
        if (left < desk.left())                // over it
            left = std::clamp(main.left(), desk.left(), desk.right() + 1 - outerWidth);
    }
    const int top = std::clamp(main.top(), desk.top(), desk.bottom() + 1 - outerHeight);
    move(left, top); // a window's position is its frame's
}
