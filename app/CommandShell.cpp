#include "CommandShell.h"

#include "AppNames.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

#include <exception>

namespace {

// Puts the window's cursor back to normal when a command ends, however it ends.
class BusyCursor {
public:
    explicit BusyCursor(QWidget &window) : window_(window) { window_.setCursor(Qt::WaitCursor); }
    ~BusyCursor() { window_.unsetCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    QWidget &window_;
};

QString unexpectedErrorText(const QString &what)
{
    return QCoreApplication::translate("CommandShell",
                                       "The command stopped because of an unexpected error: %1.\n"
                                       "The calculator keeps working: check the numbers and try again.")
        .arg(what);
}

} // namespace

CommandShell::CommandShell(QWidget &window) : window_(window) {}

void CommandShell::run(const std::function<void()> &command)
{
    const BusyCursor busy(window_);
    try {
        command();
    } catch (const std::exception &error) {
        refuse(unexpectedErrorText(QString::fromLocal8Bit(error.what())));
    } catch (...) {
        refuse(unexpectedErrorText(QCoreApplication::translate("CommandShell", "unknown error")));
    }
}

void CommandShell::startClock()
{
    clock_.start();
}

double CommandShell::elapsedMilliseconds() const
{
    return static_cast<double>(clock_.nsecsElapsed()) / 1e6;
}

void CommandShell::refuse(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, AppNames::shortTitle(), message, QMessageBox::Ok, &window_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
