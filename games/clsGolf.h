#pragma once
// Golf: 35 cards face up in seven columns of five; the bottom card of any
// column may go onto the waste when its rank is one above or below the
// waste's top card, King and Ace touching. A King played from the table ends
// the run until the next deal. Click game: the press selects, the release plays.

#include "core/cardpile.h"
#include "core/checkedtable.h"
#include "core/gamerules.h"
#include "core/modCards.h"

class clsGolf : public GameRules {
public:
    explicit clsGolf(Board& board);

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

    static constexpr int kSlots = 35;
    static constexpr int kColumns = 7;
    static constexpr int kWasteSlot = 0;  // index of the waste in the position table

    // Top-left corner of tableau slot 1..35, or of the waste for kWasteSlot.
    float gsngfPsnX(int aintSlot) const { return mPsn[aintSlot].x; }
    float gsngfPsnY(int aintSlot) const { return mPsn[aintSlot].y; }

private:
    struct Psn {
        float x = 0;
        float y = 0;
    };
    struct TableSlot {
        bool present = false;
        int card = 0;
        bool covered = false;
    };

    bool mblnfFits(int aintCard) const;
    bool mblnfCanDeal() const { return mintCardsDealt != kCardCount; }

    int mintClientRight;
    int mintClientBottom;
    QString mstrTitle;

    CheckedTable<Psn, kWasteSlot, kSlots> mPsn;
    CheckedTable<TableSlot, 1, kSlots> mTable;
    CardPile mWaste;  // each entry remembers its slot, 0 for the stock
    int mintCardsRemoved = 0;
    int mintCardsDealt = 0;
    int mintPlaysSinceDeal = 0;
    bool mblnSequenceEnded = false;
    bool mblnDealtOut = false;  // a deal has been laid since the last gsInitVar
};
