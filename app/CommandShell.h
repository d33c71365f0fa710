#pragma once

#include <QElapsedTimer>
#include <QString>

#include <functional>

class QWidget;

// What every command runs inside: the busy cursor over the window, the clock,
// refusals in message boxes, and a safety net for anything a command throws.
class CommandShell {
public:
    // window shows the busy cursor and owns the message boxes.
    explicit CommandShell(QWidget &window);

    // Runs command with the wait cursor over the window. Anything it throws is
    // reported in a critical box; the cursor is back to normal in every case.
    void run(const std::function<void()> &command);
    // Takes the start time of the running command from a monotonic clock.
    void startClock();
    // The milliseconds since startClock.
    double elapsedMilliseconds() const;
    // Shows message in a modal critical box with one OK button and returns
    // once it is closed.
    void refuse(const QString &message);

private:
    QWidget &window_;
    QElapsedTimer clock_;
};
