#pragma once

class QWidget;

// The parts of the form's looks that Qt Designer cannot hold: fractional point
// sizes (dynamic property "pointSizeF") and the hand cursor (dynamic property
// "handCursor"). Captions that size themselves are CaptionLabel's.
namespace FormLooks {

// Applies the two properties to form and every widget in it.
void apply(QWidget &form);

} // namespace FormLooks
