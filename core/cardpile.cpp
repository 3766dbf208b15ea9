#include "core/cardpile.h"

#include "core/board.h"

void CardPile::clear()
{
    mEntries.fill(PileEntry{});
    mintCount = 0;
}

void CardPile::push(int aintSource, int aintCard)
{
    mEntries[mintCount + 1] = {aintSource, aintCard};
    ++mintCount;
}

PileEntry CardPile::pop()
{
    const PileEntry entry = mEntries[mintCount];
    mEntries[mintCount] = {};
    --mintCount;
    return entry;
}

void CardPile::truncate(int aintCount)
{
    if (aintCount < 0 || aintCount > mintCount)
        gsRaiseSubscript();
    while (mintCount > aintCount)
        pop();
}

const PileEntry& CardPile::operator[](int aintIndex) const
{
    // Entries above the top are not part of the pile.
    if (aintIndex > mintCount)
        gsRaiseSubscript();
    return mEntries[aintIndex];
}

void CardPile::drawTop(Board& board, float asngX, float asngY) const
{
    if (mintCount > 0)
        board.drawCard(mEntries[mintCount].card, asngX, asngY);
}
