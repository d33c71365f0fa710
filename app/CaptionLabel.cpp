#include "CaptionLabel.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

namespace {

// Pixels kept free between a caption and the button beside it.
constexpr int ButtonGap = 2;
// Pixels a tooltip keeps free at each side of the screen for its own frame.
constexpr int TipMargin = 24;
// The widest a tooltip line grows on a wide screen, for reading.
constexpr int TipReadingWidth = 640;

} // namespace

CaptionLabel::CaptionLabel(QWidget *parent) : QLabel(parent) {}

void CaptionLabel::setAutoSize(bool on)
{
    autoSizing = on;
    fit();
}

void CaptionLabel::setText(const QString &caption)
{
    result = false;
    write(caption);
}

void CaptionLabel::showResult(const QString &caption)
{
    write(caption);
    const QScreen *shownOn = screen();
    const int screenWidth = shownOn != nullptr ? shownOn->availableGeometry().width() : 640;
    const int lineWidth = std::clamp(screenWidth - 2 * TipMargin, 1, TipReadingWidth);
    setToolTip(brokenIntoLines(caption, QFontMetrics(QToolTip::font()), lineWidth));
    result = true;
}

int CaptionLabel::room() const
{
    const auto *frame = qobject_cast<const QGroupBox *>(parentWidget());
    if (frame == nullptr)
        return QWIDGETSIZE_MAX; // the window's own captions are fixed texts that fit
    int right = frame->width() - frame->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, frame);

    // A button whose rows meet the caption's rows and that stands to its right.
    const int top = y();
    const int bottom = y() + std::max(height(), sizeHint().height());
    for (const QAbstractButton *button : frame->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly)) {
        const QRect place = button->geometry();
        if (place.left() >= x() && place.top() < bottom && place.bottom() + 1 > top)
            right = std::min(right, place.left() - ButtonGap);
    }
    return std::max(0, right - x());
}

QString CaptionLabel::brokenIntoLines(const QString &caption, const QFontMetrics &metrics, int maxWidth)
{
    if (metrics.horizontalAdvance(caption) <= maxWidth)
        return caption;
    QString lines;
    lines.reserve(caption.size() + caption.size() / 16 + 1);
    qsizetype lineStart = 0;     // index in lines where the current line begins
    qsizetype lastBlankEnd = -1; // index in lines just after the line's last blank
    int widthAtBlank = 0;        // the width of the line up to lastBlankEnd
    int width = 0;
    for (const QChar character : caption) {
        const int advance = metrics.horizontalAdvance(character);
        if (width + advance > maxWidth && lines.size() > lineStart) {
            // After a blank when that keeps at least half a line, else here.
            const bool afterBlank = lastBlankEnd > lineStart && widthAtBlank >= maxWidth / 2;
            const qsizetype breakAt = afterBlank ? lastBlankEnd : lines.size();
            lines.insert(breakAt, QLatin1Char('\n'));
            lineStart = breakAt + 1;
            lastBlankEnd = -1;
            width = afterBlank ? width - widthAtBlank : 0;
        }
        lines.append(character);
        width += advance;
        if (character == QLatin1Char(' ')) {
            lastBlankEnd = lines.size();
            widthAtBlank = width;
        }
    }
    return lines;
}

void CaptionLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fit();
}

void CaptionLabel::paintEvent(QPaintEvent *event)
{
    if (!cutShort) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    const int alignedAs = static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment()));
    style()->drawItemText(&painter, area, alignedAs, palette(),
                          isEnabled(), shown, foregroundRole());
}

void CaptionLabel::write(const QString &caption)
{
    QLabel::setText(caption);
    // A label with an accessible name is read by that name; its caption, whole,
    // is read as the description.
    if (!accessibleName().isEmpty())
        setAccessibleDescription(caption);
    fit();
}

void CaptionLabel::fit()
{
    if (!autoSizing) {
        cutShort = false;
        return;
    }
    const QSize wanted = sizeHint();
    const int width = std::min(wanted.width(), room());
    cutShort = width < wanted.width();
    resize(width, wanted.height());
    update();
}
