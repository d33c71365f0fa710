#include "FormLooks.h"

#include <QCursor>
#include <QLabel>
#include <QPixmap>
#include <QVariant>

namespace {

bool isAutoSize(const QLabel &label)
{
    return label.property("autoSize").toBool();
}

void fitToCaption(QLabel &label)
{
    label.resize(label.sizeHint());
}

} // namespace

void FormLooks::apply(QWidget &form)
{
    QList<QWidget *> widgets = form.findChildren<QWidget *>();
    widgets.prepend(&form);

    const QPixmap hand(QStringLiteral(":/assets/hand.png"));
    for (QWidget *widget : std::as_const(widgets)) {
        const QVariant pointSize = widget->property("pointSizeF");
        if (pointSize.isValid()) {
            QFont font = widget->font();
            font.setPointSizeF(pointSize.toDouble());
            widget->setFont(font);
        }
        if (widget->property("handCursor").toBool() && !hand.isNull())
            widget->setCursor(QCursor(hand, 5, 0));
    }

    // Sizes come last, once every font is final.
    for (QLabel *label : form.findChildren<QLabel *>()) {
        if (isAutoSize(*label))
            fitToCaption(*label);
    }
}

void FormLooks::setCaption(QLabel &label, const QString &caption)
{
    label.setText(caption);
    if (isAutoSize(label))
        fitToCaption(label);
}
