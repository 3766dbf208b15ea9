#include "core/blit.h"

#include <QImage>
#include <algorithm>
#include <cstring>

static_assert(kSurfaceFormat == QImage::Format_RGB32);

void gsBitBlt(QImage& dst, int dstX, int dstY, int width, int height, const QImage& src, int srcX, int srcY)
{
    if (dst.isNull() || src.isNull())
        return;
    Q_ASSERT(dst.format() == src.format() && dst.depth() == 32);
    // Clip against the source, then the destination.
    if (srcX < 0) { dstX -= srcX; width += srcX; srcX = 0; }
    if (srcY < 0) { dstY -= srcY; height += srcY; srcY = 0; }
    if (dstX < 0) { srcX -= dstX; width += dstX; dstX = 0; }
    if (dstY < 0) { srcY -= dstY; height += dstY; dstY = 0; }
    width = std::min({width, src.width() - srcX, dst.width() - dstX});
    height = std::min({height, src.height() - srcY, dst.height() - dstY});
    if (width <= 0 || height <= 0)
        return;
    const qsizetype srcStride = src.bytesPerLine();
    const qsizetype dstStride = dst.bytesPerLine();
    const uchar* from = src.constBits() + srcY * srcStride + srcX * 4;
    uchar* to = dst.bits() + dstY * dstStride + dstX * 4;
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    for (int row = 0; row < height; ++row) {
        std::memcpy(to, from, rowBytes);
        from += srcStride;
        to += dstStride;
    }
}

void gsCopyWhole(QImage& dst, const QImage& src)
{
    gsBitBlt(dst, 0, 0, src.width(), src.height(), src, 0, 0);
}
