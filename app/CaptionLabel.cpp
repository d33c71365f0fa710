#include "CaptionLabel.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QScreen>
#include <QStringList>
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
    autoSizing_ = on;
    fit();
}

QString CaptionLabel::shownToolTip(const QScreen *shownOn) const
{
    const int screenWidth = shownOn != nullptr ? shownOn->availableGeometry().width() : TipReadingWidth;
    const int lineWidth = std::clamp(screenWidth - 2 * TipMargin, 1, TipReadingWidth);
    return brokenIntoLines(toolTip(), QFontMetrics(QToolTip::font()), lineWidth);
}

bool CaptionLabel::event(QEvent *event)
{
    if (event->type() == QEvent::Polish)
        captionChanged(); // the form's own text, set before any caption
    if (event->type() == QEvent::ToolTip && !toolTip().isEmpty()) {
        const auto *help = static_cast<QHelpEvent *>(event);
        QToolTip::showText(help->globalPos(), shownToolTip(QGuiApplication::screenAt(help->globalPos())), this);
        return true;
    }
    return QLabel::event(event);
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
    // Widths are measured on whole runs of text, never added up character by
    // character: kerning and rounding make the sum differ from the run.
    const auto widthOf = [&](qsizetype start, qsizetype length) {
        return metrics.horizontalAdvance(caption.mid(start, length));
    };
    QStringList lines;
    qsizetype start = 0;
    while (start < caption.size()) {
        // The longest run from start that fits, at least one character: guessed
        // from the characters' own widths, then put right on the whole run.
        qsizetype fits = 0;
        for (int guess = 0; start + fits < caption.size(); ++fits) {
            guess += metrics.horizontalAdvance(caption[start + fits]);
            if (guess > maxWidth)
                break;
        }
        while (fits > 1 && widthOf(start, fits) > maxWidth)
            --fits;
        while (start + fits < caption.size() && widthOf(start, fits + 1) <= maxWidth)
            ++fits;
        fits = std::max<qsizetype>(fits, 1);
        if (start + fits < caption.size()) {
            // After the run's last blank when that keeps at least half a line.
            const qsizetype blank = caption.lastIndexOf(QLatin1Char(' '), start + fits - 1);
            if (blank >= start && widthOf(start, blank + 1 - start) >= maxWidth / 2)
                fits = blank + 1 - start;
        }
        lines.append(caption.mid(start, fits));
        start += fits;
    }
    return lines.join(QLatin1Char('\n'));
}

void CaptionLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fit();
}

void CaptionLabel::paintEvent(QPaintEvent *event)
{
    if (!cutShort_) {
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

void CaptionLabel::setCaption(const QString &caption)
{
    setText(caption);
    captionChanged();
}

void CaptionLabel::captionChanged()
{
    // A label with an accessible name is read by that name; its caption, whole,
    // is read as the description.
    if (!accessibleName().isEmpty())
        setAccessibleDescription(text());
    fit();
}

void CaptionLabel::fit()
{
    if (!autoSizing_) {
        cutShort_ = false;
        return;
    }
    const QSize wanted = sizeHint();
    const int width = std::min(wanted.width(), room());
    cutShort_ = width < wanted.width();
    resize(width, wanted.height());
    update();
}
