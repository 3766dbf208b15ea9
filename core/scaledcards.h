#pragma once
// The 53 card pictures at a whole-number device scale: at 1 and 2 the
// pictures drawn for that size, at 3 and beyond the largest drawn size that
// divides the scale, in whole-pixel blocks (3x: 1x in 3 x 3, 4x: 2x in
// 2 x 2). Built once per scale, when a board first takes that scale, so that
// drawing a card stays one plain copy.

#include <QImage>

class ScaledCards {
public:
    // The set for `scale` (1 or more), built on first use and kept.
    static const ScaledCards& forScale(int scale);

    // Index 1..53; any other index is a run-time error.
    const QImage& picture(int index) const;
    int scale() const { return mScale; }

private:
    explicit ScaledCards(int scale);
    int mScale;
    QImage mPictures[54];
};
