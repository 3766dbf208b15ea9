#include "core/blit.h"

#include <QImage>
#include <algorithm>
#include <cstring>

static_assert(kSurfaceFormat == QImage::Format_RGB32);

int gsBitBlt(QImage& dst, int dstX, int dstY, int width, int height, const QImage& src, int srcX, int srcY)
{
    if (dst.isNull() || src.isNull())
        return 0;
    Q_ASSERT(dst.format() == src.format() && dst.depth() == 32);
    // Clip against the source, then the destination.
    if (srcX < 0) { dstX -= srcX; width += srcX; srcX = 0; }
    if (srcY < 0) { dstY -= srcY; height += srcY; srcY = 0; }
    if (dstX < 0) { srcX -= dstX; width += dstX; dstX = 0; }
    if (dstY < 0) { srcY -= dstY; height += dstY; dstY = 0; }
    width = std::min({width, src.width() - srcX, dst.width() - dstX});
    height = std::min({height, src.height() - srcY, dst.height() - dstY});
    if (width <= 0 || height <= 0)
        return 0;
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
    return width * height;
}

int gsCopyWhole(QImage& dst, const QImage& src)
{
    return gsBitBlt(dst, 0, 0, src.width(), src.height(), src, 0, 0);
}

int gsFillBlock(QImage& dst, int x, int y, int width, int height, unsigned int colour)
{
    if (dst.isNull())
        return 0;
    Q_ASSERT(dst.depth() == 32);
    if (x < 0) { width += x; x = 0; }
    if (y < 0) { height += y; y = 0; }
    width = std::min(width, dst.width() - x);
    height = std::min(height, dst.height() - y);
    if (width <= 0 || height <= 0)
        return 0;
    for (int row = 0; row < height; ++row) {
        auto* to = reinterpret_cast<quint32*>(dst.scanLine(y + row)) + x;
        std::fill(to, to + width, static_cast<quint32>(colour));
    }
    return width * height;
}

int gintfDrawnScale(int scale) { return scale % 2 == 0 ? 2 : 1; }

QImage gimgfAtScale(const QImage& drawn, int scale)
{
    return gimgfScaleBlocks(drawn, std::max(1, scale / gintfDrawnScale(scale)));
}

QImage gimgfScaleBlocks(const QImage& src, int factor)
{
    const QImage from = src.convertToFormat(QImage::Format_RGB32);
    if (factor <= 1 || from.isNull())
        return from;
    QImage to(from.width() * factor, from.height() * factor, QImage::Format_RGB32);
    for (int y = 0; y < from.height(); ++y) {
        const auto* in = reinterpret_cast<const quint32*>(from.constScanLine(y));
        auto* out = reinterpret_cast<quint32*>(to.scanLine(y * factor));
        for (int x = 0; x < from.width(); ++x)
            std::fill(out + x * factor, out + (x + 1) * factor, in[x]);
        for (int copy = 1; copy < factor; ++copy)
            std::memcpy(to.scanLine(y * factor + copy), out, static_cast<size_t>(to.width()) * 4);
    }
    return to;
}
