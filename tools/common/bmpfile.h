#pragma once

#include <QImage>
#include <QString>

#include <array>

// Qt reads these BMPs but cannot write 4 bpp, and its 24-bit output depends
// on the image format, so the bytes are written here.

using Palette16 = std::array<QRgb, 16>;

// Every pixel of image must be exactly one of the palette colours; returns
// false (and writes nothing) otherwise.
bool writeBmp4(const QImage &image, const Palette16 &palette, const QString &path, QString *error);

bool writeBmp24(const QImage &image, const QString &path, QString *error);
