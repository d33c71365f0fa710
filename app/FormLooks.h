#pragma once

class QLabel;
class QString;
class QWidget;

// The parts of the form's looks that Qt Designer cannot hold: fractional point
// sizes (dynamic property "pointSizeF"), labels that size themselves to their
// caption (dynamic property "autoSize") and the hand cursor (dynamic property
// "handCursor").
class FormLooks {
public:
    // Applies the three properties to form and every widget in it; auto-size
    // labels keep their top-left and take their caption's size.
    static void apply(QWidget &form);
    // Sets label's caption; an auto-size label then takes the caption's size,
    // keeping its top-left, while any other label keeps its size.
    static void setCaption(QLabel &label, const QString &caption);
};
