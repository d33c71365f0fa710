#pragma once

#include <QElapsedTimer>

#include <functional>

class QLabel;
class QString;
class QWidget;

namespace numbers {
class Status;
}

// What every command runs inside: the busy cursor over the window, the clock
// whose reading ends up in the status line, refusals in message boxes, and a
// safety net for anything a command throws.
class CommandShell {
public:
    // The application's title, carried by every message box.
    static constexpr const char *Title = "Factors, HCF & LCM";

    // window shows the busy cursor; statusLine receives the elapsed time.
    CommandShell(QWidget &window, QLabel &statusLine);

    // Runs command with the wait cursor over the window. Anything it throws is
    // reported in a critical box; the cursor is back to normal in every case.
    void run(const std::function<void()> &command);
    // Takes the start time of the running command from a monotonic clock.
    void startClock();
    // Writes the milliseconds since startClock, formatted by formatElapsed and
    // followed directly by suffix, into the status line.
    void showElapsed(const QString &suffix);
    // Shows message in a modal critical box with one OK button and returns
    // once it is closed.
    void refuse(const QString &message);
    // True when status is ok; otherwise refuses with its message and gives false.
    bool accepted(const numbers::Status &status);

    // Milliseconds rounded to a whole number, halves away from zero, in plain
    // digits with a leading "-" for negatives: 15.625 gives "16", 0.4 gives "0".
    static QString formatElapsed(double milliseconds);

private:
    QWidget &window;
    QLabel &statusLine;
    QElapsedTimer clock;
};
