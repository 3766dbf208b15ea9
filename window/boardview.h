#pragma once
// The widget that shows the window's image of the board and hands the
// pointer events of the board to the game window.

#include <QImage>
#include <QWidget>
#include <functional>

class Board;

class BoardView : public QWidget {
public:
    enum class Pointer { Down, Move, Up };
    using PointerHandler = std::function<void(Pointer, Qt::MouseButton, Qt::KeyboardModifiers, float, float)>;

    BoardView(Board& board, QWidget* parent);
    void setPointerHandler(PointerHandler handler) { mHandler = std::move(handler); }
    // Called, before painting, when the screen's whole-number scale is no
    // longer the board's.
    using ScaleHandler = std::function<void(int)>;
    void setScaleHandler(ScaleHandler handler) { mScaleHandler = std::move(handler); }

    // The pixel format of the surface the widget paints into, once painted.
    // The board's window image is kept in RGB32, which Qt copies without
    // conversion onto an RGB32 or premultiplied ARGB32 backing store.
    QImage::Format backingStoreFormat() const { return mBackingStoreFormat; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void forward(Pointer kind, QMouseEvent* event);

    Board& mBoard;
    PointerHandler mHandler;
    ScaleHandler mScaleHandler;
    QImage::Format mBackingStoreFormat = QImage::Format_Invalid;
};
