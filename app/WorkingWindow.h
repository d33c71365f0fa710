#pragma once

#include <QWidget>

class QPlainTextEdit;

// The Working window: one non-modal top-level window that shows the working
// behind a result as read-only, selectable plain text in a fixed-pitch font,
// without line wrap, scrolling both ways. Esc closes it.
class WorkingWindow : public QWidget {
    Q_OBJECT

public:
    // A hidden window; parent (the main window) owns it and it goes with it.
    explicit WorkingWindow(QWidget *parent = nullptr);

    // Replaces the text shown, scrolled to its start.
    void showWorking(const QString &working);
    // Shows the window beside anchor (to its right where the screen has room,
    // else to its left), or raises it where it already is.
    void openBeside(const QWidget &anchor);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPlainTextEdit *text;
};
