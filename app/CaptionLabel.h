#pragma once

#include <QLabel>

class QFontMetrics;
class QScreen;

// A caption of the form. An auto-size caption takes its text's size on one
// line, keeping its top-left, but never runs past the inner edge of its frame
// nor under a command button of the same frame beside it; a caption too long
// for that room is drawn cut short with "…" at its end, while text() and what
// a screen reader reads (the name, or for a named label the description) stay
// whole. A result caption's tooltip is its whole text, shown broken into
// lines that fit the screen.
class CaptionLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)

public:
    explicit CaptionLabel(QWidget *parent = nullptr);

    // Whether the label sizes itself to its caption.
    bool autoSize() const { return autoSizing_; }
    // Turns auto-size on or off; on, the label takes its caption's size at once.
    void setAutoSize(bool on);

    // Writes a caption: sets the text, tells a screen reader, and sizes the
    // label. Every caption is written so; a text the form sets through
    // QLabel::setText is sized when the label is first polished.
    void setCaption(const QString &caption);
    // The tooltip as it is shown on screen shownOn: broken into lines no wider
    // than that screen (nor than 640 pixels, for reading).
    QString shownToolTip(const QScreen *shownOn) const;
    // True while the caption is drawn cut short.
    bool isCutShort() const { return cutShort_; }

    // The widest the label may grow from its left edge: up to the inner edge of
    // its frame, and for a caption beside a button of that frame, up to the
    // button; unbounded for a caption outside any frame.
    int room() const;

    // caption with line feeds inserted so that no line is wider than maxWidth in
    // metrics, breaking after the line's last blank where that keeps at least
    // half a line, else between characters; removing the inserted line feeds
    // gives caption back.
    static QString brokenIntoLines(const QString &caption, const QFontMetrics &metrics, int maxWidth);

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The text has changed: a named label's description follows it, and the
    // label takes its size.
    void captionChanged();
    void fit();

    bool autoSizing_ = false;
    bool cutShort_ = false;
};
