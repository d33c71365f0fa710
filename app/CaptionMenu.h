#pragma once

#include <QKeySequence>
#include <QString>

class CaptionLabel;
class QAction;

// The right-click entries of a result caption, kept as the caption's own
// actions, so that the menu, and whatever else lists a widget's actions, offer
// the same entries in the same state.
namespace CaptionMenu {

// The keyboard shortcut that opens the working of the latest result; its owner
// shows it beside the "Show &Working" entries of the latest result only.
inline QKeySequence workingShortcut()
{
    return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W);
}

// The name an entry's action has for screen readers: its English text
// without the '&' ("Copy", "Show Working"), whatever the language shown.
QString actionName(const QAction &entry);

// Puts the whole caption, trimmed of blanks at both ends, on the clipboard.
void copy(const CaptionLabel &caption);

// Gives caption its menu with "&Copy", which puts the whole caption, trimmed
// of blanks at both ends, on the clipboard.
void attach(CaptionLabel &caption);
// A new, disabled "Show &Working" entry owned by owner, without a shortcut shown,
// for its owner to connect and to enable only while the result is kept.
QAction *newShowWorking(QObject *owner);
// Adds a new "Show &Working" entry below Copy and gives it back.
QAction *addShowWorking(CaptionLabel &caption);

} // namespace CaptionMenu
