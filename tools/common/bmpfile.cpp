#include "bmpfile.h"

#include <QByteArray>
#include <QFile>

#include <cstdint>

namespace {

void put16(QByteArray &out, std::uint16_t v)
{
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

void put32(QByteArray &out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

int rowStride(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

void putHeaders(QByteArray &out, int width, int height, int bitsPerPixel, int paletteEntries)
{
    const std::uint32_t pixelBytes = std::uint32_t(rowStride(width, bitsPerPixel) * height);
    const std::uint32_t offset = 14 + 40 + 4 * paletteEntries;
    out.append("BM");
    put32(out, offset + pixelBytes);
    put32(out, 0);
    put32(out, offset);

    put32(out, 40);
    put32(out, std::uint32_t(width));
    put32(out, std::uint32_t(height)); // positive: rows are stored bottom-up
    put16(out, 1);
    put16(out, std::uint16_t(bitsPerPixel));
    put32(out, 0); // no compression
    put32(out, pixelBytes);
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, std::uint32_t(paletteEntries));
    put32(out, 0);
}

bool save(const QByteArray &bytes, const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

bool writeBmp4(const QImage &image, const Palette16 &palette, const QString &path, QString *error)
{
    const int w = image.width();
    const int h = image.height();
    const int stride = rowStride(w, 4);
    QByteArray pixels(stride * h, '\0');
    for (int y = 0; y < h; ++y) {
        char *row = pixels.data() + (h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y) | 0xff000000u;
            int index = -1;
            for (int i = 0; i < 16; ++i) {
                if (palette[i] == c)
                    index = i;
            }
            if (index < 0) {
                *error = QStringLiteral("%1: pixel %2,%3 is #%4, not a palette colour")
                             .arg(path).arg(x).arg(y).arg(c & 0xffffff, 6, 16, QLatin1Char('0'));
                return false;
            }
            // Left pixel in the high nibble.
            row[x / 2] = char(row[x / 2] | (x % 2 ? index : index << 4));
        }
    }

    QByteArray out;
    putHeaders(out, w, h, 4, 16);
    for (QRgb c : palette) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append('\0');
    }
    out.append(pixels);
    return save(out, path, error);
}

bool writeBmp24(const QImage &image, const QString &path, QString *error)
{
    const int w = image.width();
    const int h = image.height();
    const int stride = rowStride(w, 24);
    QByteArray out;
    putHeaders(out, w, h, 24, 0);
    QByteArray pixels(stride * h, '\0');
    for (int y = 0; y < h; ++y) {
        char *row = pixels.data() + (h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            row[3 * x] = char(qBlue(c));
            row[3 * x + 1] = char(qGreen(c));
            row[3 * x + 2] = char(qRed(c));
        }
    }
    out.append(pixels);
    return save(out, path, error);
}
