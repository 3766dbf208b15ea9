#pragma once

#include "../common/bmpfile.h"
#include "cardart.h"

// The classic 16 colours in their usual palette order.
constexpr QRgb Black = 0xff000000, DarkRed = 0xff800000, DarkGreen = 0xff008000,
               Olive = 0xff808000, DarkBlue = 0xff000080, Purple = 0xff800080,
               Teal = 0xff008080, LightGrey = 0xffc0c0c0, Grey = 0xff808080,
               Red = 0xffff0000, Green = 0xff00ff00, Yellow = 0xffffff00,
               Blue = 0xff0000ff, Magenta = 0xffff00ff, Cyan = 0xff00ffff,
               White = 0xffffffff;
constexpr Palette16 kPalette = {Black, DarkRed, DarkGreen, Olive, DarkBlue, Purple, Teal, LightGrey,
                                Grey, Red, Green, Yellow, Blue, Magenta, Cyan, White};

inline QRgb inkOf(Suit s)
{
    return s == Suit::Hearts || s == Suit::Diamonds ? Red : Black;
}
