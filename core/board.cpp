#include "core/board.h"

#include "core/blit.h"
#include "core/frmCards.h"
#include "core/modCards.h"

#include <algorithm>
#include <cmath>

Board::Board()
{
    resize(800, 600);
    mPicCard = QImage(72, 100, QImage::Format_RGB32);
    mPicCard.fill(Qt::white);
    mPicSave = QImage(73, 97, QImage::Format_RGB32);
    mPicSave.fill(Qt::black);
}

void Board::resize(int width, int height)
{
    width = std::max(1, width);
    height = std::max(1, height);
    if (mPicWork.width() == width && mPicWork.height() == height)
        return;
    mPicWork = QImage(width, height, QImage::Format_RGB32);
    mWindowImage = QImage(width, height, QImage::Format_RGB32);
    rebuildClearImage();
    cls();
    clsWindow();
}

void Board::setBackground(const QImage& picture)
{
    mBackground = picture.convertToFormat(QImage::Format_RGB32);
    rebuildClearImage();
    cls();
}

void Board::rebuildClearImage()
{
    mClearImage = QImage(mPicWork.width(), mPicWork.height(), QImage::Format_RGB32);
    mClearImage.fill(Qt::white);
    if (!mBackground.isNull())
        gsCopyWhole(mClearImage, mBackground);
}

void Board::cls() { gsCopyWhole(mPicWork, mClearImage); }

void Board::clsWindow() { gsCopyWhole(mWindowImage, mClearImage); }

void Board::drawCard(int picture, int x, int y)
{
    mPicCard = frmCards::imgCard(picture);  // shares the stored picture: no copy
    gsBitBlt(mPicWork, x, y, kCardWidth, kCardHeight, mPicCard, 0, 0);
}

void Board::drawCard(int picture, float x, float y)
{
    drawCard(picture, gintfRoundHalfEven(x), gintfRoundHalfEven(y));
}

void Board::presentBoard() { gsCopyWhole(mWindowImage, mPicWork); }

void Board::refreshWindow()
{
    if (mRefresh)
        mRefresh();
}

void Board::sizePicSave(int width, int height)
{
    if (mPicSave.width() != width || mPicSave.height() != height)
        mPicSave = QImage(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
}

void Board::drawOutline(int x, int y, int width, int height, QRgb colour)
{
    // Written pixel by pixel, clipped to the board: games outline their
    // places on every redraw of a drag, which must not set up a painter.
    if (width <= 0 || height <= 0 || mPicWork.isNull())
        return;
    const int right = x + width - 1;
    const int bottom = y + height - 1;
    const int w = mPicWork.width();
    const int h = mPicWork.height();
    auto row = [&](int py) {
        if (py < 0 || py >= h)
            return;
        QRgb* line = reinterpret_cast<QRgb*>(mPicWork.scanLine(py));
        for (int px = std::max(x, 0); px <= std::min(right, w - 1); ++px)
            line[px] = colour;
    };
    auto column = [&](int px) {
        if (px < 0 || px >= w)
            return;
        for (int py = std::max(y, 0); py <= std::min(bottom, h - 1); ++py)
            reinterpret_cast<QRgb*>(mPicWork.scanLine(py))[px] = colour;
    };
    row(y);
    row(bottom);
    column(x);
    column(right);
}

int gintfRoundHalfEven(float value)
{
    return static_cast<int>(std::nearbyint(value));
}
