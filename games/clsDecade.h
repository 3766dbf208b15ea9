#pragma once
// Decade: the stock is dealt one card at a time onto the right end of one
// overlapping row. Three cards taken from the two ends of the row, one click
// at a time, are discarded when their face values total 10, 20 or 30 (courts
// count 10); the very last card goes alone when it counts 10. Click game.

#include "core/cardpile.h"
#include "core/checkedtable.h"
#include "core/gamerules.h"
#include "core/modCards.h"
#include "core/pendingpick.h"

class clsDecade : public GameRules {
public:
    explicit clsDecade(Board& board);

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
    void gsDealCard(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft) override;
    void gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft) override;

    std::vector<CardLocation> census() const override;
    std::vector<QPoint> hotSpots() const override;

    static constexpr int kDiscardSlot = 0;  // slot 0 is the discard place
    static constexpr int kPickSize = 3;

protected:
    TableDescription placesOnTable() const override;

private:
    struct RowSlot {
        bool present = false;  // in the row, not picked
        int card = 0;
        float left = 0;
        float top = 0;
        bool hasRight = false;
        bool hasLeft = false;
    };

    bool mblnfCardClicked(int aintSlot) const;
    bool mblnfLastCard() const { return mintDiscarded == kCardCount - 1; }
    bool mblnfPickAllowed(int aintSlot) const;
    bool mblnfCheckCardValTotal() const;
    void msUpdateCardStatus();
    bool mblnfStockLeft() const { return mintDealt < kCardCount; }

    int mintClientRight;
    int mintClientBottom;
    QString mstrTitle;

    CheckedTable<RowSlot, kDiscardSlot, kCardCount> mRow;
    CardPile mDiscard;  // every picked card, in the order picked
    PendingPick mPick;
    int mintRowCount = 0;  // cards in the row, picked ones included
    int mintDealt = 0;
    int mintDiscarded = 0;  // discarded for good
    bool mblnShuffled = false;
};
