#include "core/pendingpick.h"

#include "core/errors.h"
#include "core/modCards.h"

void PendingPick::pick(CardPile& pile, int aintSlot, int aintCard)
{
    pile.push(aintSlot, aintCard);
    ++mintCount;
}

const PileEntry& PendingPick::entry(const CardPile& pile, int aintIndex) const
{
    if (aintIndex < 1 || aintIndex > mintCount)
        gsRaiseSubscript();
    return pile[pile.count() - mintCount + aintIndex];
}

int PendingPick::rankTotal(const CardPile& pile, bool ablnFaceValue) const
{
    int total = 0;
    for (int i = 1; i <= mintCount; ++i)
        total += gintfCardRank(entry(pile, i).card, ablnFaceValue);
    return total;
}
