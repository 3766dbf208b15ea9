#pragma once
// Fourteens: the whole pack face up in eight overlapping columns (seven
// cards in the first four, six in the others). Pairs of free bottom cards
// whose ranks add up to 14 are discarded; each clicked card goes to the
// discard pile at once and frees the card above it. Click game, no stock.

#include "core/cardpile.h"
#include "core/cardplace.h"
#include "core/cardslots.h"
#include "core/gamerules.h"
#include "core/modCards.h"
#include "core/pendingpick.h"

class clsFourteens : public GameRules {
public:
    explicit clsFourteens(Board& board);

    int prpClientRight() const override { return mintClientRight; }
    int prpClientBottom() const override { return mintClientBottom; }
    QString prpTitle() const override { return mstrTitle; }

    void gsInitVar() override;
    void gsInitCardPsns() override;
    void gsInitNewGame() override;
    void gsDrawCards() override;
    int gintfGetSelectedCard(float asngX, float asngY, bool ablnMouseDown, int& aintNumCardsInSequence) override;
    void gsPlaceCard(float asngX, float asngY, int aintPrevX, int aintPrevY, int aintCardFrom, int aintCardTo,
                     bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft) override;
    bool gblnfGameOver() override;
    void gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft) override;

    std::vector<CardLocation> census() const override;
    std::vector<QPoint> hotSpots() const override;

    static constexpr int kColumns = 8;

protected:
    TableDescription placesOnTable() const override;

private:
    bool mblnfCardClicked(int aintSlot) const;
    bool mblnfCheckCardValTotal() const;

    int mintClientRight;
    int mintClientBottom;
    QString mstrTitle;

    CardSlots<kCardCount> mSlots;  // covered: the slot below still holds a card
    PlacePsn mDiscardPsn;
    CardPile mDiscard;
    PendingPick mPair;
    int mintCardsRemoved = 0;    // in completed pairs
    int mintCardsRemaining = 0;  // on the table, an unfinished pair included
    bool mblnDealtOut = false;
};
