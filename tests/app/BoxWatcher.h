#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

// Watches for modal message boxes while a test drives the window, records what
// each one showed and closes it with its OK button, so a box never blocks a test.
class BoxWatcher : public QObject {
    Q_OBJECT

public:
    struct SeenBox {
        QString text;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        Qt::TextFormat format = Qt::AutoText;
        Qt::CursorShape ownerCursor = Qt::ArrowCursor; // the window's cursor while the box was up
    };

    explicit BoxWatcher(QWidget &owner);

    QList<SeenBox> seen;

private:
    void poll();

    QWidget &owner;
    QTimer timer;
};
