#pragma once
// A stock dealt one card at a time onto a single waste pile, with the run of
// table cards played since the last deal as the depth of Undo. Golf and
// Pyramid both keep their stock this way, and both take a table card onto
// the waste when its rank is one above or below the top card's, King and
// Ace touching.
//
// The stock is not stored: it is the shuffled deck's places from
// cardsDealt() + 1 to 52, the table having taken the places before.

#include "core/cardpile.h"
#include "core/gamerules.h"

#include <vector>

class StockWaste {
public:
    // A fresh game whose table takes the deck's first aintTableCards places.
    void reset(int aintTableCards);
    // The table is laid: from now on Deal deals and the census counts.
    void markDealtOut() { mblnDealtOut = true; }
    bool dealtOut() const { return mblnDealtOut; }

    const CardPile& waste() const { return mWaste; }
    int cardsDealt() const { return mintCardsDealt; }
    int playsSinceDeal() const { return mintPlaysSinceDeal; }
    bool canDeal() const { return mintCardsDealt != kCardCount; }
    // Nothing can be played from the table before the first deal.
    bool takesPlays() const { return !mWaste.empty(); }

    // Whether aintCard may go on the waste's top card (never on an empty waste).
    bool fits(int aintCard) const;
    // A table card from slot aintSlot goes onto the waste.
    void play(int aintSlot, int aintCard);

    // The next stock card onto the waste, starting a fresh run; the outputs
    // as the Deal button needs them. Answers whether a card was dealt: with
    // the stock spent the run, and what Undo can take back, go on.
    bool deal(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft);

    // Takes back the run since the last deal, top of the waste first, handing
    // each card's slot to giveBack; the outputs as the Undo button needs them.
    // Answers whether anything came back.
    template <class GiveBack>
    bool undoRun(bool& ablnDealEnabled, bool& ablnUndoEnabled, GiveBack&& giveBack)
    {
        ablnUndoEnabled = false;
        const bool any = mintPlaysSinceDeal > 0;
        while (mintPlaysSinceDeal > 0) {
            giveBack(mWaste.pop().source);
            --mintPlaysSinceDeal;
        }
        ablnDealEnabled = canDeal();
        return any;
    }

    // The buttons after a play (or a refused one).
    void playButtons(bool& ablnDealEnabled, bool& ablnUndoEnabled) const;

    // The stock and the waste, once the table is laid.
    void addToCensus(std::vector<CardLocation>& where) const;
    // The waste pile, its top card drawn at (x, y), and the unshown stock,
    // as places of the table once it is laid.
    void addPlaces(TableDescription& table, float asngWasteX, float asngWasteY) const;

private:
    CardPile mWaste;  // each entry remembers its table slot, 0 for the stock
    int mintCardsDealt = 0;
    int mintPlaysSinceDeal = 0;
    bool mblnDealtOut = false;
};
