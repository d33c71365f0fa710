#pragma once

#include <QKeySequence>

#include <functional>

class CaptionLabel;

// The right-click menu of a result caption: "&Copy" puts the whole caption,
// trimmed of blanks at both ends, on the clipboard; where the caption has a
// working, "Show &Working" below it opens that working, enabled only while the
// caption shows a result.
class CaptionMenu {
public:
    // The keyboard shortcut that opens the working of the latest result; shown
    // in every "Show &Working" entry.
    static QKeySequence workingShortcut() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W); }

    // Gives label its menu; with showWorking, the menu also has "Show &Working",
    // which runs showWorking.
    static void attach(CaptionLabel &label, std::function<void()> showWorking = {});
};
