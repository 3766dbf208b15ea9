#pragma once
// The cards of a pick under way, as the click games that discard cards in
// pairs or threes keep it: each picked card goes onto the discard pile at
// once (remembering its slot), and when the pick is complete it is either
// kept for good or given back, newest card first. The pick's cards are always
// the top entries of the discard pile.

#include "core/cardpile.h"

class PendingPick {
public:
    void clear() { mintCount = 0; }
    int count() const { return mintCount; }
    bool underWay() const { return mintCount > 0; }

    // The card of aintSlot goes onto the pile as the pick's next card.
    void pick(CardPile& pile, int aintSlot, int aintCard);
    // The a-th picked card (1 = the first).
    const PileEntry& entry(const CardPile& pile, int aintIndex) const;
    // Ranks of the picked cards added up (face values when asked: courts 10).
    int rankTotal(const CardPile& pile, bool ablnFaceValue) const;

    // The picked cards stay on the pile for good.
    void keep() { mintCount = 0; }
    // Takes the picked cards off the pile, newest first, handing each entry
    // to give (which puts the card back in its slot).
    template <class Give>
    void giveBack(CardPile& pile, Give&& give)
    {
        while (mintCount > 0) {
            give(pile.pop());
            --mintCount;
        }
    }

private:
    int mintCount = 0;
};
