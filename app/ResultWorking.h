#pragma once

#include <QObject>

#include <array>
#include <functional>
#include <string>

class CaptionLabel;
class QWidget;
class WorkingWindow;

// Which working the Working window shows, and when. Each command hands over a
// maker of its latest result's working; the text is made only while the window
// is open or being opened, so recording a result costs the commands nothing.
class ResultWorking : public QObject {
    Q_OBJECT

public:
    enum class Command { Factors, Hcf, Lcm };
    using Maker = std::function<std::string()>;

    // mainWindow owns the Working window and is what it opens beside.
    explicit ResultWorking(QWidget &mainWindow);

    // command has shown a new result in caption; make gives its working. An
    // open window shows that working at once.
    void recorded(Command command, const CaptionLabel &caption, Maker make);
    // The numbers box has changed: every result is gone, and an open window
    // says so.
    void numbersChanged();
    // Opens the window on the working of command's result.
    void open(Command command);
    // Opens the window on the most recent result still shown in its caption;
    // does nothing when no caption shows a result.
    void openLatest();
    // Closes the window; the program is ending.
    void closeWindow();

    // The text an open window shows once the numbers box changes.
    static QString numbersChangedText();

private:
    struct Entry {
        Maker make;
        const CaptionLabel *caption = nullptr;
        unsigned long long order = 0; // when it was recorded; 0 for never
    };

    void openOn(const Entry &entry);

    QWidget &mainWindow;
    WorkingWindow *shown;
    std::array<Entry, 3> entries;
    unsigned long long recordings = 0;
};
