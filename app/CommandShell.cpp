#include "CommandShell.h"

#include "CaptionLabel.h"
#include "Status.h"

#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <cmath>
#include <exception>

namespace {

// Puts the window's cursor back to normal when a command ends, however it ends.
class BusyCursor {
public:
    explicit BusyCursor(QWidget &window) : window(window) { window.setCursor(Qt::WaitCursor); }
    ~BusyCursor() { window.unsetCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    QWidget &window;
};

QString unexpectedErrorText(const QString &what)
{
    return QStringLiteral("The command stopped because of an unexpected error: %1.\n"
                          "The calculator keeps working: check the numbers and try again.")
        .arg(what);
}

} // namespace

CommandShell::CommandShell(QWidget &window, CaptionLabel &statusLine) : window(window), statusLine(statusLine) {}

void CommandShell::execute(const Command &command)
{
    run([&] {
        if (!command.clockAfterWaiting)
            startClock();
        for (const Caption &caption : command.waiting)
            caption.label->setText(caption.text);
        if (command.clockAfterWaiting)
            startClock();
        if (!accepted(command.compute()))
            return;
        if (command.showBeforeTime)
            command.showBeforeTime();
        showElapsed(command.timeSuffix);
        if (command.showAfterTime)
            command.showAfterTime();
    });
}

void CommandShell::run(const std::function<void()> &command)
{
    const BusyCursor busy(window);
    try {
        command();
    } catch (const std::exception &error) {
        refuse(unexpectedErrorText(QString::fromLocal8Bit(error.what())));
    } catch (...) {
        refuse(unexpectedErrorText(QStringLiteral("unknown error")));
    }
}

void CommandShell::startClock()
{
    clock.start();
}

void CommandShell::showElapsed(const QString &suffix)
{
    const double milliseconds = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    statusLine.setText(formatElapsed(milliseconds) + suffix);
}

void CommandShell::refuse(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(Title), message, QMessageBox::Ok, &window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool CommandShell::accepted(const numbers::Status &status)
{
    if (status.isOk())
        return true;
    refuse(QString::fromStdString(status.message()));
    return false;
}

QString CommandShell::formatElapsed(double milliseconds)
{
    if (!std::isfinite(milliseconds))
        return QStringLiteral("0");
    const double whole = std::round(milliseconds) + 0.0; // + 0.0 turns -0 into 0
    return QString::number(whole, 'f', 0);
}
