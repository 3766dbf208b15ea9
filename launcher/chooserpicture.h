#pragma once
// The chooser's picture for the screen it is shown on.

#include <QImage>

// The picture at the screen's whole-number scale, covering the same
// 460 x 320 logical pixels at every scale: the 1x or 2x drawing, beyond
// that the one dividing the scale in whole-pixel blocks.
const QImage& gimgfChooserPicture(qreal devicePixelRatio);
