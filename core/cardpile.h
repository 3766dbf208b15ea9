#pragma once
// A pile that cards are put on one at a time and taken back from the top:
// a waste, a discard pile, a foundation. Each entry remembers where its card
// came from (a game's slot number, 0 for the stock), which is what Undo
// needs to give it back. Entries are 1-based; the top is entry count().

#include "core/checkedtable.h"
#include "core/modCards.h"

class Board;

struct PileEntry {
    int source = 0;  // slot the card came from; 0 for the stock
    int card = 0;
};

class CardPile {
public:
    void clear();
    int count() const { return mintCount; }
    bool empty() const { return mintCount == 0; }

    void push(int aintSource, int aintCard);
    PileEntry pop();
    // Drop entries above aintCount (Undo back to a remembered height).
    void truncate(int aintCount);

    const PileEntry& top() const { return mEntries[mintCount]; }
    int topCard() const { return mintCount == 0 ? 0 : mEntries[mintCount].card; }
    const PileEntry& operator[](int aintIndex) const;

    // The top card face up at (x, y); nothing when the pile is empty.
    void drawTop(Board& board, float asngX, float asngY) const;

private:
    CheckedTable<PileEntry, 1, kCardCount> mEntries;
    int mintCount = 0;
};
