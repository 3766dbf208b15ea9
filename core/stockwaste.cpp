#include "core/stockwaste.h"

#include "core/modCards.h"
#include "core/pileplaces.h"

void StockWaste::reset(int aintTableCards)
{
    mWaste.clear();
    mintCardsDealt = aintTableCards;
    mintPlaysSinceDeal = 0;
    mblnDealtOut = false;
}

bool StockWaste::fits(int aintCard) const
{
    if (mWaste.empty())
        return false;
    return gblnfInSequence(mWaste.topCard(), aintCard, true, false, false, false);
}

void StockWaste::play(int aintSlot, int aintCard)
{
    mWaste.push(aintSlot, aintCard);
    ++mintPlaysSinceDeal;
}

bool StockWaste::deal(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    const bool dealt = mblnDealtOut && mintCardsDealt < kCardCount;
    if (dealt) {
        ++mintCardsDealt;
        mWaste.push(0, gintDeck[mintCardsDealt]);
        mintPlaysSinceDeal = 0;
    }
    ablnDealEnabled = canDeal();
    ablnUndoEnabled = mintPlaysSinceDeal > 0;
    aintCardsLeft = kCardCount - mintCardsDealt;
    return dealt;
}

void StockWaste::playButtons(bool& ablnDealEnabled, bool& ablnUndoEnabled) const
{
    ablnDealEnabled = canDeal();
    ablnUndoEnabled = mintPlaysSinceDeal > 0;
}

void StockWaste::addToCensus(std::vector<CardLocation>& where) const
{
    if (!mblnDealtOut)
        return;
    for (int p = mintCardsDealt + 1; p <= kCardCount; ++p)
        where.push_back({gintDeck[p], CardWhere::Stock});
    for (int w = 1; w <= mWaste.count(); ++w)
        where.push_back({mWaste[w].card, CardWhere::Waste});
}

void StockWaste::addPlaces(TableDescription& table, float asngWasteX, float asngWasteY) const
{
    if (!mblnDealtOut)
        return;
    table.push_back(
        gplacefTopShownPile(mWaste, QStringLiteral("Waste pile"), CardWhere::Waste, asngWasteX, asngWasteY));
    table.push_back(gplacefUnshownStock(mintCardsDealt));
}
