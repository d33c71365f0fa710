#pragma once

#include "Command.h"

#include <QWidget>

#include <optional>

class LatestResults;
class QPlainTextEdit;

namespace numbers {
class Texts;
}

// The Working window: one non-modal top-level window that shows the working
// behind a kept result as read-only, selectable plain text in a fixed-pitch
// font, without line wrap, scrolling both ways. While it is open it follows
// every new result; an edit of the numbers replaces the working of the
// factors, HCF or LCM with a notice. Esc closes it.
class WorkingWindow : public QWidget {
    Q_OBJECT

public:
    // A hidden window; mainWindow owns it and is what it opens beside.
    WorkingWindow(const LatestResults &results, const numbers::Texts &texts, QWidget &mainWindow);

    // Opens on the working of command's result, which must be kept.
    void open(numbers::Command command);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showWorkingOf(numbers::Command command);
    void showNotice(const QString &notice);
    void numbersChanged();
    // Places the window wholly on the main window's screen: beside the main
    // window where there is room, else over it, shrunk to the screen if need be.
    void place();

    const LatestResults &results_;
    const numbers::Texts &texts_;
    QWidget &mainWindow_;
    QPlainTextEdit *text_;
    std::optional<numbers::Command> shown_; // whose working is shown; none for a notice
};
