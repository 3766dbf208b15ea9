#pragma once
// Maze: six rows of nine cells read as one track, cell 54 followed by cell
// 1. All 52 cards are dealt leaving cells 9 and 18 empty, then the Kings go
// out of play: 48 cards and six gaps. A card may be dragged into a gap when
// it is one higher, same suit, than the card before the gap or one lower,
// same suit, than the card after it; an Ace may follow any Queen and may
// always go into cell 1. Won when the cards, gaps left out, read as four
// runs Ace to Queen of a suit. Undo takes back the last move.

#include "core/checkedtable.h"
#include "core/gamerules.h"
#include "core/modCards.h"

class clsMaze : public GameRules {
public:
    explicit clsMaze(Board& board);

    int prpClientRight() const override { return mintClientRight; }
    int prpClientBottom() const override { return mintClientBottom; }
    QString prpTitle() const override { return mstrTitle; }

    void gsInitVar() override;
    void gsInitCardPsns() override;
    void gsInitNewGame() override;
    void gsDrawCards() override;
    int gintfGetSelectedCard(float asngX, float asngY, bool ablnMouseDown, int& aintNumCardsInSequence) override;
    void gsGetNewPsn(int aintCardFrom, int& aintPrevX, int& aintPrevY) override;
    void gsPlaceCard(float asngX, float asngY, int aintPrevX, int aintPrevY, int aintCardFrom, int aintCardTo,
                     bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft) override;
    bool gblnfGameOver() override;
    void gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft) override;

    std::vector<CardLocation> census() const override;
    std::vector<QPoint> hotSpots() const override;

    static constexpr int kRows = 6;
    static constexpr int kColumns = 9;
    static constexpr int kCells = kRows * kColumns;  // 54

    struct Cell {
        bool present = false;  // drawn: false for a gap and for the card in hand
        int card = 0;          // 0 in a gap
        float x = 0;
        float y = 0;
        int dealNumber = 0;  // the card's place in the shuffled deck, 0 in a gap
    };

    // Corner of cell 1..54.
    static float gsngfCellX(int aintCell) { return static_cast<float>(4 + 57 * ((aintCell - 1) % kColumns)); }
    static float gsngfCellY(int aintCell) { return static_cast<float>(4 + 81 * ((aintCell - 1) / kColumns)); }

    // Read-only view for tests and tools.
    const Cell& gudtfCell(int aintCell) const { return mudtCells[aintCell]; }

protected:
    TableDescription placesOnTable() const override;

private:
    void msUpdateCardStatus(int aintFrom, int aintTo);
    void msFindFourKings();
    bool mblnfOkToPut(int aintFrom, int aintTo);

    int mintClientRight;
    int mintClientBottom;
    QString mstrTitle;

    CheckedTable<Cell, 1, kCells> mudtCells;
    int mintLastFrom = 0;
    int mintLastTo = 0;
    bool mblnDealtOut = false;
    CheckedTable<int, 1, 4> mintKingsOut;  // out of play, kept for the census
};
