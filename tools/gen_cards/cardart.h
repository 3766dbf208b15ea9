#pragma once

#include <string_view>
#include <vector>

// Hand-drawn pixel bitmaps. In one-colour bitmaps '#' is ink and anything
// else is left alone; court art uses the letters listed in main.cpp.
using Bitmap = std::vector<std::string_view>;

enum class Suit { Spades, Hearts, Diamonds, Clubs };

// Corner index for rank 1..13, at most 11 wide and 11 high.
const Bitmap &rankGlyph(int rank);

// The same at 2x, at most 22 wide and 22 high.
const Bitmap &rankGlyph2x(int rank);

// 9 x 9 suit sign used under the index and for the pips on 2..10.
const Bitmap &pip(Suit suit);

// 7 x 7 suit sign for the court frames.
const Bitmap &smallPip(Suit suit);

// Upper half of the court figure for rank 11..13, 27 x 34.
const Bitmap &courtArt(int rank);
