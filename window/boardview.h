#pragma once
// The widget that shows the window's image of the board and hands the
// pointer and key events of the board to the game window.

#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>

class Board;

class BoardView : public QWidget {
public:
    // Lost: the board can no longer see the end of a gesture (its pointer
    // grab or the keyboard focus went elsewhere).
    enum class Pointer { Down, Move, Up, Lost };
    using PointerHandler = std::function<void(Pointer, Qt::MouseButton, Qt::KeyboardModifiers, float, float)>;
    // Answers whether the key was the board's.
    using KeyHandler = std::function<bool(int key, bool autoRepeat)>;

    BoardView(Board& board, QWidget* parent);
    void setPointerHandler(PointerHandler handler) { mHandler = std::move(handler); }
    void setKeyHandler(KeyHandler handler) { mKeyHandler = std::move(handler); }
    // Called, before painting, when the screen's whole-number scale is no
    // longer the board's.
    using ScaleHandler = std::function<void()>;
    void setScaleHandler(ScaleHandler handler) { mScaleHandler = std::move(handler); }

    // The keyboard's frame round a board rectangle (logical pixels); an
    // empty rectangle hides it. Drawn over the board image on the widget
    // only, so it never reaches the board's surfaces.
    void setKeyFrame(const QRect& spot);
    QRect keyFrame() const { return mKeyFrame; }
    static constexpr QRgb kKeyFrameColour = 0xffff00ff;
    static constexpr int kKeyFrameWidth = 2;

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
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab step through the board's spots, not to other widgets.
    bool focusNextPrevChild(bool next) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void forward(Pointer kind, QMouseEvent* event);
    void lost();
    void paintKeyFrame(QPainter& painter) const;

    Board& mBoard;
    PointerHandler mHandler;
    KeyHandler mKeyHandler;
    ScaleHandler mScaleHandler;
    QRect mKeyFrame;
    QImage::Format mBackingStoreFormat = QImage::Format_Invalid;
};
