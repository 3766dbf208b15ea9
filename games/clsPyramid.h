#pragma once
// Pyramid: 28 cards face up in seven overlapping rows, one at the apex and
// seven at the bottom. A card on which no card of the row below rests goes
// onto the waste when its rank is one above or below the waste's top card,
// King and Ace touching. The stock is dealt one card at a time onto the
// waste. Click game: the press selects, the release plays.

#include "core/cardplace.h"
#include "core/cardslots.h"
#include "core/gamerules.h"
#include "core/stockwaste.h"

class clsPyramid : public GameRules {
public:
    explicit clsPyramid(Board& board);

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

    static constexpr int kRows = 7;
    static constexpr int kSlots = 28;
    static constexpr int kWasteSlot = 0;  // index of the waste in the position table

    // Row 1..7 of slot 1..28, and the first slot of row 1..7.
    static int gintfRowOf(int aintSlot);
    static int gintfFirstSlotOf(int aintRow) { return (aintRow - 1) * aintRow / 2 + 1; }

    // Top-left corner of slot 1..28, or of the waste for kWasteSlot, as
    // computed (the apex column may lie on a half pixel).
    float gsngfPsnX(int aintSlot) const { return aintSlot == kWasteSlot ? mWastePsn.left : mTable[aintSlot].x; }
    float gsngfPsnY(int aintSlot) const { return aintSlot == kWasteSlot ? mWastePsn.top : mTable[aintSlot].y; }

protected:
    TableDescription placesOnTable() const override;

private:
    bool mblnfSupportsGone(int aintSlot) const;
    void msUpdateCardStatus(int aintSlot);
    void msCoverAbove(int aintSlot);

    int mintClientRight;
    int mintClientBottom;
    QString mstrTitle;

    CardSlots<kSlots> mTable;
    PlacePsn mWastePsn;
    StockWaste mStock;
    int mintCardsRemoved = 0;
};
