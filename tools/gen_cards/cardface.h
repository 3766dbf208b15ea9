#pragma once

#include "cardart.h"

#include <QImage>

// The card's layout, in card pixels at 1x.
constexpr int kCardWidth = 55;
constexpr int kCardHeight = 79;

// Each picture is drawn from one layout at `scale` pixels per card pixel
// (1 or 2): positions scale exactly, and shapes are drawn at the finer
// resolution rather than enlarged.
QImage drawFace(int rank, Suit suit, int scale);
QImage drawBack(int scale);
