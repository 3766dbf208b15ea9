#pragma once
// Beleaguered Castle: the four Aces start on foundations stacked in the
// middle of the board, the other 48 cards lie face up in eight rows of six,
// four fanned out to the left and four to the right. Only a row's outermost
// card moves: onto a foundation (same suit, one higher), onto another row's
// top card (one lower, any suit) or into an empty row. Won when the rows are
// empty. Drag game; Undo takes back the last move.

#include "core/cardplace.h"
#include "core/checkedtable.h"
#include "core/gamerules.h"

class clsBCastle : public GameRules {
public:
    explicit clsBCastle(Board& board);

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

    // Rows 1..8 are the tableau, rows 9..12 the foundations 1..4.
    static constexpr int kTableauRows = 8;
    static constexpr int kRows = 12;
    static constexpr int kPlaces = 18;
    static constexpr int kFirstFoundation = kTableauRows + 1;

    // Read-only views for tests and tools.
    const CardPlace& gudtfCardPlace(int aintRow, int aintPlace) const { return at(aintRow, aintPlace); }
    int gintfFoundationCount(int aintFoundation) const;
    // The card a row shows on top (0 for an empty row); a foundation's top card.
    int gintfTopCard(int aintRow) const;

protected:
    TableDescription placesOnTable() const override;

private:
    // ablnRowEmpty tells the caller that the row has no cards (its place 1
    // is not present), so a drop there goes to place 1.
    bool mblnfCardIsThere(int aintRow, int aintPlace, bool ablnMouseDown, bool& ablnRowEmpty);
    bool mblnfRowEmpty(int aintX, int aintY, int& aintRow);
    void msForceAces();
    void msUpdateCardStatus(int aintStep, int aintRow, int aintPlace);
    void msResetCardStatus();

    // Table access; a bad index is a run-time error, never a stray write.
    CardPlace& at(int aintRow, int aintPlace);
    const CardPlace& at(int aintRow, int aintPlace) const;
    PlacePsn& psnAt(int aintRow, int aintPlace);
    int& foundCount(int aintRow);
    bool isFoundation(int aintRow) const { return aintRow >= kFirstFoundation && aintRow <= kRows; }

    int mintClientRight;
    int mintClientBottom;
    QString mstrTitle;

    CheckedTable<CheckedTable<CardPlace, 1, kPlaces>, 1, kRows> mudtCards;
    CheckedTable<CheckedTable<PlacePsn, 1, kPlaces>, 1, kRows> mudtPsns;
    CheckedTable<int, 1, 4> mintFoundCount;
    int mintLiftedRow = 0;
    int mintLiftedPlace = 0;
    int mintTargetRow = 0;
    int mintTargetPlace = 0;
};
