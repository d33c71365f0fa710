#include "ResultWorking.h"

#include "CaptionLabel.h"
#include "WorkingWindow.h"

#include <QApplication>

namespace {

QString shownText(const std::string &working)
{
    return QString::fromStdString(working);
}

} // namespace

ResultWorking::ResultWorking(QWidget &mainWindow)
    : QObject(&mainWindow), mainWindow(mainWindow), shown(new WorkingWindow(&mainWindow))
{
}

void ResultWorking::recorded(Command command, const CaptionLabel &caption, Maker make)
{
    Entry &entry = entries[static_cast<std::size_t>(command)];
    entry.make = std::move(make);
    entry.caption = &caption;
    entry.order = ++recordings;
    if (shown->isVisible())
        shown->showWorking(shownText(entry.make()));
}

void ResultWorking::numbersChanged()
{
    entries = {};
    if (shown->isVisible())
        shown->showWorking(numbersChangedText());
}

void ResultWorking::open(Command command)
{
    const Entry &entry = entries[static_cast<std::size_t>(command)];
    if (entry.make && entry.caption != nullptr && entry.caption->showsResult())
        openOn(entry);
}

void ResultWorking::openLatest()
{
    const Entry *latest = nullptr;
    for (const Entry &entry : entries) {
        if (entry.make && entry.caption != nullptr && entry.caption->showsResult()
            && (latest == nullptr || entry.order > latest->order))
            latest = &entry;
    }
    if (latest == nullptr) {
        QApplication::beep();
        return;
    }
    openOn(*latest);
}

void ResultWorking::closeWindow()
{
    shown->close();
}

QString ResultWorking::numbersChangedText()
{
    return QStringLiteral("The numbers have changed: run a command to see its working.");
}

void ResultWorking::openOn(const Entry &entry)
{
    shown->showWorking(shownText(entry.make()));
    shown->openBeside(mainWindow);
}
