#include "window/boardview.h"

#include "core/board.h"
#include "core/displayscale.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

namespace {
// The frame lies just outside the spot, so the card itself stays whole.
QRegion frameRing(const QRect& spot)
{
    if (spot.isEmpty())
        return {};
    const int w = BoardView::kKeyFrameWidth;
    return QRegion(spot.adjusted(-w, -w, w, w)).subtracted(QRegion(spot));
}
}

BoardView::BoardView(Board& board, QWidget* parent) : QWidget(parent), mBoard(board)
{
    setObjectName(QStringLiteral("picWork"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);  // moves arrive while a button is held, as a drag needs
    setFocusPolicy(Qt::StrongFocus);  // the board's keys never go to Deal or Undo
}

void BoardView::setKeyFrame(const QRect& spot)
{
    if (spot == mKeyFrame)
        return;
    update(frameRing(mKeyFrame) + frameRing(spot));
    mKeyFrame = spot;
}

void BoardView::paintKeyFrame(QPainter& painter) const
{
    for (const QRect& part : frameRing(mKeyFrame))
        painter.fillRect(part, QColor::fromRgb(kKeyFrameColour));
}

void BoardView::paintEvent(QPaintEvent* event)
{
    // A window moved to a screen of another scale draws its board afresh
    // at that scale before anything of it is shown.
    if (mScaleHandler && gintfWholeScale(devicePixelRatioF()) != mBoard.scale())
        mScaleHandler();
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
    paintKeyFrame(painter);
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

bool BoardView::focusNextPrevChild(bool) { return false; }

void BoardView::keyPressEvent(QKeyEvent* event)
{
    const bool backTab = event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier);
    const int key = backTab ? int(Qt::Key_Backtab) : event->key();
    if (mKeyHandler && mKeyHandler(key, event->isAutoRepeat()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void BoardView::lost()
{
    if (mHandler)
        mHandler(Pointer::Lost, Qt::NoButton, {}, 0, 0);
}

bool BoardView::event(QEvent* event)
{
    if (event->type() == QEvent::UngrabMouse)
        lost();
    return QWidget::event(event);
}

void BoardView::focusOutEvent(QFocusEvent* event)
{
    lost();
    QWidget::focusOutEvent(event);
}
