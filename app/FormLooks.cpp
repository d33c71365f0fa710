#include "FormLooks.h"

#include <QCursor>
#include <QPixmap>
#include <QVariant>
#include <QWidget>

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
}
