#pragma once
// Plain source copy of a pixel block between two images of the same format,
// clipped to both: the one drawing primitive of the board. No scaling, no
// blending and no allocation, so it is safe on the drag path.

class QImage;

// Answers the number of pixels copied.
int gsBitBlt(QImage& dst, int dstX, int dstY, int width, int height, const QImage& src, int srcX, int srcY);

// Copies the whole of src over dst at (0, 0), as far as both reach.
int gsCopyWhole(QImage& dst, const QImage& src);

// Fills a block of dst with one colour, clipped to dst; answers the pixels set.
int gsFillBlock(QImage& dst, int x, int y, int width, int height, unsigned int colour);

// src drawn in factor x factor blocks of each of its pixels, in the surface
// format: the only enlargement the board knows (never smoothed). Allocates:
// for loading pictures, never for the drag path.
QImage gimgfScaleBlocks(const QImage& src, int factor);

// A picture drawn at 1x and 2x, at a whole-number scale: at 1 and 2 the
// drawing itself, beyond that the drawing that divides the scale in
// whole-pixel blocks (3x: 1x in 3 x 3, 4x: 2x in 2 x 2). gintfDrawnScale
// says which drawing (1 or 2) a scale is made from, so that only that one
// need be read; gimgfAtScale makes the scale from it.
int gintfDrawnScale(int scale);
QImage gimgfAtScale(const QImage& drawn, int scale);

// The format every board surface and card picture is kept in.
constexpr int kSurfaceFormat = 4;  // QImage::Format_RGB32
