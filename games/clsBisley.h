#pragma once
// Bisley: all 52 cards face up in four rows of thirteen, the Aces forced
// into the first four places of the top row as foundations building up in
// suit, with four King foundations above them building down in suit from
// the King. Only the bottom card of a column moves: onto a foundation or
// onto another column's bottom card of its suit, one rank up or down.
// Won when only the foundations hold cards. Drag game; Undo takes back the
// last move.

#include "core/cardplace.h"
#include "core/checkedtable.h"
#include "core/gamerules.h"

class clsBisley : public GameRules {
public:
    explicit clsBisley(Board& board);

    int prpClientRight() const override { return mintClientRight; }
    int prpClientBottom() const override { return mintClientBottom; }
    QString prpTitle() const override { return mstrTitle; }

    void gsInitVar() override;
    void gsInitCardPsns() override;
    void gsInitNewGame() override;
    void gsDrawCards() override;
    void gsDrawCardBorder() override;
    int gintfGetSelectedCard(float asngX, float asngY, bool ablnMouseDown, int& aintNumCardsInSequence) override;
    void gsGetNewPsn(int aintCardFrom, int& aintPrevX, int& aintPrevY) override;
    void gsPlaceCard(float asngX, float asngY, int aintPrevX, int aintPrevY, int aintCardFrom, int aintCardTo,
                     bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft) override;
    bool gblnfGameOver() override;
    void gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft) override;

    std::vector<CardLocation> census() const override;
    std::vector<QPoint> hotSpots() const override;

    // Piles 1..52 are the grid row by row (1..4 the Ace foundations), 53..56
    // the King foundations, 53 + suit index for each suit.
    static constexpr int kColumns = 13;
    static constexpr int kGridPiles = 52;
    static constexpr int kFirstKingPile = 53;
    static constexpr int kPiles = 56;
    static constexpr int kLevels = 13;

    // Read-only views for tests and tools.
    int gintfPileHeight(int aintPile) const;
    int gintfTopCard(int aintPile) const;  // 0 for an empty pile
    const CardPlace& gudtfCardPlace(int aintPile, int aintLevel) const { return mudtCards[aintPile][aintLevel]; }
    const PlacePsn& gudtfPilePsn(int aintPile) const { return mudtPsns[aintPile]; }

protected:
    TableDescription placesOnTable() const override;

private:
    void msForceAces();
    void msResetCardStatus();
    void msUpdateCardStatus(int aintFrom, int aintTo);
    bool mblnfBottomColumn(int aintPile) const;
    bool mblnfReachable(int aintPile) const;
    bool mblnfLegal(int aintFrom, int aintTo) const;
    CardPlace& topOf(int aintPile) { return mudtCards[aintPile][mintHeight[aintPile]]; }

    int mintClientRight;
    int mintClientBottom;
    QString mstrTitle;

    CheckedTable<CheckedTable<CardPlace, 1, kLevels>, 1, kPiles> mudtCards;
    CheckedTable<PlacePsn, 1, kPiles> mudtPsns;
    CheckedTable<int, 1, kPiles> mintHeight;
    int mintTakenFrom = 0;  // pile of the card picked up by the last press
    int mintDroppedOn = 0;  // pile found by the last release
    // The last move, kept until it is taken back or another move replaces it.
    int mintUndoFrom = 0;
    int mintUndoTo = 0;
};
