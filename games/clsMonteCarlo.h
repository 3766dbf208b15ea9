#pragma once
// Monte Carlo: 25 cards face up in a grid of five by five. Two cards of the
// same rank that touch (side by side, one above the other or corner to
// corner, never across the end of a row) go onto the discard pile; Deal then
// closes the grid up towards its first cell and refills it from the stock.
// Click game: the press takes a card off the grid, the release discards it.

#include "core/cardpile.h"
#include "core/cardplace.h"
#include "core/cardslots.h"
#include "core/gamerules.h"

class clsMonteCarlo : public GameRules {
public:
    explicit clsMonteCarlo(Board& board);

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

    static constexpr int kSide = 5;
    static constexpr int kCells = 25;
    // Grid row 1..5 of cell 1..25.
    static int gintfRowOf(int aintCell) { return (aintCell - 1) / kSide + 1; }

protected:
    TableDescription placesOnTable() const override;

private:
    int mintfCheckCard() const;
    void msMoveCards();
    void msFillTable();
    void msGiveBackTop();
    void msGiveBackTaken();

    int mintClientRight;
    int mintClientBottom;
    QString mstrTitle;

    // A taken card stays in its cell, not present, so it can come back.
    CardSlots<kCells> mGrid;
    PlacePsn mDiscardPsn;
    CardPile mDiscard;  // each entry remembers its cell
    int mintTakenSinceDeal = 0;
    int mintCardsOnGrid = 0;
    int mintCardsDealt = 0;
    int mintDiscardAtLastDeal = 0;
    // The cell whose card a press took and no release has discarded yet.
    int mintTaken = 0;
    bool mblnDealtOut = false;
};
