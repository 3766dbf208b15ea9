#pragma once
// Baker's Dozen: all 52 cards face up in thirteen overlapping columns of
// four, every King brought to the back of its column. The top card of a
// column moves, one at a time, onto another column's top card one rank
// higher of any suit, or onto one of four foundations: any Ace on an empty
// one, then up in suit. An emptied column stays empty. Won when the four
// foundations hold thirteen cards each. Drag game; Undo takes back the last
// move.

#include "core/cardplace.h"
#include "core/checkedtable.h"
#include "core/gamerules.h"

class clsBakersDozen : public GameRules {
public:
    explicit clsBakersDozen(Board& board);

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

    // Columns 1..13 are the tableau, 14..17 the foundations 1..4.
    static constexpr int kTableauColumns = 13;
    static constexpr int kFirstFoundation = 14;
    static constexpr int kColumns = 17;
    static constexpr int kLevels = 16;
    static constexpr int kDealtLevels = 4;

    // Read-only views for tests and tools.
    const CardPlace& gudtfCardPlace(int aintColumn, int aintLevel) const { return mudtCards[aintColumn][aintLevel]; }
    int gintfFoundationCount(int aintFoundation) const;
    int gintfTopLevel(int aintColumn) const;  // 0 for an empty column
    int gintfTopCard(int aintColumn) const;   // a column's or foundation's top card, 0 for none

protected:
    TableDescription placesOnTable() const override;

private:
    struct Spot {
        int column = 0;
        int level = 0;
    };

    void msRepositionKings();
    void msUpdateCardStatus();
    void msClearLifted();
    bool mblnfLegal() const;
    bool isFoundation(int aintColumn) const { return aintColumn >= kFirstFoundation && aintColumn <= kColumns; }
    int& foundCount(int aintColumn);
    CardPlace& at(Spot s) { return mudtCards[s.column][s.level]; }
    const CardPlace& at(Spot s) const { return mudtCards[s.column][s.level]; }

    int mintClientRight;
    int mintClientBottom;
    QString mstrTitle;

    CheckedTable<CheckedTable<CardPlace, 1, kLevels>, 1, kColumns> mudtCards;
    CheckedTable<int, 1, 4> mintFoundCount;
    Spot mPicked;  // the card lifted by the last press
    Spot mTarget;  // the place found by the last release (column 0: none)
    // The last move, from where to where, until it is taken back.
    Spot mUndoFrom;
    Spot mUndoTo;
};
