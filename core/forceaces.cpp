#include "core/forceaces.h"

#include "core/errors.h"
#include "core/modCards.h"

#include <utility>

void gsForceAces(int aintFirstPlace)
{
    const int first = aintFirstPlace;
    const int last = aintFirstPlace + 3;
    if (first < 1 || last > kCardCount)
        gsRaiseSubscript();
    auto isAce = [](int card) { return gintfCardRank(card, false) == 1; };
    auto inBlock = [&](int place) { return place >= first && place <= last; };

    int acePlaces[4];
    int aces = 0;
    for (int p = 1; p <= kCardCount; ++p)
        if (!inBlock(p) && isAce(gintDeck[p]) && aces < 4)
            acePlaces[aces++] = p;
    // Each non-Ace of the block passes through the Ace's old place, so the
    // first of them ends up holding the Ace and none is lost.
    for (int i = 0; i < aces; ++i)
        for (int k = first; k <= last; ++k)
            if (!isAce(gintDeck[k]))
                std::swap(gintDeck[k], gintDeck[acePlaces[i]]);
    // Card-number order is suit order: Spades, Hearts, Diamonds, Clubs.
    for (int k = first; k < last; ++k)
        for (int l = k + 1; l <= last; ++l)
            if (gintDeck[l] < gintDeck[k])
                std::swap(gintDeck[k], gintDeck[l]);
}
