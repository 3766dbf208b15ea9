#pragma once

#include "cardart.h"

#include <string>
#include <vector>

// A bitmap that owns its rows, every row as wide as the widest.
using Pixels = std::vector<std::string>;

Pixels toPixels(const Bitmap &bm);

int bitmapWidth(const Bitmap &bm);

// Twice as wide and high, with staircase edges between two colours smoothed
// to half steps (the EPX rule); straight edges and corners stay as they were.
Pixels scale2x(const Pixels &px);
