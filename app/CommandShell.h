#pragma once

#include "Status.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <functional>

class CaptionLabel;
class QWidget;

// What every command runs inside: the busy cursor over the window, the clock
// whose reading ends up in the status line, refusals in message boxes, and a
// safety net for anything a command throws.
class CommandShell {
public:
    // A caption a command writes before its work.
    struct Caption {
        CaptionLabel *label;
        QString text;
    };
    // One command, step by step: execute runs the steps in this order.
    struct Command {
        QList<Caption> waiting{};                    // written first, in order
        bool clockAfterWaiting = false;              // start the clock after the waiting captions, not before
        std::function<numbers::Status()> compute{};  // reads the input and works; a refusal ends the command
        std::function<void()> showBeforeTime{};      // result captions written before the elapsed time
        QString timeSuffix{};                        // follows the elapsed milliseconds: " ms (LCM)"
        std::function<void()> showAfterTime{};       // what is written after the elapsed time
    };

    // The application's title, carried by every message box.
    static constexpr const char *Title = "Factors, HCF & LCM";

    // window shows the busy cursor; statusLine receives the elapsed time.
    CommandShell(QWidget &window, CaptionLabel &statusLine);

    // Runs command inside run: the clock, the waiting captions, the work, its
    // refusal or its results and the elapsed time, in the command's order.
    void execute(const Command &command);

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
    CaptionLabel &statusLine;
    QElapsedTimer clock;
};
