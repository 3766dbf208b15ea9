#pragma once
// The contract between the game window and a game object. The window knows
// no rules: it drives a game only through these operations, in the order the
// window's handlers call them, and the game answers button states and the
// cards-left count through the in/out arguments.
//
// An operation a game does not offer raises a run-time error when called
// (number 438), just as a call to a missing member would; the window's
// handler reports it. Games trap their own errors inside each operation.

#include "core/tabledescription.h"

#include <QPoint>
#include <QString>
#include <vector>

class Board;

struct CardLocation {
    int card;
    CardWhere where;
};

class GameRules {
public:
    explicit GameRules(Board& board) : mBoard(board) {}
    virtual ~GameRules() = default;
    GameRules(const GameRules&) = delete;
    GameRules& operator=(const GameRules&) = delete;

    virtual int prpClientRight() const = 0;
    virtual int prpClientBottom() const = 0;
    virtual QString prpTitle() const = 0;

    virtual void gsInitVar();
    virtual void gsInitCardPsns();
    virtual void gsInitNewGame();
    virtual void gsDrawCards();
    virtual int gintfGetSelectedCard(float asngX, float asngY, bool ablnMouseDown, int& aintNumCardsInSequence);
    virtual void gsGetNewPsn(int aintCardFrom, int& aintPrevX, int& aintPrevY);
    virtual void gsDrawCardBorder();
    virtual void gsPlaceCard(float asngX, float asngY, int aintPrevX, int aintPrevY, int aintCardFrom, int aintCardTo,
                             bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft);
    virtual bool gblnfGameOver();
    virtual void gsDealCard(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft);
    virtual void gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft);

    // Every card of the current deal and where it lies; empty before the
    // first deal. Used by tests to prove that no card is ever lost.
    virtual std::vector<CardLocation> census() const = 0;

    // Board points where a press or a drop can matter now, from the table's
    // description: the top-left corner of what shows of every card a press
    // can pick up or click or a drop can land on, and of every empty place a
    // card may be put. Random-play tests aim their presses and drops here.
    std::vector<QPoint> hotSpots() const;

    // The table as the player sees it: every place in the game's own words,
    // its cards bottom up, what shows of each and what a press or a drop
    // there can do now (see core/tabledescription.h). Empty before the first
    // deal. Built only when asked for, never on the drag path; never throws
    // (a fault while describing gives an empty table).
    TableDescription describeTable() const;

protected:
    // The game's places, with each card's face rectangle and what a press
    // or drop can do; describeTable() works out what shows of each card.
    virtual TableDescription placesOnTable() const { return {}; }

public:

protected:
    Board& board() { return mBoard; }
    const Board& board() const { return mBoard; }

private:
    Board& mBoard;
};
