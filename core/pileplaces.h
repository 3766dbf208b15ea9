#pragma once
// Piles as places of a table description: a stock that is never shown and a
// pile of which only the top card is drawn (a waste, a discard pile).

#include "core/tabledescription.h"

class CardPile;

// The shuffled deck's places aintCardsDealt + 1 to 52, face down and not
// drawn, bottom up: the next card to be dealt is the top one.
TablePlace gplacefUnshownStock(int aintCardsDealt);

// Every card of the pile, bottom up; only the top one is drawn, face up at
// (x, y) as Board::drawCard places it. An empty pile shows nothing.
TablePlace gplacefTopShownPile(const CardPile& pile, const QString& astrName, CardWhere aenmWhere, float asngX,
                               float asngY);

// Where a card drawn with its corner at (x, y) lies on the board.
QRect grectfCardFace(float asngX, float asngY);
