#include "WorkingWindow.h"

#include "AppNames.h"
#include "LatestResults.h"
#include "Texts.h"

#include <QFont>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int Gap = 8; // pixels between the main window and this one
const QSize PreferredSize(560, 420);

std::string workingOf(const LatestResults &results, const numbers::Texts &texts, numbers::Command command)
{
    switch (command) {
    case numbers::Command::Factors:
        return texts.factorsWorking(*results.factors());
    case numbers::Command::Hcf:
        return texts.hcfWorking(*results.hcf());
    case numbers::Command::Lcm:
        return texts.lcmWorking(*results.lcm());
    case numbers::Command::Primes:
        break;
    }
    return texts.primesWorking(*results.primes());
}

} // namespace

WorkingWindow::WorkingWindow(const LatestResults &results, const numbers::Texts &texts, QWidget &mainWindow)
    : QWidget(&mainWindow, Qt::Window), results_(results), texts_(texts), mainWindow_(mainWindow),
      text_(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("Working"));
    setWindowTitle(AppNames::workingTitle());
    resize(PreferredSize);

    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setFixedPitch(true);
    mono.setPointSizeF(10);
    text_->setFont(mono);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);

    // Texts are made only while the window is open, so a command pays nothing for them.
    connect(&results, &LatestResults::recorded, this, [this](numbers::Command command) {
        if (isVisible())
            showWorkingOf(command);
    });
    connect(&results, &LatestResults::numbersChanged, this, &WorkingWindow::numbersChanged);
}

void WorkingWindow::open(numbers::Command command)
{
    showWorkingOf(command);
    if (!isVisible()) {
        place();
        show();
    }
    raise();
    activateWindow();
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
    text_->setPlainText(QString::fromStdString(workingOf(results_, texts_, command)));
    shown_ = command;
}

void WorkingWindow::showNotice(const QString &notice)
{
    text_->setPlainText(notice);
    shown_.reset();
}

void WorkingWindow::numbersChanged()
{
    // The primes are read from their own boxes: their working stays.
    if (isVisible() && shown_ != numbers::Command::Primes)
        showNotice(QString::fromStdString(texts_.phrases().numbersChanged));
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
