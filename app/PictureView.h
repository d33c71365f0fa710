#pragma once

#include <QGraphicsView>

// The view of the working's picture. Each new picture is shown fitted to the
// view when it is larger, at 100% otherwise, and keeps that rule as the view
// is resized; a zoom the user chooses (zoom in, zoom out, fit, or Ctrl with
// the wheel) lasts until the next picture. With the keyboard's focus it shows
// a focus frame, and the arrow keys scroll it.
class PictureView : public QGraphicsView {
    Q_OBJECT

public:
    PictureView(QGraphicsScene *scene, QWidget *parent);

    // The scene holds a new picture: drops the chosen zoom.
    void showNewPicture();
    void zoomIn();
    void zoomOut();
    // Scales the whole picture to fill the view.
    void fitToView();
    // The scale the picture is shown at, 1 for 100%.
    double zoom() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Fitted when larger than the view, else at 100%.
    void applyFirstZoom();
    void zoomBy(double factor);

    bool zoomChosen_ = false;
};
