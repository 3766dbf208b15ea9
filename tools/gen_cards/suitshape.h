#pragma once

#include "cardart.h"
#include "pixelart.h"

// Suit outlines in a box u, v in [-1, 1], v pointing down.
bool insideSuit(Suit s, double u, double v);

// The shape filled into a w x h bitmap ('#' ink), sampled at pixel centres
// so it comes out mirror-symmetric.
Pixels suitPixels(Suit s, int w, int h);
