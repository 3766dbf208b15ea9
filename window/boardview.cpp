#include "window/boardview.h"

#include "core/board.h"
#include "core/displayscale.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

BoardView::BoardView(Board& board, QWidget* parent) : QWidget(parent), mBoard(board)
{
    setObjectName(QStringLiteral("picWork"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);  // moves arrive while a button is held, as a drag needs
}

void BoardView::paintEvent(QPaintEvent* event)
{
    // A window moved to a screen of another scale draws its board afresh
    // at that scale before anything of it is shown.
    if (mScaleHandler && gintfWholeScale(devicePixelRatioF()) != mBoard.scale())
        mScaleHandler(gintfWholeScale(devicePixelRatioF()));
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QImage& image = mBoard.windowImage();
    const int s = mBoard.scale();
    if (mBackingStoreFormat == QImage::Format_Invalid) {
        const QPaintDevice* device = painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
        if (device && device->devType() == QInternal::Image)
            mBackingStoreFormat = static_cast<const QImage*>(device)->format();
    }
    // Only the damaged rectangles: the region, not its bounding box.
    // Widget pixels are board pixels; the image holds scale x scale device
    // pixels to each, so every rectangle is a 1:1 copy onto the backing store.
    for (const QRect& r : event->region())
        painter.drawImage(QRectF(r), image, QRectF(r.x() * s, r.y() * s, r.width() * s, r.height() * s));
    // Beyond the board's image (never, once sized) stays white.
    const QRect imageRect(0, 0, mBoard.width(), mBoard.height());
    if (!imageRect.contains(event->rect())) {
        const QRegion outside = event->region().subtracted(imageRect);
        for (const QRect& part : outside)
            painter.fillRect(part, Qt::white);
    }
}

void BoardView::forward(Pointer kind, QMouseEvent* event)
{
    if (!mHandler)
        return;
    const QPointF p = event->position();
    mHandler(kind, event->button(), event->modifiers(), static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void BoardView::mousePressEvent(QMouseEvent* event) { forward(Pointer::Down, event); }
void BoardView::mouseMoveEvent(QMouseEvent* event) { forward(Pointer::Move, event); }
void BoardView::mouseReleaseEvent(QMouseEvent* event) { forward(Pointer::Up, event); }
// A double click is a second press as far as the board is concerned.
void BoardView::mouseDoubleClickEvent(QMouseEvent* event) { forward(Pointer::Down, event); }
