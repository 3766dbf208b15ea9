#pragma once
// The widget that shows the window's image of the board and hands the
// pointer events of the board to the game window.

#include <QImage>
#include <QWidget>
#include <functional>

class Board;

class BoardView : public QWidget {
public:
    // Lost: the board can no longer see the end of a gesture (its pointer
    // grab or the keyboard focus went elsewhere).
    enum class Pointer { Down, Move, Up, Lost };
    using PointerHandler = std::function<void(Pointer, Qt::MouseButton, Qt::KeyboardModifiers, float, float)>;

    BoardView(Board& board, QWidget* parent);
    void setPointerHandler(PointerHandler handler) { mHandler = std::move(handler); }

    // The pixel format of the surface the widget paints into, once painted.
    // The board's window image is kept in RGB32, which Qt copies without
    // conversion onto an RGB32 or premultiplied ARGB32 backing store.
    QImage::Format backingStoreFormat() const { return mBackingStoreFormat; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void forward(Pointer kind, QMouseEvent* event);
    void lost();

    Board& mBoard;
    PointerHandler mHandler;
    QImage::Format mBackingStoreFormat = QImage::Format_Invalid;
};
