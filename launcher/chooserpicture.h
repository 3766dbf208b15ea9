#pragma once
// The chooser's picture for the screen it is shown on.

#include <QImage>

// The 2x drawing on screens of device pixel ratio 2 or more, the 1x one
// below; both cover the same 460 x 320 logical pixels.
const QImage& gimgfChooserPicture(qreal devicePixelRatio);
