#include "PictureView.h"

#include <QPainter>
#include <QResizeEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Step = 1.25;     // one zoom step
constexpr double MinZoom = 0.05;
constexpr double MaxZoom = 8;

} // namespace

PictureView::PictureView(QGraphicsScene *scene, QWidget *parent) : QGraphicsView(scene, parent)
{
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    // Every item sets the pen, brush and font it draws with, so the view need
    // not save and restore the painter around each of a grid's two thousand.
    setOptimizationFlags(QGraphicsView::DontSavePainterState | QGraphicsView::DontAdjustForAntialiasing);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
}

void PictureView::showNewPicture()
{
    zoomChosen_ = false;
    applyFirstZoom();
}

void PictureView::zoomIn()
{
    zoomBy(Step);
}

void PictureView::zoomOut()
{
    zoomBy(1 / Step);
}

void PictureView::fitToView()
{
    zoomChosen_ = true;
    fitInView(sceneRect(), Qt::KeepAspectRatio);
}

double PictureView::zoom() const
{
    return transform().m11();
}

void PictureView::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    if (!zoomChosen_)
        applyFirstZoom();
}

void PictureView::wheelEvent(QWheelEvent *event)
{
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0)
        zoomBy(std::pow(Step, notches));
    event->accept();
}

void PictureView::paintEvent(QPaintEvent *event)
{
    QGraphicsView::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(viewport());
    QStyleOptionFocusRect frame;
    frame.initFrom(viewport());
    frame.rect = viewport()->rect().adjusted(1, 1, -1, -1);
    frame.backgroundColor = Qt::white;
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

void PictureView::focusInEvent(QFocusEvent *event)
{
    QGraphicsView::focusInEvent(event);
    viewport()->update();
}

void PictureView::focusOutEvent(QFocusEvent *event)
{
    QGraphicsView::focusOutEvent(event);
    viewport()->update();
}

void PictureView::applyFirstZoom()
{
    // The room the picture has when no scroll bar is shown.
    const QSize room = maximumViewportSize();
    if (sceneRect().width() > room.width() || sceneRect().height() > room.height())
        fitInView(sceneRect(), Qt::KeepAspectRatio);
    else
        resetTransform();
}

void PictureView::zoomBy(double factor)
{
    zoomChosen_ = true;
    const double target = std::clamp(zoom() * factor, MinZoom, MaxZoom);
    scale(target / zoom(), target / zoom());
}
