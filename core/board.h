#pragma once
// The drawing surfaces a game window lends to its game:
//   picWork  the board: background picture plus the drawn cards (persistent)
//   picCard  staging surface holding one card picture
//   picSave  the image of the dragged card or group
// and the window's own image, which is what the player sees.
//
// All surfaces share one pixel format so that every copy is a plain block
// copy; nothing here allocates once the board has its size.
//
// The window image changes only through presentBoard and clsWindow, and every
// change is reported to the damage handler as the rectangles that changed, so
// the window repaints no more than that. While a clip is set (the window sets
// one for each move of a drag) every drawing call touches only the pixels
// inside it: a game's full redraw then costs no more than the clip's area.
//
// Everything a caller says is in board pixels; the surfaces hold device
// pixels, scale x scale of them to a board pixel, so that on a 2x desktop a
// card is its 2x picture pixel for pixel. Damage is reported in board pixels.

#include <QImage>
#include <QRect>
#include <functional>

class ScaledCards;

class Board {
public:
    Board();
    Board(const Board&) = delete;  // picCard may point into the board itself
    Board& operator=(const Board&) = delete;

    // Board size in board pixels and device pixels per board pixel (1 or
    // more), set together so the surfaces are built once; keeps the current
    // background. A change rebuilds every surface empty: the game draws its
    // cards again.
    void resize(int width, int height, int scale);
    int width() const { return mWidth; }
    int height() const { return mHeight; }
    int scale() const { return mScale; }

    // The background is shown at its own size from the top-left corner;
    // where it does not reach, the board is white.
    void setBackground(const QImage& picture);

    // picWork back to its background picture (Cls).
    void cls();

    // Drawing a card: its picture into picCard, then a 55 x 79 copy onto
    // picWork at (x, y). picture is 1..52 for a face, 53 for the back.
    void drawCard(int picture, float x, float y);
    void drawCard(int picture, int x, int y);

    // Copy all of picWork onto the window's image at (0, 0).
    void presentBoard();
    // Ask the window to show its image again.
    void refreshWindow();
    // Clear the window's image to the empty board.
    void clsWindow();

    // A 1-pixel rectangle outline on picWork (used by games that mark places).
    void drawOutline(int x, int y, int width, int height, QRgb colour);

    QImage& picWork() { return mPicWork; }
    const QImage& picWork() const { return mPicWork; }
    const QImage& picCard() const { return *mPicCard; }
    QImage& picSave() { return mPicSave; }
    const QImage& windowImage() const { return mWindowImage; }

    // picSave becomes width x height; only reallocates when the size changes.
    void sizePicSave(int width, int height);
    // picSave (its whole size) from picWork at (x, y).
    void savePicSave(int x, int y);

    // Called by refreshWindow(); the window installs it.
    void setRefreshHandler(std::function<void()> handler) { mRefresh = std::move(handler); }

    // Told every rectangle of the window image that changed.
    using DamageHandler = std::function<void(const QRect&)>;
    void setDamageHandler(DamageHandler handler) { mDamage = std::move(handler); }
    const DamageHandler& damageHandler() const { return mDamage; }

    // Confines drawing to the union of two rectangles until clearClip();
    // clearClip() reports what presentBoard copied meanwhile as damage.
    void setClip(const QRect& first, const QRect& second);
    void clearClip();
    bool isClipped() const { return mClipCount > 0; }

    // Lays picSave (its whole size) onto picWork at (x, y).
    void layPicSave(int x, int y);

    // The empty board: white plus the background picture.
    const QImage& clearImage() const { return mClearImage; }

    // Pixels written by the drawing calls so far (for measurements).
    long long pixelsCopied() const { return mPixelsCopied; }

private:
    void rescale(int scale);  // pictures, background and picSave only
    void rebuildSurfaces();
    void rebuildClearImage();
    QRect toDevice(const QRect& rect) const;
    QRect toBoard(const QRect& deviceRect) const;
    void blitClipped(QImage& dst, int x, int y, int width, int height, const QImage& src, int srcX, int srcY);
    void fillClipped(int x, int y, int width, int height, QRgb colour);
    void presentChanges(const QImage& source);
    void damage(const QRect& rect);

    int mWidth = 0;
    int mHeight = 0;
    int mScale = 1;
    const ScaledCards* mCards = nullptr;
    QImage mBackground;  // as loaded, in board pixels
    QImage mScaledBackground;
    QImage mClearImage;  // white plus the background, board-sized
    QImage mPicWork;
    QImage mBlankCard;               // picCard before any card is drawn
    const QImage* mPicCard = &mBlankCard;  // the stored picture itself: no copy, no count
    QImage mPicSave;
    QImage mWindowImage;
    std::function<void()> mRefresh;
    DamageHandler mDamage;

    static constexpr int kMaxClip = 2;
    QRect mClip[kMaxClip];  // device pixels
    int mClipCount = 0;
    bool mClipPresented = false;
    long long mPixelsCopied = 0;
};

// Whole pixels from single-precision positions, halves to the even neighbour.
int gintfRoundHalfEven(float value);
