#include "core/board.h"

#include "core/blit.h"
#include "core/modCards.h"
#include "core/scaledcards.h"

#include <cmath>
#include <cstring>

Board::Board()
{
    mCards = &ScaledCards::forScale(1);
    resize(800, 600, 1);
    mBlankCard = QImage(72, 100, QImage::Format_RGB32);
    mBlankCard.fill(Qt::white);
    mPicSave = QImage(73, 97, QImage::Format_RGB32);
    mPicSave.fill(Qt::black);
}

void Board::resize(int width, int height, int scale)
{
    width = std::max(1, width);
    height = std::max(1, height);
    scale = std::max(1, scale);
    if (mWidth == width && mHeight == height && mScale == scale)
        return;
    mWidth = width;
    mHeight = height;
    if (scale != mScale)
        rescale(scale);
    rebuildSurfaces();
}

void Board::rescale(int scale)
{
    const QSize saveSize = mPicSave.size() / mScale;
    mCards = &ScaledCards::forScale(scale);
    mScale = scale;
    mScaledBackground = gimgfScaleBlocks(mBackground, mScale);
    mBlankCard = QImage(72 * mScale, 100 * mScale, QImage::Format_RGB32);
    mBlankCard.fill(Qt::white);
    mPicCard = &mBlankCard;
    sizePicSave(saveSize.width(), saveSize.height());
    mPicSave.fill(Qt::black);
}

void Board::rebuildSurfaces()
{
    mPicWork = QImage(mWidth * mScale, mHeight * mScale, QImage::Format_RGB32);
    mWindowImage = QImage(mPicWork.size(), QImage::Format_RGB32);
    mClipCount = 0;
    rebuildClearImage();
    cls();
    gsCopyWhole(mWindowImage, mClearImage);
    damage(mWindowImage.rect());
}

void Board::setBackground(const QImage& picture)
{
    mBackground = picture.convertToFormat(QImage::Format_RGB32);
    mScaledBackground = gimgfScaleBlocks(mBackground, mScale);
    rebuildClearImage();
    cls();
}

void Board::rebuildClearImage()
{
    mClearImage = QImage(mPicWork.width(), mPicWork.height(), QImage::Format_RGB32);
    mClearImage.fill(Qt::white);
    if (!mScaledBackground.isNull())
        gsCopyWhole(mClearImage, mScaledBackground);
}

QRect Board::toDevice(const QRect& rect) const
{
    return {rect.x() * mScale, rect.y() * mScale, rect.width() * mScale, rect.height() * mScale};
}

QRect Board::toBoard(const QRect& deviceRect) const
{
    // Outward to whole board pixels; drawing keeps to them anyway.
    const int left = deviceRect.left() / mScale;
    const int top = deviceRect.top() / mScale;
    const int right = (deviceRect.left() + deviceRect.width() + mScale - 1) / mScale;
    const int bottom = (deviceRect.top() + deviceRect.height() + mScale - 1) / mScale;
    return {left, top, right - left, bottom - top};
}

void Board::cls() { blitClipped(mPicWork, 0, 0, mPicWork.width(), mPicWork.height(), mClearImage, 0, 0); }

void Board::clsWindow() { presentChanges(mClearImage); }

void Board::drawCard(int picture, int x, int y)
{
    // Pointing at the stored picture touches nothing of it, so the cards a
    // clip leaves out cost only the rectangle test.
    mPicCard = &mCards->picture(picture);
    blitClipped(mPicWork, x * mScale, y * mScale, mPicCard->width(), mPicCard->height(), *mPicCard, 0, 0);
}

void Board::layPicSave(int x, int y)
{
    blitClipped(mPicWork, x * mScale, y * mScale, mPicSave.width(), mPicSave.height(), mPicSave, 0, 0);
}

void Board::savePicSave(int x, int y)
{
    mPixelsCopied += gsBitBlt(mPicSave, 0, 0, mPicSave.width(), mPicSave.height(), mPicWork, x * mScale, y * mScale);
}

void Board::blitClipped(QImage& dst, int x, int y, int width, int height, const QImage& src, int srcX, int srcY)
{
    if (mClipCount == 0) {
        mPixelsCopied += gsBitBlt(dst, x, y, width, height, src, srcX, srcY);
        return;
    }
    const QRect block(x, y, width, height);
    for (int i = 0; i < mClipCount; ++i) {
        const QRect part = block.intersected(mClip[i]);
        if (!part.isEmpty())
            mPixelsCopied += gsBitBlt(dst, part.x(), part.y(), part.width(), part.height(), src,
                                      srcX + part.x() - x, srcY + part.y() - y);
    }
}

void Board::fillClipped(int x, int y, int width, int height, QRgb colour)
{
    if (mClipCount == 0) {
        mPixelsCopied += gsFillBlock(mPicWork, x, y, width, height, colour);
        return;
    }
    const QRect block(x, y, width, height);
    for (int i = 0; i < mClipCount; ++i) {
        const QRect part = block.intersected(mClip[i]);
        if (!part.isEmpty())
            mPixelsCopied += gsFillBlock(mPicWork, part.x(), part.y(), part.width(), part.height(), colour);
    }
}

void Board::setClip(const QRect& first, const QRect& second)
{
    const QRect bounds = mPicWork.rect();
    const QRect a = toDevice(first).intersected(bounds);
    const QRect b = toDevice(second).intersected(bounds);
    const QRect both = a.united(b);
    mClipCount = 0;
    mClipPresented = false;
    // One rectangle when that costs no more pixels than two.
    const qint64 area = qint64(a.width()) * a.height() + qint64(b.width()) * b.height();
    if (a.isEmpty() || b.isEmpty() || qint64(both.width()) * both.height() <= area) {
        if (both.isEmpty())
            mClip[mClipCount++] = QRect(0, 0, 0, 0);  // clipped to nothing
        else
            mClip[mClipCount++] = both;
    } else {
        mClip[mClipCount++] = a;
        mClip[mClipCount++] = b;
    }
}

void Board::clearClip()
{
    const int count = mClipCount;
    mClipCount = 0;
    if (mClipPresented)
        for (int i = 0; i < count; ++i)
            damage(mClip[i]);
    mClipPresented = false;
}

void Board::damage(const QRect& rect)
{
    if (!rect.isEmpty() && mDamage)
        mDamage(toBoard(rect));
}

// Copies onto the window image only the rows and columns where source
// differs from it, and reports them: rows that differ are grouped into
// bands, each band as wide as its differing pixels reach.
void Board::presentChanges(const QImage& source)
{
    const int width = std::min(source.width(), mWindowImage.width());
    const int height = std::min(source.height(), mWindowImage.height());
    if (width <= 0 || height <= 0)
        return;
    constexpr int kMaxBands = 8;
    QRect bands[kMaxBands];
    int count = 0;
    int top = -1, left = 0, right = 0;
    auto close = [&](int bottom) {
        const QRect band(QPoint(left, top), QPoint(right, bottom));
        if (count < kMaxBands)
            bands[count++] = band;
        else
            bands[kMaxBands - 1] = bands[kMaxBands - 1].united(band);
        top = -1;
    };
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    for (int y = 0; y < height; ++y) {
        const auto* from = reinterpret_cast<const quint32*>(source.constScanLine(y));
        const auto* shown = reinterpret_cast<const quint32*>(mWindowImage.constScanLine(y));
        if (std::memcmp(from, shown, rowBytes) == 0) {
            if (top >= 0)
                close(y - 1);
            continue;
        }
        int l = 0;
        while (from[l] == shown[l])
            ++l;
        int r = width - 1;
        while (from[r] == shown[r])
            --r;
        if (top < 0) {
            top = y;
            left = l;
            right = r;
        } else {
            left = std::min(left, l);
            right = std::max(right, r);
        }
    }
    if (top >= 0)
        close(height - 1);
    for (int i = 0; i < count; ++i) {
        const QRect& b = bands[i];
        mPixelsCopied += gsBitBlt(mWindowImage, b.x(), b.y(), b.width(), b.height(), source, b.x(), b.y());
    }
    for (int i = 0; i < count; ++i)
        damage(bands[i]);
}

void Board::drawCard(int picture, float x, float y)
{
    drawCard(picture, gintfRoundHalfEven(x), gintfRoundHalfEven(y));
}

void Board::presentBoard()
{
    if (mClipCount == 0) {
        presentChanges(mPicWork);
        return;
    }
    // Reported once, when the clip ends: a move may present more than once.
    for (int i = 0; i < mClipCount; ++i) {
        const QRect& r = mClip[i];
        mPixelsCopied += gsBitBlt(mWindowImage, r.x(), r.y(), r.width(), r.height(), mPicWork, r.x(), r.y());
    }
    mClipPresented = true;
}

void Board::refreshWindow()
{
    if (mRefresh)
        mRefresh();
}

void Board::sizePicSave(int width, int height)
{
    width = std::max(1, width) * mScale;
    height = std::max(1, height) * mScale;
    if (mPicSave.width() != width || mPicSave.height() != height)
        mPicSave = QImage(width, height, QImage::Format_RGB32);
}

void Board::drawOutline(int x, int y, int width, int height, QRgb colour)
{
    if (width <= 0 || height <= 0)
        return;
    const QRgb pixel = colour | 0xff000000u;
    const int s = mScale;
    x *= s;
    y *= s;
    width *= s;
    height *= s;
    fillClipped(x, y, width, s, pixel);
    fillClipped(x, y + height - s, width, s, pixel);
    fillClipped(x, y + s, s, height - 2 * s, pixel);
    fillClipped(x + width - s, y + s, s, height - 2 * s, pixel);
}

int gintfRoundHalfEven(float value)
{
    return static_cast<int>(std::nearbyint(value));
}
