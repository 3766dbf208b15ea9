#pragma once
// Golf: 35 cards face up in seven columns of five; the bottom card of any
// column may go onto the waste when its rank is one above or below the
// waste's top card, King and Ace touching. A King played from the table ends
// the run until the next deal. Click game: the press selects, the release plays.

#include "core/cardplace.h"
#include "core/cardslots.h"
#include "core/gamerules.h"
#include "core/modCards.h"
#include "core/stockwaste.h"

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
    float gsngfPsnX(int aintSlot) const { return aintSlot == kWasteSlot ? mWastePsn.left : mTable[aintSlot].x; }
    float gsngfPsnY(int aintSlot) const { return aintSlot == kWasteSlot ? mWastePsn.top : mTable[aintSlot].y; }

protected:
    TableDescription placesOnTable() const override;

private:
    int mintClientRight;
    int mintClientBottom;
    QString mstrTitle;

    CardSlots<kSlots> mTable;
    PlacePsn mWastePsn;
    StockWaste mStock;
    int mintCardsRemoved = 0;
    bool mblnSequenceEnded = false;
};
