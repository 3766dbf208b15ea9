#pragma once
// Scorpion: 49 cards in seven fanned columns of seven, the first four of
// columns 1 to 3 face down; the last three cards are a reserve that Deal
// lays once onto columns 1 to 3. Any face-up card moves together with every
// card after it onto a column's top card of the same suit and one rank
// higher, or, headed by a King, into an empty column. An uncovered face-down
// card turns up. Won when every column holding cards is one suit, King down
// to Ace. Drag game; Undo takes back the last move.

#include "core/cardplace.h"
#include "core/checkedtable.h"
#include "core/gamerules.h"
#include "core/modCards.h"

class clsScorpion : public GameRules {
public:
    explicit clsScorpion(Board& board);

    int prpClientRight() const override { return mintClientRight; }
    int prpClientBottom() const override { return mintClientBottom; }
    QString prpTitle() const override { return mstrTitle; }

    void gsInitVar() override;
    void gsInitCardPsns() override;
    void gsInitNewGame() override;
    void gsDrawCards() override;
    void gsDealCard(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft) override;
    int gintfGetSelectedCard(float asngX, float asngY, bool ablnMouseDown, int& aintNumCardsInSequence) override;
    void gsGetNewPsn(int aintCardFrom, int& aintPrevX, int& aintPrevY) override;
    void gsPlaceCard(float asngX, float asngY, int aintPrevX, int aintPrevY, int aintCardFrom, int aintCardTo,
                     bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft) override;
    bool gblnfGameOver() override;
    void gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft) override;

    std::vector<CardLocation> census() const override;
    std::vector<QPoint> hotSpots() const override;

    static constexpr int kColumns = 7;
    static constexpr int kPlaces = 52;
    static constexpr int kDealt = 49;  // deal places 50..52 are the reserve
    static constexpr int kFanStep = 12;

    // Where column c, place p is drawn.
    static float gsngfPlaceLeft(int aintPlace) { return static_cast<float>(1 + kFanStep * (aintPlace - 1)); }
    static float gsngfColumnTop(int aintColumn) { return static_cast<float>(2 + 80 * (aintColumn - 1)); }

    // Read-only views for tests and tools.
    const CardPlace& gudtfCardPlace(int aintColumn, int aintPlace) const { return mudtCards[aintColumn][aintPlace]; }
    int gintfTopPlace(int aintColumn) const;
    bool gblnfReserveDealt() const { return mblnReserveDealt; }

protected:
    TableDescription placesOnTable() const override;

private:
    struct LiftedCard {
        int dealPlace = 0;
        int column = 0;
        int place = 0;
        int card = 0;
        float left = 0;
        float top = 0;
    };
    using Column = CheckedTable<CardPlace, 1, kPlaces>;

    bool mblnfCardIsThere(int aintColumn, int aintPlace);
    int mintfCardsInSequence(int aintColumn, int aintPlace, bool ablnMouseDown);
    int mintfFindTopCardIndex(int aintColumn);
    bool mblnfColEmpty(int aintX, int aintY, int& aintColumn);
    void msUpdateCardStatus(int aintStep);
    void msFlipCard();
    void msResetCardStatus();
    void msClearSelectedCards();

    CardPlace& at(int aintColumn, int aintPlace) { return mudtCards[aintColumn][aintPlace]; }

    int mintClientRight;
    int mintClientBottom;
    QString mstrTitle;

    CheckedTable<Column, 1, kColumns> mudtCards;
    CheckedTable<PlacePsn, 1, kCardCount> mudtDealPsns;
    CheckedTable<LiftedCard, 1, kPlaces> mudtLifted;
    int mintLiftedCount = 0;
    int mintPressedColumn = 0;
    int mintPressedPlace = 0;
    int mintTargetColumn = 0;
    int mintTargetPlace = 0;
    bool mblnTurned = false;
    int mintTurnedColumn = 0;
    int mintTurnedPlace = 0;
    bool mblnCanUndo = false;  // the lifted list and target describe a move not yet taken back
    bool mblnDealtOut = false;
    bool mblnReserveDealt = false;
    CheckedTable<int, 1, 3> mintReserve;  // the reserve's cards, kept for the census until dealt
};
