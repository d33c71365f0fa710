#pragma once

#include "Command.h"
#include "GivenWorking.h"
#include "Practice.h"

#include <QWidget>

#include <optional>

class LatestResults;
class PictureView;
class QAction;
class QGraphicsScene;
class QPlainTextEdit;
class QTabWidget;

namespace numbers {
class Texts;
}

// The Working window: one non-modal top-level window that shows the working
// behind a kept result on two pages, `WorkingPages`: "Steps", read-only,
// selectable plain text in a fixed-pitch font, without line wrap, scrolling
// both ways; and "Picture", the factor tree, the Venn diagram of prime factors
// or the sieve grid, which a screen reader reads as its accessible
// description. It opens on the page chosen last. While it is open both pages
// follow every new result; an edit of the numbers replaces the working of the
// factors, HCF or LCM with a notice. Save, Copy Picture and Print take the
// working out of the program. Esc closes it.
class WorkingWindow : public QWidget {
    Q_OBJECT

public:
    // A hidden window; mainWindow owns it and is what it opens beside.
    WorkingWindow(const LatestResults &results, const numbers::Texts &texts, QWidget &mainWindow);

    // Opens on the working of command's result, which must be kept.
    void open(numbers::Command command);
    // Opens on a working given apart from the kept results (a practice
    // question's); an edit of the numbers leaves it.
    void openOn(const GivenWorking &working);
    // Writes the working to fileName by its extension (.png, .svg, .pdf or
    // .txt); says why in a critical box and gives false when it cannot.
    bool saveTo(const QString &fileName);

signals:
    // Practise… asks for practice of the kind of the working shown.
    void practiceAsked(numbers::PracticeKind kind);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showWorkingOf(numbers::Command command);
    template <typename Working> void showWorking(const Working &working);
    void showWindow();
    void showNotice(const QString &notice);
    // The scene holds a new picture, described in words by description.
    void pictureChanged(const QString &description);
    void numbersChanged();
    void saveWorking();
    void copyPicture();
    void printWorking();
    // Places the window wholly on the main window's screen: beside the main
    // window where there is room, else over it, shrunk to the screen if need be.
    void place();

    const LatestResults &results_;
    const numbers::Texts &texts_;
    QWidget &mainWindow_;
    QTabWidget *pages_;
    QPlainTextEdit *text_;
    QGraphicsScene *scene_;
    PictureView *picture_;
    QString saveFilter_; // the file kind chosen last
    std::optional<numbers::Command> shown_; // whose working is shown; none for a notice
    bool givenShown_ = false;               // the working shown is a given one
    QAction *practise_;
};
