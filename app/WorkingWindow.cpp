#include "WorkingWindow.h"

#include <QKeyEvent>
#include <QFont>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int Gap = 8; // pixels between the main window and this one

} // namespace

WorkingWindow::WorkingWindow(QWidget *parent) : QWidget(parent, Qt::Window), text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("Working"));
    setWindowTitle(QStringLiteral("Working - Factors, HCF & LCM"));
    resize(560, 420);

    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setFixedPitch(true);
    mono.setPointSizeF(10);
    text->setFont(mono);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text);
}

void WorkingWindow::showWorking(const QString &working)
{
    text->setPlainText(working);
}

void WorkingWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void WorkingWindow::openBeside(const QWidget &anchor)
{
    if (!isVisible()) {
        const QRect main = anchor.frameGeometry();
        const QScreen *screen = anchor.screen();
        const QRect desk = screen != nullptr ? screen->availableGeometry() : QRect(main.topLeft(), size());
        int left = main.right() + 1 + Gap;
        if (left + width() > desk.right() + 1 && main.left() - Gap - width() >= desk.left())
            left = main.left() - Gap - width();
        const int top = std::clamp(main.top(), desk.top(), std::max(desk.top(), desk.bottom() + 1 - height()));
        move(left, top);
        show();
    }
    raise();
    activateWindow();
}
