#pragma once

#include <qnamespace.h>

class QPixmap;
class QPushButton;
class QString;
class QWidget;

// The parts of the form's looks that Qt Designer cannot hold: fractional point
// sizes (dynamic property "pointSizeF"), the hand cursor (dynamic property
// "handCursor"), the mirrored places of a right-to-left window and the FIND
// button's word. Captions that size themselves are CaptionLabel's.
namespace FormLooks {

// Applies the two properties to form, set up left to right as drawn, and to
// every widget in it, then lays it out in direction. For right to left, each
// control of the form's central widget, and each control inside a frame, is
// placed at its container's width - x - width (the same sizes), as Qt does not
// mirror fixed places: call it once the central widget has its size.
void apply(QWidget &form, Qt::LayoutDirection direction);

// The FIND button's picture with word drawn in it, in assets/find.gif's style:
// its size, its colours, red bold letters with a dark red shadow, the word
// centred and, with its shadow, inside the picture, in a font that draws the
// script of the language code.
QPixmap findPicture(const QString &word, const QString &code);

// Puts word, the FIND button's word in the language spoken, on the button:
// find.gif's own word keeps find.gif (English, or a language whose
// translation lacks the word); any other word is shown as findPicture and
// read by the button's name, its former name becoming its description.
void setFindWord(QPushButton &button, const QString &word);

} // namespace FormLooks
