#include "FormLooks.h"

#include "Language.h"
#include "ScriptFonts.h"

#include <cmath>

#include <QCursor>
#include <QIcon>
#include <QGroupBox>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVariant>
#include <QWidget>

namespace {

// find.gif's look.
constexpr QSize FindSize(83, 42);
const QColor FindBackground(0x00, 0xff, 0xff);
const QColor FindLetters(0xff, 0x00, 0x00);
const QColor FindShadow(0x80, 0x00, 0x00);
constexpr int FindCapHeightPixels = 30; // the pixel size that gives find.gif's 21-pixel capitals
constexpr int FindMargin = 4;           // the least room left of, right of, above and below the word
constexpr const char *FindGifWord = "FIND"; // the word find.gif shows

// Places each child at its container's width - x - width: the controls of the
// central widget, and inside each frame its own.
void mirror(QWidget &container)
{
    for (QWidget *child : container.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        const QRect place = child->geometry();
        child->move(container.width() - place.x() - place.width(), place.y());
        if (qobject_cast<QGroupBox *>(child) != nullptr)
            mirror(*child);
    }
}

} // namespace

void FormLooks::apply(QWidget &form, Qt::LayoutDirection direction)
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

    auto *central = form.findChild<QWidget *>(QStringLiteral("centralwidget"), Qt::FindDirectChildrenOnly);
    if (direction == Qt::RightToLeft && central != nullptr)
        mirror(*central);
    form.setLayoutDirection(direction);
}

QPixmap FormLooks::findPicture(const QString &word, const QString &code)
{
    // The largest size up to find.gif's at which the word with its shadow fits.
    QPainterPath letters;
    for (int pixelSize = FindCapHeightPixels; pixelSize > 6; --pixelSize) {
        QFont font = ScriptFonts::fontFor(code, pixelSize);
        font.setBold(true);
        letters = QPainterPath();
        letters.addText(0, 0, font, word);
        const QRectF bounds = letters.boundingRect();
        if (bounds.width() + 1 <= FindSize.width() - 2 * FindMargin
            && bounds.height() + 1 <= FindSize.height() - 2 * FindMargin)
            break;
    }
    const QRectF bounds = letters.boundingRect();
    // Centred with its shadow, on whole pixels, as the letters of find.gif are.
    const QPointF offset(std::round((FindSize.width() - bounds.width() - 1) / 2 - bounds.left()),
                         std::round((FindSize.height() - bounds.height() - 1) / 2 - bounds.top()));

    QPixmap picture(FindSize);
    picture.fill(FindBackground);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(FindShadow);
    painter.drawPath(letters.translated(offset + QPointF(1, 1)));
    painter.setBrush(FindLetters);
    painter.drawPath(letters.translated(offset));
    return picture;
}

void FormLooks::setFindWord(QPushButton &button, const QString &word)
{
    if (word == QLatin1String(FindGifWord))
        return;
    button.setIcon(QIcon(findPicture(word, Language::current())));
    button.setAccessibleDescription(button.accessibleName());
    button.setAccessibleName(word);
}
