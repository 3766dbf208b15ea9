#include "core/board.h"

#include "core/blit.h"
#include "core/frmCards.h"
#include "core/modCards.h"

#include <QPainter>
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
    QPainter p(&mPicWork);
    p.setPen(QColor::fromRgb(colour));
    p.setBrush(Qt::NoBrush);
    p.drawRect(x, y, width - 1, height - 1);
}

int gintfRoundHalfEven(float value)
{
    return static_cast<int>(std::nearbyint(value));
}
